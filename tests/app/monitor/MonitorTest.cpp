// The controller on the virtual display over fake readings: the rows in their stored order, the
// count of shown rows stored anew, live refreshes with the red highlight, and the release of a
// worker that waits in a long period.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "FakeSources.h"
#include "MonitorSupport.h"
#include "app/monitor/Monitor.h"
#include "app/monitor/MonitorBlock.h"
#include "app/monitor/ViewSettingValues.h"
#include "windowing/menu/PopupMenu.h"
#include "core/thread/Thread.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/XmlMappedData.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/DesktopRecorder.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/Counter.h"
#include "windowing/widgets/Label.h"

using s::system::counter::MonitorBlock;
using s::system::gui::dialogs::monitor::Monitor;

namespace {

const DWORD kRefreshBoundMillis = 20000;
const wchar_t kFieldOrder[] = L"MainWindow\\FieldOrder";
const wchar_t kLastVisible[] = L"MainWindow\\LastVisible";
const wchar_t kView[] = L"MainWindow\\View";
const wchar_t kField[] = L"MainWindow\\Field";

std::wstring SettingsPath()
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + L"pulsegrid-monitor-test.xml";
}

class MonitorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The program's own texts: the rows and the caption read as the user sees them.
        localizer = monitor_testing::LoadProgramLanguages();
        ASSERT_NE(nullptr, localizer);
        DeleteFileW(SettingsPath().c_str());
        settings = s::xml::MappedData::OpenFile(SettingsPath().c_str());
        Fake().upTime = 2 * 86400 + 3 * 3600 + 4 * 60;
        Fake().processorTime[-1] = 40;
        Fake().processorUser[-1] = 30;
    }
    void TearDown() override
    {
        if (monitor)
            monitor->ReleaseToPool();
        settings->ReleaseToPool();
        if (localizer)
            localizer->ReleaseToPool();
        DeleteFileW(SettingsPath().c_str());
    }

    void Start()
    {
        monitor = Monitor::New();
        ASSERT_NE(nullptr, monitor);
        monitor->SetServices(localizer, settings, nullptr);
        monitor->Init();
        ASSERT_NE(nullptr, monitor->GetWindow());
        ASSERT_TRUE(monitor->GetWindow()->IsReady());
    }

    bool WaitForRefreshes(int32_t count)
    {
        return testing_support::WaitUntil([&] { return Fake().instanceRefreshes >= count; }, kRefreshBoundMillis);
    }

    std::wstring ValueOf(const wchar_t* key)
    {
        MonitorBlock* field = monitor->FindField(key);
        return field && field->GetValueLabel() ? field->GetValueLabel()->GetText() : L"(none)";
    }

    FakeSourcesScope scope;
    // The window lives in the notification area: its records are kept here, not given to a
    // shell the virtual display may lack.
    testing_support::DesktopRecorder desktop;
    s::lang::Localizer* localizer = nullptr;
    s::xml::MappedData* settings = nullptr;
    Monitor* monitor = nullptr;
};

TEST_F(MonitorTest, StoredOrderWithUnknownKeysKeepsTheRest)
{
    settings->SetInt32(kFieldOrder, L"count", 4);
    settings->SetString(kFieldOrder, L"_0", L"date_time");
    settings->SetString(kFieldOrder, L"_1", L"NO_SUCH_FIELD");
    settings->SetString(kFieldOrder, L"_2", L"Uptime_Normal");
    settings->SetString(kFieldOrder, L"_3", L"");
    Start();
    const wchar_t* expected[] = {L"DATE_TIME", L"COMPUTER_NAME", L"UPTIME_NORMAL", L"BOTTLENECK", L"MAIN_VILLAIN"};
    for (int32_t i = 0; i < 5; ++i)
        EXPECT_EQ(std::wstring(expected[i]), monitor->GetField(i)->GetKey()) << i;
    // The catalogue order stays as it was built, and the container holds the rows in display order.
    EXPECT_EQ(std::wstring(L"COMPUTER_NAME"), monitor->GetCreatedField(0)->GetKey());
    s::gui::win::Box* container = monitor->GetFieldContainer();
    ASSERT_NE(nullptr, container);
    ASSERT_EQ(monitor->GetFieldCount(), container->GetChildCount());
    for (int32_t i = 0; i < monitor->GetFieldCount(); ++i)
        EXPECT_EQ(monitor->GetField(i)->GetRow(), container->GetChildAt(i)) << i;
}

