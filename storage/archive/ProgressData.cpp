#include "storage/archive/ProgressData.h"

#include <cstdint>
#include <limits>

namespace s {
namespace archive {

using thread::ScopedLock;

ProgressData::ProgressData()
    : paused(0), cancelled(0), finished(0), minimized(0), backgroundMode(0), firstValue(0), secondValue(0),
      nameChanged_(1), entryCount_(kDefaultCount), entryIndex_(0), entryChanged_(1), entrySize_(kDefaultCount),
      entryOffset_(0), totalChanged_(1), totalSize_(kDefaultCount), doneBefore_(0), attachedObject_(nullptr),
      mode_(kDefaultMode)
{
}

ProgressData::~ProgressData()
{
    ReleaseAttachedObject();
}

thread::EasyPooler* ProgressData::GetPool()
{
    return &thread::PoolOf<ProgressData, kPoolCapacity>();
}

ProgressData* ProgressData::New()
{
    return thread::TakeFromPool<ProgressData, kPoolCapacity>();
}

const wchar_t* ProgressData::GetClassName()
{
    return kClassName;
}

base::IObject* ProgressData::NewInstance()
{
    return New();
}

void ProgressData::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ProgressData::Reset()
{
    paused = 0;
    cancelled = 0;
    finished = 0;
    minimized = 0;
    backgroundMode = 0;
    firstValue = 0;
    secondValue = 0;
    ScopedLock hold(lock_);
    entryName_.Clear();
    entryCount_ = kDefaultCount;
    entryIndex_ = 0;
    nameChanged_ = 1;
    entrySize_ = kDefaultCount;
    entryOffset_ = 0;
    entryChanged_ = 1;
    totalSize_ = kDefaultCount;
    doneBefore_ = 0;
    totalChanged_ = 1;
    ReleaseAttachedObject();
    mode_ = kDefaultMode;
}

void ProgressData::SetEntryName(const wchar_t* name)
{
    ScopedLock hold(lock_);
    entryName_.Assign(name ? name : L"");
    nameChanged_ = 1;
}

void ProgressData::SetEntryIndex(int64_t index, int64_t count)
{
    ScopedLock hold(lock_);
    entryIndex_ = index;
    entryCount_ = count;
    nameChanged_ = 1;
}

void ProgressData::SetEntryProgress(int64_t size, int64_t offset)
{
    ScopedLock hold(lock_);
    entrySize_ = size;
    entryOffset_ = offset;
    entryChanged_ = 1;
    // The total's done part includes the current entry's offset.
    totalChanged_ = 1;
}

void ProgressData::SetTotalProgress(int64_t totalSize, int64_t doneBefore)
{
    ScopedLock hold(lock_);
    totalSize_ = totalSize;
    doneBefore_ = doneBefore;
    totalChanged_ = 1;
}

void ProgressData::SetAttachedObject(thread::IPoolable* object)
{
    ScopedLock hold(lock_);
    if (object == attachedObject_)
        return;
    ReleaseAttachedObject();
    attachedObject_ = object;
}

thread::IPoolable* ProgressData::GetAttachedObject()
{
    ScopedLock hold(lock_);
    return attachedObject_;
}

bool ProgressData::TakeEntryName(str::strbuffer::StrBuffer* name)
{
    ScopedLock hold(lock_);
    if (!nameChanged_)
        return false;
    if (name)
        name->Assign(entryName_.GetText());
    nameChanged_ = 0;
    return true;
}

bool ProgressData::TakeEntryProgress(int64_t* size, int64_t* offset)
{
    ScopedLock hold(lock_);
    if (!entryChanged_)
        return false;
    *size = entrySize_;
    *offset = entryOffset_;
    entryChanged_ = 0;
    return true;
}

bool ProgressData::TakeTotalProgress(int64_t* totalSize, int64_t* done)
{
    ScopedLock hold(lock_);
    if (!totalChanged_)
        return false;
    *totalSize = totalSize_;
    *done = doneBefore_ + entryOffset_;
    totalChanged_ = 0;
    return true;
}

int64_t ProgressData::GetDoneRatio()
{
    ScopedLock hold(lock_);
    const int64_t share = ShareOf(doneBefore_ + entryOffset_, totalSize_, kRatioScale);
    return share < 0 ? 0 : share;
}

int64_t ProgressData::ShareOf(int64_t part, int64_t whole, int64_t scale)
{
    if (whole <= 0 || scale <= 0)
        return -1;
    if (part <= 0)
        return 0;
    if (part >= whole)
        return scale;
    // Counts of many terabytes would overflow the product; the wide floating type keeps every
    // digit of a 64-bit count.
    if (part > std::numeric_limits<int64_t>::max() / scale)
        return static_cast<int64_t>(static_cast<long double>(part) * scale / whole);
    return part * scale / whole;
}

void ProgressData::ReleaseAttachedObject()
{
    if (attachedObject_)
        attachedObject_->ReleaseToPool();
    attachedObject_ = nullptr;
}

} // namespace archive
} // namespace s
