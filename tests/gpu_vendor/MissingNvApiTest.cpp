// Run where nvapi64.dll cannot be loaded, as on every machine without NVIDIA's driver.
#include <gtest/gtest.h>

#include "gpu_vendor/FakeNvApiControl.h"
#include "gpu_vendor/NvApi.h"
#include "gpu_vendor/NvApiLoader.h"

using testing_support::FakeNvApi;

namespace {

TEST(MissingNvApi, OneLoadAttemptThenEveryCallAnswersNotFoundAtOnce)
{
    HMODULE probe = LoadLibraryA("nvapi64.dll");
    if (probe) {
        FreeLibrary(probe);
        GTEST_SKIP() << "nvapi64.dll loads in this process";
    }
    FakeNvApi::Install(0);
    EXPECT_EQ(NVAPI_LIBRARY_NOT_FOUND, NvAPI_Initialize());
    EXPECT_EQ(1, FakeNvApi::LoadAttempts());

    NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS] = {};
    uint32_t count = 9;
    EXPECT_EQ(NVAPI_LIBRARY_NOT_FOUND, NvAPI_EnumPhysicalGPUs(handles, &count));
    EXPECT_EQ(NVAPI_LIBRARY_NOT_FOUND, NvAPI_EnumTCCPhysicalGPUs(handles, &count));
    EXPECT_EQ(9u, count);
    NvDynamicPstatesRecord pstates = {};
    EXPECT_EQ(NVAPI_LIBRARY_NOT_FOUND, NvAPI_GPU_GetDynamicPstatesInfoEx(handles[0], &pstates));
    NvThermalRecord thermal = {};
    EXPECT_EQ(NVAPI_LIBRARY_NOT_FOUND, NvAPI_GPU_GetThermalSettings(handles[0], 0, &thermal));
    uint32_t rpm = 7;
    EXPECT_EQ(NVAPI_LIBRARY_NOT_FOUND, NvAPI_GPU_GetTachReading(handles[0], &rpm));
    EXPECT_EQ(7u, rpm);
    EXPECT_EQ(NVAPI_LIBRARY_NOT_FOUND, NvAPI_Initialize());

    // Found missing once, never looked for again.
    EXPECT_EQ(1, FakeNvApi::LoadAttempts());
    EXPECT_EQ(0, NvApiInUseCount(kNvApiSlot));
    EXPECT_EQ(NVAPI_API_NOT_INITIALIZED, NvAPI_Unload());
    FakeNvApi::Uninstall();
}

TEST(MissingNvApi, ThePowerLibraryIsLookedForEachTimeAndNeverUnloaded)
{
    FakeNvApi::Install(0);
    HMODULE module = reinterpret_cast<HMODULE>(1);
    EXPECT_EQ(NVAPI_LIBRARY_NOT_FOUND, NvPowerEnsureLoaded(&module));
    EXPECT_EQ(nullptr, module);
    EXPECT_EQ(NVAPI_LIBRARY_NOT_FOUND, NvPowerEnsureLoaded(&module));
    EXPECT_EQ(2, FakeNvApi::LoadAttempts());
    EXPECT_EQ(0, NvApiInUseCount(kNvPowerSlot));
    EXPECT_EQ(NVAPI_API_NOT_INITIALIZED, NvPowerUnload());
    FakeNvApi::Uninstall();
}

} // namespace
