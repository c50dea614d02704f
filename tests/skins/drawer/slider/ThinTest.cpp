#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "skins/drawer/Canvas.h"
#include "skins/drawer/SamePixels.h"
#include "skins/drawer/border/Thin.h"
#include "skins/drawer/slider/Thin.h"
#include "windowing/paint/ColorSpace.h"

using s::gui::drawer::slider::win::Thin;
using testing_support::Canvas;
using testing_support::SamePixels;

namespace {

TEST(SliderDrawer, ComesFromItsPoolWithItsResetValuesWhateverItHadBefore)
{
    Thin* slider = Thin::New();
    slider->SetBarColor(1, 2, 3);
    slider->SetForegroundColor(4, 5, 6);
    slider->SetDisabledColor(7, 8, 9);
    slider->GetFrameBorder()->SetShaded(1);
    slider->GetThumbBorder()->SetShaded(0);
    slider->ReleaseToPool();

    Thin* again = Thin::New();
    EXPECT_EQ(1, again->GetStyle());
    EXPECT_EQ(RGB(176, 176, 176), again->GetBarColor());
    EXPECT_EQ(RGB(120, 120, 120), again->GetForegroundColor());
    EXPECT_EQ(RGB(120, 120, 120), again->GetDisabledColor());
    ASSERT_NE(nullptr, again->GetFrameBorder());
    ASSERT_NE(nullptr, again->GetThumbBorder());
    EXPECT_EQ(0, again->GetFrameBorder()->IsShaded());
    EXPECT_EQ(1, again->GetThumbBorder()->IsShaded());
    EXPECT_STREQ(L"s_gui_drawer_slider_win_Thin", again->GetClassName());
    again->ReleaseToPool();
}

TEST(SliderDrawer, ColoursKeepTheLowByteOfEachComponent)
{
    Thin* slider = Thin::New();
    slider->SetBarColor(300, 20, 10);
    EXPECT_EQ(44, slider->GetBarRed());
    EXPECT_EQ(20, slider->GetBarGreen());
    EXPECT_EQ(10, slider->GetBarBlue());
    slider->SetForegroundColor(-1, 256, 511);
    EXPECT_EQ(RGB(255, 0, 255), slider->GetForegroundColor());
    slider->SetDisabledColor(1, 2, 3);
    EXPECT_EQ(RGB(1, 2, 3), slider->GetDisabledColor());
    slider->ReleaseToPool();
}

const int32_t kI = 110;
const int32_t kH = 20;
const COLORREF kFg = RGB(200, 100, 40);
const COLORREF kBar = RGB(30, 160, 90);
const COLORREF kOff = RGB(70, 70, 70);

// A slider drawer in distinct colours, with plain and shaded border drawers that say what its
// frame and thumbs should look like.
class SliderPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        slider = Thin::New();
        slider->SetForegroundColor(GetRValue(kFg), GetGValue(kFg), GetBValue(kFg));
        slider->SetBarColor(GetRValue(kBar), GetGValue(kBar), GetBValue(kBar));
        slider->SetDisabledColor(GetRValue(kOff), GetGValue(kOff), GetBValue(kOff));
        frame = s::gui::drawer::border::win::Thin::New();
        frame->SetShaded(0);
        thumb = s::gui::drawer::border::win::Thin::New();
    }
    void TearDown() override
    {
        thumb->ReleaseToPool();
        frame->ReleaseToPool();
        slider->ReleaseToPool();
    }
    void Frame(Canvas* c, int32_t variant, COLORREF color)
    {
        frame->Draw(&c->dc, 0, 0, kI, kH, 2, variant, GetRValue(color), GetGValue(color), GetBValue(color));
    }
    void Thumb(Canvas* c, int32_t x, int32_t variant, COLORREF color)
    {
        thumb->Draw(&c->dc, x, 0, x + 10, kH, 0, variant, GetRValue(color), GetGValue(color), GetBValue(color));
    }

    Thin* slider = nullptr;
    s::gui::drawer::border::win::Thin* frame = nullptr;
    s::gui::drawer::border::win::Thin* thumb = nullptr;
};

TEST_F(SliderPaint, DrawsTheSunkenFrameAndARaisedThumbAtItsPosition)
{
    Canvas actual(kI, kH);
    Canvas expected(kI, kH);
    slider->Draw(&actual.dc, 0, 0, kI, kH, 0, 100, 50, false, 0, true, false, 0, 0, 0, 0);
    Frame(&expected, 1, kFg);
    Thumb(&expected, 50, 1, kFg);
    EXPECT_TRUE(SamePixels(actual, expected));
}

