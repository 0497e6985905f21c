#include "storage/propropagereader.h"

#include "model/case.h"
#include "model/decisionarea.h"
#include "model/option.h"
#include "policy/combination.h"
#include "storage/filebuffer.h"
#include "storage/folderreader.h"
#include "storage/optionaddress.h"
#include "storage/rangewarning.h"
#include "storage/rowreading.h"

namespace {

QString Describe(const TCombination& combination)
{
    QStringList options;
    for (const TOption* option : combination.Options)
        options << option->DecisionArea->Name + QStringLiteral(" = ") + option->Name;
    return QStringLiteral("Combination \"") + options.join(QStringLiteral(", ")) + QLatin1Char('"');
}

void ReadCombination(TFileBuffer& buffer, TCase& aCase)
{
    auto combination = std::make_unique<TCombination>(&aCase);
    buffer.SkipPast(QStringLiteral("<img src=\"img/face"));
    const int rating = ToInt(buffer.ReadUntil(QStringLiteral(".bmp")));
    buffer.ReadUntil(RowEnd);
    ReadComment(buffer, *combination);
    buffer.ReadTable(QStringLiteral("alt=\""), [&] {
        buffer.ReadUntil(QStringLiteral("alt=\""));
        const TDecisionArea* area = ReadDecisionAreaAddress(buffer, aCase, QStringLiteral("\""));
        buffer.ReadUntil(QStringLiteral(" = "));
        combination->Options.push_back(OptionNamed(*area, ReadText(buffer, RowEnd)));
    });
    SortOptions(combination->Options);
    if (!CheckRange(rating, -3, 3, Describe(*combination), QStringLiteral("rating")))
        return;
    combination->Rating = qint16(rating);
    aCase.Combinations.push_back(std::move(combination));
    MarkCaseChanged(&aCase);
}

} // namespace

void ReadProblemsPromisesPage(TFolderReader& folder)
{
    folder.ReadItemsPage(QStringLiteral("ORVEL propro.htm"), QStringLiteral(" [loading promises & problems...]"),
                         QStringLiteral("<img src=\"img/face"),
                         [&](TFileBuffer& buffer) { ReadCombination(buffer, folder.Case); });
    SortCombinations(folder.Case.Combinations);
}
