#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TCase;
class TDesign;
struct TAppreciationSettings;

/// Writes the next numbered report page into the case folder: the actors, the
/// designs (D1, D2, ... in the given order), each design's values of the
/// variables actors have goals on with the change against the base design and
/// the goals attained; with any appreciation switched on, each actor's
/// appreciation of each design; and, on request, the problems and promises
/// each design holds. Then adds the report's line to the case's Contents and
/// rewrites the contents page. The report is in place before the contents
/// page names it; when either cannot be written, neither changes.
/// Answers the report's path, or empty text after telling the user why
/// nothing was written (no folder yet, no design, a file system error).
QString WriteImpactReport(TCase& aCase, const std::vector<TDesign*>& designs, const TAppreciationSettings& settings,
                          bool withProblemsAndPromises);

/// The number of the next report: one more than the highest report linked
/// from `contents`, and past every report file already in `folder`, so that no
/// report is ever overwritten.
int NextReportNumber(const QStringList& contents, const QString& folder);

/// "ORVEL report " + number + ".htm".
QString ReportFileName(int number);