TEST_F(MonitorTest, BadStoredValuesGiveDefaultsAndTheCountOfShownRowsIsStoredAnew)
{
    struct Case {
        const wchar_t* stored;
        bool asText;
    };
    // Counts and refresh periods of the wrong type or out of range.
    const Case cases[] = {{L"99", false}, {L"abc", true}, {L"-5", false}};
    for (const Case& c : cases) {
        if (c.asText) {
            settings->SetString(kLastVisible, L"count", c.stored);
            settings->SetString(kView, L"RefreshFrequency", c.stored);
        } else {
            settings->SetInt32(kLastVisible, L"count", _wtoi(c.stored));
            settings->SetInt32(kView, L"RefreshFrequency", _wtoi(c.stored));
        }
        // A switched-on field and a switched-off default field, in any letter case.
        settings->SetBool(kField, L"computer_name", true);
        settings->SetBool(kField, L"UPTIME_NORMAL", false);
        Start();
        const int32_t shown = monitor->CountEnabledFields();
        EXPECT_GT(shown, 0);
        EXPECT_EQ(shown, settings->GetInt32(kLastVisible, L"count", -1)) << c.stored;
        EXPECT_EQ(1000, monitor->GetRefreshCycle().GetPeriod()) << c.stored;
        EXPECT_TRUE(monitor->FindField(L"COMPUTER_NAME")->IsEnabled());
        EXPECT_FALSE(monitor->FindField(L"UPTIME_NORMAL")->IsEnabled());
        monitor->ReleaseToPool();
        monitor = nullptr;
    }
}

TEST_F(MonitorTest, StoredViewSettingsOfTheWrongKindOrRangeReadAsDefaults)
{
    const wchar_t* header = L"MainWindow\\View\\HeaderFont";
    settings->SetInt32(kView, L"Transparency", 55);
    settings->SetString(kView, L"AutoHideSec", L"seven");
    settings->SetString(kView, L"AutoHideStyle", L"autohide_type_trans");
    settings->SetString(kView, L"AlignType", L"ALIGN_TYPE_DIAGONAL");
    settings->SetString(kView, L"SizeType", L"SIZE_TYPE_CUSTOM ");
    settings->SetString(kView, L"CellWidthType", L"SIZE_TYPE_CUSTOM");
    settings->SetString(kView, L"CellStyle", L"cell_type_flatslim");
    settings->SetInt32(header, L"SizeCustom", 40);
    settings->SetString(header, L"Bold", L"maybe");
    Start();
    Monitor* m = monitor;
    EXPECT_EQ(90, m->GetOpacity());
    EXPECT_EQ(1, m->GetAutoHideSeconds());
    // Texts match whole, in any letter case.
    EXPECT_EQ(s::system::gui::dialogs::monitor::kAutoHideTransparent, m->GetAutoHideStyle());
    EXPECT_EQ(s::system::gui::dialogs::monitor::kAlignVertical, m->GetAlignment());
    EXPECT_EQ(s::system::gui::dialogs::monitor::kSizeMedium, m->GetSizeType());
    EXPECT_EQ(s::system::gui::dialogs::monitor::kSizeMedium, m->GetCellWidthType());
    EXPECT_EQ(s::system::gui::dialogs::monitor::kCellFlatSlim, m->GetCellStyle());
    EXPECT_EQ(8, m->GetHeaderCustomSize());
    EXPECT_FALSE(m->IsHeaderBold());
    // The menus show what was read: 90 % opacity is the "10%" item, vertical flat slim "Vertical C".
    const auto marked = [m](int32_t id) {
        const UINT state = GetMenuState(m->GetMenus().GetMainMenu()->GetSafeHmenu(), static_cast<UINT>(id), MF_BYCOMMAND);
        return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
    };
    EXPECT_TRUE(marked(610));
    EXPECT_TRUE(marked(854));
    EXPECT_TRUE(marked(814));
    EXPECT_TRUE(marked(761));
    EXPECT_TRUE(marked(710));
}

