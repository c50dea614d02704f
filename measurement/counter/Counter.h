#pragma once
#include <windows.h>
#include <pdh.h>

#include <atomic>
#include <cstdint>

#include "core/base/Cleaner.h"
#include "core/col/ArrayP.h"
#include "core/str/StrArray.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ITask.h"
#include "core/thread/ObjLocker.h"
#include "core/thread/Thread.h"

namespace s {
namespace system {
namespace counter {
namespace win {

// One performance-data query over Pdh.dll. Counters are added once per exact path and keep the
// index they were given; one sampler thread, below normal priority, collects them all every
// 900 ms, and readers copy the latest value and its validity out under the query's lock.
class Counter : public base::IObject, public thread::IPoolable, public thread::ITask {
public:
    static const int32_t kSamplePeriodMs = 900;

    // The latest collected value of one counter (a plain heap block).
    struct Record {
        int64_t value;
        uint8_t valid;
        PDH_HCOUNTER counter;
    };

    Counter();
    ~Counter() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Stops the sampler and forgets every counter; the query stays open.
    void Reset() override;
    // The sampler loop.
    void Run() override;

    static thread::EasyPooler* GetPool();
    static Counter* New();

    // The index of the counter with exactly this path (letter case counts), added on first use;
    // -1 when Pdh.dll, the query or the path is not usable.
    int32_t AddCounter(const wchar_t* path);
    // One collection pass; the caller holds the lock.
    bool CollectAll();
    // Copies the latest value out: false with 0 for an index that is not a counter of this query
    // and for a counter without a value from its last collection.
    bool Read(int32_t index, int64_t* value);

    int32_t GetCount();
    bool IsQueryOpen() const { return queryOpened_; }
    bool IsSamplerStarted();
    thread::ObjLocker& GetLocker() { return locker_; }

    // Fills list with the instance names of a wildcard path (the text between the first "(" and
    // the next ")" of each expansion), without "_Total" in any letter case.
    static void ExpandInstances(const wchar_t* path, str::strarray::StrArray* list);

private:
    Counter(const Counter&) = delete;
    Counter& operator=(const Counter&) = delete;

    bool queryOpened_;
    PDH_HQUERY query_;
    cleaner::CleanerRaw recordCleaner_;
    col::_array::ArrayP records_;
    str::strarray::StrArray paths_;
    thread::win::Thread* sampler_;
    thread::ObjLocker locker_;
    std::atomic<bool> stopRequest_;
    bool samplerStarted_;
};

// The one query of the process, built on first use and destroyed at exit. Building it binds
// Pdh.dll, so every path that calls Pdh.dll asks for it first.
Counter& SharedCounter();

} // namespace win
} // namespace counter
} // namespace system
} // namespace s