TEST_F(SliderPaint, ThumbsAndTheReferenceCountFromTheMinimum)
{
    struct Case {
        int32_t minimum, maximum, position, thumbX;
    } cases[] = {
        {50, 150, 100, 50},
        {-100, 100, 0, 50},
        // Full 32-bit ranges neither overflow nor divide by an empty span.
        {-2000000000, 2000000000, 0, 50},
        {5, 5, 5, 0},
        {10, 0, 7, 0},
        // Positions outside the range stand at its ends.
        {0, 100, 250, 100},
        {0, 100, -30, 0},
    };
    for (const Case& c : cases) {
        Canvas actual(kI, kH);
        Canvas expected(kI, kH);
        slider->Draw(&actual.dc, 0, 0, kI, kH, c.minimum, c.maximum, c.position, false, 0, true, false, 0, 0, 0, 0);
        Frame(&expected, 1, kFg);
        Thumb(&expected, c.thumbX, 1, kFg);
        EXPECT_TRUE(SamePixels(actual, expected)) << c.minimum << ".." << c.maximum << " at " << c.position;
    }
}

TEST_F(SliderPaint, ReferenceBarsAndRangeBandsPerStyle)
{
    struct Fill {
        int32_t x, y, w, h;
    };
    struct Case {
        int32_t style;
        int32_t reference;
        bool rangeMode;
        std::vector<Fill> fills;
    } cases[] = {
        // Position 50: the thumb covers x 50 to 59.
        {1, 0, false, {{1, 1, 49, kH - 2}}},
        {1, 20, false, {{22, 1, 28, kH - 2}}},
        {1, 80, false, {{60, 1, 29, kH - 2}}},
        {1, 50, false, {}},
        {2, 0, false, {{2, 1, 49, 1}, {1, 2, 49, kH - 4}, {2, kH - 2, 49, 1}}},
        {2, 20, false, {{22, 2, 28, kH - 4}, {22, 1, 28, 1}, {22, kH - 2, 28, 1}}},
        {2, 80, false, {{60, 2, 29, kH - 4}, {60, 1, 29, 1}, {60, kH - 2, 29, 1}}},
        // Range mode: the band between the thumbs at 50 and 80 (second position 80 of 100).
        {1, 0, true, {{60, 1, 20, kH - 2}}},
        {2, 0, true, {{60, 1, 20, kH - 2}}},
    };
    for (const Case& c : cases) {
        slider->SetStyle(c.style);
        Canvas actual(kI, kH);
        Canvas expected(kI, kH);
        slider->Draw(&actual.dc, 0, 0, kI, kH, 0, 100, 50, true, c.reference, true, c.rangeMode, 80, 0, 0, 0);
        Frame(&expected, c.style, kFg);
        for (const Fill& f : c.fills)
            expected.dc.FillSolidRect(f.x, f.y, f.w, f.h, kBar);
        Thumb(&expected, 50, c.style, kFg);
        if (c.rangeMode)
            Thumb(&expected, 80, c.style, kFg);
        EXPECT_TRUE(SamePixels(actual, expected)) << "style " << c.style << " reference " << c.reference;
    }
}

TEST_F(SliderPaint, DisabledSlidersUseTheDisabledColourForFrameBarAndThumbs)
{
    Canvas actual(kI, kH);
    Canvas expected(kI, kH);
    slider->Draw(&actual.dc, 0, 0, kI, kH, 0, 100, 30, true, 0, false, true, 70, 0, 0, 0);
    Frame(&expected, 1, kOff);
    expected.dc.FillSolidRect(40, 1, 30, kH - 2, kOff);
    Thumb(&expected, 30, 1, kOff);
    Thumb(&expected, 70, 1, kOff);
    EXPECT_TRUE(SamePixels(actual, expected));
}

TEST_F(SliderPaint, StyleZeroDrawsOnlyTheGradientWhichSkipsTheThumb)
{
    slider->SetStyle(0);
    Canvas actual(kI, kH);
    Canvas expected(kI, kH);
    slider->Draw(&actual.dc, 0, 0, kI, kH, 0, 100, 50, true, 20, true, false, 0, 1, 0x000000, 0xFFFFFF);
    for (int32_t x = 1; x < kI - 1; ++x) {
        if (x >= 50 && x < 60)
            continue;
        const int32_t grey = 255 * (x - 1) / (kI - 2);
        expected.dc.FillSolidRect(x, 1, 1, kH - 2, RGB(grey, grey, grey));
    }
    EXPECT_TRUE(SamePixels(actual, expected));
    EXPECT_EQ(RGB(0, 0, 0), actual.At(1, 5));
}

