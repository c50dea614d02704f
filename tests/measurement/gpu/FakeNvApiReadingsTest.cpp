// Run with the stand-in nvapi64.dll: the graphics readings set themselves up once per process,
// with one GPU that gives every reading.
#include <gtest/gtest.h>

#include <cstdlib>

#include "gpu_vendor/FakeNvApiControl.h"
#include "gpu_vendor/NvApiLoader.h"
#include "measurement/gpu/GpuReadings.h"

namespace win = s::system::win;
using testing_support::FakeNvApi;

namespace {

struct Thermal {
    bool read;
    int32_t minimum, current, maximum;
};

Thermal ReadThermal(int32_t sensor)
{
    Thermal t = {};
    t.read = win::GetNvThermalSettings(sensor, &t.minimum, &t.current, &t.maximum);
    return t;
}

class FakeNvApiReadings : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FakeNvApi::Reset();
        FakeNvApi::Install(1);
        win::InitNvGpu();
    }
    void SetUp() override
    {
        // A fresh script for each test, in an epoch of its own that the remembered GPU handle is
        // brought into before the counts start.
        static LONG epoch = 1;
        script_ = &FakeNvApi::Reset();
        script_->epoch = ++epoch;
        win::GetNvGpuUsage();
        FakeNvApi::ClearCounts();
    }
    void TearDown() override { EXPECT_EQ(0, NvApiInUseCount(kNvApiSlot)); }
    FakeNvApiScript* script_ = nullptr;
};

TEST_F(FakeNvApiReadings, TheSetUpFindsTheGpuAndEveryReadingOnce)
{
    EXPECT_TRUE(win::NvGpuHasUsage());
    EXPECT_TRUE(win::NvGpuHasTemperature());
    EXPECT_TRUE(win::NvGpuHasFan());
    win::InitNvGpu();
    EXPECT_EQ(0, script_->calls[kFakeEnumPhysical]);
    EXPECT_EQ(0, script_->calls[kFakeInitialize]);
    // The AMD readings are not taken: the fields fall through to these.
    EXPECT_EQ(-1, win::GetAdlGpuActivity());
    EXPECT_EQ(-1, win::GetAdlGpuTemperature());
    EXPECT_EQ(-1, win::GetAdlFanSpeed());
}

