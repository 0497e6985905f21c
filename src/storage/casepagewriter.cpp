#include "storage/casepagewriter.h"

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/helpers.h"
#include "model/option.h"
#include "storage/folderwriter.h"
#include "storage/pagewriter.h"

#include <algorithm>
#include <vector>

namespace {

void BeginSection(TPageWriter& page, const QString& title)
{
    page.Line(QStringLiteral(" <tr class=section><td>") + title + QStringLiteral("</td></tr>"));
    page.Line(QStringLiteral(" <tr><td><table>"));
}

void EndSection(TPageWriter& page) { page.Line(QStringLiteral(" </table></td></tr>")); }

template <class T>
void WriteRows(TPageWriter& page, const std::vector<T*>& items)
{
    for (const T* item : items)
        page.Lines(item->DescriptionRows());
}

template <class T>
std::vector<T*> InListOrder(const TConceptList<T>& list)
{
    return std::vector<T*>(list.begin(), list.end());
}

// Ascending by `key`; ties keep list order.
template <class T, class Key>
std::vector<T*> SortedBy(const TConceptList<T>& list, Key key)
{
    std::vector<T*> items = InListOrder(list);
    std::stable_sort(items.begin(), items.end(), [key](const T* a, const T* b) { return key(a) < key(b); });
    return items;
}

void WriteCaseHeader(TPageWriter& page, const TCase& aCase)
{
    page.Line(QStringLiteral("<table>"));
    page.Line(QStringLiteral(" <tr class=case><td>") + PageText(aCase.Name) + QStringLiteral("</td><tr>"));
    page.Line(QStringLiteral(" <tr class=cmnt><td>"));
    page.Line(PageText(aCase.Comments.join(QStringLiteral("\r\n")).trimmed()));
    page.Line(QStringLiteral(" </td></tr>"));
}

void WriteCatalogues(TPageWriter& page, const TCase& aCase)
{
    std::vector<TSystemLevel*> tops;
    for (TSystemLevel* level : aCase.SystemLevels)
        if (level->Depth == 0)
            tops.push_back(level);
    BeginSection(page, QStringLiteral("System levels"));
    WriteRows(page, tops);
    EndSection(page);
    BeginSection(page, QStringLiteral("Phases"));
    WriteRows(page, SortedBy(aCase.Phases, [](const TPhase* p) { return p->Order; }));
    EndSection(page);
    BeginSection(page, QStringLiteral("Categories"));
    WriteRows(page, SortedBy(aCase.Categories, [](const TCategory* c) { return c->Number; }));
    EndSection(page);
    BeginSection(page, QStringLiteral("Qualifiers"));
    WriteRows(page, InListOrder(aCase.Qualifiers));
    EndSection(page);
    BeginSection(page, QStringLiteral("Scales"));
    WriteRows(page, InListOrder(aCase.Scales));
    EndSection(page);
    BeginSection(page, QStringLiteral("Variables"));
    WriteRows(page, InListOrder(aCase.Variables));
    EndSection(page);
}

void WriteDecisionAreas(TPageWriter& page, const TCase& aCase)
{
    page.Line(QStringLiteral(" <tr class=section><td>System type definitions</td></tr>"));
    page.Line(QStringLiteral(" <tr><td><table c=%1>").arg(aCase.SystemLevels.Count()));
    for (const TSystemLevel* level : aCase.SystemLevels) {
        page.Line(QStringLiteral(" <tr class=subsection><td>Decision areas, options and effects for ") + PageText(level->Name)
                  + QStringLiteral("</td></tr>"));
        page.Line(QStringLiteral(" <tr><td><table class=c%1>").arg(level->DecisionAreas.Count()));
        WriteRows(page, InListOrder(level->DecisionAreas));
        page.Line(QStringLiteral("  </table></td></tr>"));
    }
    page.Line(QStringLiteral(" </table></td></tr>"));
}

std::vector<TOption*> PrecludingOptions(const TSystemLevel& level)
{
    std::vector<TOption*> options;
    for (TDecisionArea* area : level.DecisionAreas)
        for (TOption* option : area->Options)
            if (!option->PrecludedAreas.empty())
                options.push_back(option);
    return options;
}

void WritePreclusions(TPageWriter& page, const TCase& aCase)
{
    page.Line(QStringLiteral(" <tr class=section><td>Preclusions (by system type)</td></tr>"));
    page.Line(QStringLiteral(" <tr><td><table>"));
    for (const TSystemLevel* level : aCase.SystemLevels) {
        const std::vector<TOption*> options = PrecludingOptions(*level);
        page.Line(QStringLiteral("  <tr class=subsection><td>Preclusions for ") + PageText(level->Name) + QStringLiteral("</td></tr>"));
        page.Line(QStringLiteral("  <tr><td><table class=c%1>").arg(options.size()));
        for (TOption* option : options) {
            std::stable_sort(option->PrecludedAreas.begin(), option->PrecludedAreas.end(), DecisionAreaLess);
            page.Line(OptionRow(*option, 0));
            page.Line(QStringLiteral("<tr><td>&nbsp;</td><td><table class=c%1>").arg(option->PrecludedAreas.size()));
            for (const TDecisionArea* area : option->PrecludedAreas)
                page.Line(area->SummaryRow());
            page.Line(QStringLiteral("</table></td></tr>"));
        }
        page.Line(QStringLiteral("  </table></td></tr>"));
    }
    page.Line(QStringLiteral(" </table></td></tr>"));
}

} // namespace

void WriteCasePage(const TFolderWriter& folder)
{
    const auto page = folder.BeginDataPage(QStringLiteral("ORVEL case"), TPageKind::Case);
    WriteCaseHeader(*page, folder.Case);
    WriteCatalogues(*page, folder.Case);
    WriteDecisionAreas(*page, folder.Case);
    WritePreclusions(*page, folder.Case);
    TFolderWriter::EndDataPage(*page);
}
