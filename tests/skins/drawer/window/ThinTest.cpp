#include <gtest/gtest.h>

#include "skins/drawer/Canvas.h"
#include "skins/drawer/window/Thin.h"

using s::gui::drawer::window::win::Thin;
using testing_support::Canvas;

namespace {

const COLORREF kUntouched = RGB(0x20, 0x40, 0x60);

TEST(WindowDrawerSquare, FillsTheClientAreaAndFramesItWithOnePixelLines)
{
    Thin* drawer = Thin::New();
    drawer->SetBackgroundColor(10, 20, 30);
    drawer->SetForegroundColor(200, 100, 50);
    Canvas canvas(12, 8);
    drawer->DrawFrame(&canvas.dc, 0, 0, 12, 8);
    for (int32_t y = 0; y < 8; ++y) {
        for (int32_t x = 0; x < 12; ++x) {
            const bool edge = x == 0 || y == 0 || x == 11 || y == 7;
            EXPECT_EQ(edge ? RGB(200, 100, 50) : RGB(10, 20, 30), canvas.At(x, y)) << x << "," << y;
        }
    }
    drawer->ReleaseToPool();
}

TEST(WindowDrawerSquare, WithoutABackgroundColourDrawsOnlyTheFrame)
{
    Thin* drawer = Thin::New();
    drawer->SetForegroundColor(1, 2, 3);
    Canvas canvas(6, 6);
    drawer->DrawFrame(&canvas.dc, 0, 0, 6, 6);
    EXPECT_EQ(RGB(1, 2, 3), canvas.At(0, 3));
    EXPECT_EQ(RGB(1, 2, 3), canvas.At(5, 5));
    EXPECT_EQ(kUntouched, canvas.At(2, 2));

    // An empty or inverted rectangle draws nothing.
    Canvas empty(6, 6);
    drawer->DrawFrame(&empty.dc, 0, 0, 0, 6);
    drawer->DrawFrame(&empty.dc, 0, 0, 6, -1);
    for (COLORREF pixel : empty.Pixels())
        EXPECT_EQ(kUntouched, pixel);
    drawer->ReleaseToPool();
}

TEST(WindowDrawerSquare, GivesTheRectangleRegionWithInclusiveRightAndBottom)
{
    Thin* drawer = Thin::New();
    HRGN region = drawer->CreateRegion(3, 4, 102, 53);
    ASSERT_NE(nullptr, region);
    RECT box;
    EXPECT_EQ(SIMPLEREGION, GetRgnBox(region, &box));
    EXPECT_EQ(3, box.left);
    EXPECT_EQ(4, box.top);
    EXPECT_EQ(103, box.right);
    EXPECT_EQ(54, box.bottom);
    DeleteObject(region);
    drawer->ReleaseToPool();
}

} // namespace
