#include "storage/propropagewriter.h"

#include "model/case.h"
#include "model/option.h"
#include "policy/combination.h"
#include "storage/folderwriter.h"
#include "storage/pagewriter.h"

void WriteProblemsPromisesPage(const TFolderWriter& folder)
{
    TCase& aCase = folder.Case;
    const auto page = folder.BeginDataPage(QStringLiteral("ORVEL propro"), TPageKind::Problems);
    page->Line(QStringLiteral("<table class=c%1>").arg(aCase.Combinations.size()));
    // As the reader orders them: options first (renames and moves of levels,
    // areas, categories and phases change their order), then combinations by them.
    for (const auto& combination : aCase.Combinations)
        SortOptions(combination->Options);
    SortCombinations(aCase.Combinations);
    for (const auto& combination : aCase.Combinations)
        page->Lines(CombinationRows(*combination));
    TFolderWriter::EndDataPage(*page);
}
