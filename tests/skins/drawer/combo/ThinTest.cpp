#include <gtest/gtest.h>

#include "skins/drawer/Canvas.h"
#include "skins/drawer/SamePixels.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/combo/Thin.h"
#include "skins/drawer/text/Basic.h"
#include "windowing/paint/Font.h"

using s::gui::drawer::combo::win::Thin;
using testing_support::Canvas;
using testing_support::SamePixels;

namespace {

const COLORREF kFg = RGB(220, 120, 30);

TEST(ComboDrawer, FaceTextSeparatorAndArrowMoveWithTheState)
{
    Thin* drawer = Thin::New();
    drawer->SetForegroundColor(GetRValue(kFg), GetGValue(kFg), GetBValue(kFg));
    s::gui::win::Font* font = s::gui::win::Font::New();
    font->SetColor(250, 250, 250);
    s::gui::drawer::button::win::Thin* face = s::gui::drawer::button::win::Thin::New();
    face->SetForegroundColor(GetRValue(kFg), GetGValue(kFg), GetBValue(kFg));
    s::gui::drawer::text::win::Basic* text = s::gui::drawer::text::win::Basic::New();
    struct Case {
        int32_t state;
        int32_t x0, y0, y1, a;
    } cases[] = {
        {0, 4, 1, 19, 85}, {1, 3, 0, 18, 84}, {2, 5, 2, 20, 86}, {5, 4, 1, 19, 85},
    };
    for (const Case& c : cases) {
        for (const wchar_t* caption : {static_cast<const wchar_t*>(nullptr), L"English"}) {
            Canvas actual(100, 20);
            Canvas expected(100, 20);
            drawer->Draw(&actual.dc, 0, 0, 100, 20, c.state, caption, font, true);
            face->Draw(&expected.dc, 0, 0, 100, 20, c.state, nullptr, true, font, true, false, false);
            if (caption) {
                int32_t h = 0;
                text->GetTextSizeLimits(&expected.dc, caption, font, nullptr, &h, nullptr, nullptr);
                const int32_t d = (c.y1 - h - c.y0) / 2;
                text->DrawText(&expected.dc, c.x0, c.y0 + d, c.a, c.y0 + d + h, caption, font);
            }
            expected.dc.FillSolidRect(c.a + 1, c.y0 + 2, 1, c.y1 - c.y0 - 4, kFg);
            face->DrawGlyph(&expected.dc, c.a + 3, c.y0 + 2, c.a + 13, c.y1 - 2, L"#Down", GetRValue(kFg),
                            GetGValue(kFg), GetBValue(kFg));
            EXPECT_TRUE(SamePixels(actual, expected)) << "state " << c.state << " caption " << (caption != nullptr);
        }
    }
    // State 2 of a combo 100 wide: the separator at x 87.
    Canvas pressed(100, 20);
    drawer->Draw(&pressed.dc, 0, 0, 100, 20, 2, nullptr, nullptr, true);
    EXPECT_EQ(kFg, pressed.At(87, 4));
    EXPECT_EQ(kFg, pressed.At(87, 17));
    EXPECT_NE(kFg, pressed.At(87, 18));
    text->ReleaseToPool();
    face->ReleaseToPool();
    font->ReleaseToPool();
    drawer->ReleaseToPool();
}

} // namespace
