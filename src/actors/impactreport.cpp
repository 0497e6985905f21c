#include "actors/impactreport.h"

#include "actors/actor.h"
#include "actors/appreciation.h"
#include "actors/appreciationbar.h"
#include "actors/designsurvey.h"
#include "design/design.h"
#include "design/evaluation.h"
#include "model/case.h"
#include "model/enumerations.h"
#include "model/helpers.h"
#include "model/messages.h"
#include "policy/combination.h"
#include "policy/occurrence.h"
#include "storage/contentspage.h"
#include "storage/pagehead.h"
#include "storage/pagewriter.h"
#include "storage/storageerror.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

const QString ReportLink = QStringLiteral("href=\"orvel report ");
// Larger numbers in a contents page are taken for damage, not for reports.
constexpr int HighestReportNumber = 999999999;

// The number of the report the line links to, or 0.
int LinkedReportNumber(const QString& line)
{
    if (!line.contains(ReportLink, Qt::CaseInsensitive))
        return 0;
    QString rest = line;
    CutToken(rest, ReportLink);
    bool ok = false;
    const int number = CutToken(rest, QStringLiteral(".htm\"")).trimmed().toInt(&ok);
    return ok && number > 0 && number <= HighestReportNumber ? number : 0;
}

QString ContentsLine(int number)
{
    return QStringLiteral("<img src=\"img/report.bmp\"><a href=\"ORVEL report %1.htm\" target=main><b>Report #%1</b></a><br>")
        .arg(number);
}

// One goal of an actor on a variable, with the actor's letter.
struct TGoalEntry
{
    const TActorGoal* Goal;
    QString Letter;
};

// "Mayor: 5 or less is desirable".
QString GoalTitle(const TActorGoal& goal)
{
    QString direction = ChangeDirectionText(goal.Direction);
    direction.replace(QLatin1Char('X'), FormatValue(goal.Value));
    if (IsRelativeDirection(goal.Direction))
        direction += QLatin1Char('%');
    return PageText(goal.Actor->Name) + QStringLiteral(": ") + direction + QStringLiteral(" is ")
           + PreferenceLevelText(goal.Preference);
}

// The report is built a section at a time and each section goes to the page
// as soon as it is complete, so that a report on many designs never holds
// more than one section in memory.
class TImpactReport
{
public:
    TImpactReport(TCase& aCase, const std::vector<TDesign*>& designs, const TAppreciationSettings& settings,
                  TPageWriter& page)
        : Case(aCase), Designs(designs), Settings(settings), Page(page)
    {
    }

    void Write(int number, bool withProblemsAndPromises)
    {
        // One evaluation pass: every value is computed once for the whole report.
        const TEvaluation pass;
        Lines = PageHead(TPageKind::Report, number, Case.Name);
        WriteActors();
        WriteDesigns();
        Flush();
        WriteImpactTable();
        Flush();
        if (Settings.Any()) {
            WriteAppreciations();
            Flush();
        }
        if (withProblemsAndPromises) {
            WriteProblemsAndPromises();
            Flush();
        }
        Lines << QStringLiteral("</body>") << QStringLiteral("</html>");
        Flush();
    }

private:
    void Flush()
    {
        Page.Lines(Lines);
        Lines.clear();
    }

    bool IsBase(const TDesign* design) const { return design == Case.BaseCase; }

    QString BaseMark(const TDesign* design) const
    {
        return IsBase(design) ? QStringLiteral(" <small>(<b>base design</b>)</small>") : QString();
    }

    void WriteActors()
    {
        Lines << QStringLiteral("<table>") << QStringLiteral(" <tr><th colspan=2>Actors in this case:</th></tr>");
        for (int i = 0; i < Case.Actors.Count(); ++i) {
            const QString letter = ColumnLetters(i);
            Lines << QStringLiteral(" <tr><td><img src=\"img/actor.bmp\" alt=\"Actor %1\"><b>%1</b></td><td>").arg(letter)
                         + PageText(Case.Actors.At(i)->Name) + QStringLiteral("</td></tr>");
        }
        Lines << QStringLiteral("</table><br>");
    }

    void WriteDesigns()
    {
        Lines << QStringLiteral("<table>") << QStringLiteral(" <tr><th colspan=2>Designs assessed in this report:</th></tr>");
        for (size_t j = 0; j < Designs.size(); ++j)
            Lines << QStringLiteral(" <tr><td><img src=\"img/design.bmp\" alt=\"Design\"></td><td><b>D%1</b> ").arg(j + 1)
                         + PageText(Designs[j]->Name) + (IsBase(Designs[j]) ? QStringLiteral(" <i>(base design)</i>") : QString())
                         + QStringLiteral("</td></tr>");
        Lines << QStringLiteral("</table><br>");
    }