TEST_F(FakeNvApiReadings, UsageIsTheGraphicsDomainsLoad)
{
    struct Case {
        const char* what;
        uint32_t percent, present;
        int32_t status, expected;
    };
    const Case cases[] = {
        {"present", 37, 1, 0, 37},
        {"idle", 0, 1, 0, 0},
        {"full", 100, 1, 0, 100},
        {"domain not present", 50, 0, 0, -1},
        {"call fails", 50, 1, -5, -1},
        {"beyond a percent", 250, 1, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        script_->usagePercent = c.percent;
        script_->usagePresent = c.present;
        script_->pstatesStatus = c.status;
        EXPECT_EQ(c.expected, win::GetNvGpuUsage());
    }
}

TEST_F(FakeNvApiReadings, ThermalSettingsComeFromVersionTwoElseVersionOne)
{
    Thermal t = ReadThermal(0);
    EXPECT_TRUE(t.read);
    EXPECT_EQ(0, t.minimum);
    EXPECT_EQ(65, t.current);
    EXPECT_EQ(95, t.maximum);
    EXPECT_EQ(1, script_->thermalByVersion[2]);
    EXPECT_EQ(0, script_->thermalByVersion[1]);

    script_->thermalStatus[2] = NVAPI_INCOMPATIBLE_STRUCT_VERSION;
    script_->sensors[0].current = 71;
    t = ReadThermal(0);
    EXPECT_TRUE(t.read);
    EXPECT_EQ(71, t.current);
    EXPECT_EQ(1, script_->thermalByVersion[1]);

    // A first-version temperature beyond the signed range is none.
    script_->sensors[0].current = -1;
    EXPECT_FALSE(ReadThermal(0).read);

    script_->thermalStatus[1] = NVAPI_ERROR;
    t = ReadThermal(0);
    EXPECT_FALSE(t.read);
    EXPECT_EQ(-1, t.minimum);
    EXPECT_EQ(-1, t.current);
    EXPECT_EQ(-1, t.maximum);
}

TEST_F(FakeNvApiReadings, TheSensorIsTheRecordsOnlyEntryOrItsOwnWhenAllAreGiven)
{
    struct Case {
        const char* what;
        uint32_t count;
        int32_t sensor;
        bool read;
        int32_t current;
    };
    const Case cases[] = {
        {"one entry answers the sensor asked for", 1, 2, true, 65},
        {"all sensors given", 3, 2, true, 40},
        {"a count beyond the record is cut to it", 0xFFFFFFFFu, 2, true, 40},
        {"no sensor", 0, 0, false, -1},
        {"fewer sensors than asked for", 2, 2, false, -1},
        {"no such sensor index", 3, 3, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        script_->thermalCount = c.count;
        const Thermal t = ReadThermal(c.sensor);
        EXPECT_EQ(c.read, t.read);
        EXPECT_EQ(c.current, t.current);
        if (c.read) {
            EXPECT_EQ(c.sensor, script_->lastSensorIndex);
        }
    }
}

TEST_F(FakeNvApiReadings, AStaleHandleIsEnumeratedAgainOnceAndTheReadingRepeated)
{
    ++script_->epoch;
    Thermal t = ReadThermal(0);
    EXPECT_TRUE(t.read);
    EXPECT_EQ(65, t.current);
    EXPECT_EQ(1, script_->calls[kFakeEnumPhysical]);

    ++script_->epoch;
    script_->usagePercent = 12;
    EXPECT_EQ(12, win::GetNvGpuUsage());
    EXPECT_EQ(2, script_->calls[kFakeEnumPhysical]);

    // Stale again right after the new enumeration: given up, not enumerated without end.
    ++script_->epoch;
    script_->physicalStatus = NVAPI_ERROR;
    EXPECT_FALSE(ReadThermal(0).read);
    EXPECT_EQ(3, script_->calls[kFakeEnumPhysical]);
    EXPECT_EQ(1, script_->calls[kFakeEnumTcc]);
}

TEST_F(FakeNvApiReadings, TheFanIsReadAgainOnAFreshGpuOrTheTccGpuIsKeptForNextTime)
{
    int32_t rpm = 0;
    script_->tachRpm = 2100;
    EXPECT_TRUE(win::ReadNvFanSpeed(&rpm));
    EXPECT_EQ(2100, rpm);
    const LONG enumerations = script_->calls[kFakeEnumPhysical];

    // Gone: the physical GPUs are enumerated again and the reading repeated.
    ++script_->epoch;
    const LONG tachs = script_->calls[kFakeTach];
    EXPECT_TRUE(win::ReadNvFanSpeed(&rpm));
    EXPECT_EQ(2100, rpm);
    EXPECT_EQ(enumerations + 1, script_->calls[kFakeEnumPhysical]);
    EXPECT_EQ(tachs + 2, script_->calls[kFakeTach]);

    // No physical GPU left: the TCC ones are enumerated and no reading is taken this time; the
    // TCC GPU found is read on the next call.
    ++script_->epoch;
    script_->physicalCount = 0;
    script_->tccCount = 1;
    rpm = 9;
    EXPECT_FALSE(win::ReadNvFanSpeed(&rpm));
    EXPECT_EQ(0, rpm);
    EXPECT_EQ(1, script_->calls[kFakeEnumTcc]);
    EXPECT_TRUE(win::ReadNvFanSpeed(&rpm));
    EXPECT_EQ(2100, rpm);
}

TEST_F(FakeNvApiReadings, AFailedOrZeroFanReadingIsUnavailable)
{
    int32_t rpm = 0;
    script_->tachRpm = 0;
    EXPECT_FALSE(win::ReadNvFanSpeed(&rpm));
    EXPECT_EQ(0, rpm);
    script_->tachRpm = 900;
    script_->tachStatus = NVAPI_ERROR;
    EXPECT_FALSE(win::ReadNvFanSpeed(&rpm));
    EXPECT_EQ(0, rpm);
}

TEST_F(FakeNvApiReadings, MoreGpusThanTheArrayHoldsAreCutToIt)
{
    ++script_->epoch;
    script_->physicalCount = 1000;
    script_->usagePercent = 64;
    EXPECT_EQ(64, win::GetNvGpuUsage());
    EXPECT_EQ(1, script_->calls[kFakeEnumPhysical]);
}

// In a process of its own: the readings' set-up initialises the library, and process exit
// unloads it. The check runs at exit after that unload (it was registered before it).
FakeNvApiScript* gExitScript = nullptr;

void CheckUnloadedAtExit()
{
    const bool unloaded = gExitScript->calls[kFakeUnload] == 1 && !GetModuleHandleW(L"nvapi64.dll");
    std::_Exit(unloaded ? 0 : 3);
}

void SetUpAndExit()
{
    gExitScript = &FakeNvApi::Reset();
    FakeNvApi::Install(1);
    std::atexit(&CheckUnloadedAtExit);
    win::InitNvGpu();
    if (!win::NvGpuHasUsage() || gExitScript->calls[kFakeUnload] != 0)
        std::_Exit(2);
    std::exit(1);
}

TEST(FakeNvApiReadingsAtExit, TheLibraryIsUnloadedAtProcessExit)
{
    EXPECT_EXIT(SetUpAndExit(), testing::ExitedWithCode(0), "");
}

} // namespace
