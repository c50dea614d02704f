// What every drawer of the family shares: its pool, its class name, its reset values whatever
// was set before it went back, and the sub-drawers it owns.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "skins/drawer/border/Thin.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/checkbox/Thin.h"
#include "skins/drawer/combo/Thin.h"
#include "skins/drawer/counter/Basic.h"
#include "skins/drawer/groupbox/Thin.h"
#include "skins/drawer/listbox/Basic.h"
#include "skins/drawer/listbox/Thin.h"
#include "skins/drawer/listheader/Thin.h"
#include "skins/drawer/menu/Basic.h"
#include "skins/drawer/radiobutton/Thin.h"
#include "skins/drawer/scrollbar/Thin.h"
#include "skins/drawer/statusbar/Thin.h"
#include "skins/drawer/tabbox/Thin.h"
#include "skins/drawer/text/Basic.h"
#include "skins/drawer/window/Thin.h"

namespace {

namespace d = s::gui::drawer;
using s::gui::IFontSetting;

const COLORREF kGrey = RGB(120, 120, 120);

// A setting as a fresh one would be, apart from the colour.
void ExpectDefaultSetting(IFontSetting* setting, COLORREF color, bool underline, const std::string& where)
{
    ASSERT_NE(nullptr, setting) << where;
    EXPECT_EQ(color, setting->GetColor()) << where;
    EXPECT_EQ(underline, setting->IsUnderline()) << where;
    EXPECT_EQ(400, setting->GetWeight()) << where;
    EXPECT_FALSE(setting->IsBold()) << where;
    EXPECT_EQ(0xEEEEEEu, setting->GetColor2()) << where;
    EXPECT_EQ(0, setting->GetTextStyle()) << where;
}

void ExpectTextDrawerReset(d::text::win::Basic* text, uint8_t centered, const std::string& where)
{
    ASSERT_NE(nullptr, text) << where;
    EXPECT_EQ(centered, text->IsCenteredSingleLine()) << where;
    ExpectDefaultSetting(text->GetNormalFontSetting(), 0, false, where + " normal");
    ExpectDefaultSetting(text->GetDisabledFontSetting(), RGB(161, 161, 146), false, where + " disabled");
    ExpectDefaultSetting(text->GetLinkFontSetting(), RGB(0, 170, 0), true, where + " link");
    ExpectDefaultSetting(text->GetLinkHoverFontSetting(), RGB(170, 170, 0), true, where + " link hover");
    ExpectDefaultSetting(text->GetLinkPressedFontSetting(), RGB(170, 170, 0), true, where + " link pressed");
}

// Sets everything a text drawer's user can set.
void Disturb(d::text::win::Basic* text)
{
    text->SetCenteredSingleLine(text->IsCenteredSingleLine() ? 0 : 1);
    text->GetNormalFontSetting()->SetColor(1, 2, 3);
    text->GetNormalFontSetting()->SetBold(true);
    text->GetNormalFontSetting()->SetTextStyle(5);
    text->GetDisabledFontSetting()->SetColor(4, 5, 6);
    text->GetLinkFontSetting()->SetUnderline(false);
    text->GetLinkHoverFontSetting()->SetColor(7, 8, 9);
    text->GetLinkPressedFontSetting()->SetColor2(1, 1, 1);
}

void ExpectButtonReset(d::button::win::Thin* button, uint8_t pushShift, int32_t borderStyle, const std::string& where)
{
    ASSERT_NE(nullptr, button) << where;
    EXPECT_EQ(RGB(213, 235, 107), button->GetColor()) << where;
    EXPECT_EQ(1, button->GetFirstOption()) << where;
    EXPECT_EQ(1, button->GetSecondOption()) << where;
    EXPECT_EQ(pushShift, button->GetPushShift()) << where;
    EXPECT_EQ(borderStyle, button->GetBorderStyle()) << where;
    EXPECT_EQ(kGrey, button->GetForegroundColor()) << where;
    EXPECT_EQ(kGrey, button->GetDisabledColor()) << where;
    EXPECT_EQ(kGrey, button->GetDownColor()) << where;
    EXPECT_EQ(kGrey, button->GetDownBackgroundColor()) << where;
    ASSERT_NE(nullptr, button->GetBorderDrawer()) << where;
    EXPECT_EQ(1, button->GetBorderDrawer()->IsShaded()) << where;
    ExpectTextDrawerReset(button->GetCaptionDrawer(), 1, where + " caption");
    ExpectTextDrawerReset(button->GetSecondTextDrawer(), 1, where + " second text");
}

void Disturb(d::button::win::Thin* button)
{
    button->SetColor(1, 2, 3);
    button->SetFirstOption(0);
    button->SetSecondOption(0);
    button->SetPushShift(1);
    button->SetBorderStyle(2);
    button->SetForegroundColor(1, 1, 1);
    button->SetDisabledColor(2, 2, 2);
    button->SetDownColor(3, 3, 3);
    button->SetDownBackgroundColor(4, 4, 4);
    button->SetBorderShaded(0);
    Disturb(button->GetCaptionDrawer());
    Disturb(button->GetSecondTextDrawer());
}

// Takes a drawer, disturbs it, gives it back and takes it again: the same object, reset.
template <class Drawer>
void CheckResetThroughPool(const wchar_t* className, const std::function<void(Drawer*)>& disturb,
                           const std::function<void(Drawer*)>& expectReset)
{
    Drawer* drawer = Drawer::New();
    ASSERT_NE(nullptr, drawer);
    EXPECT_STREQ(className, drawer->GetClassName());
    expectReset(drawer);
    disturb(drawer);
    drawer->ReleaseToPool();
    Drawer* again = Drawer::New();
    EXPECT_EQ(drawer, again) << "the pool keeps what is given back";
    expectReset(again);
    s::base::IObject* other = again->NewInstance();
    EXPECT_STREQ(className, other->GetClassName());
    static_cast<Drawer*>(other)->ReleaseToPool();
    again->ReleaseToPool();
}

TEST(DrawerFamily, TextAndBorderDrawersComeBackReset)
{
    CheckResetThroughPool<d::text::win::Basic>(
        L"s_gui_drawer_text_win_Basic", [](d::text::win::Basic* t) { Disturb(t); },
        [](d::text::win::Basic* t) { ExpectTextDrawerReset(t, 0, "text"); });
    CheckResetThroughPool<d::border::win::Thin>(
        L"s_gui_drawer_border_win_Thin", [](d::border::win::Thin* b) { b->SetShaded(0); },
        [](d::border::win::Thin* b) { EXPECT_EQ(1, b->IsShaded()); });
}

TEST(DrawerFamily, ButtonDrawerComesBackReset)
{
    CheckResetThroughPool<d::button::win::Thin>(
        L"s_gui_drawer_button_win_Thin", [](d::button::win::Thin* b) { Disturb(b); },
        [](d::button::win::Thin* b) { ExpectButtonReset(b, 0, 1, "button"); });
}

TEST(DrawerFamily, WindowAndCounterDrawersComeBackReset)
{
    CheckResetThroughPool<d::window::win::Thin>(
        L"s_gui_drawer_window_win_Thin",
        [](d::window::win::Thin* w) {
            w->SetTopCornerStyle(2);
            w->SetBottomCornerStyle(1);
            w->SetBackgroundColor(1, 2, 3);
            w->SetForegroundColor(4, 5, 6);
        },
        [](d::window::win::Thin* w) {
            EXPECT_EQ(0, w->GetTopCornerStyle());
            EXPECT_EQ(0, w->GetBottomCornerStyle());
            EXPECT_TRUE(w->IsBackgroundTransparent());
            EXPECT_EQ(0xFFFFFFu, w->GetBackgroundColor());
            EXPECT_EQ(kGrey, w->GetForegroundColor());
        });
    CheckResetThroughPool<d::counter::win::Basic>(
        L"s_gui_drawer_counter_win_Basic",
        [](d::counter::win::Basic* c) {
            c->SetBackgroundColor(1, 2, 3);
            c->SetFirstColor(4, 5, 6);
            c->SetSecondColor(7, 8, 9);
        },
        [](d::counter::win::Basic* c) {
            EXPECT_TRUE(c->IsBackgroundTransparent());
            EXPECT_EQ(0xFFFFFFFFu, c->GetBackgroundColor());
            EXPECT_EQ(0xFFFFFFFFu, c->GetFirstColor());
            EXPECT_EQ(0xFFFFFFFFu, c->GetSecondColor());
            EXPECT_EQ(255, c->GetFirstColorRed());
            EXPECT_EQ(255, c->GetSecondColorBlue());
        });
    CheckResetThroughPool<d::statusbar::win::Thin>(
        L"s_gui_drawer_statusbar_win_Thin", [](d::statusbar::win::Thin* s) { s->SetColor(1, 2, 3); },
        [](d::statusbar::win::Thin* s) {
            EXPECT_EQ(0xFFFFFFu, s->GetColor());
            EXPECT_EQ(13, s->GetHeight());
        });
}

TEST(DrawerFamily, ControlDrawersComeBackReset)
{
    CheckResetThroughPool<d::scrollbar::win::Thin>(
        L"s_gui_drawer_scrollbar_win_Thin",
        [](d::scrollbar::win::Thin* s) {
            s->SetBarWidth(30);
            s->SetForegroundColor(1, 2, 3);
            s->SetTrackColor(4, 5, 6);
            Disturb(s->GetArrowButtonDrawer());
            s->GetBorderDrawer()->SetShaded(0);
        },
        [](d::scrollbar::win::Thin* s) {
            EXPECT_EQ(1, s->GetBorderStyle());
            EXPECT_EQ(15, s->GetBarWidth());
            EXPECT_EQ(kGrey, s->GetForegroundColor());
            EXPECT_EQ(0xFFFFFFu, s->GetTrackColor());
            for (int32_t i = 0; i < d::scrollbar::win::Thin::kPartCount; ++i)
                EXPECT_TRUE(IsRectEmpty(&s->GetPart(i)));
            ExpectButtonReset(s->GetArrowButtonDrawer(), 0, 1, "scroll bar arrows");
            EXPECT_EQ(1, s->GetBorderDrawer()->IsShaded());
        });
    CheckResetThroughPool<d::checkbox::win::Thin>(
        L"s_gui_drawer_checkbox_win_Thin",
        [](d::checkbox::win::Thin* c) {
            c->SetTextColor(1, 2, 3);
            c->SetDisabledTextColor(4, 5, 6);
            c->SetBoxColor(7, 8, 9);
            c->SetGlyphButtonColor(1, 1, 1);
        },
        [](d::checkbox::win::Thin* c) {
            EXPECT_EQ(kGrey, c->GetTextColor());
            EXPECT_EQ(kGrey, c->GetBoxColor());
            ExpectButtonReset(c->GetGlyphButtonDrawer(), 0, 1, "check box glyph");
            ExpectTextDrawerReset(c->GetTextDrawer(), 0, "check box text");
        });
    CheckResetThroughPool<d::radiobutton::win::Thin>(
        L"s_gui_drawer_radiobutton_win_Thin",
        [](d::radiobutton::win::Thin* r) {
            r->SetTextColor(1, 2, 3);
            r->SetFrameColor(4, 5, 6);
            r->SetDotColor(7, 8, 9);
        },
        [](d::radiobutton::win::Thin* r) {
            EXPECT_EQ(kGrey, r->GetFrameColor());
            EXPECT_EQ(RGB(53, 185, 56), r->GetDotColor());
            EXPECT_EQ(0x38B935u, r->GetDotColor());
            ExpectTextDrawerReset(r->GetTextDrawer(), 0, "radio text");
        });
    CheckResetThroughPool<d::listheader::win::Thin>(
        L"s_gui_drawer_listheader_win_Thin",
        [](d::listheader::win::Thin* h) {
            h->SetPushShift(0);
            h->SetForegroundColor(1, 2, 3);
            h->SetBackgroundColor(4, 5, 6);
            h->SetHeight(40);
            Disturb(h->GetItemButtonDrawer());
        },
        [](d::listheader::win::Thin* h) {
            EXPECT_EQ(1, h->GetPushShift());
            EXPECT_EQ(0, h->GetBorderStyle());
            EXPECT_EQ(120, h->GetForegroundRed());
            EXPECT_EQ(0x33, h->GetBackgroundGreen());
            EXPECT_EQ(22, h->GetHeight());
            ExpectButtonReset(h->GetItemButtonDrawer(), 1, 0, "header items");
        });
    CheckResetThroughPool<d::combo::win::Thin>(
        L"s_gui_drawer_combo_win_Thin",
        [](d::combo::win::Thin* c) {
            c->SetTextColor(1, 2, 3);
            c->SetForegroundColor(4, 5, 6);
            Disturb(c->GetTextDrawer());
        },
        [](d::combo::win::Thin* c) {
            EXPECT_EQ(0u, c->GetForegroundColor());
            ExpectTextDrawerReset(c->GetTextDrawer(), 0, "combo text");
            ExpectButtonReset(c->GetArrowButtonDrawer(), 0, 1, "combo arrow");
        });
    CheckResetThroughPool<d::groupbox::win::Thin>(
        L"s_gui_drawer_groupbox_win_Thin", [](d::groupbox::win::Thin* g) { g->SetFrameColor(1, 2, 3); },
        [](d::groupbox::win::Thin* g) {
            EXPECT_EQ(0xD0, g->GetFrameRed());
            EXPECT_EQ(0xD0, g->GetFrameGreen());
            EXPECT_EQ(0xBF, g->GetFrameBlue());
            ExpectTextDrawerReset(g->GetTextDrawer(), 0, "group box text");
        });
    CheckResetThroughPool<d::tabbox::win::Thin>(
        L"s_gui_drawer_tabbox_win_Thin",
        [](d::tabbox::win::Thin* t) {
            t->SetColor(1, 2, 3);
            Disturb(t->GetPageTextDrawer());
            Disturb(t->GetTabTextDrawer());
        },
        [](d::tabbox::win::Thin* t) {
            EXPECT_EQ(0xFFFFFFu, t->GetColor());
            ExpectTextDrawerReset(t->GetPageTextDrawer(), 0, "tab page text");
            ExpectTextDrawerReset(t->GetTabTextDrawer(), 0, "tab text");
        });
}

TEST(DrawerFamily, MenuDrawerComesBackReset)
{
    CheckResetThroughPool<d::menu::win::Basic>(
        L"s_gui_drawer_menu_win_Basic",
        [](d::menu::win::Basic* m) {
            m->SetTextColor(1, 2, 3);
            m->SetHighlightTextColor(4, 5, 6);
            m->SetHighlightColor(7, 8, 9);
            m->SetHotFill(0);
            m->SetHotShift(1);
            m->GetFontSetting()->SetSizeCode(100);
            static_cast<d::combo::win::Thin*>(m->GetComboDrawer())->SetForegroundColor(1, 1, 1);
        },
        [](d::menu::win::Basic* m) {
            EXPECT_EQ(-2, m->GetFontSetting()->GetSizeCode());
            EXPECT_EQ(-11, m->GetFontSetting()->GetHeight()) << "8 points";
            EXPECT_EQ(0u, m->GetFontSetting()->GetColor());
            EXPECT_EQ(-2, m->GetHighlightFontSetting()->GetSizeCode());
            EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), m->GetHighlightFontSetting()->GetColor());
            EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), m->GetHighlightColor());
            EXPECT_EQ(1, m->GetHotFill());
            EXPECT_EQ(0, m->GetHotShift());
            ExpectTextDrawerReset(m->GetTextDrawer(), 0, "menu text");
            ASSERT_NE(nullptr, m->GetComboDrawer());
            EXPECT_EQ(0u, static_cast<d::combo::win::Thin*>(m->GetComboDrawer())->GetForegroundColor());
        });
}

