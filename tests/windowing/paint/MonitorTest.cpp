// The display-monitor list on the virtual display: one monitor, a stable count, nearest monitors.
#include <windows.h>

#include <gtest/gtest.h>

#include "windowing/paint/Monitor.h"
#include "windowing/paint/MonitorList.h"

namespace {

using s::system::monitor::GetMonitorCount;
using s::system::monitor::MonitorFromRect;
using s::system::monitor::win::Monitor;

TEST(MonitorList, TheVirtualDisplayHasOneMonitorForTheWholeRun)
{
    EXPECT_EQ(1, GetMonitorCount());
    EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), GetMonitorCount());
    EXPECT_EQ(GetMonitorCount(), GetMonitorCount());
}

TEST(MonitorList, EveryRectangleMapsToTheNearestListedMonitor)
{
    struct Case {
        int32_t x, y, width, height;
    };
    // On screen, spanning its edge, and far off every side.
    const Case cases[] = {{10, 10, 100, 100}, {-50, 500, 200, 40}, {-100000, -100000, 10, 10},
                          {100000, 40, 10, 10}, {300, 90000, 0, 0}, {INT32_MAX - 5, 0, 100, 100}};
    Monitor* first = MonitorFromRect(0, 0, 1, 1);
    ASSERT_NE(nullptr, first);
    for (const Case& c : cases) {
        Monitor* monitor = MonitorFromRect(c.x, c.y, c.width, c.height);
        EXPECT_EQ(first, monitor) << c.x << "," << c.y;
    }
}

TEST(MonitorList, TheMonitorTellsItsRectanglesAndName)
{
    Monitor* monitor = MonitorFromRect(20, 20, 50, 50);
    ASSERT_NE(nullptr, monitor);
    EXPECT_STREQ(L"s_system_monitor_win_Monitor", monitor->GetClassName());
    EXPECT_EQ(0, monitor->GetIndex());
    EXPECT_NE(L'\0', monitor->GetName()[0]);
    EXPECT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), monitor->GetLeft());
    EXPECT_EQ(GetSystemMetrics(SM_YVIRTUALSCREEN), monitor->GetTop());
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), monitor->GetWidth());
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), monitor->GetHeight());
    RECT work;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work.left, monitor->GetWorkLeft());
    EXPECT_EQ(work.top, monitor->GetWorkTop());
    EXPECT_EQ(work.right - work.left, monitor->GetWorkWidth());
    EXPECT_EQ(work.bottom - work.top, monitor->GetWorkHeight());
}

TEST(Monitor, AMonitorWithoutAHandleAnswersEmptyRectangles)
{
    Monitor* monitor = Monitor::New();
    ASSERT_NE(nullptr, monitor);
    monitor->SetName(L"\\\\.\\DISPLAY9");
    EXPECT_STREQ(L"\\\\.\\DISPLAY9", monitor->GetName());
    EXPECT_EQ(0, monitor->GetWidth());
    EXPECT_EQ(0, monitor->GetWorkHeight());
    monitor->ReleaseToPool();
    Monitor* again = Monitor::New();
    ASSERT_EQ(monitor, again);
    EXPECT_STREQ(L"", again->GetName());
    EXPECT_EQ(nullptr, again->GetHandle());
    again->ReleaseToPool();
}

} // namespace
