#include "storage/policiespagewriter.h"

#include "model/case.h"
#include "storage/folderwriter.h"
#include "storage/pagewriter.h"

void WritePoliciesPage(const TFolderWriter& folder)
{
    const TCase& aCase = folder.Case;
    const auto page = folder.BeginDataPage(QStringLiteral("ORVEL policies"), TPageKind::Policies);
    page->Line(QStringLiteral("<table class=c%1>").arg(aCase.Policies.Count()));
    for (const TPolicy* policy : aCase.Policies)
        page->Lines(policy->DescriptionRows());
    TFolderWriter::EndDataPage(*page);
}
