// The graphics rows on screen with the stand-in nvapi64.dll, each value set by the field's own
// update callback over the system's readings.
#include <gtest/gtest.h>

#include "FieldRowsWindow.h"
#include "SystemGraphicsSources.h"
#include "app/monitor/FieldCallbacks.h"
#include "gpu_vendor/FakeNvApiControl.h"

using namespace s::system::counter;
using testing_support::FakeNvApi;

namespace {

struct Row {
    const wchar_t* name;
    FieldUpdateCallback callback;
    int32_t type;
    const wchar_t* expected;
};

TEST(FakeNvApiGadgetScreenshot, TheGraphicsRowsShowTheLibrarysReadings)
{
    FakeNvApi::Reset();
    FakeNvApi::Install(1);
    SystemGraphicsSources sources;

    const Row rows[] = {
        {L"GPU", UpdateGpuUsage, 1, L"37%"},
        {L"GPU \u00B0C", UpdateGpuTempC, 3, L"65 \u00B0C"},
        {L"GPU \u00B0F", UpdateGpuTempF, 3, L"149 \u00B0F"},
        {L"GPU Fan", UpdateGpuFan, 3, L"1,234"},
    };
    std::vector<std::wstring> names;
    for (const Row& row : rows)
        names.push_back(row.name);
    FieldRowsWindow window;
    ASSERT_TRUE(window.Open(names));
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(rows[i].expected, window.Update(i, rows[i].callback, rows[i].type, -1));
        EXPECT_STREQ(rows[i].expected, window.LabelText(i));
    }
    EXPECT_TRUE(window.Save(L"GraphicsRowsWithTheStandInLibrary"));
}

} // namespace
