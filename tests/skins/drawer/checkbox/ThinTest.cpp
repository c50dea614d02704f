#include <gtest/gtest.h>

#include "skins/drawer/Canvas.h"
#include "skins/drawer/SamePixels.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/checkbox/Thin.h"
#include "skins/drawer/text/Basic.h"
#include "windowing/paint/Font.h"

using s::gui::drawer::checkbox::win::Thin;
using testing_support::Canvas;
using testing_support::SamePixels;

namespace {

const COLORREF kBox = RGB(30, 120, 200);

TEST(CheckBoxDrawer, PaintsAWhiteBoxInATwoPixelFrameWithTheTextBesideIt)
{
    Thin* drawer = Thin::New();
    drawer->SetBoxColor(GetRValue(kBox), GetGValue(kBox), GetBValue(kBox));
    s::gui::win::Font* font = s::gui::win::Font::New();
    font->SetColor(240, 240, 240);
    s::gui::drawer::text::win::Basic* text = s::gui::drawer::text::win::Basic::New();
    s::gui::drawer::button::win::Thin* glyphs = s::gui::drawer::button::win::Thin::New();
    for (bool checked : {false, true}) {
        for (int32_t size : {13, 16}) {
            Canvas actual(100, 20);
            Canvas expected(100, 20);
            drawer->Draw(&actual.dc, 0, 2, 100, 20, size, checked, L"Show graph", font);
            expected.dc.FillSolidRect(2, 4, size - 4, size - 4, RGB(255, 255, 255));
            expected.dc.FillSolidRect(0, 2, size, 2, kBox);
            expected.dc.FillSolidRect(size - 2, 2, 2, size, kBox);
            expected.dc.FillSolidRect(0, size, size, 2, kBox);
            expected.dc.FillSolidRect(0, 2, 2, size, kBox);
            if (checked)
                glyphs->DrawGlyph(&expected.dc, 2, 4, size - 2, size, L"#Check", 0, 0, 0);
            // Size 13 puts the text at 15, size 16 at 18.
            text->DrawText(&expected.dc, size + size / 6, 2, 100, 20, L"Show graph", font);
            EXPECT_TRUE(SamePixels(actual, expected)) << "checked " << checked << " size " << size;
        }
    }
    Canvas empty(100, 20);
    Canvas untouched(100, 20);
    drawer->Draw(&empty.dc, 0, 0, 0, 20, 13, true, L"x", font);
    drawer->Draw(&empty.dc, 0, 0, 100, 20, -5, true, nullptr, nullptr);
    drawer->Draw(nullptr, 0, 0, 100, 20, 13, true, L"x", font);
    EXPECT_TRUE(SamePixels(empty, untouched));
    glyphs->ReleaseToPool();
    text->ReleaseToPool();
    font->ReleaseToPool();
    drawer->ReleaseToPool();
}

TEST(CheckBoxDrawer, SizeLimitsMakeRoomForABoxAsHighAsTheText)
{
    Thin* drawer = Thin::New();
    s::gui::win::Font* font = s::gui::win::Font::New();
    s::gui::drawer::text::win::Basic* text = s::gui::drawer::text::win::Basic::New();
    Canvas canvas(10, 10);
    int32_t minW = 0, minH = 0, maxW = 0, maxH = 0;
    text->GetTextSizeLimits(&canvas.dc, L"Start with Windows", font, &minW, &minH, &maxW, &maxH);
    ASSERT_GT(minH, 0);
    int32_t w1 = -1, h1 = -1, w2 = -1, h2 = -1;
    drawer->GetSizeLimits(&canvas.dc, L"Start with Windows", font, &w1, &h1, &w2, &h2);
    EXPECT_EQ(minW + minH + minH / 6, w1);
    EXPECT_EQ(minH, h1);
    EXPECT_EQ(maxW + minH + minH / 6, w2);
    EXPECT_EQ(maxH, h2);
    drawer->GetSizeLimits(&canvas.dc, nullptr, font, &w1, &h1, &w2, &h2);
    EXPECT_EQ(0, w1);
    EXPECT_EQ(0, h2);
    drawer->GetSizeLimits(nullptr, L"x", nullptr, nullptr, nullptr, nullptr, nullptr);
    text->ReleaseToPool();
    font->ReleaseToPool();
    drawer->ReleaseToPool();
}

} // namespace
