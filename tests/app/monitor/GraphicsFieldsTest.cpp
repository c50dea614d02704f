// The graphics-processor fields over the system's own readings: with the stand-in nvapi64.dll
// (FakeNvApi*, a process of their own) and without any library (the main run).
#include <gtest/gtest.h>

#include "FakeFieldRow.h"
#include "SystemGraphicsSources.h"
#include "app/monitor/FieldCallbacks.h"
#include "app/monitor/FieldCatalogue.h"
#include "gpu_vendor/FakeNvApiControl.h"
#include "gpu_vendor/NvApiLoader.h"

using namespace s::system::counter;
using testing_support::FakeNvApi;

namespace {

struct GraphicsField {
    const wchar_t* key;
    FieldUpdateCallback callback;
    int32_t displayType;
};
const GraphicsField kGraphicsFields[] = {
    {L"GPU_USAGE_TOTAL", UpdateGpuUsage, 1},
    {L"GPU_TEMP_C_1", UpdateGpuTempC, 3},
    {L"GPU_TEMP_F_1", UpdateGpuTempF, 3},
    {L"GPU_FAN_RPM_1", UpdateGpuFan, 3},
};

std::wstring Shown(const GraphicsField& field)
{
    FakeFieldRow row(field.displayType);
    field.callback(&row, nullptr, -1);
    return row.value;
}

TEST(WithoutNvApiGraphicsFields, AllFourShowDashesAndAreOffByDefault)
{
    SystemGraphicsSources sources;
    for (const GraphicsField& field : kGraphicsFields)
        EXPECT_EQ(L"-----", Shown(field)) << field.key;
    FieldCatalogue catalogue;
    catalogue.Build(nullptr, nullptr, L"Monitor/Field");
    EXPECT_FALSE(catalogue.gpuUsageReadable);
    EXPECT_FALSE(catalogue.gpuTemperatureReadable);
    for (const GraphicsField& field : kGraphicsFields)
        EXPECT_FALSE(catalogue.Find(field.key)->enabled) << field.key;
    EXPECT_EQ(0, NvApiInUseCount(kNvApiSlot));
}

class FakeNvApiGraphicsFields : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FakeNvApi::Reset();
        FakeNvApi::Install(1);
    }
    void SetUp() override
    {
        script_ = &FakeNvApi::Reset();
    }
    SystemGraphicsSources sources_;
    FakeNvApiScript* script_ = nullptr;
};

TEST_F(FakeNvApiGraphicsFields, AllFourShowTheLibrarysReadings)
{
    const wchar_t* expected[] = {L"37%", L"65 \u00B0C", L"149 \u00B0F", L"1,234"};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(expected[i], Shown(kGraphicsFields[i])) << kGraphicsFields[i].key;
}

TEST_F(FakeNvApiGraphicsFields, UsageAndTemperatureAreOnByDefaultTheOthersOff)
{
    FieldCatalogue catalogue;
    catalogue.Build(nullptr, nullptr, L"Monitor/Field");
    EXPECT_TRUE(catalogue.gpuUsageReadable);
    EXPECT_TRUE(catalogue.gpuTemperatureReadable);
    EXPECT_TRUE(catalogue.Find(L"GPU_USAGE_TOTAL")->enabled);
    EXPECT_TRUE(catalogue.Find(L"GPU_TEMP_C_1")->enabled);
    EXPECT_FALSE(catalogue.Find(L"GPU_TEMP_F_1")->enabled);
    EXPECT_FALSE(catalogue.Find(L"GPU_FAN_RPM_1")->enabled);
}

TEST_F(FakeNvApiGraphicsFields, ATemperatureNotBelowTheSensorsMaximumIsNoReading)
{
    script_->sensors[0] = FakeNvApiSensor{0, 90, 90};
    EXPECT_EQ(L"-----", Shown(kGraphicsFields[1]));
    EXPECT_EQ(L"-----", Shown(kGraphicsFields[2]));
    script_->sensors[0] = FakeNvApiSensor{0, 120, 89};
    FakeFieldRow row(3);
    UpdateGpuTempC(&row, nullptr, -1);
    EXPECT_EQ(L"89 \u00B0C", row.value);
    EXPECT_TRUE(row.highlighted);
    FieldCatalogue catalogue;
    script_->sensors[0] = FakeNvApiSensor{0, 90, 95};
    catalogue.Build(nullptr, nullptr, L"Monitor/Field");
    EXPECT_FALSE(catalogue.gpuTemperatureReadable);
}

TEST_F(FakeNvApiGraphicsFields, TheFanFollowsAGpuThatCameBackWithANewHandle)
{
    EXPECT_EQ(L"1,234", Shown(kGraphicsFields[3]));
    const LONG enumerations = script_->calls[kFakeEnumPhysical];
    ++script_->epoch;
    script_->tachRpm = 980;
    EXPECT_EQ(L"980", Shown(kGraphicsFields[3]));
    EXPECT_EQ(enumerations + 1, script_->calls[kFakeEnumPhysical]);
    script_->tachStatus = NVAPI_ERROR;
    EXPECT_EQ(L"-----", Shown(kGraphicsFields[3]));
}

} // namespace
