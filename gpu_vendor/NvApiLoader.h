#pragma once
#include <windows.h>

#include <cstdint>

#include "gpu_vendor/NvApiStatus.h"

// Brings NVIDIA's driver library into the process at run time and keeps track of it. The library
// is reached only through its exported query entry, which maps a 32-bit interface id to an entry
// point; nothing links against it. Two slots: 0 is "nvapi64.dll", 1 "nvpowerapi.dll".

static const int32_t kNvApiSlot = 0;
static const int32_t kNvPowerSlot = 1;

// Interface ids the loader itself asks for.
static const uint32_t kNvApiIdInitialize = 0x0150E828;
static const uint32_t kNvApiIdPreCallHook = 0x33C7358C;
static const uint32_t kNvApiIdPostCallHook = 0x593E8644;
static const uint32_t kNvApiIdUnload = 0xD22BDD7E;

typedef void* (*NvApiQueryFn)(uint32_t id);
typedef NvAPI_Status (*NvApiCallFn)();
typedef void (*NvApiPreCallHook)(uint32_t id, uint64_t* cookie);
typedef void (*NvApiPostCallHook)(uint32_t id, uint64_t cookie, NvAPI_Status status);
typedef HMODULE(WINAPI* NvApiLibraryLoad)(LPCSTR name);

// The loader lock, made on first use; it serialises only the look-up and load of a fresh library.
CRITICAL_SECTION* NvApiInitLock();

// Keeps the module's PE CheckSum and TimeDateStamp as the slot's image identity.
void NvApiRememberImage(HMODULE module, int32_t slot);
// True when the module is not the remembered image (CheckSum compared when the module has one,
// else the TimeDateStamp); the module's identity is then remembered in its place.
bool NvApiImageChanged(HMODULE module, int32_t slot);
// Resolves the slot's query entry (slot 0: initialises the library and takes both call hooks or
// neither); 0 and a new load generation, or -1.
NvAPI_Status NvApiResolve(HMODULE module, int32_t slot);

// Makes sure "nvapi64.dll" is loaded: 0 (loaded, unchanged) or kNvApiReloaded (loaded or
// reloaded now) with one in-use count held by the caller, to be given back with NvApiReleaseUse;
// -2 for good once the library cannot be loaded, -1 after ten 100 ms waits for an unload or when
// the library refuses to initialise, holding no count.
NvAPI_Status NvApiEnsureLoaded(HMODULE* module);
// Gives back the in-use count that a successful NvApiEnsureLoaded handed out.
void NvApiReleaseUse();

NvAPI_Status NvAPI_Initialize();
// Unloads the library: -4 when nothing is loaded, -1 while calls are in flight or when the library
// refuses, -3 when it has no unload interface, else 0.
NvAPI_Status NvAPI_Unload();

// The same for "nvpowerapi.dll", which nothing in the system calls.
NvAPI_Status NvPowerEnsureLoaded(HMODULE* module);
NvAPI_Status NvPowerUnload();

// What the interface calls read of slot 0 while they hold an in-use count.
NvApiQueryFn NvApiQueryEntry();
uint32_t NvApiLoadGeneration();
struct NvApiCallHooks {
    NvApiPreCallHook pre;
    NvApiPostCallHook post;
};
// Both hooks, or neither.
NvApiCallHooks NvApiGetCallHooks();
// The calls in flight in a slot.
int32_t NvApiInUseCount(int32_t slot);

// The loader's library call (LoadLibraryA unless replaced); returns the one it replaces, so a
// test can count the load attempts or hand in a library of its own.
NvApiLibraryLoad NvApiSetLibraryLoad(NvApiLibraryLoad load);
