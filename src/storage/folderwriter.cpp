#include "storage/folderwriter.h"

#include "model/case.h"
#include "model/messages.h"
#include "storage/actorspagewriter.h"
#include "storage/casepagewriter.h"
#include "storage/contentspage.h"
#include "storage/designpagewriter.h"
#include "storage/fileoutput.h"
#include "storage/folderimages.h"
#include "storage/pagewriter.h"
#include "storage/policiespagewriter.h"
#include "storage/propropagewriter.h"
#include "storage/savetransaction.h"
#include "storage/storageerror.h"

#include <QDir>
#include <QFileInfo>

std::unique_ptr<TPageWriter> TFolderWriter::BeginDataPage(const QString& baseName, TPageKind kind, int number) const
{
    const bool compressed = Mode == TSaveMode::Export;
    auto page = std::make_unique<TPageWriter>(
        Save.StagedPath(baseName + (compressed ? QStringLiteral(".cmc") : QStringLiteral(".htm"))), compressed,
        TWriteMode::Staged);
    page->Lines(PageHead(kind, number, Case.Name));
    return page;
}

void TFolderWriter::EndDataPage(TPageWriter& page)
{
    page.Lines(PageClosingLines());
    page.Commit();
}

namespace {

void WriteFramesetPage(const TFolderWriter& folder)
{
    TPageWriter page(folder.Save.StagedPath(QStringLiteral("index.htm")), false, TWriteMode::Staged);
    page.Lines(PageHead(TPageKind::Frameset, 0, folder.Case.Name));
    page.Lines({
        QStringLiteral("<frameset cols=\"125,*\">"),
        QStringLiteral(" <frame name=\"contents\" target=\"main\" src=\"items.htm\" scrolling=\"auto\">"),
        QStringLiteral(" <frameset cols=\"*\">"),
        QStringLiteral("  <frame name=\"main\" src=\"ORVEL info.htm\" scrolling=\"auto\">"),
        QStringLiteral(" </frameset>"),
        QStringLiteral(" <noframes>"),
        QStringLiteral("  <body>"),
        QStringLiteral("   <p>This page uses frames, but your browser doesn't support them.</p>"),
        QStringLiteral("  </body>"),
        QStringLiteral(" </noframes>"),
        QStringLiteral("</frameset>"),
        QStringLiteral("</html>"),
    });
    page.Commit();
}

void WriteInfoPage(const TFolderWriter& folder)
{
    TPageWriter page(folder.Save.StagedPath(QStringLiteral("ORVEL info.htm")), false, TWriteMode::Staged);
    page.Lines(PageHead(TPageKind::Info, 0, folder.Case.Name));
    page.Lines({
        QStringLiteral("<h1>ORVEL Case report browser</h1>"),
        QStringLiteral("<p>You can navigate the documents in this ORVEL case folder by clicking on the links in the left pane.<br>"),
        QStringLiteral("For complex designs, pages may take some time to load, so please be patient.</p>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    });
    page.Commit();
}

// Save As into another folder takes the reports that the contents link along.
void CarryReports(const TFolderWriter& folder, const QString& from)
{
    constexpr qint64 LargestReport = qint64(1) << 30;
    if (from.isEmpty() || QFileInfo(from).canonicalFilePath() == QFileInfo(folder.Save.LivePath(QString())).canonicalFilePath())
        return;
    const QString contents = folder.Case.Contents.join(QLatin1Char('\n'));
    for (const QString& name : QDir(from).entryList({ QStringLiteral("ORVEL report *.htm") }, QDir::Files)) {
        QByteArray bytes;
        if (contents.contains(QLatin1Char('"') + name + QLatin1Char('"')) && ReadRegularFile(from + name, LargestReport, bytes))
            WriteWholeFile(folder.Save.StagedPath(name), bytes, TWriteMode::Staged);
    }
}

void WriteAllPages(const TFolderWriter& folder, const QString& previousFolder)
{
    if (folder.Mode != TSaveMode::Snapshot) {
        CarryReports(folder, previousFolder);
        WriteContentsPage(folder.Save.StagedPath(QString()), folder.Case.Contents, folder.Mode == TSaveMode::Export,
                          TWriteMode::Staged);
        WriteFolderImages(folder.Case, folder.Save);
        WriteFramesetPage(folder);
        WriteInfoPage(folder);
    }
    WriteCasePage(folder);
    WriteProblemsPromisesPage(folder);
    WriteActorsPage(folder);
    WriteDesignPages(folder);
    WritePoliciesPage(folder);
}

} // namespace

bool WriteCaseFolder(TCase& aCase, const QString& path, TSaveMode mode)
{
    QString folder = path;
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        folder.chop(1);
    if (folder.isEmpty() || (!QDir(folder).exists() && !QDir().mkdir(folder))) {
        ShowError(QStringLiteral("Could not create folder\r\"") + folder + QStringLiteral("\""));
        return false;
    }
    const QString previous = aCase.Folder;
    aCase.Folder = folder + QLatin1Char('/');
    TBusyScope busy;
    try {
        TSaveTransaction save(aCase.Folder);
        TFolderWriter writer(aCase, save, mode);
        WriteAllPages(writer, previous);
        save.Commit();
    } catch (const TStorageError& error) {
        ShowError(InCaseFolderTerms(error.Message, aCase.Folder));
        return false;
    }
    if (mode == TSaveMode::Normal)
        aCase.Changed = false;
    return true;
}
