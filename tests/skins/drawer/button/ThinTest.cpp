#include <gtest/gtest.h>

#include "skins/drawer/Canvas.h"
#include "skins/drawer/SamePixels.h"
#include "skins/drawer/border/Thin.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/text/Basic.h"
#include "windowing/paint/Font.h"

using s::gui::drawer::button::win::Thin;
using testing_support::Canvas;
using testing_support::SamePixels;

namespace {

const int32_t kW = 40;
const int32_t kH = 24;
const COLORREF kForeground = RGB(200, 100, 40);
const COLORREF kDisabled = RGB(90, 90, 90);
const COLORREF kDown = RGB(40, 180, 220);
const COLORREF kDownBackground = RGB(10, 60, 10);

// A button drawer in distinct colours, and the reference drawers that say what it should paint.
class ButtonDrawer : public ::testing::Test {
protected:
    void SetUp() override
    {
        button = Thin::New();
        button->SetForegroundColor(GetRValue(kForeground), GetGValue(kForeground), GetBValue(kForeground));
        button->SetDisabledColor(GetRValue(kDisabled), GetGValue(kDisabled), GetBValue(kDisabled));
        button->SetDownColor(GetRValue(kDown), GetGValue(kDown), GetBValue(kDown));
        button->SetDownBackgroundColor(GetRValue(kDownBackground), GetGValue(kDownBackground),
                                       GetBValue(kDownBackground));
        border = s::gui::drawer::border::win::Thin::New();
        glyphs = Thin::New();
        text = s::gui::drawer::text::win::Basic::New();
        text->SetCenteredSingleLine(1);
        font = s::gui::win::Font::New();
        font->SetColor(250, 250, 250);
    }
    void TearDown() override
    {
        font->ReleaseToPool();
        text->ReleaseToPool();
        glyphs->ReleaseToPool();
        border->ReleaseToPool();
        button->ReleaseToPool();
    }
    void Frame(Canvas* c, int32_t top, int32_t type, COLORREF color)
    {
        border->Draw(&c->dc, 0, top, kW, kH, type, 1, GetRValue(color), GetGValue(color), GetBValue(color));
    }
    void Glyph(Canvas* c, const RECT& r, const wchar_t* name, COLORREF color)
    {
        glyphs->DrawGlyph(&c->dc, r.left, r.top, r.right, r.bottom, name, GetRValue(color), GetGValue(color),
                          GetBValue(color));
    }

