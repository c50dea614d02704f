#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

#include "skins/drawer/Canvas.h"
#include "skins/drawer/SamePixels.h"
#include "skins/drawer/button/Thin.h"

using s::gui::drawer::button::win::Thin;
using testing_support::Canvas;
using testing_support::SamePixels;

namespace {

const COLORREF kInk = RGB(200, 30, 90);

struct Box {
    int32_t x, y, w, h;
};

struct GlyphCase {
    const wchar_t* name;
    RECT rect;
    std::vector<Box> fills;
};

std::vector<Box> Dots(std::initializer_list<POINT> points)
{
    std::vector<Box> boxes;
    for (const POINT& p : points)
        boxes.push_back({p.x, p.y, 2, 2});
    return boxes;
}

std::vector<Box> PlayColumns()
{
    std::vector<Box> boxes;
    for (int32_t k = 0; k < 7; ++k)
        boxes.push_back({1 + 2 * k, 1 + k, 2, 14 - 2 * k});
    return boxes;
}

std::vector<Box> RightDots()
{
    std::vector<Box> boxes;
    for (int32_t k = 0; k < 7; ++k) {
        boxes.push_back({5 + k, 1 + k, 2, 2});
        boxes.push_back({5 + k, 13 - k, 2, 2});
    }
    return boxes;
}

// Square, odd and offset rectangles; the expected rectangles are worked out by hand from the
// glyphs' terms.
const std::vector<GlyphCase>& Cases()
{
    static const std::vector<GlyphCase> cases = {
        {L"#_", {0, 0, 16, 16}, {{1, 12, 14, 2}}},
        {L"#.", {0, 0, 16, 16}, {{13, 12, 2, 2}}},
        {L"#Stop", {0, 0, 16, 16}, {{1, 1, 14, 14}}},
        {L"#Stop", {0, 0, 15, 12}, {{2, 1, 11, 10}}},
        {L"#Pause", {0, 0, 16, 16}, {{1, 1, 5, 14}, {10, 1, 5, 14}}},
        {L"#Plus", {0, 0, 16, 16}, {{1, 7, 14, 2}, {7, 1, 2, 14}}},
        {L"#PlusMinus", {0, 0, 16, 16}, {{1, 13, 14, 2}, {1, 5, 14, 2}, {7, 1, 2, 9}}},
        {L"#Minus", {0, 0, 17, 11}, {{4, 5, 9, 1}}},
        {L"#Resizer", {0, 0, 16, 16}, Dots({{16, 8}, {16, 12}, {12, 12}, {16, 16}, {12, 16}, {8, 16}})},
        {L"#Play", {0, 0, 16, 16}, PlayColumns()},
        {L"#TreeClosed", {0, 0, 16, 16}, PlayColumns()},
        {L"#Right", {0, 0, 16, 16}, RightDots()},
        {L"#Speaker",
         {0, 0, 16, 16},
         {{4, 6, 2, 5}, {6, 5, 1, 7}, {7, 4, 1, 9}, {11, 4, 1, 1}, {10, 5, 1, 1}, {9, 6, 1, 1}, {9, 8, 3, 1},
          {9, 10, 1, 1}, {10, 11, 1, 1}, {11, 12, 1, 1}}},
        {L"#Mute", {3, 5, 30, 20}, {{12, 10, 2, 5}, {14, 9, 1, 7}, {15, 8, 1, 9}, {18, 8, 2, 9}}},
        {L"#Check",
         {0, 0, 13, 13},
         {{3, 5, 1, 3}, {4, 6, 1, 3}, {5, 7, 1, 3}, {6, 6, 1, 3}, {7, 5, 1, 3}, {8, 4, 1, 3}, {9, 3, 1, 3}}},
        {L"#Check",
         {0, 0, 14, 14},
         {{3, 5, 1, 3}, {4, 6, 1, 3}, {5, 7, 1, 3}, {6, 6, 1, 3}, {7, 5, 1, 3}, {8, 4, 1, 3}, {9, 3, 1, 3}}},
        // The caption rectangle of a 15-pixel scroll-bar arrow.
        {L"#Up", {2, 2, 13, 13}, Dots({{3, 8}, {10, 8}, {4, 7}, {9, 7}, {5, 6}, {8, 6}, {6, 5}, {7, 5}})},
        {L"#Down", {2, 2, 13, 13}, Dots({{3, 5}, {10, 5}, {4, 6}, {9, 6}, {5, 7}, {8, 7}, {6, 8}, {7, 8}})},
        {L"#Left", {2, 2, 13, 13}, Dots({{8, 3}, {8, 10}, {7, 4}, {7, 9}, {6, 5}, {6, 8}, {5, 6}, {5, 7}})},
        {L"#ThumbLineH", {0, 0, 15, 40}, {{1, 18, 13, 1}, {1, 20, 13, 1}}},
        {L"#ThumbLineV", {0, 0, 40, 15}, {{18, 1, 1, 13}, {20, 1, 1, 13}}},
        {L"#TreeOpen", {0, 0, 12, 12}, {{1, 1, 10, 2}, {2, 3, 8, 2}, {3, 5, 6, 2}, {4, 7, 4, 2}, {5, 9, 2, 2}}},
        {L"#Color-00ff0000", {0, 0, 16, 16}, {{1, 1, 14, 14}, {2, 2, 12, 12}}},
    };
    return cases;
}

TEST(ButtonGlyphs, FillTheRectanglesOfTheirShapesAndNothingElse)
{
    Thin* drawer = Thin::New();
    for (const GlyphCase& c : Cases()) {
        Canvas actual(40, 40);
        Canvas expected(40, 40);
        EXPECT_TRUE(drawer->DrawGlyph(&actual.dc, c.rect.left, c.rect.top, c.rect.right, c.rect.bottom, c.name,
                                      GetRValue(kInk), GetGValue(kInk), GetBValue(kInk)));
        const bool swatch = wcsncmp(c.name, L"#Color-", 7) == 0;
        for (size_t i = 0; i < c.fills.size(); ++i) {
            // A swatch is a black frame with the colour inside.
            const COLORREF color = !swatch ? kInk : i == 0 ? RGB(0, 0, 0) : RGB(0, 0, 255);
            expected.dc.FillSolidRect(c.fills[i].x, c.fills[i].y, c.fills[i].w, c.fills[i].h, color);
        }
        EXPECT_TRUE(SamePixels(actual, expected))
            << "glyph " << static_cast<int>(c.name[1]) << " at (" << c.rect.left << "," << c.rect.top << ","
            << c.rect.right << "," << c.rect.bottom << ")";
    }
    drawer->ReleaseToPool();
}

TEST(ButtonGlyphs, EveryNamedGlyphStaysNearItsRectangle)
{
    // Shapes reach at most the size grip's dots beyond the corner; none spills elsewhere or
    // draws nothing at a usual button size.
    const wchar_t* const names[] = {
        L"#_",      L"#.",     L"#Transform", L"#X",        L"#\x25A1",    L"#\x2199",   L"#Play",      L"#TreeClosed",
        L"#Pause",  L"#Stop",  L"#Speaker",   L"#Mute",     L"#Right",     L"#RightRight", L"#Left",    L"#LeftLeft",
        L"#Down",   L"#Up",    L"#ThumbLineV", L"#ThumbLineH", L"#Minus",  L"#Plus",      L"#PlusMinus", L"#Check",
        L"#Next",   L"#Prev",  L"#Resizer",   L"#TreeOpen", L"#TurnRight", L"#TurnLeft",  L"#OnTop",    L"#FitWindow",
        L"#FitToWindow", L"#Palm", L"#KeepRatio"};
    Thin* drawer = Thin::New();
    for (const wchar_t* name : names) {
        for (const RECT& r : {RECT{10, 10, 30, 30}, RECT{10, 10, 27, 24}}) {
            Canvas canvas(60, 60);
            ASSERT_TRUE(drawer->DrawGlyph(&canvas.dc, r.left, r.top, r.right, r.bottom, name, 255, 255, 0));
            int32_t inked = 0;
            for (int32_t y = 0; y < 60; ++y) {
                for (int32_t x = 0; x < 60; ++x) {
                    if (canvas.At(x, y) != RGB(255, 255, 0))
                        continue;
                    ++inked;
                    EXPECT_TRUE(x >= r.left - 3 && x <= r.right + 1 && y >= r.top && y <= r.bottom + 1)
                        << static_cast<int>(name[1]) << " at " << x << "," << y;
                }
            }
            EXPECT_GT(inked, 0) << static_cast<int>(name[1]) << static_cast<int>(name[2]);
        }
    }
    drawer->ReleaseToPool();
}

TEST(ButtonGlyphs, TextsThatNameNoGlyphDrawNothingAndAnswerFalse)
{
    const wchar_t* const texts[] = {L"",          L"Play",       L"#play",      L"#PLAY",         L"#Nothing",
                                    L"#Color-",   L"#Color-g1",  L"#Color-12 ", L"#Color-+1",     L"#color-ff",
                                    L"# Stop",    L"#Stop ",     L"#"};
    Thin* drawer = Thin::New();
    for (const wchar_t* text : texts) {
        Canvas canvas(20, 20);
        Canvas untouched(20, 20);
        EXPECT_FALSE(drawer->DrawGlyph(&canvas.dc, 0, 0, 20, 20, text, 255, 0, 0)) << "text length " << wcslen(text);
        EXPECT_TRUE(SamePixels(canvas, untouched));
    }
    Canvas canvas(20, 20);
    EXPECT_FALSE(drawer->DrawGlyph(&canvas.dc, 0, 0, 20, 20, nullptr, 255, 0, 0));
    drawer->ReleaseToPool();
}

TEST(ButtonGlyphs, SwatchesReadTheirFirstEightDigitsInEitherCase)
{
    struct Case {
        const wchar_t* text;
        COLORREF inside;
    } cases[] = {
        {L"#Color-00ff0000", RGB(0, 0, 255)},
        {L"#Color-000000FF", RGB(255, 0, 0)},
        {L"#Color-ab", RGB(0xab, 0, 0)},
        // The top byte and any digits beyond eight are not part of the colour.
        {L"#Color-ff00ff00", RGB(0, 255, 0)},
        {L"#Color-0000ff00ff", RGB(0, 255, 0)},
    };
    Thin* drawer = Thin::New();
    for (const Case& c : cases) {
        Canvas canvas(10, 10);
        EXPECT_TRUE(drawer->DrawGlyph(&canvas.dc, 0, 0, 10, 10, c.text, 9, 9, 9));
        EXPECT_EQ(RGB(0, 0, 0), canvas.At(1, 1));
        EXPECT_EQ(c.inside, canvas.At(5, 5));
        EXPECT_EQ(RGB(0x20, 0x40, 0x60), canvas.At(0, 0));
    }
    drawer->ReleaseToPool();
}

TEST(ButtonGlyphs, NamedGlyphsInEmptyOrHugeRectanglesAreRecognisedButNotDrawn)
{
    Thin* drawer = Thin::New();
    Canvas canvas(20, 20);
    Canvas untouched(20, 20);
    EXPECT_TRUE(drawer->DrawGlyph(&canvas.dc, 5, 5, 5, 15, L"#Stop", 1, 2, 3));
    EXPECT_TRUE(drawer->DrawGlyph(&canvas.dc, 15, 15, 5, 5, L"#X", 1, 2, 3));
    EXPECT_TRUE(drawer->DrawGlyph(&canvas.dc, 0, 0, 2, 2, L"#Play", 1, 2, 3));
    EXPECT_TRUE(drawer->DrawGlyph(&canvas.dc, -2000000000, -2000000000, 2000000000, 2000000000, L"#Play", 1, 2, 3));
    EXPECT_TRUE(drawer->DrawGlyph(nullptr, 0, 0, 10, 10, L"#Check", 1, 2, 3));
    EXPECT_TRUE(SamePixels(canvas, untouched));
    drawer->ReleaseToPool();
}

} // namespace
