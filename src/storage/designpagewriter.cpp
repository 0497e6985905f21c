#include "storage/designpagewriter.h"

#include "design/design.h"
#include "model/case.h"
#include "storage/folderwriter.h"
#include "storage/pagewriter.h"
#include "storage/savetransaction.h"

#include <QDir>

QString DesignPageBaseName(int number) { return QStringLiteral("ORVEL design %1").arg(number); }

QString DesignContentsLine(int number)
{
    return QStringLiteral("<img src=\"img/design.bmp\" alt=\"Design\"><a href=\"ORVEL design %1.htm\" "
                          "target=main><b>Design #%1</b></a><br>").arg(number);
}

namespace {

// The pages about to be written replace their old versions; every other page
// of the kind goes with the save.
void DeleteStalePages(const TFolderWriter& folder, const QString& extension)
{
    QStringList current;
    for (int n = 0; n < folder.Case.Designs.Count(); ++n)
        current << DesignPageBaseName(n) + extension;
    const QDir dir(folder.Save.LivePath(QString()));
    const QStringList pages = dir.entryList({ QStringLiteral("ORVEL design *") + extension }, QDir::Files | QDir::System);
    for (const QString& name : pages)
        if (!current.contains(name))
            folder.Save.Delete(name);
}

} // namespace

void WriteDesignPages(const TFolderWriter& folder)
{
    DeleteStalePages(folder, folder.Mode == TSaveMode::Export ? QStringLiteral(".cmc") : QStringLiteral(".htm"));
    int number = 0;
    for (TDesign* design : folder.Case.Designs) {
        const auto page = folder.BeginDataPage(DesignPageBaseName(number), TPageKind::Design, number);
        ++number;
        page->Line(QStringLiteral("<table>"));
        page->Lines(design->DescriptionRows());
        for (TDesignObject* top : design->TopObjects)
            page->Lines(top->DesignBlock());
        TFolderWriter::EndDataPage(*page);
    }
}
