#include "storage/actorspagewriter.h"

#include "model/case.h"
#include "storage/folderwriter.h"
#include "storage/pagewriter.h"

void WriteActorsPage(const TFolderWriter& folder)
{
    TCase& aCase = folder.Case;
    const auto page = folder.BeginDataPage(QStringLiteral("ORVEL actors"), TPageKind::Actors);
    page->Line(QStringLiteral("<table class=c%1>").arg(aCase.Actors.Count()));
    for (TActor* actor : aCase.Actors) {
        actor->SortPositions();
        page->Lines(actor->DescriptionRows());
    }
    TFolderWriter::EndDataPage(*page);
}
