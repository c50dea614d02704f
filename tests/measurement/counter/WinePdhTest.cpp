// Runs against the Pdh.dll of the system the tests run on (Wine's, which knows few counters):
// the set-up and every reader must come back, whatever the library answers.
#include <gtest/gtest.h>

#include "measurement/counter/CounterNames.h"
#include "measurement/counter/CounterReaders.h"
#include "measurement/counter/PdhLibrary.h"

namespace cw = s::system::counter::win;

namespace {

const DWORD kGenerousMs = 120000;
LONG gRebuilds = 0;
void CountRebuild()
{
    InterlockedIncrement(&gRebuilds);
}

DWORD WINAPI SetUpAndReadAll(void*)
{
    cw::InitCounters();
    typedef bool (*Reader)(int64_t*, int32_t);
    const Reader readers[] = {
        cw::GetProcessorTime,        cw::GetProcessorUserTime,    cw::GetDiskReadBytes,  cw::GetDiskWriteBytes,
        cw::GetDiskReads,            cw::GetDiskWrites,           cw::GetDiskTime,       cw::GetNetworkBytesSent,
        cw::GetNetworkBytesReceived, cw::GetProcessProcessorTime, cw::GetProcessWorkingSet, cw::GetProcessIoReads,
        cw::GetProcessIoWrites,      cw::GetProcessThreadCount,   cw::GetProcessHandleCount,
    };
    for (int round = 0; round < 2; ++round) {
        int64_t value = 0;
        for (Reader read : readers) {
            read(&value, -1);
            read(&value, 0);
        }
        cw::GetTotalThreadCount(&value);
        cw::GetTotalHandleCount(&value);
        cw::GetSystemUpTime(&value);
        cw::RefreshInstances();
        Sleep(1000);
    }
    return 0;
}

TEST(WinePdh, TheRealSetUpNeitherHangsNorCrashes)
{
    cw::SetCounterRegistryRebuild(&CountRebuild);
    HANDLE worker = CreateThread(nullptr, 0, &SetUpAndReadAll, nullptr, 0, nullptr);
    ASSERT_NE(nullptr, worker);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(worker, kGenerousMs));
    CloseHandle(worker);
    EXPECT_TRUE(cw::IsPdhBound());
    EXPECT_LE(gRebuilds, 1);
    // Whatever Wine validates, the process-wide choice is made and consistent.
    EXPECT_NE(L'\0', cw::GetCounterName(cw::kProcessorObject)[0]);
    EXPECT_EQ(cw::CounterNamesMissing, gRebuilds == 1);
}

} // namespace
