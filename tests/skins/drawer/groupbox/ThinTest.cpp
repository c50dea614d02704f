#include <gtest/gtest.h>

#include "skins/drawer/Canvas.h"
#include "skins/drawer/SamePixels.h"
#include "skins/drawer/groupbox/Thin.h"
#include "windowing/paint/Font.h"

using s::gui::drawer::groupbox::win::Thin;
using testing_support::Canvas;
using testing_support::SamePixels;

namespace {

const COLORREF kFrame = RGB(90, 200, 120);

TEST(GroupBoxDrawer, FramesTheBoxTwoPixelsThickOpenAroundTheCaption)
{
    Thin* drawer = Thin::New();
    drawer->SetFrameColor(GetRValue(kFrame), GetGValue(kFrame), GetBValue(kFrame));
    const int32_t R = 120;
    const int32_t B = 60;
    Canvas actual(R, B);
    Canvas expected(R, B);
    drawer->Draw(&actual.dc, 0, 0, R, B, nullptr, nullptr, 40, 14);
    struct Fill {
        int32_t x, y, w, h;
    };
    const Fill fills[] = {{2, 0, 5, 2},         {51, 0, R - 49 - 4, 2}, {2, B - 2, R - 4, 2}, {0, 2, 2, B - 4},
                          {R - 2, 2, 2, B - 4}, {1, 1, 2, 2},           {R - 3, 1, 2, 2},     {1, B - 3, 2, 2},
                          {R - 3, B - 3, 2, 2}, {1, 2, 1, 1},           {R - 2, 2, 1, 1},     {1, B - 3, 1, 1},
                          {R - 2, B - 3, 1, 1}};
    for (const Fill& f : fills)
        expected.dc.FillSolidRect(f.x, f.y, f.w, f.h, kFrame);
    EXPECT_TRUE(SamePixels(actual, expected));
    // The gap: x 7 to 50 of the top rows.
    EXPECT_EQ(kFrame, actual.At(6, 0));
    EXPECT_NE(kFrame, actual.At(7, 0));
    EXPECT_NE(kFrame, actual.At(50, 1));
    EXPECT_EQ(kFrame, actual.At(51, 1));
    drawer->ReleaseToPool();
}

TEST(GroupBoxDrawer, DrawsTheCaptionInTheFontsColourAndRestoresTheContext)
{
    Thin* drawer = Thin::New();
    s::gui::win::Font* font = s::gui::win::Font::New();
    font->SetColor(255, 255, 0);
    Canvas actual(120, 60, RGB(0, 0, 0));
    SetTextColor(actual.dc, RGB(1, 2, 3));
    SetBkMode(actual.dc, OPAQUE);
    const HGDIOBJ previousFont = GetCurrentObject(actual.dc, OBJ_FONT);
    drawer->Draw(&actual.dc, 0, 0, 120, 60, L"Colours", font, 60, 16);
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(actual.dc));
    EXPECT_EQ(OPAQUE, GetBkMode(actual.dc));
    EXPECT_EQ(previousFont, GetCurrentObject(actual.dc, OBJ_FONT));
    int32_t yellow = 0;
    for (int32_t y = 0; y < 16; ++y) {
        for (int32_t x = 0; x < 120; ++x) {
            if (actual.At(x, y) != RGB(255, 255, 0))
                continue;
            ++yellow;
            EXPECT_TRUE(x >= 9 && x < 69) << x << "," << y;
        }
    }
    EXPECT_GT(yellow, 10);
    font->ReleaseToPool();
    drawer->ReleaseToPool();
}

} // namespace
