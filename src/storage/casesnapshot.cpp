#include "storage/casesnapshot.h"

#include "model/case.h"
#include "model/icons.h"
#include "model/messagerecorder.h"
#include "storage/folderreader.h"
#include "storage/folderwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>

// Saves sync every page to the disk; a scratch folder in memory, where the
// system has one, makes a snapshot cost no more than the writing itself.
struct TSnapshotTaker::TScratchDir
{
    QTemporaryDir Dir{MemoryFolder()};

    static QString MemoryFolder()
    {
        const QFileInfo shm(QStringLiteral("/dev/shm"));
        const QString base = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
        return base + QStringLiteral("/orvel-undo-XXXXXX");
    }
};

namespace {

// The pages that hold the case; the info page and reports do not.
QStringList DataPages(const QString& folder)
{
    QStringList pages = QDir(folder).entryList({QStringLiteral("ORVEL *.htm")}, QDir::Files);
    pages.removeIf([](const QString& name) {
        return name == QLatin1String("ORVEL info.htm") || name.startsWith(QLatin1String("ORVEL report "));
    });
    return pages;
}

QString IconKey(const char* kind, const QString& name) { return QLatin1String(kind) + QLatin1Char(':') + name; }

std::vector<std::pair<QString, QImage>> CaseIcons(const TCase& aCase)
{
    std::vector<std::pair<QString, QImage>> icons;
    for (const TSystemLevel* level : aCase.SystemLevels)
        icons.emplace_back(IconKey("level", level->Name), level->Icon);
    for (const TCategory* category : aCase.Categories)
        icons.emplace_back(IconKey("category", category->Name), category->Icon);
    for (const TQualifier* qualifier : aCase.Qualifiers)
        icons.emplace_back(IconKey("qualifier", qualifier->Name), qualifier->Icon);
    return icons;
}

template <typename T>
void PutIcon(TConceptList<T>& list, const char* kind, const std::map<QString, QImage>& icons)
{
    for (T* item : list) {
        const auto found = icons.find(IconKey(kind, item->Name));
        if (found != icons.end())
            SetConceptIcon(*item, found->second);
    }
}

// What a save or a read changes in the case besides its items.
struct TKeptState
{
    explicit TKeptState(const TCase& aCase)
        : Folder(aCase.Folder), Contents(aCase.Contents), Changed(aCase.Changed) {}
    void PutBack(TCase& aCase) const
    {
        aCase.Folder = Folder;
        aCase.Contents = Contents;
        aCase.Changed = Changed;
    }
    QString Folder;
    QStringList Contents;
    bool Changed;
};

} // namespace

size_t TCaseSnapshot::Bytes() const
{
    size_t bytes = RawBytes;
    if (Pages.valid() && Pages.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        bytes = 0;
        for (const auto& [name, page] : Pages.get())
            bytes += size_t(page.size()) + size_t(name.size()) * 2;
    }
    // Icons are shared with the case as long as it keeps them; count them anyway.
    bytes += Icons.size() * (IconSize * IconSize * 4 + 64);
    return bytes;
}

TSnapshotTaker::TSnapshotTaker() : Dir(std::make_unique<TScratchDir>())
{
    Scratch = Dir->Dir.path() + QLatin1Char('/');
}

TSnapshotTaker::~TSnapshotTaker() = default;

TCaseSnapshot TSnapshotTaker::Take(TCase& aCase)
{
    static std::atomic<quint64> lastSerial{0};
    TCaseSnapshot snapshot;
    snapshot.Serial = ++lastSerial;
    const TKeptState kept(aCase);
    {
        TMessageRecorder quiet;
        snapshot.Valid = Dir->Dir.isValid() && WriteCaseFolder(aCase, Scratch, TSaveMode::Snapshot);
    }
    kept.PutBack(aCase);
    if (!snapshot.Valid)
        return snapshot;
    TCaseSnapshot::TPages pages;
    for (const QString& name : DataPages(Scratch)) {
        QFile file(Scratch + name);
        if (!file.open(QIODevice::ReadOnly)) {
            snapshot.Valid = false;
            return snapshot;
        }
        pages[name] = file.readAll();
        snapshot.RawBytes += size_t(pages[name].size());
    }
    snapshot.Pages = std::async(std::launch::async, [pages = std::move(pages)]() mutable {
        for (auto& entry : pages)
            entry.second = qCompress(entry.second, 1);
        return pages;
    });
    snapshot.Icons = CaseIcons(aCase);
    for (const TPhase* phase : aCase.Phases)
        snapshot.Phases.push_back({phase->Name, phase->Color, phase->MiddleColor, phase->DarkColor, phase->Icon});
    snapshot.BaseCase = aCase.BaseCase ? aCase.BaseCase->Name : QString();
    return snapshot;
}

bool TSnapshotTaker::Restore(TCase& aCase, const TCaseSnapshot& snapshot)
{
    // The case stays as it is when the pages cannot even be laid out.
    if (!PutPages(snapshot))
        return false;
    const TKeptState kept(aCase);
    aCase.ClearItems();
    const bool read = ReadPages(aCase, snapshot);
    kept.PutBack(aCase);
    return read;
}

bool TSnapshotTaker::ReadBack(TCase& emptyCase, const TCaseSnapshot& snapshot)
{
    return PutPages(snapshot) && ReadPages(emptyCase, snapshot);
}

bool TSnapshotTaker::PutPages(const TCaseSnapshot& snapshot)
{
    for (const QString& name : DataPages(Scratch))
        QFile::remove(Scratch + name);
    for (const auto& [name, page] : snapshot.Pages.get()) {
        QFile file(Scratch + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(qUncompress(page)) < 0)
            return false;
    }
    return true;
}

bool TSnapshotTaker::ReadPages(TCase& aCase, const TCaseSnapshot& snapshot)
{
    bool read = false;
    {
        TMessageRecorder quiet;
        read = ReadCaseFolder(aCase, Scratch);
    }
    const std::map<QString, QImage> icons(snapshot.Icons.begin(), snapshot.Icons.end());
    PutIcon(aCase.SystemLevels, "level", icons);
    PutIcon(aCase.Categories, "category", icons);
    PutIcon(aCase.Qualifiers, "qualifier", icons);
    for (const TCaseSnapshot::TPhaseLook& look : snapshot.Phases)
        if (TPhase* phase = aCase.Phases.Find(look.Name)) {
            phase->SetColors(look.Color, look.Middle, look.Dark);
            phase->Icon = look.Icon;
        }
    aCase.BaseCase = snapshot.BaseCase.isEmpty() ? nullptr : aCase.Designs.Find(snapshot.BaseCase);
    return read;
}
