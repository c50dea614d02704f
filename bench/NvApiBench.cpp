// Times an interface call through the loader (ensure loaded, image check, entry cache, hooks,
// in-use count) against a direct call of the same entry of the tests' stand-in nvapi64.dll (built
// in tests/fakenvapi), in the same run, and prints the ratio: the graphics readings run on every
// refresh of the gadget.
#include "BenchClock.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "../tests/fixtures/FakeNvApiScript.h"
#include "gpu_vendor/NvApi.h"
#include "gpu_vendor/NvApiLoader.h"
#include "storage/file/ModulePath.h"
#include "storage/file/PathWin.h"

namespace {

const int kCalls = 200000;
FakeNvApiScript gScript;

std::wstring FakeNvApiPath()
{
    s::file::win::PathWin* exe = s::file::win::GetModulePath(nullptr);
    std::wstring path = exe ? exe->GetFolderText() : L"";
    if (exe)
        exe->ReleaseToPool();
    return path + L"..\\tests\\fakenvapi\\nvapi64.dll";
}

HMODULE WINAPI LoadFake(LPCSTR)
{
    return LoadLibraryW(FakeNvApiPath().c_str());
}

} // namespace

int main()
{
    gScript.known = (1u << kFakeEntryCount) - 1;
    gScript.physicalCount = 1;
    gScript.epoch = 1;
    gScript.tachRpm = 1234;
    gScript.blockEntry = -1;
    char address[32];
    snprintf(address, sizeof(address), "%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(&gScript)));
    SetEnvironmentVariableA("FAKE_NVAPI_SCRIPT", address);
    NvApiSetLibraryLoad(&LoadFake);

    NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS] = {};
    uint32_t count = 0;
    if (NvAPI_Initialize() != NVAPI_OK || NvAPI_EnumPhysicalGPUs(handles, &count) != NVAPI_OK || count == 0) {
        fprintf(stderr, "the stand-in nvapi64.dll did not load from %ls\n", FakeNvApiPath().c_str());
        return 1;
    }
    typedef NvAPI_Status (*TachFn)(NvPhysicalGpuHandle, uint32_t*);
    const TachFn direct = reinterpret_cast<TachFn>(NvApiQueryEntry()(kNvApiIdGetTachReading));
    uint32_t rpm = 0;
    const double throughStub = Best([&] {
        for (int i = 0; i < kCalls; ++i)
            NvAPI_GPU_GetTachReading(handles[0], &rpm);
    });
    const double straight = Best([&] {
        for (int i = 0; i < kCalls; ++i)
            direct(handles[0], &rpm);
    });
    printf("interface call through the loader: %.1f ns\n", throughStub * 1e9 / kCalls);
    printf("direct call of the same entry:     %.1f ns\n", straight * 1e9 / kCalls);
    printf("ratio: %.1f\n", throughStub / straight);
    NvAPI_Unload();
    return 0;
}
