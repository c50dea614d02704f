#include "core/thread/ObjLocker.h"

#include <cstdlib>
#include <new>

namespace s {
namespace thread {

ObjLocker::ObjLocker() : ObjLocker(nullptr, nullptr, nullptr) {}

ObjLocker::ObjLocker(void* object, FreeFunction freeFunction, base::IDestructor* cleaner)
    : object(object), freeFunction(freeFunction), cleaner(cleaner)
{
    InitializeCriticalSection(&lock);
}

ObjLocker::~ObjLocker()
{
    if (object) {
        if (freeFunction)
            freeFunction(object);
        else if (cleaner)
            cleaner->Destroy(&object);
        else
            std::free(object);
        object = nullptr;
    }
    DeleteCriticalSection(&lock);
}

const wchar_t* ObjLocker::GetClassName()
{
    return L"s_thread_ObjLocker";
}

base::IObject* ObjLocker::NewInstance()
{
    return new (std::nothrow) ObjLocker();
}

} // namespace thread
} // namespace s
