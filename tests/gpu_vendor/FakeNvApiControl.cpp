#include "gpu_vendor/FakeNvApiControl.h"

#include <cstdio>
#include <cstring>

#include "gpu_vendor/NvApiLoader.h"
#include "storage/file/ModulePath.h"
#include "storage/file/PathWin.h"

namespace testing_support {

namespace {
FakeNvApiScript gScript;
volatile LONG gLoadAttempts = 0;
int gImage = 1;

HMODULE WINAPI LoadCounted(LPCSTR name)
{
    InterlockedIncrement(&gLoadAttempts);
    if (gImage == 0 || _stricmp(name, "nvapi64.dll") != 0)
        return LoadLibraryA(name);
    return LoadLibraryW(FakeNvApi::Path(gImage).c_str());
}
} // namespace

FakeNvApiScript& FakeNvApi::Reset()
{
    memset(&gScript, 0, sizeof(gScript));
    gScript.known = (1u << kFakeEntryCount) - 1;
    gScript.physicalCount = 1;
    gScript.epoch = 1;
    gScript.usagePercent = 37;
    gScript.usagePresent = 1;
    gScript.thermalCount = 1;
    gScript.sensors[0] = FakeNvApiSensor{0, 95, 65};
    gScript.sensors[1] = FakeNvApiSensor{0, 100, 50};
    gScript.sensors[2] = FakeNvApiSensor{0, 105, 40};
    gScript.tachRpm = 1234;
    gScript.blockEntry = -1;
    char address[32];
    snprintf(address, sizeof(address), "%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(&gScript)));
    SetEnvironmentVariableA("FAKE_NVAPI_SCRIPT", address);
    return gScript;
}

FakeNvApiScript& FakeNvApi::Script()
{
    return gScript;
}

void FakeNvApi::ClearCounts()
{
    for (int32_t i = 0; i < kFakeEntryCount; ++i) {
        gScript.queries[i] = 0;
        gScript.calls[i] = 0;
    }
    for (volatile LONG& count : gScript.thermalByVersion)
        count = 0;
    gScript.unknownQueries = 0;
    gScript.unbracketedCalls = 0;
}

void FakeNvApi::Install(int image)
{
    gImage = image;
    gLoadAttempts = 0;
    NvApiSetLibraryLoad(&LoadCounted);
}

void FakeNvApi::Uninstall()
{
    NvApiSetLibraryLoad(nullptr);
}

long FakeNvApi::LoadAttempts()
{
    return gLoadAttempts;
}

std::wstring FakeNvApi::Path(int image)
{
    s::file::win::PathWin* exe = s::file::win::GetModulePath(nullptr);
    std::wstring path = exe ? exe->GetFolderText() : L"";
    if (exe)
        exe->ReleaseToPool();
    return path + (image == 2 ? L"fakenvapi2\\nvapi64.dll" : L"fakenvapi\\nvapi64.dll");
}

void FakeNvApi::Know(FakeNvApiEntry entry, bool known)
{
    if (known)
        gScript.known |= 1u << entry;
    else
        gScript.known &= ~(1u << entry);
}

} // namespace testing_support
