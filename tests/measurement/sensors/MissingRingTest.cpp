// Run in a process without any hardware-access library.
#include <gtest/gtest.h>

#include <string>

#include "core/str/StrArray.h"
#include "measurement/sensors/CpuTemperature.h"
#include "measurement/sensors/HardwareAccess.h"
#include "measurement/sensors/SensorChips.h"
#include "measurement/win/FailureBoxRecorder.h"

namespace w = s::system::win;
using testing_support::FailureBoxRecorder;

namespace {

TEST(MissingRing, IsToldOnceAndEveryReadingAnswersItsSentinel)
{
    for (const wchar_t* name : {L"WinRing0x64.dll", L"WinRing0.dll"}) {
        HMODULE probe = LoadLibraryW(name);
        if (probe) {
            FreeLibrary(probe);
            GTEST_SKIP() << "a hardware-access library loads in this process";
        }
    }
    const DWORD error = GetLastError();
    FailureBoxRecorder::Take();

    EXPECT_EQ(-100, w::GetCpuTemperature());
    const std::vector<std::wstring> boxes = FailureBoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Failed to Load WinRing0.dll!!\nError Code - " + std::to_wstring(error), boxes[0]);
    EXPECT_NE(0u, error);

    EXPECT_FALSE(w::IsHardwareAccessReady());
    EXPECT_EQ(-100, w::GetCpuTemperature());
    for (int32_t sensor = 0; sensor < 3; ++sensor) {
        int64_t value = 5;
        EXPECT_FALSE(w::GetSensorTemperature(&value, sensor));
        EXPECT_EQ(127, value);
    }
    for (int32_t fan = 0; fan < 5; ++fan) {
        int64_t rpm = 5;
        EXPECT_FALSE(w::GetSensorFanSpeed(&rpm, fan));
        EXPECT_EQ(0, rpm);
    }
    uint8_t value = 4;
    EXPECT_FALSE(w::ReadIoPortByte(0x2F, &value));
    EXPECT_EQ(0, value);
    int32_t bus = 0, device = 0, function = 0;
    EXPECT_FALSE(w::FindPciDevice(0x1022, 0x1203, &bus, &device, &function, 3));

    // Nothing was found, so the report holds its heading only.
    s::str::strarray::StrArray* report = w::BuildChipsReport();
    ASSERT_NE(nullptr, report);
    ASSERT_EQ(1u, report->GetCount());
    EXPECT_STREQ(L"[Chips]", report->Get(0)->GetText());
    report->ReleaseToPool();
    EXPECT_TRUE(FailureBoxRecorder::Take().empty());
}

} // namespace
