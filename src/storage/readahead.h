#pragma once

#include "storage/casesnapshot.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class TCase;

/// Reads snapshots back into cases of their own on a thread of its own, so
/// that an undo or a redo whose state is at hand only swaps items with it.
/// Reading a large case takes longer than a user takes to reach for Undo;
/// reading it ahead keeps that wait off the program's thread. One read runs
/// at a time, once no new state has been wanted for a moment, so that a quick
/// run of steps does not read states that are gone by the next step. Cases
/// no longer wanted are freed on that thread too, since freeing a large case
/// takes a while as well.
class TReadAhead
{
public:
    TReadAhead();
    ~TReadAhead();   // waits for the read under way

    /// The snapshots whose cases are wanted from now on, read in this order;
    /// the cases of any other are dropped.
    void Want(const std::vector<const TCaseSnapshot*>& snapshots);
    /// A case that already holds the snapshot's state, such as the items an
    /// undo displaced; wanted until the next Want.
    void Keep(std::unique_ptr<TCase> aCase, const TCaseSnapshot& snapshot);
    /// The case that holds the snapshot's state, waiting while it is read;
    /// nullptr when it is not wanted, not read yet, or could not be read.
    std::unique_ptr<TCase> Take(const TCaseSnapshot& snapshot);
    /// Waits until every wanted case is read and every dropped one freed.
    void Settle();
    /// The memory the wanted cases take or will take, estimated from their pages.
    size_t Bytes();

    /// A case in memory takes about this many times the bytes of its pages.
    static constexpr size_t CaseBytesPerPageByte = 4;
    /// How long the wanted states must stay the same before reading starts.
    static constexpr std::chrono::milliseconds QuietTime{150};

private:
    struct TEntry
    {
        TCaseSnapshot Snapshot;
        std::unique_ptr<TCase> Case;
        bool Reading = false;
        bool Failed = false;
        bool Pending() const { return !Case && !Failed; }
    };
    TEntry* Find(quint64 serial);
    TEntry* NextToRead();
    void Run();
    void ReadOne(std::unique_lock<std::mutex>& lock, TEntry& entry);

    std::mutex Mutex;
    std::condition_variable Changed;
    std::vector<std::unique_ptr<TEntry>> Entries;
    std::vector<std::unique_ptr<TCase>> ToFree;
    bool Stopping = false;
    bool Hurry = false;     // someone waits: read without the quiet time
    std::chrono::steady_clock::time_point WantedAt;
    bool Working = false;   // reading or freeing with the lock released
    TSnapshotTaker Taker;   // only the reading thread uses it
    std::thread Thread;     // last, so that it starts once everything else is there
};
