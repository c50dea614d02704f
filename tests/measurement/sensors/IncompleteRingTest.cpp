// Run in a process whose hardware-access library lacks one of its entry points.
#include <gtest/gtest.h>

#include "core/str/StrArray.h"
#include "measurement/sensors/CpuTemperature.h"
#include "measurement/sensors/HardwareAccess.h"
#include "measurement/sensors/SensorChips.h"
#include "measurement/win/FailureBoxRecorder.h"
#include "support/FakeRing.h"

namespace w = s::system::win;
using testing_support::FailureBoxRecorder;
using testing_support::FakeRing;

namespace {

TEST(IncompleteRing, IsUnusableWithoutABox)
{
    ASSERT_TRUE(FakeRing::Install(L"fakering-incomplete"));
    ASSERT_EQ(nullptr, GetProcAddress(GetModuleHandleW(L"WinRing0x64.dll"), "RdmsrPx"));
    FakeRing::SetPort(0x2F, 0x52);
    FakeRing::SetMsr(0x1B1, 0x80000000, 0);

    EXPECT_FALSE(w::IsHardwareAccessReady());
    EXPECT_EQ(0, FakeRing::Inits());
    uint8_t value = 3;
    EXPECT_FALSE(w::ReadIoPortByte(0x2F, &value));
    EXPECT_EQ(0, value);
    EXPECT_FALSE(w::WriteIoPortByte(0x2E, 0x87));
    uint32_t low = 1, high = 1;
    EXPECT_FALSE(w::ReadMsr(0x1B1, &low, &high));
    EXPECT_EQ(-100, w::GetCpuTemperature());
    int64_t reading = 0;
    EXPECT_FALSE(w::GetSensorTemperature(&reading, 0));
    EXPECT_FALSE(w::GetSensorFanSpeed(&reading, 0));
    EXPECT_TRUE(FakeRing::Writes().empty());
    EXPECT_TRUE(FailureBoxRecorder::Take().empty());
}

} // namespace
