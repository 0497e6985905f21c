#pragma once

#include <QStringList>

/// The kinds of page in a case folder; each has its own title and heading.
enum class TPageKind : char {
    Frameset = 'F',   // index.htm
    Info = 'I',       // "ORVEL info.htm"
    Case = 'C',       // the case page
    Problems = 'X',   // problems and promises
    Actors = 'A',
    Design = 'D',     // one page per design, numbered
    Policies = 'P',
    Report = 'R',     // case reports, numbered
};

/// The opening lines of a page, up to and including its heading. `number` is
/// the design or report number where the kind has one.
QStringList PageHead(TPageKind kind, int number, const QString& caseName);

/// The lines that close every data page.
QStringList PageClosingLines();
