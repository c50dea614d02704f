// Where a window may lie: inside the screen by at least 10 pixels each way, and the position
// that brings it inside an area.
#include <windows.h>

#include <gtest/gtest.h>

#include "windowing/ScreenBounds.h"

namespace {

using s::gui::win::LiesInsideScreen;
using s::gui::win::PositionInside;

const RECT kScreen = {0, 0, 1280, 1024};

TEST(ScreenBounds, InsideMeansMoreThanTenPixelsBigAndTenPixelsInsideEachWay)
{
    struct Case {
        RECT window;
        bool inside;
    };
    const Case cases[] = {
        {{100, 100, 300, 300}, true},
        {{100, 100, 110, 300}, false},    // 10 wide
        {{100, 100, 111, 300}, true},     // 11 wide
        {{100, 100, 300, 110}, false},    // 10 high
        {{-290, 100, 10, 300}, true},     // 10 inside on the left
        {{-291, 100, 9, 300}, false},     // 9 inside
        {{1270, 100, 1470, 300}, true},   // 10 inside on the right
        {{1271, 100, 1471, 300}, false},
        {{100, 1014, 300, 1200}, true},   // 10 inside at the bottom
        {{100, 1015, 300, 1200}, false},
        {{100, -190, 300, 10}, true},     // 10 inside at the top
        {{100, -191, 300, 9}, false},
        {{5000, 5000, 5200, 5200}, false},
        {{-100, -100, 1400, 1200}, true}, // larger than the screen, over it
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.inside, LiesInsideScreen(c.window, kScreen))
            << c.window.left << "," << c.window.top << "," << c.window.right << "," << c.window.bottom;
}

TEST(ScreenBounds, PositionInsideMovesBackOverTheEdgesItCrossed)
{
    struct Case {
        RECT window;
        RECT area;
        POINT expected;
    };
    const RECT twoScreens = {-1280, 0, 1280, 1024};
    const RECT workArea = {0, 30, 1280, 994};
    const Case cases[] = {
        {{100, 100, 300, 250}, kScreen, {100, 100}},
        {{1200, 900, 1400, 1050}, kScreen, {1080, 874}},
        {{-50, -30, 150, 120}, kScreen, {0, 0}},
        {{1200, -30, 1400, 120}, kScreen, {1080, 0}},
        {{-100, -100, 1500, 1200}, kScreen, {0, 0}}, // larger than the area: left and top win
        {{-1300, 100, -1100, 250}, twoScreens, {-1280, 100}},
        {{-1300, 100, -1100, 250}, kScreen, {0, 100}},
        {{100, 10, 300, 160}, workArea, {100, 30}},
        {{100, 900, 300, 1050}, workArea, {100, 844}},
    };
    for (const Case& c : cases) {
        const POINT place = PositionInside(c.window, c.area);
        EXPECT_EQ(c.expected.x, place.x) << c.window.left << "," << c.window.top;
        EXPECT_EQ(c.expected.y, place.y) << c.window.left << "," << c.window.top;
    }
}

TEST(ScreenBounds, OnAMonitorCountsWhatAnyMonitorShows)
{
    EXPECT_TRUE(s::gui::win::LiesOnAMonitor(100, 100, 200, 100));
    EXPECT_TRUE(s::gui::win::LiesOnAMonitor(-150, -50, 200, 100));
    EXPECT_FALSE(s::gui::win::LiesOnAMonitor(-5000, 100, 200, 100));
    EXPECT_FALSE(s::gui::win::LiesOnAMonitor(2000000000, 2000000000, 2000000000, 2000000000));
    EXPECT_FALSE(s::gui::win::LiesOnAMonitor(-2147483647, 0, 200, 100));
    EXPECT_FALSE(s::gui::win::LiesOnAMonitor(100, 100, 0, 100));
}

} // namespace