    // Every goal of every actor by variable, actors in list order, each
    // actor's goals in its order.
    std::unordered_map<const TVariable*, std::vector<TGoalEntry>> GoalsByVariable() const
    {
        std::unordered_map<const TVariable*, std::vector<TGoalEntry>> goals;
        for (int i = 0; i < Case.Actors.Count(); ++i)
            for (const auto& goal : Case.Actors.At(i)->Goals)
                goals[goal->Variable].push_back({ goal.get(), ColumnLetters(i) });
        return goals;
    }

    void WriteImpactTable()
    {
        Lines << QStringLiteral("<table border=1>")
              << QStringLiteral(" <tr><th colspan=%1>Impact of designs on variables of interest to actors:</th></tr>")
                     .arg(3 * Designs.size() + 2)
              << QStringLiteral(" <tr><th>Variable</th><th>Actors</th>");
        for (size_t j = 0; j < Designs.size(); ++j)
            Lines << QStringLiteral("  <td colspan=3><img src=\"img/design.bmp\" alt=\"Design\"><b>D%1</b> ").arg(j + 1)
                         + BaseMark(Designs[j]) + QStringLiteral("</td>");
        Lines << QStringLiteral(" </tr>");
        const auto goals = GoalsByVariable();
        for (const TVariable* variable : Case.Variables) {
            const auto found = goals.find(variable);
            if (found != goals.end())
                WriteVariableRow(*variable, found->second);
        }
        Lines << QStringLiteral("</table>");
    }

    static QString ActorsCell(const std::vector<TGoalEntry>& goals)
    {
        QString cell;
        const TActor* last = nullptr;
        // An actor's goals on one variable are adjacent: its first one names it.
        for (const TGoalEntry& entry : goals) {
            if (entry.Goal->Actor == last)
                continue;
            last = entry.Goal->Actor;
            cell += QStringLiteral("<a title=\"") + GoalTitle(*entry.Goal) + QStringLiteral("\">") + entry.Letter
                    + QStringLiteral("</a>");
        }
        return cell;
    }

    // The row is left open, as the next one starts with its own " <tr>".
    void WriteVariableRow(const TVariable& variable, const std::vector<TGoalEntry>& goals)
    {
        Lines << QStringLiteral(" <tr><td><img src=\"img/var.bmp\">") + PageText(variable.NameWithScale())
                     + QStringLiteral("</td><td>")
                     + ActorsCell(goals) + QStringLiteral("</td>");
        const TDesign* base = Case.BaseCase;
        const double baseValue = base ? DesignValue(*base, variable) : UndefinedValue;
        for (const TDesign* design : Designs) {
            QString valuePart;
            double value = baseValue;
            if (IsBase(design)) {
                valuePart = QStringLiteral("<b>") + ValueText(baseValue) + QStringLiteral("</b></td><td><small>&nbsp;");
            } else {
                value = DesignValue(*design, variable);
                valuePart = ValueText(value) + QStringLiteral("</td><td align=right>") + ChangeCell(value, baseValue);
            }
            Lines << QStringLiteral("  <td align=right>") + valuePart + QStringLiteral("</td><td>")
                         + Markers(design, goals, value, baseValue) + QStringLiteral("</td>");
        }
    }

    // The change against the base design, relative to the base value's
    // magnitude so that a fall reads as a fall even below zero.
    QString ChangeCell(double value, double baseValue) const
    {
        if (!Case.BaseCase || !(std::fabs(baseValue) > 1e-30) || IsUndefined(value))
            return QStringLiteral("&nbsp;");
        const double change = (value - baseValue) / std::fabs(baseValue);
        if (change > 0)
            return QStringLiteral("<font color=#200080><b>+") + FormatPercentage(change) + QStringLiteral("</b></font>");
        if (change == 0)
            return QStringLiteral("<small>") + FormatPercentage(change) + QStringLiteral("</small>");
        if (change < 0)
            return QStringLiteral("<font color=#800020><b>&ndash;") + FormatPercentage(-change) + QStringLiteral("</b></font>");
        return QStringLiteral("&nbsp;");
    }

    // The goals the design's value attains, each as its actor's letter and face.
    QString Markers(const TDesign* design, const std::vector<TGoalEntry>& goals, double value, double baseValue) const
    {
        QString markers;
        if (Settings.Any() && !IsUndefined(value)) {
            const std::optional<double> base = Case.BaseCase ? std::optional<double>(baseValue) : std::nullopt;
            for (const TGoalEntry& entry : goals) {
                const TActorGoal& goal = *entry.Goal;
                if (IsRelativeDirection(goal.Direction) && (!base || IsBase(design)))
                    continue;
                if (GoalAttained(goal, value, base))
                    markers += entry.Letter + QStringLiteral("<img src=\"img/face%1.bmp\" alt=\"").arg(goal.Preference)
                               + GoalTitle(goal) + QStringLiteral("\">");
            }
        }
        return markers.isEmpty() ? QStringLiteral("&nbsp;") : markers;
    }