TEST(DrawerFamily, ListBoxDrawersComeBackReset)
{
    d::listbox::win::Basic* system = d::listbox::win::Basic::CreateWithSystemColors();
    ASSERT_NE(nullptr, system);
    EXPECT_EQ(RGB(255, 255, 255), system->GetBackgroundColor());
    EXPECT_EQ(0u, system->GetTextFontSetting()->GetColor());
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), system->GetSelectionColor());
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHTTEXT), system->GetSelectedTextFontSetting()->GetColor());
    EXPECT_EQ(RGB(238, 238, 238), system->GetAlternateColor());
    system->ReleaseToPool();

    CheckResetThroughPool<d::listbox::win::Basic>(
        L"s_gui_drawer_listbox_win_Basic",
        [](d::listbox::win::Basic* b) {
            b->SetSelectionColor(1, 2, 3);
            b->SetBackgroundColor(4, 5, 6);
            b->SetAlternateColor(7, 8, 9);
            b->SetTextColor(1, 1, 1);
            b->SetSelectedTextColor(2, 2, 2);
            Disturb(b->GetGlyphButtonDrawer());
        },
        [](d::listbox::win::Basic* b) {
            EXPECT_EQ(0x787878u, b->GetSelectionColor());
            EXPECT_EQ(0x333333u, b->GetBackgroundColor());
            EXPECT_EQ(0xE0E0E0u, b->GetAlternateColor());
            ExpectTextDrawerReset(b->GetTextDrawer(), 0, "list text");
            ExpectTextDrawerReset(b->GetSelectedTextDrawer(), 0, "list selected text");
            ExpectButtonReset(b->GetGlyphButtonDrawer(), 0, 1, "list glyphs");
        });
    CheckResetThroughPool<d::listbox::win::Thin>(
        L"s_gui_drawer_listbox_win_Thin",
        [](d::listbox::win::Thin* t) {
            t->SetSelectionColor(1, 2, 3);
            t->SetBackgroundColor(4, 5, 6);
            t->SetAlternateColor(7, 8, 9);
            t->SetTextColor(1, 1, 1);
        },
        [](d::listbox::win::Thin* t) {
            ASSERT_NE(nullptr, t->GetInnerDrawer());
            EXPECT_EQ(RGB(120, 120, 120), t->GetSelectionColor());
            EXPECT_EQ(RGB(51, 51, 51), t->GetBackgroundColor());
            EXPECT_EQ(51, t->GetBackgroundBlue());
            EXPECT_EQ(RGB(243, 243, 243), t->GetAlternateColor());
            EXPECT_EQ(243, t->GetAlternateGreen());
            EXPECT_EQ(0u, t->GetTextFontSetting()->GetColor());
            EXPECT_EQ(t->GetInnerDrawer()->GetTextFontSetting(), t->GetTextFontSetting());
        });
}

