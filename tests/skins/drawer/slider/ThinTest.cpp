#include <gtest/gtest.h>

#include "skins/drawer/border/Thin.h"
#include "skins/drawer/slider/Thin.h"

using s::gui::drawer::slider::win::Thin;

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

} // namespace