    Thin* button = nullptr;
    s::gui::drawer::border::win::Thin* border = nullptr;
    Thin* glyphs = nullptr;
    s::gui::drawer::text::win::Basic* text = nullptr;
    s::gui::win::Font* font = nullptr;
};

TEST_F(ButtonDrawer, FramedFacesTakeTheirFrameTypeFromTheStateAndDownSwapsHotAndPressed)
{
    struct Case {
        int32_t state;
        bool down;
        bool enabled;
        int32_t type;
        COLORREF color;
    } cases[] = {
        {0, false, true, 1, kForeground}, {1, false, true, 0, kForeground}, {2, false, true, 2, kForeground},
        {0, true, true, 1, kDown},        {1, true, true, 2, kDown},        {2, true, true, 0, kDown},
        {1, false, false, 0, kDisabled},  {2, true, false, 0, kDisabled},
        // States the table does not know are the normal one.
        {7, false, true, 1, kForeground}, {-1, false, true, 1, kForeground},
    };
    for (const Case& c : cases) {
        Canvas actual(kW, kH);
        Canvas expected(kW, kH);
        button->Draw(&actual.dc, 0, 0, kW, kH, c.state, nullptr, true, nullptr, c.enabled, c.down, false);
        if (c.down)
            expected.dc.FillSolidRect(1, 1, kW - 2, kH - 2, kDownBackground);
        Frame(&expected, 0, c.type, c.color);
        EXPECT_TRUE(SamePixels(actual, expected)) << "state " << c.state << " down " << c.down;
    }
}

TEST_F(ButtonDrawer, ABorderStyleOutsideTheVariantsDrawsNeitherFillNorFrame)
{
    button->SetBorderStyle(3);
    Canvas actual(kW, kH);
    Canvas untouched(kW, kH);
    button->Draw(&actual.dc, 0, 0, kW, kH, 2, nullptr, true, nullptr, true, true, false);
    EXPECT_TRUE(SamePixels(actual, untouched));
}

TEST_F(ButtonDrawer, FlatButtonsFrameOnlyWhileDownOrHot)
{
    struct Case {
        bool down;
        bool hot;
    } cases[] = {{true, false}, {true, true}, {false, true}, {false, false}};
    for (const Case& c : cases) {
        Canvas actual(kW, kH);
        Canvas expected(kW, kH);
        button->Draw(&actual.dc, 0, 0, kW, kH, 0, nullptr, false, nullptr, true, c.down, c.hot);
        if (c.down) {
            const int32_t top = c.hot ? 1 : 0;
            expected.dc.FillSolidRect(0, top, kW, kH - top, kDownBackground);
            Frame(&expected, top, 1, kDown);
        } else if (c.hot) {
            Frame(&expected, 0, 3, kForeground);
        }
        EXPECT_TRUE(SamePixels(actual, expected)) << "down " << c.down << " hot " << c.hot;
    }
}

TEST_F(ButtonDrawer, TheCaptionMovesWithTheStateOnlyWithPushShift)
{
    struct Case {
        uint8_t shift;
        int32_t state;
        RECT caption;
    } cases[] = {
        {0, 0, {2, 2, kW - 2, kH - 2}}, {0, 1, {2, 2, kW - 2, kH - 2}}, {0, 2, {2, 2, kW - 2, kH - 2}},
        {1, 0, {2, 2, kW - 2, kH - 2}}, {1, 1, {1, 1, kW - 3, kH - 3}}, {1, 2, {3, 3, kW - 1, kH - 1}},
    };
    for (const Case& c : cases) {
        button->SetPushShift(c.shift);
        Canvas actual(kW, kH);
        Canvas expected(kW, kH);
        button->Draw(&actual.dc, 0, 0, kW, kH, c.state, L"#Stop", true, nullptr, true, false, false);
        Frame(&expected, 0, c.state == 0 ? 1 : c.state == 1 ? 0 : 2, kForeground);
        Glyph(&expected, c.caption, L"#Stop", kForeground);
        EXPECT_TRUE(SamePixels(actual, expected)) << "shift " << int(c.shift) << " state " << c.state;
    }
}

TEST_F(ButtonDrawer, AFlatButtonAtRestGivesItsTextOneMorePixelOnEverySide)
{
    for (bool framed : {true, false}) {
        Canvas actual(kW, kH, RGB(0, 0, 0));
        Canvas expected(kW, kH, RGB(0, 0, 0));
        button->Draw(&actual.dc, 0, 0, kW, kH, 0, L"Wide caption text", framed, font, true, false, false);
        if (framed) {
            Frame(&expected, 0, 1, kForeground);
            text->DrawText(&expected.dc, 2, 2, kW - 2, kH - 2, L"Wide caption text", font);
        } else {
            text->DrawText(&expected.dc, 1, 1, kW - 1, kH - 1, L"Wide caption text", font);
        }
        EXPECT_TRUE(SamePixels(actual, expected)) << "framed " << framed;
    }
}

TEST_F(ButtonDrawer, ADownGlyphTakesTheFontColourAndWithoutAFontNeitherGlyphNorTextIsDrawn)
{
    Canvas actual(kW, kH);
    Canvas expected(kW, kH);
    button->Draw(&actual.dc, 0, 0, kW, kH, 0, L"#Stop", true, font, true, true, false);
    expected.dc.FillSolidRect(1, 1, kW - 2, kH - 2, kDownBackground);
    Frame(&expected, 0, 1, kDown);
    Glyph(&expected, {2, 2, kW - 2, kH - 2}, L"#Stop", font->GetColor());
    EXPECT_TRUE(SamePixels(actual, expected));

    for (const wchar_t* caption : {L"#Stop", L"Text"}) {
        Canvas withoutFont(kW, kH);
        Canvas faceOnly(kW, kH);
        button->Draw(&withoutFont.dc, 0, 0, kW, kH, 1, caption, true, nullptr, true, true, false);
        faceOnly.dc.FillSolidRect(1, 1, kW - 2, kH - 2, kDownBackground);
        Frame(&faceOnly, 0, 2, kDown);
        EXPECT_TRUE(SamePixels(withoutFont, faceOnly));
    }
}

TEST_F(ButtonDrawer, NotDownAGlyphIsDrawnWithoutAFontButTextIsNot)
{
    Canvas actual(kW, kH);
    Canvas expected(kW, kH);
    button->Draw(&actual.dc, 0, 0, kW, kH, 0, L"#Stop", true, nullptr, false, false, false);
    Frame(&expected, 0, 1, kDisabled);
    Glyph(&expected, {2, 2, kW - 2, kH - 2}, L"#Stop", kDisabled);
    EXPECT_TRUE(SamePixels(actual, expected));

    Canvas text(kW, kH);
    Canvas frameOnly(kW, kH);
    button->Draw(&text.dc, 0, 0, kW, kH, 0, L"Text", true, nullptr, true, false, false);
    Frame(&frameOnly, 0, 1, kForeground);
    EXPECT_TRUE(SamePixels(text, frameOnly));
}

TEST_F(ButtonDrawer, EmptyOrInvertedRectanglesAndMissingContextsDrawNothing)
{
    Canvas actual(kW, kH);
    Canvas untouched(kW, kH);
    button->Draw(&actual.dc, 10, 0, 10, kH, 0, L"#Stop", true, font, true, true, true);
    button->Draw(&actual.dc, 0, 20, kW, 5, 0, L"#Stop", true, font, true, true, true);
    button->Draw(nullptr, 0, 0, kW, kH, 0, L"#Stop", true, font, true, true, true);
    EXPECT_TRUE(SamePixels(actual, untouched));
}

} // namespace
