#include <gtest/gtest.h>

#include "gpu_vendor/NvApi.h"
#include "measurement/gpu/GpuReadings.h"
#include "measurement/hdd/Hdds.h"
#include "measurement/network/NicConns.h"
#include "measurement/win/WorkingSet.h"

using namespace s::system;

namespace {
// Without the vendor libraries every source answers its "unavailable" value, which the gadget
// shows as dashes (the sensors without the hardware-access library: MissingRing tests).
TEST(AbsentSources, GraphicsReadingsAreMissing)
{
    EXPECT_EQ(-1, win::GetAdlGpuActivity());
    EXPECT_EQ(-1, win::GetAdlGpuTemperature());
    EXPECT_EQ(-1, win::GetAdlFanSpeed());
    win::InitNvGpu();
    win::InitNvGpu();
    EXPECT_FALSE(win::NvGpuHasTemperature());
    EXPECT_FALSE(win::NvGpuHasFan());
    EXPECT_FALSE(win::NvGpuHasUsage());
    EXPECT_EQ(-1, win::GetNvGpuUsage());
    int32_t low = 0, current = 0, high = 0;
    EXPECT_FALSE(win::GetNvThermalSettings(0, &low, &current, &high));
    EXPECT_EQ(-1, current);
    int32_t rpm = 7;
    EXPECT_FALSE(win::ReadNvFanSpeed(&rpm));
    EXPECT_EQ(0, rpm);
}

TEST(AbsentSources, NvidiaEntryPointsReportNoLibraryAndWriteNothing)
{
    NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS] = {};
    uint32_t count = 9, rpm = 9;
    EXPECT_EQ(-2, NvAPI_EnumPhysicalGPUs(handles, &count));
    EXPECT_EQ(-2, NvAPI_EnumTCCPhysicalGPUs(handles, &count));
    EXPECT_EQ(9u, count);
    EXPECT_EQ(-2, NvAPI_GPU_GetTachReading(nullptr, &rpm));
    EXPECT_EQ(9u, rpm);
}

TEST(AbsentSources, DiskAndNetworkListsAreEmpty)
{
    hdd::win::LoadHdds();
    EXPECT_EQ(0, hdd::win::GetHddCount());
    EXPECT_EQ(nullptr, hdd::win::GetHdd(0));
    network::win::LoadNicConns();
    EXPECT_EQ(0, network::win::GetNicConnCount());
    EXPECT_EQ(nullptr, network::win::GetNicConn(0));
    network::IGipFinder* finder = network::win::GetGipFinder();
    ASSERT_NE(nullptr, finder);
    EXPECT_EQ(finder, network::win::GetGipFinder());
    finder->Start();
    EXPECT_FALSE(finder->HasAddress());
    s::str::strbuffer::StrBuffer* address = s::str::strbuffer::StrBuffer::New();
    EXPECT_FALSE(finder->CopyAddress(address));
    address->ReleaseToPool();
}

TEST(WorkingSet, TrimRunsUnderTheSharedLockWhichOthersCanHold)
{
    CRITICAL_SECTION& lock = win::GetWorkingSetLock();
    EXPECT_EQ(&lock, &win::GetWorkingSetLock());
    // The lock is re-entrant for its owner, as a window showing itself inside a trim needs.
    EnterCriticalSection(&lock);
    win::TrimWorkingSet();
    LeaveCriticalSection(&lock);
    // Another thread waits while the lock is held and trims once it is let go.
    EnterCriticalSection(&lock);
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE worker = CreateThread(nullptr, 0, [](void* event) -> DWORD {
        win::TrimWorkingSet();
        SetEvent(event);
        return 0;
    }, done, 0, nullptr);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(done, 200));
    LeaveCriticalSection(&lock);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(done, 10000));
    WaitForSingleObject(worker, 10000);
    CloseHandle(worker);
    CloseHandle(done);
}
} // namespace
