#pragma once
#include <windows.h>

#include "core/base/IObject.h"

namespace s {
namespace thread {

// An object together with the recursive lock that guards it. Owners take and leave the lock
// themselves, normally through ScopedLock.
class ObjLocker : public base::IObject {
public:
    typedef void (*FreeFunction)(void* object);

    ObjLocker();
    ObjLocker(void* object, FreeFunction freeFunction, base::IDestructor* cleaner);
    ~ObjLocker() override;

    const wchar_t* GetClassName() override;
    IObject* NewInstance() override;

    void* object;
    FreeFunction freeFunction;
    base::IDestructor* cleaner;
    CRITICAL_SECTION lock;

private:
    ObjLocker(const ObjLocker&) = delete;
    ObjLocker& operator=(const ObjLocker&) = delete;
};

// Holds a critical section for the life of a scope, so no early return leaves it taken.
class ScopedLock {
public:
    explicit ScopedLock(CRITICAL_SECTION& section) : section_(section) { EnterCriticalSection(&section_); }
    explicit ScopedLock(ObjLocker& locker) : ScopedLock(locker.lock) {}
    ~ScopedLock() { LeaveCriticalSection(&section_); }

private:
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;
    CRITICAL_SECTION& section_;
};

} // namespace thread
} // namespace s
