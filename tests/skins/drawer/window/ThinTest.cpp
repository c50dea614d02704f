#include <gtest/gtest.h>

#include <string>

#include <vector>

#include "skins/drawer/Canvas.h"
#include "skins/drawer/SamePixels.h"
#include "skins/drawer/window/Thin.h"

using s::gui::drawer::window::win::Thin;
using testing_support::Canvas;
using testing_support::SamePixels;

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

struct Fill {
    int32_t x, y, w, h;
};

// The frame's fills for a client area of W by H, from the table of corner pieces.
std::vector<Fill> FrameFills(int32_t topStyle, int32_t bottomStyle, int32_t W, int32_t H)
{
    std::vector<Fill> fills;
    const bool slight = topStyle == 1 || bottomStyle == 1;
    const bool round = topStyle == 2 || bottomStyle == 2;
    if (!(topStyle == 0 && bottomStyle == 0) && !slight && !round)
        return fills;
    fills = {{0, 0, W, 1}, {W - 1, 0, 1, H}, {0, H - 1, W, 1}, {0, 0, 1, H - 1}};
    if (slight) {
        if (topStyle == 1)
            fills.insert(fills.end(), {{0, 1, 2, 1}, {W - 2, 1, 2, 1}});
        if (bottomStyle == 1)
            fills.insert(fills.end(), {{0, H - 2, 2, 1}, {W - 2, H - 2, 2, 1}});
    } else if (round) {
        if (topStyle == 2)
            fills.insert(fills.end(), {{0, 1, 5, 1}, {0, 2, 3, 1}, {0, 3, 2, 1}, {0, 4, 2, 1}, {0, 5, 1, 1},
                                       {W - 5, 1, 5, 1}, {W - 3, 2, 3, 1}, {W - 2, 3, 2, 1}, {W - 2, 4, 2, 1},
                                       {W - 1, 5, 1, 1}});
        if (bottomStyle == 2)
            fills.insert(fills.end(), {{0, H - 6, 1, 1}, {0, H - 5, 2, 1}, {0, H - 4, 2, 1}, {0, H - 3, 3, 1},
                                       {0, H - 2, 5, 1}, {W - 1, H - 6, 1, 1}, {W - 2, H - 5, 2, 1},
                                       {W - 3, H - 4, 2, 1}, {W - 4, H - 3, 3, 1}, {W - 5, H - 2, 5, 1}});
    }
    return fills;
}

TEST(WindowDrawerCorners, FramesEveryStylePairWithItsCornerPieces)
{
    const int32_t W = 30;
    const int32_t H = 20;
    const COLORREF fg = RGB(200, 100, 50);
    const COLORREF bg = RGB(10, 20, 30);
    Thin* drawer = Thin::New();
    drawer->SetForegroundColor(200, 100, 50);
    drawer->SetBackgroundColor(10, 20, 30);
    for (int32_t topStyle = 0; topStyle <= 3; ++topStyle) {
        for (int32_t bottomStyle = 0; bottomStyle <= 3; ++bottomStyle) {
            drawer->SetTopCornerStyle(topStyle);
            drawer->SetBottomCornerStyle(bottomStyle);
            Canvas actual(W, H);
            Canvas expected(W, H);
            drawer->DrawFrame(&actual.dc, 0, 0, W, H);
            expected.dc.FillSolidRect(0, 0, W, H, bg);
            for (const Fill& f : FrameFills(topStyle, bottomStyle, W, H))
                expected.dc.FillSolidRect(f.x, f.y, f.w, f.h, fg);
            EXPECT_TRUE(SamePixels(actual, expected)) << "styles " << topStyle << "," << bottomStyle;
        }
    }
    // Styles the region does not know: no frame lines, only the background.
    drawer->SetTopCornerStyle(3);
    drawer->SetBottomCornerStyle(0);
    Canvas unknown(W, H);
    drawer->DrawFrame(&unknown.dc, 0, 0, W, H);
    EXPECT_EQ(bg, unknown.At(0, 0));
    EXPECT_EQ(bg, unknown.At(W - 1, H - 1));
    drawer->ReleaseToPool();
}

TEST(WindowDrawerCorners, RegionsRoundOrSquareEachSideAtItsCorners)
{
    // Window (0, 0) to (99, 49) inclusive. Points: the four corner pixels, a pixel one in
    // diagonally from each, and points well inside every corner.
    struct Case {
        int32_t topStyle, bottomStyle;
        bool topRound, bottomRound;
        bool deepTop, deepBottom;
    } cases[] = {
        {0, 0, false, false, false, false}, {1, 0, true, false, false, false}, {0, 1, false, true, false, false},
        {1, 1, true, true, false, false},   {2, 0, true, false, true, false},  {0, 2, false, true, false, true},
        {2, 2, true, true, true, true},     {1, 2, true, false, false, false}, {2, 1, false, true, false, false},
        {3, 2, false, true, false, true},   {2, 3, true, false, true, false},
    };
    Thin* drawer = Thin::New();
    for (const Case& c : cases) {
        drawer->SetTopCornerStyle(c.topStyle);
        drawer->SetBottomCornerStyle(c.bottomStyle);
        HRGN region = drawer->CreateRegion(0, 0, 99, 49);
        ASSERT_NE(nullptr, region) << c.topStyle << "," << c.bottomStyle;
        auto in = [region](int32_t x, int32_t y) { return PtInRegion(region, x, y) != 0; };
        const std::string styles = std::to_string(c.topStyle) + "," + std::to_string(c.bottomStyle);
        EXPECT_EQ(!c.topRound, in(0, 0)) << styles;
        EXPECT_EQ(!c.topRound, in(99, 0)) << styles;
        EXPECT_EQ(!c.bottomRound, in(0, 49)) << styles;
        EXPECT_EQ(!c.bottomRound, in(99, 49)) << styles;
        // The rounded 11-by-11 corners cut the diagonal pixel one in as well.
        EXPECT_EQ(!c.deepTop, in(1, 1)) << styles;
        EXPECT_EQ(!c.deepTop, in(98, 1)) << styles;
        EXPECT_EQ(!c.deepBottom, in(1, 48)) << styles;
        EXPECT_EQ(!c.deepBottom, in(98, 48)) << styles;
        for (const POINT& p : {POINT{5, 5}, POINT{94, 5}, POINT{5, 44}, POINT{94, 44}, POINT{50, 0}, POINT{0, 25},
                               POINT{99, 25}, POINT{50, 49}})
            EXPECT_TRUE(in(p.x, p.y)) << styles << " at " << p.x << "," << p.y;
        EXPECT_FALSE(in(100, 25)) << styles;
        EXPECT_FALSE(in(50, 50)) << styles;
        DeleteObject(region);
    }
    drawer->ReleaseToPool();
}

TEST(WindowDrawerCorners, UnknownStylePairsGiveNoRegion)
{
    Thin* drawer = Thin::New();
    for (const POINT& styles : {POINT{3, 0}, POINT{0, 3}, POINT{3, 3}, POINT{-1, 0}, POINT{7, 9}}) {
        drawer->SetTopCornerStyle(styles.x);
        drawer->SetBottomCornerStyle(styles.y);
        EXPECT_EQ(nullptr, drawer->CreateRegion(0, 0, 99, 49)) << styles.x << "," << styles.y;
    }
    drawer->SetTopCornerStyle(0);
    drawer->SetBottomCornerStyle(0);
    EXPECT_EQ(nullptr, drawer->CreateRegion(10, 0, 5, 49)) << "inverted";
    drawer->ReleaseToPool();
}

} // namespace
