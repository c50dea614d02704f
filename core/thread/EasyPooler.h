#pragma once
#include <cstdint>
#include <new>

#include "core/base/IObject.h"
#include "core/thread/ObjLocker.h"

namespace s {
namespace col {
namespace _array {
class ArrayP;
}
} // namespace col

namespace thread {

// The process-wide pool of idle instances of one class: the last given back is the first taken.
class EasyPooler : public base::IObject, public base::IGenerator, public base::IDestructor {
public:
    typedef void* (*CreateCallback)();
    typedef void (*DestroyCallback)(void* object);
    typedef void (*ResetCallback)(void* object);

    EasyPooler(int32_t capacity, CreateCallback create, DestroyCallback destroy, ResetCallback reset);
    ~EasyPooler() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void* Generate() override;
    void Destroy(void** slot) override;

    // An idle object, else a new one from the create callback (null when that fails).
    void* Take();
    // Keeps the object, reset, while fewer than the capacity are idle; destroys it otherwise.
    void Give(void* object);
    uint32_t GetIdleCount();

    template <class T>
    static void DeleteObject(void* object)
    {
        delete static_cast<T*>(object);
    }

private:
    EasyPooler(const EasyPooler&) = delete;
    EasyPooler& operator=(const EasyPooler&) = delete;

    ObjLocker locker_;
    col::_array::ArrayP* freeList_;
    int32_t capacity_;
    CreateCallback create_;
    DestroyCallback destroy_;
    ResetCallback reset_;
};

namespace pool_detail {
template <class T>
void* CreateInstance()
{
    return static_cast<void*>(new (std::nothrow) T());
}
template <class T>
void ResetInstance(void* object)
{
    if (object)
        static_cast<T*>(object)->Reset();
}
} // namespace pool_detail

// The one pool of class T, built on first use (once, whichever threads race to it) and
// destroyed at process exit. Objects enter and leave it as T*.
template <class T, int32_t Capacity = 1000>
EasyPooler& PoolOf()
{
    static EasyPooler pool(Capacity, &pool_detail::CreateInstance<T>, &EasyPooler::DeleteObject<T>,
                           &pool_detail::ResetInstance<T>);
    return pool;
}

// Takes an instance of T from its pool; null when none could be made.
template <class T, int32_t Capacity = 1000>
T* TakeFromPool()
{
    return static_cast<T*>(PoolOf<T, Capacity>().Take());
}

template <class T, int32_t Capacity = 1000>
void GiveToPool(T* object)
{
    PoolOf<T, Capacity>().Give(static_cast<void*>(object));
}

} // namespace thread
} // namespace s
