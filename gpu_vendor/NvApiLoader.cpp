#include "gpu_vendor/NvApiLoader.h"

#include <atomic>

#include "core/thread/ObjLocker.h"

namespace {
const char kNvApiLibrary[] = "nvapi64.dll";
const char kNvPowerLibrary[] = "nvpowerapi.dll";
const char kQueryExport[] = "nvapi_QueryInterface";
const char kPowerQueryExport[] = "nvapi_pepQueryInterface";
// Loaders give an unload this many 100 ms waits before they give up.
const int32_t kUnloadWaits = 10;
const DWORD kUnloadWaitMs = 100;

struct Slot {
    std::atomic<HMODULE> module{nullptr};
    std::atomic<uint8_t> unloading{0};
    std::atomic<int32_t> inUse{0};
    std::atomic<uint32_t> generation{0};
    std::atomic<uint32_t> checkSum{0};
    std::atomic<uint32_t> timeDateStamp{0};
    // Slot 0: "nvapi_QueryInterface"; slot 1: "nvapi_pepQueryInterface".
    std::atomic<NvApiQueryFn> query{nullptr};
};

Slot gSlots[2];
std::atomic<NvApiPreCallHook> gPreHook{nullptr};
std::atomic<NvApiPostCallHook> gPostHook{nullptr};
// Set once the library could not be loaded; never cleared, so a machine without the driver pays
// for one failed load per process.
std::atomic<uint8_t> gLoadFailed{0};
std::atomic<NvApiLibraryLoad> gLibraryLoad{&LoadLibraryA};

Slot& SlotOf(int32_t slot)
{
    return gSlots[slot == kNvPowerSlot ? kNvPowerSlot : kNvApiSlot];
}

template <class F>
F ProcOf(HMODULE module, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

template <class F>
F QueryOf(NvApiQueryFn query, uint32_t id)
{
    return reinterpret_cast<F>(query(id));
}

// The PE headers of a mapped module.
const IMAGE_NT_HEADERS* NtHeadersOf(HMODULE module)
{
    const BYTE* base = reinterpret_cast<const BYTE*>(module);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    return reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
}

// Takes one in-use count of the slot unless an unload is under way. The count is raised before
// the flag is looked at again, so an unload that starts in between either sees the count and
// refuses, or is seen here and waited for: the library is never freed under a caller. limited:
// give up after kUnloadWaits waits.
bool EnterUse(Slot& slot, bool limited)
{
    for (int32_t waits = 0; !limited || waits < kUnloadWaits; ++waits) {
        if (!slot.unloading.load()) {
            slot.inUse.fetch_add(1);
            if (!slot.unloading.load())
                return true;
            slot.inUse.fetch_sub(1);
        }
        Sleep(kUnloadWaitMs);
    }
    return false;
}
// The fresh load of a slot's library, under the loader lock. Looked for once more first: found
// loaded meanwhile, *module is set and the result is NVAPI_OK. Else loaded and resolved:
// kNvApiReloaded, or the failure with the slot's in-use count given back.
NvAPI_Status LoadUnderLock(int32_t slot, HMODULE* module)
{
    Slot& s = SlotOf(slot);
    const char* name = slot == kNvPowerSlot ? kNvPowerLibrary : kNvApiLibrary;
    s::thread::ScopedLock held(*NvApiInitLock());
    *module = GetModuleHandleA(name);
    if (*module)
        return NVAPI_OK;
    HMODULE loaded = gLibraryLoad.load()(name);
    if (!loaded) {
        s.inUse.fetch_sub(1);
        return NVAPI_LIBRARY_NOT_FOUND;
    }
    const NvAPI_Status status = NvApiResolve(loaded, slot);
    if (status != NVAPI_OK) {
        s.inUse.fetch_sub(1);
        // The power slot's resolve has freed its library already.
        if (slot == kNvApiSlot)
            FreeLibrary(loaded);
        return status;
    }
    s.module.store(loaded);
    if (slot == kNvApiSlot)
        NvApiRememberImage(loaded, slot);
    *module = loaded;
    return kNvApiReloaded;
}
} // namespace

CRITICAL_SECTION* NvApiInitLock()
{
    // A function-local static is made once even when two threads ask first at the same time.
    static struct Lock {
        CRITICAL_SECTION section;
        Lock() { InitializeCriticalSection(&section); }
    } lock;
    return &lock.section;
}

void NvApiRememberImage(HMODULE module, int32_t slot)
{
    const IMAGE_NT_HEADERS* headers = NtHeadersOf(module);
    Slot& s = SlotOf(slot);
    s.checkSum.store(headers->OptionalHeader.CheckSum);
    s.timeDateStamp.store(headers->FileHeader.TimeDateStamp);
}

bool NvApiImageChanged(HMODULE module, int32_t slot)
{
    const IMAGE_NT_HEADERS* headers = NtHeadersOf(module);
    const uint32_t checkSum = headers->OptionalHeader.CheckSum;
    const uint32_t stamp = headers->FileHeader.TimeDateStamp;
    Slot& s = SlotOf(slot);
    const bool same = checkSum != 0 ? checkSum == s.checkSum.load() : stamp == s.timeDateStamp.load();
    if (same)
        return false;
    s.checkSum.store(checkSum);
    s.timeDateStamp.store(stamp);
    return true;
}

NvAPI_Status NvApiResolve(HMODULE module, int32_t slot)
{
    Slot& s = SlotOf(slot);
    if (slot == kNvPowerSlot) {
        NvApiQueryFn query = ProcOf<NvApiQueryFn>(module, kPowerQueryExport);
        if (!query) {
            FreeLibrary(module);
            return NVAPI_ERROR;
        }
        s.query.store(query);
    } else {
        // Whatever was resolved before belongs to an image that is gone or being replaced.
        s.query.store(nullptr);
        gPreHook.store(nullptr);
        gPostHook.store(nullptr);
        NvApiQueryFn query = ProcOf<NvApiQueryFn>(module, kQueryExport);
        if (!query)
            return NVAPI_ERROR;
        NvApiCallFn initialize = QueryOf<NvApiCallFn>(query, kNvApiIdInitialize);
        if (!initialize || initialize() != NVAPI_OK)
            return NVAPI_ERROR;
        NvApiPreCallHook pre = QueryOf<NvApiPreCallHook>(query, kNvApiIdPreCallHook);
        NvApiPostCallHook post = QueryOf<NvApiPostCallHook>(query, kNvApiIdPostCallHook);
        // A hook alone would open a bracket it never closes, or close one never opened.
        if (!pre || !post) {
            pre = nullptr;
            post = nullptr;
        }
        gPreHook.store(pre);
        gPostHook.store(post);
        s.query.store(query);
    }
    s.generation.fetch_add(1);
    return NVAPI_OK;
}

NvAPI_Status NvApiEnsureLoaded(HMODULE* module)
{
    *module = nullptr;
    if (gLoadFailed.load())
        return NVAPI_LIBRARY_NOT_FOUND;
    NvApiInitLock();
    Slot& s = gSlots[kNvApiSlot];
    if (!EnterUse(s, true))
        return NVAPI_ERROR;

    HMODULE found = GetModuleHandleA(kNvApiLibrary);
    if (!found) {
        const NvAPI_Status status = LoadUnderLock(kNvApiSlot, &found);
        if (status == NVAPI_LIBRARY_NOT_FOUND)
            gLoadFailed.store(1);
        if (status != NVAPI_OK) {
            *module = found;
            return status;
        }
    }

    // Found in memory. Our own reference keeps the image we resolved in place, so a different
    // image, or one we hold no entry of (after an unload), was loaded by someone else: it gets a
    // reference of ours before it is resolved, so that an unload or a failure frees only that.
    const bool changed = NvApiImageChanged(found, kNvApiSlot);
    if (!changed && s.query.load()) {
        *module = found;
        return NVAPI_OK;
    }
    HMODULE own = nullptr;
    if (!GetModuleHandleExA(0, kNvApiLibrary, &own) || !own) {
        s.inUse.fetch_sub(1);
        return NVAPI_LIBRARY_NOT_FOUND;
    }
    const NvAPI_Status status = NvApiResolve(own, kNvApiSlot);
    if (status != NVAPI_OK) {
        s.inUse.fetch_sub(1);
        FreeLibrary(own);
        return status;
    }
    s.module.store(own);
    NvApiRememberImage(own, kNvApiSlot);
    *module = own;
    return kNvApiReloaded;
}

void NvApiReleaseUse()
{
    gSlots[kNvApiSlot].inUse.fetch_sub(1);
}

NvAPI_Status NvAPI_Initialize()
{
    HMODULE module = nullptr;
    NvAPI_Status status = NvApiEnsureLoaded(&module);
    if (status == kNvApiReloaded)
        status = NVAPI_OK;
    if (status == NVAPI_OK)
        NvApiReleaseUse();
    return status;
}

NvAPI_Status NvAPI_Unload()
{
    Slot& s = gSlots[kNvApiSlot];
    s.unloading.store(1);
    NvAPI_Status status = NVAPI_OK;
    const HMODULE module = s.module.load();
    const NvApiQueryFn query = s.query.load();
    if (!module || !query) {
        status = NVAPI_API_NOT_INITIALIZED;
    } else if (s.inUse.load() != 0) {
        status = NVAPI_ERROR;
    } else {
        NvApiCallFn unload = QueryOf<NvApiCallFn>(query, kNvApiIdUnload);
        if (!unload) {
            status = NVAPI_NO_IMPLEMENTATION;
        } else if (unload() != NVAPI_OK) {
            status = NVAPI_ERROR;
        } else {
            s.query.store(nullptr);
            FreeLibrary(module);
            s.module.store(nullptr);
            gPreHook.store(nullptr);
            gPostHook.store(nullptr);
        }
    }
    s.unloading.store(0);
    return status;
}

NvAPI_Status NvPowerEnsureLoaded(HMODULE* module)
{
    *module = nullptr;
    NvApiInitLock();
    EnterUse(gSlots[kNvPowerSlot], false);
    HMODULE found = GetModuleHandleA(kNvPowerLibrary);
    if (!found)
        return LoadUnderLock(kNvPowerSlot, module);
    // Found loaded: no change detection for this library.
    *module = found;
    return NVAPI_OK;
}

NvAPI_Status NvPowerUnload()
{
    Slot& s = gSlots[kNvPowerSlot];
    s.unloading.store(1);
    NvAPI_Status status = NVAPI_OK;
    const HMODULE module = s.module.load();
    if (!module || !s.query.load()) {
        status = NVAPI_API_NOT_INITIALIZED;
    } else if (s.inUse.load() != 0) {
        status = NVAPI_ERROR;
    } else {
        s.query.store(nullptr);
        FreeLibrary(module);
        s.module.store(nullptr);
    }
    s.unloading.store(0);
    return status;
}

NvApiQueryFn NvApiQueryEntry()
{
    return gSlots[kNvApiSlot].query.load();
}

uint32_t NvApiLoadGeneration()
{
    return gSlots[kNvApiSlot].generation.load();
}

NvApiCallHooks NvApiGetCallHooks()
{
    NvApiCallHooks hooks = {gPreHook.load(), gPostHook.load()};
    if (!hooks.pre || !hooks.post)
        hooks = NvApiCallHooks{nullptr, nullptr};
    return hooks;
}

int32_t NvApiInUseCount(int32_t slot)
{
    return SlotOf(slot).inUse.load();
}

NvApiLibraryLoad NvApiSetLibraryLoad(NvApiLibraryLoad load)
{
    return gLibraryLoad.exchange(load ? load : &LoadLibraryA);
}
