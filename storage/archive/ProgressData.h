#pragma once
#include <atomic>
#include <cstdint>

#include "core/base/IObject.h"
#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ObjLocker.h"

namespace s {
namespace archive {

// The counters of a long copy, shared by the producer that does the work and the progress
// dialog that shows it. The state flags are single bytes that either side reads and writes at
// any time; the counters below them are written and read only under the lock, each write
// marking its group changed so that the reader takes it once.
class ProgressData : public base::IObject, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_archive_ProgressData";
    static constexpr int32_t kPoolCapacity = 1000;
    static constexpr int64_t kDefaultCount = 100;
    static constexpr int32_t kDefaultMode = 3;
    // The whole of the done ratio.
    static constexpr int64_t kRatioScale = 10000;

    ProgressData();
    ~ProgressData() override;

    static thread::EasyPooler* GetPool();
    static ProgressData* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Flags cleared, counters back to 100 with nothing done, every group marked changed.
    void Reset() override;

    // The producer's side: each takes the lock and marks its group changed.
    void SetEntryName(const wchar_t* name);
    void SetEntryIndex(int64_t index, int64_t count);
    void SetEntryProgress(int64_t size, int64_t offset);
    void SetTotalProgress(int64_t totalSize, int64_t doneBefore);
    // Released to its pool at reset (or when replaced); null for none.
    void SetAttachedObject(thread::IPoolable* object);
    thread::IPoolable* GetAttachedObject();

    // The reader's side: true, with the values, when the group changed since the last take.
    bool TakeEntryName(str::strbuffer::StrBuffer* name);
    bool TakeEntryProgress(int64_t* size, int64_t* offset);
    // Done is the amount before the current entry plus the current entry's offset.
    bool TakeTotalProgress(int64_t* totalSize, int64_t* done);
    // Of the total done, 0 to kRatioScale; 0 while the total is not above 0.
    int64_t GetDoneRatio();

    // The part's share of the whole in steps of the scale, clamped to 0...scale; -1 when the
    // whole is 0 or below, which has no share. Safe from overflow for any 64-bit part.
    static int64_t ShareOf(int64_t part, int64_t whole, int64_t scale);

    // Written by either side at any time.
    std::atomic<uint8_t> paused;
    std::atomic<uint8_t> cancelled;
    std::atomic<uint8_t> finished;
    std::atomic<uint8_t> minimized;
    // Kept by the producer: the process runs in background mode while the dialog is minimized.
    std::atomic<uint8_t> backgroundMode;
    std::atomic<int64_t> firstValue;
    // The dialog keeps its window handle here.
    std::atomic<int64_t> secondValue;

private:
    ProgressData(const ProgressData&) = delete;
    ProgressData& operator=(const ProgressData&) = delete;

    void ReleaseAttachedObject();

    thread::ObjLocker lock_;
    uint8_t nameChanged_;
    str::strbuffer::StrBuffer entryName_;
    int64_t entryCount_;
    int64_t entryIndex_;
    uint8_t entryChanged_;
    int64_t entrySize_;
    int64_t entryOffset_;
    uint8_t totalChanged_;
    int64_t totalSize_;
    int64_t doneBefore_;
    thread::IPoolable* attachedObject_;
    int32_t mode_;
};

} // namespace archive
} // namespace s
