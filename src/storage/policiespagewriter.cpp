#include "storage/policiespagewriter.h"

#include "model/case.h"
#include "model/option.h"
#include "storage/folderwriter.h"
#include "storage/pagewriter.h"

void WritePoliciesPage(const TFolderWriter& folder)
{
    TCase& aCase = folder.Case;
    const auto page = folder.BeginDataPage(QStringLiteral("ORVEL policies"), TPageKind::Policies);
    page->Line(QStringLiteral("<table class=c%1>").arg(aCase.Policies.Count()));
    for (TPolicy* policy : aCase.Policies) {
        // Renames and moves of levels, areas, categories and phases change the
        // order the reader gives; sorting here writes what a reread writes again.
        SortOptions(policy->Options);
        page->Lines(policy->DescriptionRows());
    }
    TFolderWriter::EndDataPage(*page);
}
