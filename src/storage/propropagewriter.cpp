#include "storage/propropagewriter.h"

#include "model/case.h"
#include "policy/combination.h"
#include "storage/folderwriter.h"
#include "storage/pagewriter.h"

void WriteProblemsPromisesPage(const TFolderWriter& folder)
{
    TCase& aCase = folder.Case;
    const auto page = folder.BeginDataPage(QStringLiteral("ORVEL propro"), TPageKind::Problems);
    page->Line(QStringLiteral("<table class=c%1>").arg(aCase.Combinations.size()));
    SortCombinations(aCase.Combinations);
    for (const auto& combination : aCase.Combinations)
        page->Lines(CombinationRows(*combination));
    TFolderWriter::EndDataPage(*page);
}
