#include <gtest/gtest.h>

#include "skins/drawer/Canvas.h"
#include "skins/drawer/SamePixels.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/listheader/Thin.h"
#include "windowing/paint/Font.h"

using s::gui::drawer::listheader::win::Thin;
using testing_support::Canvas;
using testing_support::SamePixels;

namespace {

TEST(ListHeaderDrawer, FillsItsBackgroundOrTheGivenColour)
{
    Thin* drawer = Thin::New();
    drawer->SetBackgroundColor(40, 50, 60);
    Canvas canvas(30, 20);
    drawer->FillBackground(&canvas.dc, 0, 0, 30, 10, 0, 1, 2, 3);
    drawer->FillBackground(&canvas.dc, 0, 10, 30, 20, 1, 1, 2, 3);
    EXPECT_EQ(RGB(40, 50, 60), canvas.At(29, 9));
    EXPECT_EQ(RGB(1, 2, 3), canvas.At(0, 10));
    drawer->FillBackground(&canvas.dc, 0, 0, 30, 0, 1, 9, 9, 9);
    EXPECT_EQ(RGB(40, 50, 60), canvas.At(0, 0));
    drawer->ReleaseToPool();
}

TEST(ListHeaderDrawer, PaintsEachItemAsAFramedButtonThatShiftsWhenPressed)
{
    Thin* drawer = Thin::New();
    drawer->SetForegroundColor(200, 180, 60);
    s::gui::win::Font* font = s::gui::win::Font::New();
    font->SetColor(255, 255, 255);
    s::gui::drawer::button::win::Thin* button = s::gui::drawer::button::win::Thin::New();
    button->SetForegroundColor(200, 180, 60);
    button->SetPushShift(1);
    button->SetBorderStyle(0);
    for (int32_t state : {0, 1, 2}) {
        Canvas actual(80, 22, RGB(0, 0, 0));
        Canvas expected(80, 22, RGB(0, 0, 0));
        drawer->DrawItem(&actual.dc, 0, 0, 80, 22, state, L"Name", font);
        button->Draw(&expected.dc, 0, 0, 80, 22, state, L"Name", true, font, true, false, false);
        EXPECT_TRUE(SamePixels(actual, expected)) << state;
    }
    button->ReleaseToPool();
    font->ReleaseToPool();
    drawer->ReleaseToPool();
}

} // namespace
