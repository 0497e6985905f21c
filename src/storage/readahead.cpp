#include "storage/readahead.h"

#include "model/case.h"

#include <algorithm>

TReadAhead::TReadAhead() : Thread([this] { Run(); }) {}

TReadAhead::~TReadAhead()
{
    {
        const std::lock_guard lock(Mutex);
        Stopping = true;
    }
    Changed.notify_all();
    Thread.join();
}

TReadAhead::TEntry* TReadAhead::Find(quint64 serial)
{
    const auto found = std::find_if(Entries.begin(), Entries.end(),
                                    [serial](const auto& entry) { return entry->Snapshot.Serial == serial; });
    return found == Entries.end() ? nullptr : found->get();
}

TReadAhead::TEntry* TReadAhead::NextToRead()
{
    for (const auto& entry : Entries)
        if (entry->Pending() && !entry->Reading)
            return entry.get();
    return nullptr;
}

void TReadAhead::Want(const std::vector<const TCaseSnapshot*>& snapshots)
{
    {
        const std::lock_guard lock(Mutex);
        std::vector<std::unique_ptr<TEntry>> wanted;
        for (const TCaseSnapshot* snapshot : snapshots) {
            if (!snapshot->Valid)
                continue;
            const auto found = std::find_if(Entries.begin(), Entries.end(), [snapshot](const auto& entry) {
                return entry && entry->Snapshot.Serial == snapshot->Serial;
            });
            if (found != Entries.end())
                wanted.push_back(std::move(*found));
            else
                wanted.push_back(std::make_unique<TEntry>(TEntry{*snapshot, nullptr}));
        }
        for (auto& entry : Entries)
            if (entry && entry->Case)
                ToFree.push_back(std::move(entry->Case));
        Entries = std::move(wanted);
        WantedAt = std::chrono::steady_clock::now();
    }
    Changed.notify_all();
}

void TReadAhead::Keep(std::unique_ptr<TCase> aCase, const TCaseSnapshot& snapshot)
{
    {
        const std::lock_guard lock(Mutex);
        if (TEntry* entry = Find(snapshot.Serial)) {
            if (entry->Case)
                ToFree.push_back(std::move(entry->Case));
            entry->Case = std::move(aCase);
            entry->Failed = false;
        } else {
            Entries.push_back(std::make_unique<TEntry>(TEntry{snapshot, std::move(aCase)}));
        }
    }
    Changed.notify_all();
}

std::unique_ptr<TCase> TReadAhead::Take(const TCaseSnapshot& snapshot)
{
    std::unique_lock lock(Mutex);
    Changed.wait(lock, [&] {
        const TEntry* entry = Find(snapshot.Serial);
        return !entry || !entry->Reading;
    });
    TEntry* entry = Find(snapshot.Serial);
    if (!entry)
        return nullptr;
    std::unique_ptr<TCase> aCase = std::move(entry->Case);
    std::erase_if(Entries, [entry](const auto& e) { return e.get() == entry; });
    return aCase;
}

void TReadAhead::Settle()
{
    std::unique_lock lock(Mutex);
    Hurry = true;
    Changed.notify_all();
    Changed.wait(lock, [this] {
        return !Working && ToFree.empty() && std::none_of(Entries.begin(), Entries.end(),
                                              [](const auto& entry) { return entry->Pending(); });
    });
    Hurry = false;
}

size_t TReadAhead::Bytes()
{
    const std::lock_guard lock(Mutex);
    size_t bytes = 0;
    for (const auto& entry : Entries)
        bytes += entry->Snapshot.RawBytes * CaseBytesPerPageByte;
    return bytes;
}

void TReadAhead::Run()
{
    std::unique_lock lock(Mutex);
    while (!Stopping) {
        if (!ToFree.empty()) {
            std::vector<std::unique_ptr<TCase>> freeing = std::move(ToFree);
            ToFree.clear();
            Working = true;
            lock.unlock();
            freeing.clear();
            lock.lock();
            Working = false;
            Changed.notify_all();
        } else if (TEntry* entry = NextToRead()) {
            const auto readFrom = WantedAt + QuietTime;
            if (!Hurry && std::chrono::steady_clock::now() < readFrom) {
                Changed.wait_until(lock, readFrom);
                continue;
            }
            ReadOne(lock, *entry);
            Changed.notify_all();
        } else {
            Changed.wait(lock);
        }
    }
}

// Reads with the lock released; the entry may be dropped meanwhile, so it
// is found again by its snapshot afterwards.
void TReadAhead::ReadOne(std::unique_lock<std::mutex>& lock, TEntry& entry)
{
    entry.Reading = true;
    Working = true;
    const TCaseSnapshot snapshot = entry.Snapshot;
    lock.unlock();
    auto aCase = std::make_unique<TCase>();
    const bool read = Taker.ReadBack(*aCase, snapshot);
    lock.lock();
    Working = false;
    TEntry* still = Find(snapshot.Serial);
    if (still) {
        still->Reading = false;
        if (!still->Case) {   // not dropped, nor kept meanwhile from an undo
            still->Failed = !read;
            if (read) {
                still->Case = std::move(aCase);
                return;
            }
        }
    }
    ToFree.push_back(std::move(aCase));
}