TEST_F(SliderPaint, GradientKindsVaryTheirOwnComponent)
{
    using s::gui::color::HslToRgb;
    using s::gui::color::HsvToRgb;
    const int32_t n = kI - 2;
    const int32_t a = 60;
    const int32_t b = 80;
    for (int32_t kind = 2; kind <= 7; ++kind) {
        slider->SetStyle(0);
        Canvas actual(kI, kH);
        slider->Draw(&actual.dc, 0, 0, kI, kH, 0, 100, 100, false, 0, true, false, 0, kind, a, b);
        for (int32_t x : {1, 30, 77}) {
            const int32_t d = x - 1;
            const bool hue = kind == 2 || kind == 5;
            const int32_t w = d * (hue ? 359 : 100) / n;
            const int32_t first = hue ? w : a;
            const int32_t second = hue ? a : (kind == 3 || kind == 6) ? w : b;
            const int32_t third = (kind == 4 || kind == 7) ? w : b;
            int32_t red = 0, green = 0, blue = 0;
            if (kind <= 4)
                HsvToRgb(first, second, third, &red, &green, &blue);
            else
                HslToRgb(first, second, third, &red, &green, &blue);
            EXPECT_EQ(RGB(red, green, blue), actual.At(x, 10)) << "kind " << kind << " column " << x;
        }
    }
}

TEST_F(SliderPaint, GradientComponentsOutOfRangeNeitherShowUnwrittenColoursNorSpill)
{
    slider->SetStyle(0);
    // A hue past the circle converts to nothing: those columns are black, not left over; only
    // the first two columns, at saturation 0, are grey.
    Canvas hue(kI, kH);
    slider->Draw(&hue.dc, 0, 0, kI, kH, 0, 100, 100, false, 0, true, false, 0, 3, 400, 100);
    EXPECT_EQ(RGB(255, 255, 255), hue.At(1, 5));
    EXPECT_EQ(RGB(255, 255, 255), hue.At(2, 5));
    for (int32_t x = 3; x < 100; ++x)
        EXPECT_EQ(RGB(0, 0, 0), hue.At(x, 5)) << x;

    // A lightness of 150 gives channels above 255: each stays white instead of carrying over.
    Canvas light(kI, kH);
    slider->Draw(&light.dc, 0, 0, kI, kH, 0, 100, 100, false, 0, true, false, 0, 5, 100, 150);
    for (int32_t x = 1; x < 100; ++x)
        EXPECT_EQ(RGB(255, 255, 255), light.At(x, 5)) << x;

    // The slider's defaults of -1 paint black, with nothing left unwritten; the lightness sweep
    // stays a grey ramp.
    for (int32_t kind = 2; kind <= 7; ++kind) {
        Canvas defaults(kI, kH);
        slider->Draw(&defaults.dc, 0, 0, kI, kH, 0, 100, 100, false, 0, true, false, 0, kind, -1, -1);
        for (int32_t x = 1; x < 100; ++x) {
            const COLORREF c = defaults.At(x, 5);
            if (kind < 7) {
                EXPECT_EQ(RGB(0, 0, 0), c) << "kind " << kind << " column " << x;
            } else {
                EXPECT_LE(std::abs(GetRValue(c) - GetBValue(c)), 3) << "column " << x;
                EXPECT_LE(std::abs(GetGValue(c) - GetBValue(c)), 3) << "column " << x;
            }
        }
    }
}

TEST_F(SliderPaint, EmptyRectanglesAndUnknownGradientsDrawNothingOfTheirOwn)
{
    Canvas actual(kI, kH);
    Canvas untouched(kI, kH);
    slider->Draw(&actual.dc, 0, 0, 0, kH, 0, 100, 50, true, 0, true, true, 60, 1, 0, 0xFFFFFF);
    slider->Draw(&actual.dc, 0, kH, kI, 0, 0, 100, 50, true, 0, true, true, 60, 1, 0, 0xFFFFFF);
    slider->Draw(nullptr, 0, 0, kI, kH, 0, 100, 50, true, 0, true, true, 60, 1, 0, 0xFFFFFF);
    slider->SetStyle(0);
    slider->Draw(&actual.dc, 0, 0, kI, kH, 0, 100, 50, true, 0, true, false, 0, 8, 0, 0xFFFFFF);
    slider->Draw(&actual.dc, 0, 0, kI, kH, 0, 100, 50, true, 0, true, false, 0, -1, 0, 0xFFFFFF);
    EXPECT_TRUE(SamePixels(actual, untouched));
}

} // namespace
