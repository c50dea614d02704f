// The colour editor's conversions: the edge cases, the empty hues, and round trips.
#include <cstdlib>

#include <gtest/gtest.h>

#include "windowing/paint/ColorSpace.h"

namespace {

using s::gui::color::HslToRgb;
using s::gui::color::HsvToRgb;
using s::gui::color::RgbToHsl;

struct Triple {
    int32_t a, b, c;
};

TEST(ColorSpace, HsvToRgb)
{
    struct Case {
        Triple hsv;
        Triple rgb;
    };
    const Case cases[] = {
        {{0, 0, 50}, {127, 127, 127}},     // 12,750 / 100 = 127.5, truncated
        {{0, 100, 100}, {255, 0, 0}},
        {{120, 100, 100}, {0, 255, 0}},
        {{240, 100, 100}, {0, 0, 255}},
        {{60, 100, 100}, {255, 255, 0}},
        {{300, 100, 100}, {255, 0, 255}},
        {{359, 100, 100}, {255, 0, 5}},    // 255 - trunc(59 x 255 / 60)
        {{30, 50, 80}, {204, 153, 102}},   // V 204, m 102, t(30) = 51
        {{210, 100, 40}, {0, 51, 102}},
        {{400, 0, 100}, {255, 255, 255}},  // no saturation: grey whatever the hue
    };
    for (const Case& c : cases) {
        Triple rgb = {-1, -1, -1};
        HsvToRgb(c.hsv.a, c.hsv.b, c.hsv.c, &rgb.a, &rgb.b, &rgb.c);
        EXPECT_EQ(c.rgb.a, rgb.a) << c.hsv.a << "," << c.hsv.b << "," << c.hsv.c;
        EXPECT_EQ(c.rgb.b, rgb.b) << c.hsv.a << "," << c.hsv.b << "," << c.hsv.c;
        EXPECT_EQ(c.rgb.c, rgb.c) << c.hsv.a << "," << c.hsv.b << "," << c.hsv.c;
    }
}

TEST(ColorSpace, HsvHuesOffTheCircleWriteNothing)
{
    // A hue just below 0 would otherwise land in the first sextant with a channel below 0.
    const int32_t hues[] = {360, 361, 720, -1, -30, -59, -60, -1000};
    for (int32_t hue : hues) {
        Triple rgb = {-7, -8, -9};
        HsvToRgb(hue, 100, 100, &rgb.a, &rgb.b, &rgb.c);
        EXPECT_EQ(-7, rgb.a) << hue;
        EXPECT_EQ(-8, rgb.b) << hue;
        EXPECT_EQ(-9, rgb.c) << hue;
    }
}

TEST(ColorSpace, RgbToHsl)
{
    struct Case {
        Triple rgb;
        Triple hsl;
    };
    const Case cases[] = {
        {{255, 255, 255}, {0, 0, 100}},
        {{0, 0, 0}, {0, 0, 0}},
        {{255, 0, 0}, {0, 100, 50}},
        {{0, 255, 0}, {120, 100, 50}},
        {{0, 0, 255}, {240, 100, 50}},
        {{255, 0, 128}, {329, 100, 50}},   // red the maximum, blue above green: the negative fraction wraps
        {{128, 128, 128}, {0, 0, 50}},
        {{200, 100, 50}, {20, 60, 49}},    // lightness above one half
        {{10, 20, 30}, {210, 50, 7}},
    };
    for (const Case& c : cases) {
        Triple hsl = {-1, -1, -1};
        RgbToHsl(c.rgb.a, c.rgb.b, c.rgb.c, &hsl.a, &hsl.b, &hsl.c);
        EXPECT_EQ(c.hsl.a, hsl.a) << c.rgb.a << "," << c.rgb.b << "," << c.rgb.c;
        EXPECT_EQ(c.hsl.b, hsl.b) << c.rgb.a << "," << c.rgb.b << "," << c.rgb.c;
        EXPECT_EQ(c.hsl.c, hsl.c) << c.rgb.a << "," << c.rgb.b << "," << c.rgb.c;
    }
}

TEST(ColorSpace, HslToRgb)
{
    struct Case {
        Triple hsl;
        Triple rgb;
    };
    const Case cases[] = {
        {{0, 100, 50}, {255, 0, 0}},
        {{120, 100, 50}, {0, 255, 0}},
        {{240, 100, 50}, {0, 0, 255}},
        {{0, 0, 100}, {255, 255, 255}},
        {{77, 0, 50}, {127, 127, 127}},
        {{0, 0, 0}, {0, 0, 0}},
        {{60, 100, 25}, {127, 127, 0}},
        {{200, 50, 75}, {159, 201, 223}},
    };
    for (const Case& c : cases) {
        Triple rgb = {-1, -1, -1};
        HslToRgb(c.hsl.a, c.hsl.b, c.hsl.c, &rgb.a, &rgb.b, &rgb.c);
        EXPECT_EQ(c.rgb.a, rgb.a) << c.hsl.a << "," << c.hsl.b << "," << c.hsl.c;
        EXPECT_EQ(c.rgb.b, rgb.b) << c.hsl.a << "," << c.hsl.b << "," << c.hsl.c;
        EXPECT_EQ(c.rgb.c, rgb.c) << c.hsl.a << "," << c.hsl.b << "," << c.hsl.c;
    }
}

TEST(ColorSpace, RoundTripsStayWithinAFewUnits)
{
    // Hue to the whole degree, saturation and lightness to the whole percent: up to 10 units lost.
    const int kTolerance = 10;
    for (int32_t r = 0; r <= 255; r += 15) {
        for (int32_t g = 0; g <= 255; g += 17) {
            for (int32_t b = 0; b <= 255; b += 51) {
                int32_t h = 0, s = 0, l = 0;
                RgbToHsl(r, g, b, &h, &s, &l);
                ASSERT_GE(h, 0);
                ASSERT_LE(h, 359);
                int32_t r2 = -1, g2 = -1, b2 = -1;
                HslToRgb(h, s, l, &r2, &g2, &b2);
                ASSERT_LE(std::abs(r - r2), kTolerance) << r << "," << g << "," << b;
                ASSERT_LE(std::abs(g - g2), kTolerance) << r << "," << g << "," << b;
                ASSERT_LE(std::abs(b - b2), kTolerance) << r << "," << g << "," << b;
            }
        }
    }
}

} // namespace