TEST(DrawerFamily, ColourSettersKeepTheLowByte)
{
    d::button::win::Thin* button = d::button::win::Thin::New();
    button->SetForegroundColor(300, 20, 10);
    EXPECT_EQ(44, button->GetForegroundRed());
    EXPECT_EQ(20, button->GetForegroundGreen());
    EXPECT_EQ(10, button->GetForegroundBlue());
    button->ReleaseToPool();

    d::window::win::Thin* window = d::window::win::Thin::New();
    window->SetBackgroundColor(300, 20, 10);
    EXPECT_EQ(RGB(44, 20, 10), window->GetBackgroundColor());
    EXPECT_FALSE(window->IsBackgroundTransparent());
    window->ReleaseToPool();

    d::counter::win::Basic* counter = d::counter::win::Basic::New();
    counter->SetFirstColor(-1, 256, 511);
    EXPECT_EQ(255, counter->GetFirstColorRed());
    EXPECT_EQ(0, counter->GetFirstColorGreen());
    EXPECT_EQ(255, counter->GetFirstColorBlue());
    counter->ReleaseToPool();
}

TEST(DrawerFamily, ForwardingSettersReachTheSubDrawers)
{
    d::listheader::win::Thin* header = d::listheader::win::Thin::New();
    header->SetForegroundColor(1, 2, 3);
    header->SetPushShift(0);
    EXPECT_EQ(RGB(1, 2, 3), header->GetItemButtonDrawer()->GetForegroundColor());
    EXPECT_EQ(0, header->GetItemButtonDrawer()->GetPushShift());
    EXPECT_EQ(header->GetItemButtonDrawer()->GetFontSetting(), header->GetFontSetting());
    header->ReleaseToPool();

    d::scrollbar::win::Thin* bar = d::scrollbar::win::Thin::New();
    bar->SetForegroundColor(4, 5, 6);
    EXPECT_EQ(RGB(4, 5, 6), bar->GetArrowButtonDrawer()->GetForegroundColor());
    bar->ReleaseToPool();

    d::checkbox::win::Thin* check = d::checkbox::win::Thin::New();
    check->SetTextColor(7, 8, 9);
    check->SetDisabledTextColor(1, 1, 1);
    check->SetGlyphButtonColor(2, 2, 2);
    EXPECT_EQ(RGB(7, 8, 9), check->GetTextColor());
    EXPECT_EQ(RGB(7, 8, 9), check->GetTextDrawer()->GetNormalFontSetting()->GetColor());
    EXPECT_EQ(RGB(1, 1, 1), check->GetTextDrawer()->GetDisabledFontSetting()->GetColor());
    EXPECT_EQ(RGB(2, 2, 2), check->GetGlyphButtonDrawer()->GetForegroundColor());
    check->ReleaseToPool();

    d::combo::win::Thin* combo = d::combo::win::Thin::New();
    combo->SetForegroundColor(3, 3, 3);
    EXPECT_EQ(RGB(3, 3, 3), combo->GetArrowButtonDrawer()->GetForegroundColor());
    combo->ReleaseToPool();

    d::button::win::Thin* button = d::button::win::Thin::New();
    button->SetBorderShaded(0);
    EXPECT_EQ(0, button->GetBorderDrawer()->IsShaded());
    EXPECT_EQ(button->GetCaptionDrawer()->GetNormalFontSetting(), button->GetFontSetting());
    EXPECT_EQ(button->GetCaptionDrawer()->GetDisabledFontSetting(), button->GetDisabledFontSetting());
    EXPECT_EQ(button->GetSecondTextDrawer()->GetNormalFontSetting(), button->GetSecondFontSetting());
    button->ReleaseToPool();
}

