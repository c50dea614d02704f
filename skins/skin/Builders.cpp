#include "skins/skin/Builders.h"

#include <initializer_list>

#include "skins/SkinColorSet.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/checkbox/Thin.h"
#include "skins/drawer/combo/Thin.h"
#include "skins/drawer/counter/Basic.h"
#include "skins/drawer/groupbox/Thin.h"
#include "skins/drawer/listbox/Thin.h"
#include "skins/drawer/listheader/Thin.h"
#include "skins/drawer/menu/Basic.h"
#include "skins/drawer/radiobutton/Thin.h"
#include "skins/drawer/scrollbar/Thin.h"
#include "skins/drawer/slider/Thin.h"
#include "skins/drawer/statusbar/Thin.h"
#include "skins/drawer/tabbox/Thin.h"
#include "skins/drawer/text/Basic.h"
#include "skins/drawer/window/Thin.h"
#include "skins/skin/Thin.h"
#include "skins/skin/ThinWindow.h"
#include "windowing/paint/IFontSetting.h"

namespace s {
namespace gui {
namespace drawer {
namespace skin {

namespace {

// One colour's three components as the setters take them.
struct Rgb {
    int32_t r, g, b;
};

Rgb At(const SkinColorSet& colors, uint32_t index)
{
    return Rgb{colors.GetRed(index), colors.GetGreen(index), colors.GetBlue(index)};
}

// The fifteen colours of a set, by name.
struct Palette {
    explicit Palette(const SkinColorSet& colors)
        : windowBg(At(colors, SkinColorSet::kWindowBg)), windowFg(At(colors, SkinColorSet::kWindowFg)),
          compFg(At(colors, SkinColorSet::kCompFg)), compDisabled(At(colors, SkinColorSet::kCompDisabled)),
          groupBorder(At(colors, SkinColorSet::kGroupBorder)), text(At(colors, SkinColorSet::kText)),
          outline(At(colors, SkinColorSet::kTextOutLineSpecific)), sliderBg(At(colors, SkinColorSet::kSliderBg)),
          listHeaderBg(At(colors, SkinColorSet::kListHeaderBg)),
          listHeaderFont(At(colors, SkinColorSet::kListHeaderFont)), listBg(At(colors, SkinColorSet::kListBg)),
          listFont(At(colors, SkinColorSet::kListFont)), listAlternate(At(colors, SkinColorSet::kListAlternate)),
          counter01(At(colors, SkinColorSet::kCounter01)), counter02(At(colors, SkinColorSet::kCounter02))
    {
    }

    Rgb windowBg, windowFg, compFg, compDisabled, groupBorder, text, outline, sliderBg, listHeaderBg, listHeaderFont,
        listBg, listFont, listAlternate, counter01, counter02;
};

const Rgb kListAlternateOfSix = {243, 243, 243};
const int32_t kBarWidth = 15;

void SetColor(IFontSetting* setting, const Rgb& c)
{
    if (setting)
        setting->SetColor(c.r, c.g, c.b);
}

// Where one colour goes in a drawer: one of its colour setters, or the colour of one of its font
// settings.
template <class Drawer>
struct ColorRoute {
    using Setter = void (Drawer::*)(int32_t, int32_t, int32_t);
    using FontGetter = IFontSetting* (Drawer::*)();

    ColorRoute(Setter setter, const Rgb& rgb) : set(setter), font(nullptr), color(rgb) {}
    ColorRoute(FontGetter getter, const Rgb& rgb) : set(nullptr), font(getter), color(rgb) {}

