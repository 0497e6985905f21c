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
    if (buffer.Open(Folder + fileName))
        return true;
    HadError = true;
    return false;
}

namespace {

void ReadAllPages(TFolderReader& reader)
{
    ReadCasePage(reader);
    ReadProblemsPromisesPage(reader);
    ReadActorsPage(reader);
    ReadDesignPages(reader);
    ReadPoliciesPage(reader);
}

} // namespace

bool ReadCaseFolder(TCase& aCase, const QString& path)
{
    aCase.Folder = path;
    if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('\\')))
        aCase.Folder += QLatin1Char('/');
    TFolderReader reader(aCase, aCase.Folder);
    if (!LoadContentsPage(reader.Folder, aCase.Contents)) {
        aCase.Contents = TCase::DefaultContents();
        reader.RebuildContents = true;
    }
    TBusyScope busy;
    try {
        ReadAllPages(reader);
        // A folder that could not be read is left as it was.
        if (reader.RebuildContents && !reader.HadError)
            WriteContentsPage(reader.Folder, aCase.Contents, false);
    } catch (const TStorageError& error) {
        ShowError(error.Message);
        reader.HadError = true;
    }
    ShowStatus(QString());
    return !reader.HadError;
}
