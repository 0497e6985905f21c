#include "storage/folderreader.h"

#include "model/case.h"
#include "model/messages.h"
#include "storage/actorspagereader.h"
#include "storage/casepagereader.h"
#include "storage/contentspage.h"
#include "storage/designpagereader.h"
#include "storage/filebuffer.h"
#include "storage/policiespagereader.h"
#include "storage/propropagereader.h"
#include "storage/storageerror.h"

bool TFolderReader::OpenPage(TFileBuffer& buffer, const QString& fileName, const QString& status)
{
    ShowStatus(status);
    if (buffer.Open(Files.Path(fileName), fileName))
        return true;
    HadError = true;
    return false;
}

namespace {

void ReadAllPages(TFolderReader& reader)
{
    // The other pages address what the case page defines: without it they
    // would only give errors about what is missing.
    if (!ReadCasePage(reader))
        return;
    ReadProblemsPromisesPage(reader);
    ReadActorsPage(reader);
    ReadDesignPages(reader);
    ReadPoliciesPage(reader);
}

void TellInterruptedSave(const TFolderFiles& files)
{
    if (files.Interrupted() == TFolderFiles::AfterDecided)
        ShowInfo(QStringLiteral("The last save of this case was interrupted after it was complete.\r"
                                "The case opens as that save left it."));
    else if (files.Interrupted() == TFolderFiles::BeforeDecided)
        ShowInfo(QStringLiteral("The last save of this case was interrupted before it was complete.\r"
                                "The case opens as it was before that save."));
}

} // namespace

bool ReadCaseFolder(TCase& aCase, const QString& path)
{
    aCase.Folder = path;
    if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\')))
        aCase.Folder += QLatin1Char('/');
    TFolderReader reader(aCase, aCase.Folder);
    TellInterruptedSave(reader.Files);
    if (!LoadContentsFile(reader.Files.Path(QStringLiteral("items.htm")), aCase.Contents)) {
        aCase.Contents = TCase::DefaultContents();
        reader.RebuildContents = true;
    }
    TBusyScope busy;
    try {
        // Reading never writes: rebuilt contents are saved with the case.
        ReadAllPages(reader);
    } catch (const TStorageError& error) {
        ShowError(error.Message);
        reader.HadError = true;
    }
    ShowStatus(QString());
    return !reader.HadError;
}
