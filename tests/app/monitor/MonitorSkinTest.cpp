// The periodic skin change at start, at a given now: every option of the days table, due and
// not due, a stamp in the future and a days value no option offers.
#include <windows.h>

#include <gtest/gtest.h>

#include "MonitorSupport.h"
#include "app/monitor/Monitor.h"
#include "skins/Skinner.h"
#include "storage/settings/XmlMappedData.h"

using s::system::gui::dialogs::monitor::Monitor;

namespace {

const int64_t kNow = 1760000000; // a Thursday morning
const int64_t kDay = 86400;
const wchar_t kView[] = L"MainWindow\\View";

int64_t FixedNow()
{
    return kNow;
}

TEST(MonitorSkinTest, ThePeriodicChangeComesWhenItIsDueAndStampsNow)
{
    const std::wstring file = monitor_testing::TempSettingsPath(L"pulsegrid-monitor-skin-test.xml");
    DeleteFileW(file.c_str());
    s::xml::MappedData* settings = s::xml::MappedData::OpenFile(file.c_str());
    settings->SetAutoSave(true);
    s::gui::drawer::Skinner* skinner = s::gui::drawer::Skinner::New();
    skinner->SetDrawerType(L"ThinWindow");
    skinner->AddBuiltInSkins();
    Monitor::SecondsClock previous = Monitor::SetSecondsClock(&FixedNow);
    Monitor* monitor = Monitor::New();
    struct Case {
        int32_t days;
        int64_t lastChange;
        bool changes;
        int64_t stamp;
    };
    const Case cases[] = {
        {-1, kNow - 400 * kDay, false, kNow - 400 * kDay},
        {0, kNow - 60, true, kNow},
        {1, kNow - kDay, true, kNow},
        {1, kNow - 60, false, kNow - 60},
        {2, kNow - 2 * kDay, true, kNow},
        {2, kNow - kDay, false, kNow - kDay},
        {3, kNow - 3 * kDay, true, kNow},
        {5, kNow - 5 * kDay, true, kNow},
        {5, kNow - 4 * kDay, false, kNow - 4 * kDay},
        {7, kNow - 7 * kDay, true, kNow},
        // Earlier in the same week (a Monday to Thursday).
        {7, kNow - 2 * kDay, false, kNow - 2 * kDay},
        {14, kNow - 14 * kDay, true, kNow},
        {14, kNow - 7 * kDay, false, kNow - 7 * kDay},
        {30, kNow - 40 * kDay, true, kNow},
        {30, kNow - 60, false, kNow - 60},
        // A stamp in the future is only set to now.
        {7, kNow + 3 * kDay, false, kNow},
        // A days value no option offers never changes the skin.
        {45, kNow - 400 * kDay, false, kNow - 400 * kDay},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.days << " days, last change " << (c.lastChange - kNow) << " s");
        skinner->SelectSkinAt(3);
        settings->SetInt32(kView, L"RandomSkinDay", c.days);
        settings->SetInt64(kView, L"RandomSkinLastChange", c.lastChange);
        monitor->SetServices(nullptr, settings, skinner);
        monitor->InitSkin();
        EXPECT_EQ(c.changes, skinner->GetCurrentSkinIndex() != 3);
        EXPECT_EQ(c.days, monitor->GetPeriodicSkinDays());
        s::xml::MappedData* stored = s::xml::MappedData::OpenFile(file.c_str());
        EXPECT_EQ(c.stamp, stored->GetInt64(kView, L"RandomSkinLastChange", -1));
        stored->ReleaseToPool();
    }
    monitor->ReleaseToPool();
    Monitor::SetSecondsClock(previous);
    skinner->ReleaseToPool();
    settings->ReleaseToPool();
    DeleteFileW(file.c_str());
}

} // namespace