    void WriteAppreciations()
    {
        Lines << QStringLiteral("<br><br>") << QStringLiteral("<table>");
        for (TDesign* design : Designs) {
            Lines << QStringLiteral(" <tr><th align=left>Actor</th><td><b>Appreciation of <img src=\"img/design.bmp\">")
                         + PageText(design->Name) + QStringLiteral("</b>") + BaseMark(design) + QStringLiteral("</td></tr>");
            // Every actor's appreciation of the design reads the same facts.
            const auto survey = std::make_shared<TDesignSurvey>(design);
            for (TActor* actor : Case.Actors)
                WriteAppreciation(*CreateActorAppreciation(actor, design, Settings, survey));
            Lines << QStringLiteral("  <tr></tr>");
        }
        Lines << QStringLiteral("</table>");
    }

    void WriteAppreciation(const TActorAppreciation& a)
    {
        Lines << QStringLiteral("  <tr valign=top><td><img src=\"img/actor.bmp\">") + PageText(a.Actor->Name) + QStringLiteral("</td>");
        Lines << QStringLiteral("    <td><table><tr><td colspan=2>") + BarHTML(a) + QStringLiteral("</td><td>")
                     + a.AppreciationText() + QStringLiteral("</td></tr>");
        const auto partRow = [&](const char* caption, const TAppreciation& part) {
            Lines << QStringLiteral("      <tr><td>%1</td><td>").arg(QLatin1String(caption)) + BarHTML(part)
                         + QStringLiteral("</td><td>") + part.AppreciationText() + QStringLiteral("</td></tr>");
        };
        if (Settings.Objectives)
            partRow("objectives:", *a.GoalAppreciation);
        if (Settings.SpecificOptions)
            partRow("specific&nbsp;options:", *a.OptionAppreciation);
        if (Settings.Qualifications)
            partRow("qualifiers:", *a.QualifierAppreciation);
        Lines << QStringLiteral("    </table></td>") << QStringLiteral("  </tr>");
    }

    void WriteProblemsAndPromises()
    {
        Lines << QStringLiteral("<br><br>") << QStringLiteral("<table>");
        for (const TDesign* design : Designs) {
            Lines << QStringLiteral(" <tr><td align=left colspan=2><b>Promises and problems in <img src=\"img/design.bmp\">")
                         + PageText(design->Name) + QStringLiteral("</b>") + BaseMark(design) + QStringLiteral("</td></tr>");
            for (const auto& combination : Case.Combinations) {
                const int occurrences = CountOccurrences(*combination, design->TopObjects);
                if (occurrences > 0)
                    Lines << QStringLiteral(" <tr><td>%1x</td><td><table>").arg(occurrences)
                                 + CombinationRows(*combination).join(QStringLiteral("\r\n"))
                                 + QStringLiteral("</table></td></tr>");
            }
        }
        Lines << QStringLiteral("</table>");
    }

    TCase& Case;
    const std::vector<TDesign*>& Designs;
    const TAppreciationSettings& Settings;
    TPageWriter& Page;
    QStringList Lines;
};

} // namespace

QString ReportFileName(int number) { return QStringLiteral("ORVEL report %1.htm").arg(number); }

int NextReportNumber(const QStringList& contents, const QString& folder)
{
    int highest = 0;
    for (const QString& line : contents)
        highest = std::max(highest, LinkedReportNumber(line));
    int number = highest + 1;
    while (QFileInfo::exists(folder + ReportFileName(number)))
        ++number;
    return number;
}

QString WriteImpactReport(TCase& aCase, const std::vector<TDesign*>& designs, const TAppreciationSettings& settings,
                          bool withProblemsAndPromises)
{
    if (aCase.Folder.isEmpty()) {
        ShowInfo(QStringLiteral("Case must be saved to folder first"));
        return QString();
    }
    if (designs.empty()) {
        ShowInfo(QStringLiteral("Select the designs to compare in the report first"));
        return QString();
    }
    const TBusyScope busy;
    const int number = NextReportNumber(aCase.Contents, aCase.Folder);
    const QString path = aCase.Folder + ReportFileName(number);
    try {
        TPageWriter page(path, false);
        TImpactReport(aCase, designs, settings, page).Write(number, withProblemsAndPromises);
        page.Commit();
    } catch (const TStorageError& error) {
        ShowError(error.Message);
        return QString();
    }
    aCase.Contents << ContentsLine(number);
    try {
        WriteContentsPage(aCase.Folder, aCase.Contents, false);
    } catch (const TStorageError& error) {
        // A report that no contents page links to would be found by nobody.
        aCase.Contents.removeLast();
        QFile::remove(path);
        ShowError(error.Message);
        return QString();
    }
    return path;
}
