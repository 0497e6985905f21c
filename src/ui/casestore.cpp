#include "ui/casestore.h"

#include "model/case.h"
#include "model/messages.h"

#include <QSaveFile>

namespace {

// Stands in for the case folder storage until it is part of the build.
class TFolderStore : public TCaseStore
{
public:
    bool Write(TCase&, const QString& folder, bool) override
    {
        ShowError(QStringLiteral("Could not create folder\r\"") + folder + QStringLiteral("\""));
        return false;
    }

    bool Read(TCase&, const QString& folder) override
    {
        ShowError(QStringLiteral("Could not open file\r\"") + folder + QStringLiteral("ORVEL case.htm\""));
        return false;
    }

    bool WriteContents(const TCase& aCase) override
    {
        QSaveFile file(aCase.Folder + QStringLiteral("items.htm"));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("\xEF\xBB\xBF");
        for (const QString& line : aCase.Contents)
            file.write(line.toUtf8() + "\r\n");
        return file.commit();
    }
};

} // namespace

std::unique_ptr<TCaseStore> TCaseStore::CaseFolders() { return std::make_unique<TFolderStore>(); }
