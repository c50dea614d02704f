#include "core/thread/PoolerBase.h"

#include "core/col/ArrayP.h"

namespace s {
namespace thread {

PoolerBase::PoolerBase()
    : freeList_(new col::_array::ArrayP()),
      countLimit_(1000),
      itemSizeLimit_(1024),
      totalSizeLimit_(102400),
      heldTotal_(0),
      sizeAccounting_(0)
{
}

PoolerBase::~PoolerBase()
{
    delete freeList_;
    freeList_ = nullptr;
}

void PoolerBase::DestroyHeldItems()
{
    if (!freeList_)
        return;
    const uint32_t count = freeList_->GetCount();
    for (uint32_t i = 0; i < count; ++i)
        DestroyItem(freeList_->GetSlots() + i);
    delete freeList_;
    freeList_ = nullptr;
}

const wchar_t* PoolerBase::GetClassName()
{
    return L"s_thread_PoolerBase";
}

void PoolerBase::Destroy(void** slot)
{
    if (*slot) {
        Give(*slot, -1);
        *slot = nullptr;
    }
}

int32_t PoolerBase::GetItemSize(void*)
{
    return 1024;
}

void PoolerBase::Give(void* item, int32_t size)
{
    if (sizeAccounting_ && size == -1)
        size = GetItemSize(item);
    {
        ScopedLock hold(locker_);
        bool refused = freeList_->GetCount() > static_cast<uint32_t>(countLimit_);
        if (sizeAccounting_) {
            refused = refused || static_cast<uint32_t>(size) > static_cast<uint32_t>(itemSizeLimit_) ||
                      static_cast<uint32_t>(heldTotal_) + static_cast<uint32_t>(size) >
                          static_cast<uint32_t>(totalSizeLimit_);
        }
        if (!refused) {
            ResetItem(item);
            freeList_->Append(item);
            if (sizeAccounting_)
                heldTotal_ += size;
            return;
        }
    }
    DestroyItem(&item);
}

void* PoolerBase::Take()
{
    {
        ScopedLock hold(locker_);
        const uint32_t count = freeList_->GetCount();
        if (count > 0) {
            void* item = freeList_->RemoveAt(count - 1);
            if (sizeAccounting_)
                heldTotal_ -= GetItemSize(item);
            return item;
        }
    }
    return Generate();
}

uint32_t PoolerBase::GetHeldCount()
{
    ScopedLock hold(locker_);
    return freeList_->GetCount();
}

int32_t PoolerBase::GetHeldTotal()
{
    ScopedLock hold(locker_);
    return heldTotal_;
}

void PoolerBase::SetSizeAccounting(bool on)
{
    ScopedLock hold(locker_);
    sizeAccounting_ = on ? 1 : 0;
}

const wchar_t* Factory::GetClassName()
{
    return L"s_thread_Factory";
}

} // namespace thread
} // namespace s
