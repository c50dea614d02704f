#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/slider/Thin.h"
#include "skins/drawer/text/Basic.h"
#include "skins/drawer/window/Thin.h"
#include "skins/skin/Thin.h"
#include "skins/skin/ThinWindow.h"
#include "windowing/paint/IFontSetting.h"

using s::gui::drawer::skin::BuildThin;
using s::gui::drawer::skin::BuildThinWindow;
using s::gui::drawer::skin::ReadColors;

namespace skintest {
namespace {

// A set whose fifteen colours all differ, so that a colour routed to the wrong drawer shows.
SkinColorSet Distinct(int seed)
{
    SkinColorSet colors;
    for (uint32_t i = 0; i < SkinColorSet::kCount; ++i)
        colors.Set(i, seed + static_cast<int32_t>(i) * 3, 200 - static_cast<int32_t>(i) * 7, seed * 5 + static_cast<int32_t>(i));
    return colors;
}

SkinColorSet ReadBack(ISkin* skin)
{
    SkinColorSet colors;
    ReadColors(skin, &colors);
    return colors;
}

TEST(SkinBuilders, AFifteenColourSkinReadsBackWhatItWasBuiltFrom)
{
    struct Case {
        const char* what;
        SkinColorSet colors;
    };
    SkinColorSet extremes;
    for (uint32_t i = 0; i < SkinColorSet::kCount; ++i)
        extremes.Set(i, i % 2 ? 255 : 0, i % 3 ? 0 : 255, 255);
    const Case cases[] = {{"distinct", Distinct(1)}, {"distinct again", Distinct(40)}, {"extremes", extremes}};
    for (const Case& c : cases) {
        int32_t values[SkinColorSet::kBuilderValues];
        c.colors.ToBuilderOrder(values);
        ISkin* skin = BuildThinWindow(L"Skin", values);
        ASSERT_NE(nullptr, skin);
        EXPECT_STREQ(L"s_gui_drawer_skin_ThinWindow", skin->GetClassName());
        EXPECT_STREQ(L"Skin", skin->GetName());
        const SkinColorSet read = ReadBack(skin);
        for (uint32_t i = 0; i < SkinColorSet::kCount; ++i)
            EXPECT_EQ(Rgb(c.colors, i), Rgb(read, i)) << c.what << " " << SkinColorSet::NameOf(i);
        skin->ReleaseToPool();
    }
}

TEST(SkinBuilders, ColoursGoToEveryPropertyTheirRouteNames)
{
    const SkinColorSet colors = Distinct(9);
    int32_t values[SkinColorSet::kBuilderValues];
    colors.ToBuilderOrder(values);
    ISkin* skin = BuildThinWindow(L"Routes", values);
    auto* window = static_cast<s::gui::drawer::window::win::Thin*>(skin->GetWindowDrawer());
    EXPECT_EQ(0, window->GetTopCornerStyle());
    EXPECT_EQ(0, window->GetBottomCornerStyle());
    EXPECT_FALSE(window->IsBackgroundTransparent());
    s::gui::drawer::IButton* button = skin->GetButtonDrawer();
    EXPECT_EQ(colors.GetColor(SkinColorSet::kListHeaderBg),
              RGB(button->GetDownBackgroundRed(), button->GetDownBackgroundGreen(), button->GetDownBackgroundBlue()));
    EXPECT_EQ(colors.GetColor(SkinColorSet::kText), button->GetFontSetting()->GetColor());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kCompDisabled), button->GetDisabledFontSetting()->GetColor());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kListHeaderFont), button->GetSecondFontSetting()->GetColor());
    s::gui::drawer::IText* text = skin->GetTextDrawer();
    EXPECT_EQ(colors.GetColor(SkinColorSet::kWindowBg), text->GetNormalFontSetting()->GetColor2());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kCompDisabled), text->GetDisabledFontSetting()->GetColor());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kText), text->GetLinkFontSetting()->GetColor());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kCompFg), text->GetLinkHoverFontSetting()->GetColor());
    EXPECT_EQ(15, skin->GetScrollBarDrawer()->GetBarWidth());
    auto* slider = static_cast<s::gui::drawer::slider::win::Thin*>(skin->GetSliderDrawer());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kCompFg), slider->GetForegroundColor());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kCompDisabled), slider->GetDisabledColor());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kListHeaderBg), skin->GetListBoxDrawer()->GetSelectionColor());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kListHeaderFont),
              skin->GetListBoxDrawer()->GetSelectedTextFontSetting()->GetColor());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kText), skin->GetGroupBoxDrawer()->GetFontSetting()->GetColor());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kText), skin->GetTabBoxDrawer()->GetTabFontSetting()->GetColor());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kWindowBg), skin->GetMenuDrawer()->GetHighlightFontSetting()->GetColor());
    EXPECT_EQ(colors.GetColor(SkinColorSet::kText), skin->GetMenuDrawer()->GetFontSetting()->GetColor());
    skin->ReleaseToPool();
}

