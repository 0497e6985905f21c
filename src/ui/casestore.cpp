#include "ui/casestore.h"

#include "model/case.h"
#include "model/messages.h"
#include "storage/contentspage.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"
#include "storage/storageerror.h"

namespace {

class TFolderStore : public TCaseStore
{
public:
    bool Write(TCase& aCase, const QString& folder, bool exporting) override
    {
        return WriteCaseFolder(aCase, folder, exporting ? TSaveMode::Export : TSaveMode::Normal);
    }

    bool Read(TCase& aCase, const QString& folder) override { return ReadCaseFolder(aCase, folder); }

    bool WriteContents(const TCase& aCase) override
    {
        try {
            WriteContentsPage(aCase.Folder, aCase.Contents, false);
            return true;
        } catch (const TStorageError& error) {
            ShowError(error.Message);
            return false;
        }
    }
};

} // namespace

std::unique_ptr<TCaseStore> TCaseStore::CaseFolders() { return std::make_unique<TFolderStore>(); }
