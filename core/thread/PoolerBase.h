#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/ObjLocker.h"

namespace s {
namespace col {
namespace _array {
class ArrayP;
}
} // namespace col

namespace thread {

// A pool of raw items limited by count and, with size accounting on, by item and total size.
class PoolerBase : public base::IObject, public base::IGenerator, public base::IDestructor {
public:
    PoolerBase();
    ~PoolerBase() override;

    const wchar_t* GetClassName() override;
    void Destroy(void** slot) override;

    virtual int32_t GetItemSize(void* item);
    // A size of -1 charges GetItemSize of the item.
    virtual void Give(void* item, int32_t size = -1);
    virtual void* Take();
    virtual void ResetItem(void* item) = 0;
    virtual void DestroyItem(void** slot) = 0;

    uint32_t GetHeldCount();
    int32_t GetHeldTotal();
    void SetSizeAccounting(bool on);

protected:
    // Disposes of every held item through DestroyItem. The most derived destructor calls it,
    // since DestroyItem is no longer reachable once that destructor has finished.
    void DestroyHeldItems();

    ObjLocker locker_;
    col::_array::ArrayP* freeList_;
    int32_t countLimit_;
    int32_t itemSizeLimit_;
    int32_t totalSizeLimit_;
    int32_t heldTotal_;
    uint32_t sizeAccounting_;

private:
    PoolerBase(const PoolerBase&) = delete;
    PoolerBase& operator=(const PoolerBase&) = delete;
};

class Factory : public PoolerBase {
public:
    const wchar_t* GetClassName() override;
};

} // namespace thread
} // namespace s
