#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <future>
#include <map>
#include <memory>
#include <vector>

class TCase;

/// The whole case as a save writes it, held in memory, compressed: its data
/// pages, the icons of its levels, categories and qualifiers, and the base
/// case, which the pages do not hold. Restoring reads it back into the same
/// case object, so that a save afterwards writes the same pages as before.
struct TCaseSnapshot
{
    using TPages = std::map<QString, QByteArray>;   // file name -> compressed bytes
    /// Compressed on a thread of its own, so that a step need not wait for it.
    std::shared_future<TPages> Pages;
    size_t RawBytes = 0;   // counted until the compressed pages are ready
    std::vector<std::pair<QString, QImage>> Icons;   // "kind:name" -> icon
    /// A phase's colours and clock as they were set, which its page row does not hold whole.
    struct TPhaseLook
    {
        QString Name;
        QColor Color, Middle, Dark;
        QImage Icon;
    };
    std::vector<TPhaseLook> Phases;
    QString BaseCase;
    bool Valid = false;
    quint64 Serial = 0;   // tells snapshots apart, unique in the program's run

    size_t Bytes() const;
};

/// Writes and reads snapshots through a scratch folder of its own, which the
/// case folder writer and reader use as they would a case folder.
class TSnapshotTaker
{
public:
    TSnapshotTaker();
    ~TSnapshotTaker();

    /// Nothing is shown to the user; an invalid snapshot when writing failed.
    TCaseSnapshot Take(TCase& aCase);
    /// Replaces every item of the case by the snapshot's; the case keeps its
    /// folder, contents and changed flag. False when the snapshot could not
    /// be read back (the case then holds what was read).
    bool Restore(TCase& aCase, const TCaseSnapshot& snapshot);
    /// Reads the snapshot into a new, empty case, quietly; false when it
    /// could not be read back whole. Any thread may call it, one at a time.
    bool ReadBack(TCase& emptyCase, const TCaseSnapshot& snapshot);

private:
    bool PutPages(const TCaseSnapshot& snapshot);
    bool ReadPages(TCase& aCase, const TCaseSnapshot& snapshot);

    QString Scratch;   // ends in "/"
    struct TScratchDir;
    std::unique_ptr<TScratchDir> Dir;
};
