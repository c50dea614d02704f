#include <gtest/gtest.h>

#include "gpu_vendor/NvApi.h"
#include "measurement/gpu/GpuReadings.h"
#include "measurement/hdd/Hdds.h"
#include "measurement/network/GipFinder.h"
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

// The system's own adapter list, interface table and disk devices (partly real under Wine): the
// lists load without hanging, every entry answers, and a second load changes nothing.
TEST(SystemSources, DiskAndNetworkListsLoadAndAnswer)
{
    hdd::win::LoadHdds();
    const int32_t disks = hdd::win::GetHddCount();
    hdd::win::LoadHdds();
    EXPECT_EQ(disks, hdd::win::GetHddCount());
    EXPECT_EQ(nullptr, hdd::win::GetHdd(disks));
    for (int32_t i = 0; i < disks; ++i) {
        hdd::IHdd* disk = hdd::win::GetHdd(i);
        ASSERT_NE(nullptr, disk);
        EXPECT_EQ(static_cast<uint32_t>(i), disk->GetIndex());
        const int32_t celsius = disk->GetTemperature();
        EXPECT_TRUE(celsius == hdd::IHdd::kNoTemperature || (celsius >= 0 && celsius < 200)) << celsius;
    }
    network::win::LoadNicConns();
    const int32_t connections = network::win::GetNicConnCount();
    EXPECT_EQ(nullptr, network::win::GetNicConn(connections));
    s::str::strbuffer::StrBuffer* text = s::str::strbuffer::StrBuffer::New();
    for (int32_t i = 0; i < connections; ++i) {
        network::INicConn* connection = network::win::GetNicConn(i);
        ASSERT_NE(nullptr, connection);
        EXPECT_GT(connection->GetName()->GetLength(), 0u);
        EXPECT_EQ(connection->IsValid(), connection->GetIpAddress(text));
        int64_t octets = -1;
        if (connection->GetTotalOctets(&octets)) {
            EXPECT_GE(octets, 0);
        }
    }
    text->ReleaseToPool();
    network::IGipFinder* finder = network::win::GetGipFinder();
    ASSERT_NE(nullptr, finder);
    EXPECT_EQ(finder, network::win::GetGipFinder());
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