TEST(DrawerFamily, DestroyedCompositesTakeTheirSubDrawersAlong)
{
    // Built as a pool builds them (their sub-drawers taken from the pools) and destroyed as a
    // full pool destroys them: no sub-drawer goes back to its pool.
    std::vector<s::base::IObject*> composites = {
        new d::scrollbar::win::Thin(), new d::menu::win::Basic(),  new d::listbox::win::Thin(),
        new d::tabbox::win::Thin(),    new d::listheader::win::Thin(), new d::checkbox::win::Thin()};
    const uint32_t buttons = d::button::win::Thin::GetPool()->GetIdleCount();
    const uint32_t texts = d::text::win::Basic::GetPool()->GetIdleCount();
    const uint32_t borders = d::border::win::Thin::GetPool()->GetIdleCount();
    const uint32_t combos = d::combo::win::Thin::GetPool()->GetIdleCount();
    const uint32_t listBoxes = d::listbox::win::Basic::GetPool()->GetIdleCount();

    for (s::base::IObject* composite : composites)
        delete composite;

    EXPECT_EQ(buttons, d::button::win::Thin::GetPool()->GetIdleCount());
    EXPECT_EQ(texts, d::text::win::Basic::GetPool()->GetIdleCount());
    EXPECT_EQ(borders, d::border::win::Thin::GetPool()->GetIdleCount());
    EXPECT_EQ(combos, d::combo::win::Thin::GetPool()->GetIdleCount());
    EXPECT_EQ(listBoxes, d::listbox::win::Basic::GetPool()->GetIdleCount());
}

} // namespace
