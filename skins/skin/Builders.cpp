#include "skins/skin/Builders.h"

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

const Rgb kListAlternateOfSix = {243, 243, 243};
const int32_t kBarWidth = 15;

void SetColor(IFontSetting* setting, const Rgb& c)
{
    if (setting)
        setting->SetColor(c.r, c.g, c.b);
}

// A skin of the class from its pool, named; its builder adds the drawers.
template <class Skin>
Skin* TakeNamedSkin(const wchar_t* name)
{
    Skin* skin = Skin::New();
    if (!skin)
        return nullptr;
    skin->SetName(name);
    return skin;
}

} // namespace

ThinWindow* BuildThinWindow(const wchar_t* name, const int32_t* values)
{
    ThinWindow* skin = TakeNamedSkin<ThinWindow>(name);
    if (!skin)
        return nullptr;
    SkinColorSet colors;
    colors.FromBuilderOrder(values);
    const Rgb windowBg = At(colors, SkinColorSet::kWindowBg), windowFg = At(colors, SkinColorSet::kWindowFg),
              compFg = At(colors, SkinColorSet::kCompFg), compDisabled = At(colors, SkinColorSet::kCompDisabled),
              groupBorder = At(colors, SkinColorSet::kGroupBorder), text = At(colors, SkinColorSet::kText),
              outline = At(colors, SkinColorSet::kTextOutLineSpecific), sliderBg = At(colors, SkinColorSet::kSliderBg),
              listHeaderBg = At(colors, SkinColorSet::kListHeaderBg),
              listHeaderFont = At(colors, SkinColorSet::kListHeaderFont), listBg = At(colors, SkinColorSet::kListBg),
              listFont = At(colors, SkinColorSet::kListFont), listAlternate = At(colors, SkinColorSet::kListAlternate),
              counter01 = At(colors, SkinColorSet::kCounter01), counter02 = At(colors, SkinColorSet::kCounter02);

    if (window::win::Thin* window = window::win::Thin::New()) {
        window->SetTopCornerStyle(0);
        window->SetBottomCornerStyle(0);
        window->SetForegroundColor(windowFg.r, windowFg.g, windowFg.b);
        window->SetBackgroundColor(windowBg.r, windowBg.g, windowBg.b);
        skin->SetWindowDrawer(window);
    }
    if (button::win::Thin* button = button::win::Thin::New()) {
        button->SetSecondOption(1);
        button->SetFirstOption(0);
        button->SetPushShift(1);
        button->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        skin->SetButtonDrawer(button);
        IButton* stored = skin->GetButtonDrawer();
        stored->SetDisabledColor(compDisabled.r, compDisabled.g, compDisabled.b);
        stored->SetDownColor(compFg.r, compFg.g, compFg.b);
        stored->SetDownBackgroundColor(listHeaderBg.r, listHeaderBg.g, listHeaderBg.b);
        SetColor(stored->GetFontSetting(), text);
        SetColor(stored->GetDisabledFontSetting(), compDisabled);
        SetColor(stored->GetSecondFontSetting(), listHeaderFont);
    }
    if (text::win::Basic* textDrawer = text::win::Basic::New()) {
        skin->SetTextDrawer(textDrawer);
        IText* stored = skin->GetTextDrawer();
        if (IFontSetting* normal = stored->GetNormalFontSetting()) {
            normal->SetColor(text.r, text.g, text.b);
            normal->SetColor2(windowBg.r, windowBg.g, windowBg.b);
            normal->SetColor3(outline.r, outline.g, outline.b);
        }
        SetColor(stored->GetDisabledFontSetting(), compDisabled);
        SetColor(stored->GetLinkFontSetting(), text);
        SetColor(stored->GetLinkHoverFontSetting(), compFg);
    }
    if (scrollbar::win::Thin* scrollBar = scrollbar::win::Thin::New()) {
        scrollBar->SetBarWidth(kBarWidth);
        scrollBar->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        scrollBar->SetTrackColor(sliderBg.r, sliderBg.g, sliderBg.b);
        skin->SetScrollBarDrawer(scrollBar);
    }
    if (checkbox::win::Thin* checkBox = checkbox::win::Thin::New()) {
        checkBox->SetBoxColor(compFg.r, compFg.g, compFg.b);
        checkBox->SetTextColor(text.r, text.g, text.b);
        skin->SetCheckBoxDrawer(checkBox);
        skin->GetCheckBoxDrawer()->SetDisabledTextColor(compDisabled.r, compDisabled.g, compDisabled.b);
    }
    if (radiobutton::win::Thin* radioButton = radiobutton::win::Thin::New()) {
        radioButton->SetFrameColor(compFg.r, compFg.g, compFg.b);
        radioButton->SetTextColor(text.r, text.g, text.b);
        skin->SetRadioButtonDrawer(radioButton);
        skin->GetRadioButtonDrawer()->SetDisabledTextColor(compDisabled.r, compDisabled.g, compDisabled.b);
    }
    if (slider::win::Thin* slider = slider::win::Thin::New()) {
        slider->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        slider->SetBarColor(sliderBg.r, sliderBg.g, sliderBg.b);
        skin->SetSliderDrawer(slider);
        skin->GetSliderDrawer()->SetDisabledColor(compDisabled.r, compDisabled.g, compDisabled.b);
    }
    if (counter::win::Basic* counter = counter::win::Basic::New()) {
        counter->SetFirstColor(counter01.r, counter01.g, counter01.b);
        counter->SetSecondColor(counter02.r, counter02.g, counter02.b);
        skin->SetCounterDrawer(counter);
    }
    if (listheader::win::Thin* listHeader = listheader::win::Thin::New()) {
        listHeader->SetPushShift(1);
        listHeader->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        listHeader->SetBackgroundColor(listHeaderBg.r, listHeaderBg.g, listHeaderBg.b);
        skin->SetListHeaderDrawer(listHeader);
        SetColor(skin->GetListHeaderDrawer()->GetFontSetting(), listHeaderFont);
    }
    if (listbox::win::Thin* listBox = listbox::win::Thin::New()) {
        listBox->SetBackgroundColor(listBg.r, listBg.g, listBg.b);
        listBox->SetTextColor(listFont.r, listFont.g, listFont.b);
        listBox->SetSelectionColor(listHeaderBg.r, listHeaderBg.g, listHeaderBg.b);
        listBox->SetSelectedTextColor(listHeaderFont.r, listHeaderFont.g, listHeaderFont.b);
        listBox->SetAlternateColor(listAlternate.r, listAlternate.g, listAlternate.b);
        skin->SetListBoxDrawer(listBox);
    }
    if (statusbar::win::Thin* statusBar = statusbar::win::Thin::New()) {
        statusBar->SetColor(compFg.r, compFg.g, compFg.b);
        skin->SetStatusBarDrawer(statusBar);
    }
    if (menu::win::Basic* menu = menu::win::Basic::New()) {
        menu->SetTextColor(text.r, text.g, text.b);
        menu->SetHighlightColor(compFg.r, compFg.g, compFg.b);
        menu->SetHighlightTextColor(windowBg.r, windowBg.g, windowBg.b);
        menu->SetHotFill(0);
        menu->SetHotShift(1);
        skin->SetMenuDrawer(menu);
        if (ICombo* combo = skin->GetMenuDrawer()->GetComboDrawer()) {
            combo->SetTextColor(text.r, text.g, text.b);
            combo->SetForegroundColor(compFg.r, compFg.g, compFg.b);
            combo->SetDisabledTextColor(text.r, text.g, text.b);
        }
    }
    if (combo::win::Thin* combo = combo::win::Thin::New()) {
        combo->SetTextColor(text.r, text.g, text.b);
        combo->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        skin->SetComboDrawer(combo);
        skin->GetComboDrawer()->SetDisabledTextColor(text.r, text.g, text.b);
    }
    if (groupbox::win::Thin* groupBox = groupbox::win::Thin::New()) {
        groupBox->SetFrameColor(groupBorder.r, groupBorder.g, groupBorder.b);
        skin->SetGroupBoxDrawer(groupBox);
        SetColor(skin->GetGroupBoxDrawer()->GetFontSetting(), text);
        SetColor(skin->GetGroupBoxDrawer()->GetDisabledFontSetting(), text);
    }
    if (tabbox::win::Thin* tabBox = tabbox::win::Thin::New()) {
        tabBox->SetColor(compFg.r, compFg.g, compFg.b);
        skin->SetTabBoxDrawer(tabBox);
        SetColor(skin->GetTabBoxDrawer()->GetFontSetting(), text);
        SetColor(skin->GetTabBoxDrawer()->GetDisabledFontSetting(), text);
        SetColor(skin->GetTabBoxDrawer()->GetTabFontSetting(), text);
    }
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

    if (window::win::Thin* window = window::win::Thin::New()) {
        window->SetTopCornerStyle(0);
        window->SetBottomCornerStyle(0);
        window->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        window->SetBackgroundColor(windowBg.r, windowBg.g, windowBg.b);
        skin->SetWindowDrawer(window);
    }
    if (button::win::Thin* button = button::win::Thin::New()) {
        button->SetSecondOption(1);
        button->SetFirstOption(0);
        button->SetPushShift(1);
        button->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        skin->SetButtonDrawer(button);
        SetColor(skin->GetButtonDrawer()->GetFontSetting(), text);
        SetColor(skin->GetButtonDrawer()->GetDisabledFontSetting(), text);
    }
    if (text::win::Basic* textDrawer = text::win::Basic::New()) {
        skin->SetTextDrawer(textDrawer);
        SetColor(skin->GetTextDrawer()->GetNormalFontSetting(), text);
        SetColor(skin->GetTextDrawer()->GetDisabledFontSetting(), text);
    }
    if (scrollbar::win::Thin* scrollBar = scrollbar::win::Thin::New()) {
        scrollBar->SetBarWidth(kBarWidth);
        scrollBar->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        scrollBar->SetTrackColor(windowBg.r, windowBg.g, windowBg.b);
        skin->SetScrollBarDrawer(scrollBar);
    }
    if (checkbox::win::Thin* checkBox = checkbox::win::Thin::New()) {
        checkBox->SetBoxColor(compFg.r, compFg.g, compFg.b);
        checkBox->SetTextColor(text.r, text.g, text.b);
        skin->SetCheckBoxDrawer(checkBox);
        skin->GetCheckBoxDrawer()->SetDisabledTextColor(text.r, text.g, text.b);
    }
    if (radiobutton::win::Thin* radioButton = radiobutton::win::Thin::New()) {
        radioButton->SetFrameColor(compFg.r, compFg.g, compFg.b);
        radioButton->SetTextColor(text.r, text.g, text.b);
        skin->SetRadioButtonDrawer(radioButton);
        skin->GetRadioButtonDrawer()->SetDisabledTextColor(text.r, text.g, text.b);
    }
    if (slider::win::Thin* slider = slider::win::Thin::New()) {
        slider->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        slider->SetBarColor(sliderBg.r, sliderBg.g, sliderBg.b);
        skin->SetSliderDrawer(slider);
    }
    if (counter::win::Basic* counter = counter::win::Basic::New()) {
        counter->SetFirstColor(counter01.r, counter01.g, counter01.b);
        counter->SetSecondColor(counter02.r, counter02.g, counter02.b);
        skin->SetCounterDrawer(counter);
    }
    if (listheader::win::Thin* listHeader = listheader::win::Thin::New()) {
        listHeader->SetPushShift(1);
        listHeader->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        listHeader->SetBackgroundColor(windowBg.r, windowBg.g, windowBg.b);
        skin->SetListHeaderDrawer(listHeader);
        SetColor(skin->GetListHeaderDrawer()->GetFontSetting(), text);
    }
    if (listbox::win::Thin* listBox = listbox::win::Thin::New()) {
        listBox->SetBackgroundColor(windowBg.r, windowBg.g, windowBg.b);
        listBox->SetTextColor(text.r, text.g, text.b);
        listBox->SetSelectionColor(compFg.r, compFg.g, compFg.b);
        listBox->SetSelectedTextColor(windowBg.r, windowBg.g, windowBg.b);
        listBox->SetAlternateColor(kListAlternateOfSix.r, kListAlternateOfSix.g, kListAlternateOfSix.b);
        skin->SetListBoxDrawer(listBox);
    }
    if (statusbar::win::Thin* statusBar = statusbar::win::Thin::New()) {
        statusBar->SetColor(compFg.r, compFg.g, compFg.b);
        skin->SetStatusBarDrawer(statusBar);
    }
    if (menu::win::Basic* menu = menu::win::Basic::New()) {
        menu->SetTextColor(text.r, text.g, text.b);
        menu->SetHighlightColor(compFg.r, compFg.g, compFg.b);
        menu->SetHighlightTextColor(windowBg.r, windowBg.g, windowBg.b);
        menu->SetHotFill(0);
        menu->SetHotShift(1);
        skin->SetMenuDrawer(menu);
    }
    if (combo::win::Thin* combo = combo::win::Thin::New()) {
        combo->SetTextColor(text.r, text.g, text.b);
        combo->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        skin->SetComboDrawer(combo);
        skin->GetComboDrawer()->SetDisabledTextColor(text.r, text.g, text.b);
    }
    if (groupbox::win::Thin* groupBox = groupbox::win::Thin::New()) {
        groupBox->SetFrameColor(compFg.r, compFg.g, compFg.b);
        skin->SetGroupBoxDrawer(groupBox);
        SetColor(skin->GetGroupBoxDrawer()->GetFontSetting(), text);
        SetColor(skin->GetGroupBoxDrawer()->GetDisabledFontSetting(), text);
    }
    if (tabbox::win::Thin* tabBox = tabbox::win::Thin::New()) {
        tabBox->SetColor(compFg.r, compFg.g, compFg.b);
        skin->SetTabBoxDrawer(tabBox);
    }
    return skin;
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