TEST(SkinBuilders, ASixColourSkinReadsBackItsColoursWhereTheOthersWere)
{
    // windowBg, compFg, text, sliderBg, counter01, counter02.
    const int32_t six[18] = {10, 20, 30, 1, 2, 3, 200, 201, 202, 40, 50, 60, 70, 80, 90, 100, 110, 120};
    ISkin* skin = BuildThin(L"Six", six);
    ASSERT_NE(nullptr, skin);
    EXPECT_STREQ(L"s_gui_drawer_skin_Thin", skin->GetClassName());
    // Properties the six colours never reach keep the drawers' reset values.
    auto* freshButton = s::gui::drawer::button::win::Thin::New();
    auto* freshText = s::gui::drawer::text::win::Basic::New();
    SkinColorSet expected;
    expected.Set(SkinColorSet::kWindowBg, 10, 20, 30);
    expected.Set(SkinColorSet::kWindowFg, 1, 2, 3);
    expected.Set(SkinColorSet::kCompFg, 1, 2, 3);
    expected.Set(SkinColorSet::kCompDisabled, freshButton->GetDisabledRed(), freshButton->GetDisabledGreen(),
                 freshButton->GetDisabledBlue());
    expected.Set(SkinColorSet::kGroupBorder, 1, 2, 3);
    expected.Set(SkinColorSet::kText, 200, 201, 202);
    expected.SetColor(SkinColorSet::kTextOutLineSpecific, freshText->GetNormalFontSetting()->GetColor3());
    expected.Set(SkinColorSet::kSliderBg, 40, 50, 60);
    expected.Set(SkinColorSet::kListHeaderBg, 10, 20, 30);
    expected.Set(SkinColorSet::kListHeaderFont, 200, 201, 202);
    expected.Set(SkinColorSet::kListBg, 10, 20, 30);
    expected.Set(SkinColorSet::kListFont, 200, 201, 202);
    expected.Set(SkinColorSet::kListAlternate, 243, 243, 243);
    expected.Set(SkinColorSet::kCounter01, 70, 80, 90);
    expected.Set(SkinColorSet::kCounter02, 100, 110, 120);
    freshButton->ReleaseToPool();
    freshText->ReleaseToPool();
    const SkinColorSet read = ReadBack(skin);
    for (uint32_t i = 0; i < SkinColorSet::kCount; ++i)
        EXPECT_EQ(Rgb(expected, i), Rgb(read, i)) << SkinColorSet::NameOf(i);
    skin->ReleaseToPool();
}

TEST(SkinBuilders, ComponentsKeepTheirLowByte)
{
    int32_t values[SkinColorSet::kBuilderValues];
    for (uint32_t i = 0; i < SkinColorSet::kBuilderValues; ++i)
        values[i] = i % 3 == 0 ? 256 : i % 3 == 1 ? -1 : 300;
    ISkin* window = BuildThinWindow(L"Wide", values);
    const SkinColorSet read = ReadBack(window);
    for (uint32_t i = 0; i < SkinColorSet::kCount; ++i)
        EXPECT_EQ(L"0,255,44", Rgb(read, i)) << SkinColorSet::NameOf(i);
    window->ReleaseToPool();

    ISkin* thin = BuildThin(L"Wide", values);
    EXPECT_EQ(L"0,255,44", Rgb(ReadBack(thin), SkinColorSet::kGroupBorder));
    thin->ReleaseToPool();
}

TEST(SkinBuilders, ASkinGivenBackGivesItsDrawersBackAndComesAgainEmpty)
{
    using s::gui::drawer::skin::ThinWindow;
    int32_t values[SkinColorSet::kBuilderValues] = {};
    ISkin* skin = BuildThinWindow(L"Once", values);
    const uint32_t windowsIdle = s::gui::drawer::window::win::Thin::GetPool()->GetIdleCount();
    const uint32_t slidersIdle = s::gui::drawer::slider::win::Thin::GetPool()->GetIdleCount();
    skin->ReleaseToPool();
    EXPECT_EQ(windowsIdle + 1, s::gui::drawer::window::win::Thin::GetPool()->GetIdleCount());
    EXPECT_EQ(slidersIdle + 1, s::gui::drawer::slider::win::Thin::GetPool()->GetIdleCount());

    ThinWindow* again = ThinWindow::New();
    EXPECT_STREQ(L"", again->GetName());
    EXPECT_EQ(nullptr, again->GetWindowDrawer());
    EXPECT_EQ(nullptr, again->GetTabBoxDrawer());
    // A setter only stores: the skin owns what it is given from then on.
    auto* window = s::gui::drawer::window::win::Thin::New();
    again->SetWindowDrawer(window);
    EXPECT_EQ(window, again->GetWindowDrawer());
    again->ReleaseToPool();
}

} // namespace
} // namespace skintest
