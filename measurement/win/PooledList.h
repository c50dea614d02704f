#pragma once
#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace system {
namespace win {

// A list of pooled objects seen through their interface I (an object with a virtual destructor):
// the list owns them, gives them back to their pool on Clear, and deletes them directly when it
// is destroyed, since at exit the pools may be gone.
template <class I>
class PooledList {
public:
    PooledList() {}
    ~PooledList()
    {
        for (uint32_t i = 0; i < items_.GetCount(); ++i)
            delete static_cast<I*>(items_.Get(i));
    }

    int32_t GetCount() { return static_cast<int32_t>(items_.GetCount()); }
    // Null beyond the list.
    I* Get(int32_t index)
    {
        if (index < 0 || static_cast<uint32_t>(index) >= items_.GetCount())
            return nullptr;
        return static_cast<I*>(items_.Get(static_cast<uint32_t>(index)));
    }
    void Append(I* item) { items_.Append(item); }
    void Clear()
    {
        for (uint32_t i = 0; i < items_.GetCount(); ++i) {
            thread::IPoolable* item = dynamic_cast<thread::IPoolable*>(static_cast<I*>(items_.Get(i)));
            if (item)
                item->ReleaseToPool();
        }
        items_.Clear();
    }

private:
    PooledList(const PooledList&) = delete;
    PooledList& operator=(const PooledList&) = delete;

    col::_array::ArrayP items_;
};

} // namespace win
} // namespace system
} // namespace s
