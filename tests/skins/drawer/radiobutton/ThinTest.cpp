#include <gtest/gtest.h>

#include <cstdlib>

#include "skins/drawer/Canvas.h"
#include "skins/drawer/radiobutton/Thin.h"
#include "skins/drawer/text/Basic.h"
#include "windowing/paint/Font.h"

using s::gui::drawer::radiobutton::win::Thin;
using testing_support::Canvas;

namespace {

const COLORREF kFrame = RGB(200, 40, 40);
const COLORREF kBackground = RGB(255, 255, 255);
const COLORREF kDot = RGB(53, 185, 56);

// Wine's HALFTONE shrink differs from Windows': the circle is compared within a tolerance.
bool Near(COLORREF a, COLORREF b, int32_t tolerance)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

TEST(RadioButtonDrawer, ShrinksItsLargeCircleBesideTheText)
{
    Thin* drawer = Thin::New();
    drawer->SetFrameColor(GetRValue(kFrame), GetGValue(kFrame), GetBValue(kFrame));
    EXPECT_EQ(kDot, drawer->GetDotColor());
    s::gui::win::Font* font = s::gui::win::Font::New();
    font->SetColor(10, 10, 10);
    s::gui::drawer::text::win::Basic* text = s::gui::drawer::text::win::Basic::New();
    Canvas scratch(60, 60);
    const HGDIOBJ pen = GetCurrentObject(scratch.dc, OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(scratch.dc, OBJ_BRUSH);
    for (bool checked : {false, true}) {
        Canvas actual(120, 18);
        Canvas expected(120, 18);
        const int mode = SetStretchBltMode(actual.dc, COLORONCOLOR);
        drawer->Draw(&actual.dc, &scratch.dc, 0, 0, 120, 18, checked, L"Celsius", font, kBackground);
        EXPECT_EQ(COLORONCOLOR, GetStretchBltMode(actual.dc));
        SetStretchBltMode(actual.dc, mode);
        EXPECT_EQ(pen, GetCurrentObject(scratch.dc, OBJ_PEN));
        EXPECT_EQ(brush, GetCurrentObject(scratch.dc, OBJ_BRUSH));

        // Height 18: the 13-pixel circle from y 3, the text from x 21.
        EXPECT_TRUE(Near(checked ? kDot : kBackground, actual.At(6, 9), 60)) << checked;
        EXPECT_TRUE(Near(kFrame, actual.At(0, 9), 90)) << checked;
        EXPECT_TRUE(Near(kFrame, actual.At(6, 3), 90)) << checked;
        EXPECT_TRUE(Near(kFrame, actual.At(4, 15), 90)) << checked;
        for (int32_t x = 0; x < 14; ++x) {
            EXPECT_EQ(RGB(0x20, 0x40, 0x60), actual.At(x, 2)) << x;
            EXPECT_EQ(RGB(0x20, 0x40, 0x60), actual.At(x, 16)) << x;
        }
        text->DrawText(&expected.dc, 21, 0, 120, 18, L"Celsius", font);
        for (int32_t y = 0; y < 18; ++y)
            for (int32_t x = 14; x < 120; ++x)
                ASSERT_EQ(expected.At(x, y), actual.At(x, y)) << x << "," << y;
    }
    Canvas empty(20, 20);
    drawer->Draw(&empty.dc, &scratch.dc, 0, 0, 20, 0, true, L"x", font, kBackground);
    drawer->Draw(&empty.dc, nullptr, 0, 0, 20, 20, true, nullptr, nullptr, kBackground);
    drawer->Draw(nullptr, &scratch.dc, 0, 0, 20, 20, true, L"x", font, kBackground);
    for (COLORREF pixel : empty.Pixels())
        EXPECT_EQ(RGB(0x20, 0x40, 0x60), pixel);
    text->ReleaseToPool();
    font->ReleaseToPool();
    drawer->ReleaseToPool();
}

} // namespace