TEST_F(MonitorTest, RowsShowLiveReadingsAndTurnRedPastTheLimit)
{
    Start();
    Monitor* m = monitor;
    // Shown rows are laid out in the window, switched-off ones are not.
    MonitorBlock* cpu = m->FindField(L"CPU_USAGE_TOTAL");
    MonitorBlock* ghz = m->FindField(L"CPU_GHZ_TOTAL");
    ASSERT_NE(nullptr, cpu);
    ASSERT_NE(nullptr, ghz);
    EXPECT_TRUE(cpu->GetRow()->IsShown());
    EXPECT_FALSE(ghz->GetRow()->IsShown());
    ASSERT_TRUE(WaitForRefreshes(1));
    EXPECT_TRUE(testing_support::WaitUntil([&] { return ValueOf(L"CPU_USAGE_TOTAL") == L"40%"; }, kRefreshBoundMillis))
        << ValueOf(L"CPU_USAGE_TOTAL");
    EXPECT_TRUE(testing_support::WaitUntil([&] { return ValueOf(L"UPTIME_NORMAL") != L"00h 00m"; },
                                           kRefreshBoundMillis));
    EXPECT_FALSE(cpu->IsHighlighted());

    // The column form: the graph starts below the name and the row is as tall as the name and
    // the larger of the value and the least text height.
    const int32_t n = cpu->GetNameLabel()->GetMinHeight();
    const int32_t v = cpu->GetValueLabel()->GetMinHeight();
    EXPECT_GT(n, 0);
    EXPECT_GT(v, n);
    EXPECT_EQ(n - 1 + std::max(30, v), cpu->GetCounter()->GetHeight());
    EXPECT_EQ(n - 1, cpu->GetCounter()->GraphRect(100, 100).top);
    // The rows fit the window.
    EXPECT_LE(m->GetFieldContainer()->GetWidth(), m->GetWindow()->GetClientWidth());

    Fake().processorTime[-1] = 97;
    const int32_t seen = Fake().instanceRefreshes;
    ASSERT_TRUE(WaitForRefreshes(seen + 2));
    EXPECT_TRUE(cpu->IsHighlighted());
    EXPECT_EQ(RGB(255, 0, 0), cpu->GetCounter()->GetBackgroundColor());
    EXPECT_EQ(std::wstring(L"97%"), ValueOf(L"CPU_USAGE_TOTAL"));

    testing_support::ScreenImage image;
    if (testing_support::CaptureWindow(m->GetWindow()->GetSafeHwnd(), &image))
        testing_support::SaveScreenshot(image, L"monitor_rows_red_cpu");
}

TEST_F(MonitorTest, ReleaseDuringALongPeriodEndsTheWorkerWithinAStep)
{
    settings->SetInt32(kView, L"RefreshFrequency", 300000);
    Start();
    EXPECT_EQ(300000, monitor->GetRefreshCycle().GetPeriod());
    ASSERT_TRUE(WaitForRefreshes(1));
    ASSERT_TRUE(testing_support::WaitUntil([&] { return monitor->IsWorkerRunning(); }, kRefreshBoundMillis));
    s::thread::win::Thread* worker = monitor->GetWorker();
    ASSERT_NE(nullptr, worker);
    const uint32_t threadId = worker->GetThreadId();
    // The release's first step: the closing flag is seen within a step of the wait, well before
    // the 3,000 ms after which the release would end the worker by force.
    const ULONGLONG start = GetTickCount64();
    monitor->GetRefreshCycle().SetClosing(true);
    EXPECT_TRUE(testing_support::WaitUntil([&] { return !monitor->IsWorkerRunning(); }, 5000));
    EXPECT_LT(GetTickCount64() - start, 1000u);
    monitor->Reset();
    EXPECT_FALSE(monitor->IsWorkerRunning());
    EXPECT_EQ(threadId, monitor->GetWorker()->GetThreadId()) << "the worker was ended by force";
    EXPECT_FALSE(monitor->IsClosing()) << "a released controller is ready for another start";
    EXPECT_EQ(nullptr, monitor->GetWindow());
    EXPECT_EQ(0, monitor->GetFieldCount());
}

TEST_F(MonitorTest, ClosingTheWindowEndsTheRefreshes)
{
    Start();
    ASSERT_TRUE(WaitForRefreshes(1));
    PostMessageW(monitor->GetWindow()->GetSafeHwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(testing_support::WaitUntil([&] { return monitor->GetWindow()->IsClosed(); }, kRefreshBoundMillis));
    EXPECT_TRUE(monitor->IsClosing());
    EXPECT_TRUE(testing_support::WaitUntil([&] { return !monitor->IsWorkerRunning(); }, 2000));
}

} // namespace