    Setter set;
    FontGetter font;
    Rgb color;
};

// Sends the colours along their routes, in order; a drawer the skin lacks takes none.
template <class Drawer>
Drawer* Route(Drawer* drawer, std::initializer_list<ColorRoute<Drawer>> routes)
{
    if (!drawer)
        return nullptr;
    for (const ColorRoute<Drawer>& route : routes) {
        if (route.set)
            (drawer->*route.set)(route.color.r, route.color.g, route.color.b);
        else
            SetColor((drawer->*route.font)(), route.color);
    }
    return drawer;
}

// The routes both the builders and the colour writer take alike.

void RouteScrollBar(IScrollBar* scrollBar, const Rgb& foreground, const Rgb& track)
{
    Route(scrollBar, {{&IScrollBar::SetForegroundColor, foreground}, {&IScrollBar::SetTrackColor, track}});
}

void RouteCheckBox(ICheckBox* checkBox, const Rgb& box, const Rgb& text, const Rgb& disabledText)
{
    Route(checkBox, {{&ICheckBox::SetBoxColor, box},
                     {&ICheckBox::SetTextColor, text},
                     {&ICheckBox::SetDisabledTextColor, disabledText}});
}

void RouteRadioButton(IRadioButton* radioButton, const Rgb& frame, const Rgb& text, const Rgb& disabledText)
{
    Route(radioButton, {{&IRadioButton::SetFrameColor, frame},
                        {&IRadioButton::SetTextColor, text},
                        {&IRadioButton::SetDisabledTextColor, disabledText}});
}

void RouteCounter(ICounter* counter, const Rgb& first, const Rgb& second)
{
    Route(counter, {{&ICounter::SetFirstColor, first}, {&ICounter::SetSecondColor, second}});
}

void RouteListHeader(IListHeader* listHeader, const Rgb& foreground, const Rgb& background, const Rgb& font)
{
    Route(listHeader, {{&IListHeader::SetForegroundColor, foreground},
                       {&IListHeader::SetBackgroundColor, background},
                       {&IListHeader::GetFontSetting, font}});
}

void RouteListBox(IListBox* listBox, const Rgb& background, const Rgb& text, const Rgb& selection,
                  const Rgb& selectedText, const Rgb& alternate)
{
    Route(listBox, {{&IListBox::SetBackgroundColor, background},
                    {&IListBox::SetTextColor, text},
                    {&IListBox::SetSelectionColor, selection},
                    {&IListBox::SetSelectedTextColor, selectedText},
                    {&IListBox::SetAlternateColor, alternate}});
}

void RouteMenu(IMenu* menu, const Rgb& text, const Rgb& highlight, const Rgb& highlightText)
{
    Route(menu, {{&IMenu::SetTextColor, text},
                 {&IMenu::SetHighlightColor, highlight},
                 {&IMenu::SetHighlightTextColor, highlightText}});
}

void RouteCombo(ICombo* combo, const Rgb& text, const Rgb& foreground)
{
    Route(combo, {{&ICombo::SetTextColor, text},
                  {&ICombo::SetForegroundColor, foreground},
                  {&ICombo::SetDisabledTextColor, text}});
}

void RouteGroupBox(IGroupBox* groupBox, const Rgb& frame, const Rgb& text)
{
    Route(groupBox, {{&IGroupBox::SetFrameColor, frame},
                     {&IGroupBox::GetFontSetting, text},
                     {&IGroupBox::GetDisabledFontSetting, text}});
}

// A skin of the class from its pool, named; its builder adds the drawers.
template <class Skin>
Skin* TakeNamedSkin(const wchar_t* name)
{
    Skin* skin = Skin::New();
    if (skin)
        skin->SetName(name);
    return skin;
}

// The drawers both builders make alike, each from the colours its builder routes to it; what
// a builder sets after storing beyond these it sets itself. A drawer takes its colours before
// the skin stores it: storing only keeps the drawer.

void AddWindow(ISkin* skin, const Rgb& frame, const Rgb& background)
{
    if (window::win::Thin* window = window::win::Thin::New()) {
        window->SetTopCornerStyle(0);
        window->SetBottomCornerStyle(0);
        Route<IWindow>(window, {{&IWindow::SetForegroundColor, frame}, {&IWindow::SetBackgroundColor, background}});
        skin->SetWindowDrawer(window);
    }
}

IButton* AddButton(ISkin* skin, const Rgb& foreground)
{
    if (button::win::Thin* button = button::win::Thin::New()) {
        button->SetSecondOption(1);
        button->SetFirstOption(0);
        button->SetPushShift(1);
        Route<IButton>(button, {{&IButton::SetForegroundColor, foreground}});
        skin->SetButtonDrawer(button);
    }
    return skin->GetButtonDrawer();
}

IText* AddText(ISkin* skin)
{
    if (text::win::Basic* text = text::win::Basic::New())
        skin->SetTextDrawer(text);
    return skin->GetTextDrawer();
}

void AddScrollBar(ISkin* skin, const Rgb& foreground, const Rgb& track)
{
    if (scrollbar::win::Thin* scrollBar = scrollbar::win::Thin::New()) {
        scrollBar->SetBarWidth(kBarWidth);
        RouteScrollBar(scrollBar, foreground, track);
        skin->SetScrollBarDrawer(scrollBar);
    }
}

void AddCheckBox(ISkin* skin, const Rgb& box, const Rgb& text, const Rgb& disabledText)
{
    if (checkbox::win::Thin* checkBox = checkbox::win::Thin::New()) {
        RouteCheckBox(checkBox, box, text, disabledText);
        skin->SetCheckBoxDrawer(checkBox);
    }
}

void AddRadioButton(ISkin* skin, const Rgb& frame, const Rgb& text, const Rgb& disabledText)
{
    if (radiobutton::win::Thin* radioButton = radiobutton::win::Thin::New()) {
        RouteRadioButton(radioButton, frame, text, disabledText);
        skin->SetRadioButtonDrawer(radioButton);
    }
}

ISlider* AddSlider(ISkin* skin, const Rgb& foreground, const Rgb& bar)
{
    if (slider::win::Thin* slider = slider::win::Thin::New()) {
        Route<ISlider>(slider, {{&ISlider::SetForegroundColor, foreground}, {&ISlider::SetBarColor, bar}});
        skin->SetSliderDrawer(slider);
    }
    return skin->GetSliderDrawer();
}

void AddCounter(ISkin* skin, const Rgb& first, const Rgb& second)
{
    if (counter::win::Basic* counter = counter::win::Basic::New()) {
        RouteCounter(counter, first, second);
        skin->SetCounterDrawer(counter);
    }
}

void AddListHeader(ISkin* skin, const Rgb& foreground, const Rgb& background, const Rgb& font)
{
    if (listheader::win::Thin* listHeader = listheader::win::Thin::New()) {
        listHeader->SetPushShift(1);
        RouteListHeader(listHeader, foreground, background, font);
        skin->SetListHeaderDrawer(listHeader);
    }
}

void AddListBox(ISkin* skin, const Rgb& background, const Rgb& text, const Rgb& selection, const Rgb& selectedText,
                const Rgb& alternate)
{
    if (listbox::win::Thin* listBox = listbox::win::Thin::New()) {
        RouteListBox(listBox, background, text, selection, selectedText, alternate);
        skin->SetListBoxDrawer(listBox);
    }
}

void AddStatusBar(ISkin* skin, const Rgb& color)
{
    if (statusbar::win::Thin* statusBar = statusbar::win::Thin::New()) {
        Route<IStatusBar>(statusBar, {{&IStatusBar::SetColor, color}});
        skin->SetStatusBarDrawer(statusBar);
    }
}

IMenu* AddMenu(ISkin* skin, const Rgb& text, const Rgb& highlight, const Rgb& highlightText)
{
    if (menu::win::Basic* menu = menu::win::Basic::New()) {
        RouteMenu(menu, text, highlight, highlightText);
        menu->SetHotFill(0);
        menu->SetHotShift(1);
        skin->SetMenuDrawer(menu);
    }
    return skin->GetMenuDrawer();
}

void AddCombo(ISkin* skin, const Rgb& text, const Rgb& foreground)
{
    if (combo::win::Thin* combo = combo::win::Thin::New()) {
        RouteCombo(combo, text, foreground);
        skin->SetComboDrawer(combo);
    }
}

void AddGroupBox(ISkin* skin, const Rgb& frame, const Rgb& text)
{
    if (groupbox::win::Thin* groupBox = groupbox::win::Thin::New()) {
        RouteGroupBox(groupBox, frame, text);
        skin->SetGroupBoxDrawer(groupBox);
    }
}

ITabBox* AddTabBox(ISkin* skin, const Rgb& color)
{
    if (tabbox::win::Thin* tabBox = tabbox::win::Thin::New()) {
        Route<ITabBox>(tabBox, {{&ITabBox::SetColor, color}});
        skin->SetTabBoxDrawer(tabBox);
    }
    return skin->GetTabBoxDrawer();
}

} // namespace

ThinWindow* BuildThinWindow(const wchar_t* name, const int32_t* values)
{
    ThinWindow* skin = TakeNamedSkin<ThinWindow>(name);
    if (!skin)
        return nullptr;
    SkinColorSet colors;
    colors.FromBuilderOrder(values);
    const Palette c(colors);

    AddWindow(skin, c.windowFg, c.windowBg);
    AddButton(skin, c.compFg);
    AddText(skin);
    AddScrollBar(skin, c.compFg, c.sliderBg);
    AddCheckBox(skin, c.compFg, c.text, c.compDisabled);
    AddRadioButton(skin, c.compFg, c.text, c.compDisabled);
    AddSlider(skin, c.compFg, c.sliderBg);
    AddCounter(skin, c.counter01, c.counter02);
    AddListHeader(skin, c.compFg, c.listHeaderBg, c.listHeaderFont);
    AddListBox(skin, c.listBg, c.listFont, c.listHeaderBg, c.listHeaderFont, c.listAlternate);
    AddStatusBar(skin, c.compFg);
    AddMenu(skin, c.text, c.compFg, c.windowBg);
    AddCombo(skin, c.text, c.compFg);
    AddGroupBox(skin, c.groupBorder, c.text);
    AddTabBox(skin, c.compFg);
    // The drawers as made above, then every colour along its route.
    WriteColors(skin, colors);
    return skin;
}

Thin* BuildThin(const wchar_t* name, const int32_t* values)
{
    Thin* skin = TakeNamedSkin<Thin>(name);
    if (!skin)
        return nullptr;
    const Rgb windowBg = {values[0], values[1], values[2]}, compFg = {values[3], values[4], values[5]},
              text = {values[6], values[7], values[8]}, sliderBg = {values[9], values[10], values[11]},
              counter01 = {values[12], values[13], values[14]}, counter02 = {values[15], values[16], values[17]};

    AddWindow(skin, compFg, windowBg);
    Route(AddButton(skin, compFg), {{&IButton::GetFontSetting, text}, {&IButton::GetDisabledFontSetting, text}});
    Route(AddText(skin), {{&IText::GetNormalFontSetting, text}, {&IText::GetDisabledFontSetting, text}});
    AddScrollBar(skin, compFg, windowBg);
    AddCheckBox(skin, compFg, text, text);
    AddRadioButton(skin, compFg, text, text);
    AddSlider(skin, compFg, sliderBg);
    AddCounter(skin, counter01, counter02);
    AddListHeader(skin, compFg, windowBg, text);
    AddListBox(skin, windowBg, text, compFg, windowBg, kListAlternateOfSix);
    AddStatusBar(skin, compFg);
    AddMenu(skin, text, compFg, windowBg);
    AddCombo(skin, text, compFg);
    AddGroupBox(skin, compFg, text);
    AddTabBox(skin, compFg);
    return skin;
}

void WriteColors(ISkin* skin, const SkinColorSet& colors)
{
    if (!skin)
        return;
    const Palette c(colors);
    Route(skin->GetWindowDrawer(),
          {{&IWindow::SetForegroundColor, c.windowFg}, {&IWindow::SetBackgroundColor, c.windowBg}});
    Route(skin->GetButtonDrawer(), {{&IButton::SetForegroundColor, c.compFg},
                                    {&IButton::SetDisabledColor, c.compDisabled},
                                    {&IButton::SetDownColor, c.compFg},
                                    {&IButton::SetDownBackgroundColor, c.listHeaderBg},
                                    {&IButton::GetFontSetting, c.text},
                                    {&IButton::GetDisabledFontSetting, c.compDisabled},
                                    {&IButton::GetSecondFontSetting, c.listHeaderFont}});
    if (IText* textDrawer = skin->GetTextDrawer()) {
        Route(textDrawer->GetNormalFontSetting(), {{&IFontSetting::SetColor, c.text},
                                                   {&IFontSetting::SetColor2, c.windowBg},
                                                   {&IFontSetting::SetColor3, c.outline}});
        Route(textDrawer, {{&IText::GetDisabledFontSetting, c.compDisabled},
                           {&IText::GetLinkFontSetting, c.text},
                           {&IText::GetLinkHoverFontSetting, c.compFg}});
    }
    RouteScrollBar(skin->GetScrollBarDrawer(), c.compFg, c.sliderBg);
    RouteCheckBox(skin->GetCheckBoxDrawer(), c.compFg, c.text, c.compDisabled);
    RouteRadioButton(skin->GetRadioButtonDrawer(), c.compFg, c.text, c.compDisabled);
    Route(skin->GetSliderDrawer(), {{&ISlider::SetForegroundColor, c.compFg},
                                    {&ISlider::SetBarColor, c.sliderBg},
                                    {&ISlider::SetDisabledColor, c.compDisabled}});
    RouteCounter(skin->GetCounterDrawer(), c.counter01, c.counter02);
    RouteListHeader(skin->GetListHeaderDrawer(), c.compFg, c.listHeaderBg, c.listHeaderFont);
    RouteListBox(skin->GetListBoxDrawer(), c.listBg, c.listFont, c.listHeaderBg, c.listHeaderFont, c.listAlternate);
    Route(skin->GetStatusBarDrawer(), {{&IStatusBar::SetColor, c.compFg}});
    if (IMenu* menu = skin->GetMenuDrawer()) {
        RouteMenu(menu, c.text, c.compFg, c.windowBg);
        RouteCombo(menu->GetComboDrawer(), c.text, c.compFg);
    }
    RouteCombo(skin->GetComboDrawer(), c.text, c.compFg);
    RouteGroupBox(skin->GetGroupBoxDrawer(), c.groupBorder, c.text);
    Route(skin->GetTabBoxDrawer(), {{&ITabBox::SetColor, c.compFg},
                                    {&ITabBox::GetFontSetting, c.text},
                                    {&ITabBox::GetDisabledFontSetting, c.text},
                                    {&ITabBox::GetTabFontSetting, c.text}});
}

void ReadColors(ISkin* skin, SkinColorSet* colors)
{
    *colors = SkinColorSet();
    if (!skin)
        return;
    if (IWindow* window = skin->GetWindowDrawer()) {
        colors->Set(SkinColorSet::kWindowBg, window->GetBackgroundRed(), window->GetBackgroundGreen(),
                    window->GetBackgroundBlue());
        colors->Set(SkinColorSet::kWindowFg, window->GetForegroundRed(), window->GetForegroundGreen(),
                    window->GetForegroundBlue());
    }
    if (IButton* button = skin->GetButtonDrawer()) {
        colors->Set(SkinColorSet::kCompFg, button->GetForegroundRed(), button->GetForegroundGreen(),
                    button->GetForegroundBlue());
        colors->Set(SkinColorSet::kCompDisabled, button->GetDisabledRed(), button->GetDisabledGreen(),
                    button->GetDisabledBlue());
    }
    if (IGroupBox* groupBox = skin->GetGroupBoxDrawer())
        colors->Set(SkinColorSet::kGroupBorder, groupBox->GetFrameRed(), groupBox->GetFrameGreen(),
                    groupBox->GetFrameBlue());
    if (IText* text = skin->GetTextDrawer()) {
        if (IFontSetting* normal = text->GetNormalFontSetting()) {
            colors->SetColor(SkinColorSet::kText, normal->GetColor());
            colors->SetColor(SkinColorSet::kTextOutLineSpecific, normal->GetColor3());
        }
    }
    if (ISlider* slider = skin->GetSliderDrawer())
        colors->Set(SkinColorSet::kSliderBg, slider->GetBarRed(), slider->GetBarGreen(), slider->GetBarBlue());
    if (IListHeader* listHeader = skin->GetListHeaderDrawer()) {
        colors->Set(SkinColorSet::kListHeaderBg, listHeader->GetBackgroundRed(), listHeader->GetBackgroundGreen(),
                    listHeader->GetBackgroundBlue());
        if (IFontSetting* font = listHeader->GetFontSetting())
            colors->SetColor(SkinColorSet::kListHeaderFont, font->GetColor());
    }
    if (IListBox* listBox = skin->GetListBoxDrawer()) {
        colors->Set(SkinColorSet::kListBg, listBox->GetBackgroundRed(), listBox->GetBackgroundGreen(),
                    listBox->GetBackgroundBlue());
        if (IFontSetting* font = listBox->GetTextFontSetting())
            colors->SetColor(SkinColorSet::kListFont, font->GetColor());
        colors->Set(SkinColorSet::kListAlternate, listBox->GetAlternateRed(), listBox->GetAlternateGreen(),
                    listBox->GetAlternateBlue());
    }
    if (ICounter* counter = skin->GetCounterDrawer()) {
        colors->Set(SkinColorSet::kCounter01, counter->GetFirstColorRed(), counter->GetFirstColorGreen(),
                    counter->GetFirstColorBlue());
        colors->Set(SkinColorSet::kCounter02, counter->GetSecondColorRed(), counter->GetSecondColorGreen(),
                    counter->GetSecondColorBlue());
    }
}

} // namespace skin
} // namespace drawer
} // namespace gui
} // namespace s
