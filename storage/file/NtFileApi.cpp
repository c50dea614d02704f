#include "storage/file/NtFileApi.h"

#include "core/thread/ObjLocker.h"
#include "measurement/win/DllLocater.h"
#include "measurement/win/OsVersion.h"

namespace s {
namespace file {
namespace win {

namespace {

struct Loaded {
    thread::ObjLocker locker;
    system::win::DllLocater ntdll;
    NtFileApi api = {};
    bool tried = false;
    bool found = false;
};

Loaded& State()
{
    static Loaded state;
    return state;
}

template <class Fn>
Fn Entry(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

bool LoadNtFileApi()
{
    system::win::OsVersionInfo& os = system::win::GetOsVersion();
    if (!os.done)
        system::win::LoadOsVersion();
    if (!os.isNtPlatform)
        return false;
    Loaded& state = State();
    thread::ScopedLock hold(state.locker);
    if (state.tried)
        return state.found;
    state.tried = true;
    state.ntdll.Reset();
    state.ntdll.module = LoadLibraryW(L"ntdll.dll");
    if (!state.ntdll.module)
        return false;
    NtFileApi api = {};
    api.fsControlFile = Entry<NtFsControlFileFn>(state.ntdll.module, "NtFsControlFile");
    api.queryInformationFile = Entry<NtQueryInformationFileFn>(state.ntdll.module, "NtQueryInformationFile");
    api.statusToDosError = Entry<RtlNtStatusToDosErrorFn>(state.ntdll.module, "RtlNtStatusToDosError");
    if (!api.fsControlFile || !api.queryInformationFile || !api.statusToDosError)
        return false;
    state.api = api;
    state.found = true;
    return true;
}

const NtFileApi& GetNtFileApi()
{
    Loaded& state = State();
    thread::ScopedLock hold(state.locker);
    return state.api;
}

} // namespace win
} // namespace file
} // namespace s
