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
    if (skin)
        skin->SetName(name);
    return skin;
}

// The drawers both builders make alike, each from the colours its builder routes to it; what
// a builder sets after storing beyond these it sets itself.

void AddWindow(ISkin* skin, const Rgb& frame, const Rgb& background)
{
    if (window::win::Thin* window = window::win::Thin::New()) {
        window->SetTopCornerStyle(0);
        window->SetBottomCornerStyle(0);
        window->SetForegroundColor(frame.r, frame.g, frame.b);
        window->SetBackgroundColor(background.r, background.g, background.b);
        skin->SetWindowDrawer(window);
    }
}

IButton* AddButton(ISkin* skin, const Rgb& foreground)
{
    if (button::win::Thin* button = button::win::Thin::New()) {
        button->SetSecondOption(1);
        button->SetFirstOption(0);
        button->SetPushShift(1);
        button->SetForegroundColor(foreground.r, foreground.g, foreground.b);
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
        scrollBar->SetForegroundColor(foreground.r, foreground.g, foreground.b);
        scrollBar->SetTrackColor(track.r, track.g, track.b);
        skin->SetScrollBarDrawer(scrollBar);
    }
}

void AddCheckBox(ISkin* skin, const Rgb& box, const Rgb& text, const Rgb& disabledText)
{
    if (checkbox::win::Thin* checkBox = checkbox::win::Thin::New()) {
        checkBox->SetBoxColor(box.r, box.g, box.b);
        checkBox->SetTextColor(text.r, text.g, text.b);
        skin->SetCheckBoxDrawer(checkBox);
        skin->GetCheckBoxDrawer()->SetDisabledTextColor(disabledText.r, disabledText.g, disabledText.b);
    }
}

void AddRadioButton(ISkin* skin, const Rgb& frame, const Rgb& text, const Rgb& disabledText)
{
    if (radiobutton::win::Thin* radioButton = radiobutton::win::Thin::New()) {
        radioButton->SetFrameColor(frame.r, frame.g, frame.b);
        radioButton->SetTextColor(text.r, text.g, text.b);
        skin->SetRadioButtonDrawer(radioButton);
        skin->GetRadioButtonDrawer()->SetDisabledTextColor(disabledText.r, disabledText.g, disabledText.b);
    }
}

ISlider* AddSlider(ISkin* skin, const Rgb& foreground, const Rgb& bar)
{
    if (slider::win::Thin* slider = slider::win::Thin::New()) {
        slider->SetForegroundColor(foreground.r, foreground.g, foreground.b);
        slider->SetBarColor(bar.r, bar.g, bar.b);
        skin->SetSliderDrawer(slider);
    }
    return skin->GetSliderDrawer();
}

void AddCounter(ISkin* skin, const Rgb& first, const Rgb& second)
{
    if (counter::win::Basic* counter = counter::win::Basic::New()) {
        counter->SetFirstColor(first.r, first.g, first.b);
        counter->SetSecondColor(second.r, second.g, second.b);
        skin->SetCounterDrawer(counter);
    }
}

void AddListHeader(ISkin* skin, const Rgb& foreground, const Rgb& background, const Rgb& font)
{
    if (listheader::win::Thin* listHeader = listheader::win::Thin::New()) {
        listHeader->SetPushShift(1);
        listHeader->SetForegroundColor(foreground.r, foreground.g, foreground.b);
        listHeader->SetBackgroundColor(background.r, background.g, background.b);
        skin->SetListHeaderDrawer(listHeader);
        SetColor(skin->GetListHeaderDrawer()->GetFontSetting(), font);
    }
}

void AddListBox(ISkin* skin, const Rgb& background, const Rgb& text, const Rgb& selection, const Rgb& selectedText,
                const Rgb& alternate)
{
    if (listbox::win::Thin* listBox = listbox::win::Thin::New()) {
        listBox->SetBackgroundColor(background.r, background.g, background.b);
        listBox->SetTextColor(text.r, text.g, text.b);
        listBox->SetSelectionColor(selection.r, selection.g, selection.b);
        listBox->SetSelectedTextColor(selectedText.r, selectedText.g, selectedText.b);
        listBox->SetAlternateColor(alternate.r, alternate.g, alternate.b);
        skin->SetListBoxDrawer(listBox);
    }
}

void AddStatusBar(ISkin* skin, const Rgb& color)
{
    if (statusbar::win::Thin* statusBar = statusbar::win::Thin::New()) {
        statusBar->SetColor(color.r, color.g, color.b);
        skin->SetStatusBarDrawer(statusBar);
    }
}

IMenu* AddMenu(ISkin* skin, const Rgb& text, const Rgb& highlight, const Rgb& highlightText)
{
    if (menu::win::Basic* menu = menu::win::Basic::New()) {
        menu->SetTextColor(text.r, text.g, text.b);
        menu->SetHighlightColor(highlight.r, highlight.g, highlight.b);
        menu->SetHighlightTextColor(highlightText.r, highlightText.g, highlightText.b);
        menu->SetHotFill(0);
        menu->SetHotShift(1);
        skin->SetMenuDrawer(menu);
    }
    return skin->GetMenuDrawer();
}

void AddCombo(ISkin* skin, const Rgb& text, const Rgb& foreground)
{
    if (combo::win::Thin* combo = combo::win::Thin::New()) {
        combo->SetTextColor(text.r, text.g, text.b);
        combo->SetForegroundColor(foreground.r, foreground.g, foreground.b);
        skin->SetComboDrawer(combo);
        skin->GetComboDrawer()->SetDisabledTextColor(text.r, text.g, text.b);
    }
}

void AddGroupBox(ISkin* skin, const Rgb& frame, const Rgb& text)
{
    if (groupbox::win::Thin* groupBox = groupbox::win::Thin::New()) {
        groupBox->SetFrameColor(frame.r, frame.g, frame.b);
        skin->SetGroupBoxDrawer(groupBox);
        SetColor(skin->GetGroupBoxDrawer()->GetFontSetting(), text);
        SetColor(skin->GetGroupBoxDrawer()->GetDisabledFontSetting(), text);
    }
}

ITabBox* AddTabBox(ISkin* skin, const Rgb& color)
{
    if (tabbox::win::Thin* tabBox = tabbox::win::Thin::New()) {
        tabBox->SetColor(color.r, color.g, color.b);
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
    const Rgb windowBg = At(colors, SkinColorSet::kWindowBg), windowFg = At(colors, SkinColorSet::kWindowFg),
              compFg = At(colors, SkinColorSet::kCompFg), compDisabled = At(colors, SkinColorSet::kCompDisabled),
              groupBorder = At(colors, SkinColorSet::kGroupBorder), text = At(colors, SkinColorSet::kText),
              sliderBg = At(colors, SkinColorSet::kSliderBg),
              listHeaderBg = At(colors, SkinColorSet::kListHeaderBg),
              listHeaderFont = At(colors, SkinColorSet::kListHeaderFont), listBg = At(colors, SkinColorSet::kListBg),
              listFont = At(colors, SkinColorSet::kListFont), listAlternate = At(colors, SkinColorSet::kListAlternate),
              counter01 = At(colors, SkinColorSet::kCounter01), counter02 = At(colors, SkinColorSet::kCounter02);

    AddWindow(skin, windowFg, windowBg);
    AddButton(skin, compFg);
    AddText(skin);
    AddScrollBar(skin, compFg, sliderBg);
    AddCheckBox(skin, compFg, text, compDisabled);
    AddRadioButton(skin, compFg, text, compDisabled);
    AddSlider(skin, compFg, sliderBg);
    AddCounter(skin, counter01, counter02);
    AddListHeader(skin, compFg, listHeaderBg, listHeaderFont);
    AddListBox(skin, listBg, listFont, listHeaderBg, listHeaderFont, listAlternate);
    AddStatusBar(skin, compFg);
    AddMenu(skin, text, compFg, windowBg);
    AddCombo(skin, text, compFg);
    AddGroupBox(skin, groupBorder, text);
    AddTabBox(skin, compFg);
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
    if (IButton* button = AddButton(skin, compFg)) {
        SetColor(button->GetFontSetting(), text);
        SetColor(button->GetDisabledFontSetting(), text);
    }
    if (IText* textDrawer = AddText(skin)) {
        SetColor(textDrawer->GetNormalFontSetting(), text);
        SetColor(textDrawer->GetDisabledFontSetting(), text);
    }
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
    const Rgb windowBg = At(colors, SkinColorSet::kWindowBg), windowFg = At(colors, SkinColorSet::kWindowFg),
              compFg = At(colors, SkinColorSet::kCompFg), compDisabled = At(colors, SkinColorSet::kCompDisabled),
              groupBorder = At(colors, SkinColorSet::kGroupBorder), text = At(colors, SkinColorSet::kText),
              outline = At(colors, SkinColorSet::kTextOutLineSpecific), sliderBg = At(colors, SkinColorSet::kSliderBg),
              listHeaderBg = At(colors, SkinColorSet::kListHeaderBg),
              listHeaderFont = At(colors, SkinColorSet::kListHeaderFont), listBg = At(colors, SkinColorSet::kListBg),
              listFont = At(colors, SkinColorSet::kListFont), listAlternate = At(colors, SkinColorSet::kListAlternate),
              counter01 = At(colors, SkinColorSet::kCounter01), counter02 = At(colors, SkinColorSet::kCounter02);
    if (IWindow* window = skin->GetWindowDrawer()) {
        window->SetForegroundColor(windowFg.r, windowFg.g, windowFg.b);
        window->SetBackgroundColor(windowBg.r, windowBg.g, windowBg.b);
    }
    if (IButton* button = skin->GetButtonDrawer()) {
        button->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        button->SetDisabledColor(compDisabled.r, compDisabled.g, compDisabled.b);
        button->SetDownColor(compFg.r, compFg.g, compFg.b);
        button->SetDownBackgroundColor(listHeaderBg.r, listHeaderBg.g, listHeaderBg.b);
        SetColor(button->GetFontSetting(), text);
        SetColor(button->GetDisabledFontSetting(), compDisabled);
        SetColor(button->GetSecondFontSetting(), listHeaderFont);
    }
    if (IText* textDrawer = skin->GetTextDrawer()) {
        if (IFontSetting* normal = textDrawer->GetNormalFontSetting()) {
            normal->SetColor(text.r, text.g, text.b);
            normal->SetColor2(windowBg.r, windowBg.g, windowBg.b);
            normal->SetColor3(outline.r, outline.g, outline.b);
        }
        SetColor(textDrawer->GetDisabledFontSetting(), compDisabled);
        SetColor(textDrawer->GetLinkFontSetting(), text);
        SetColor(textDrawer->GetLinkHoverFontSetting(), compFg);
    }
    if (IScrollBar* scrollBar = skin->GetScrollBarDrawer()) {
        scrollBar->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        scrollBar->SetTrackColor(sliderBg.r, sliderBg.g, sliderBg.b);
    }
    if (ICheckBox* checkBox = skin->GetCheckBoxDrawer()) {
        checkBox->SetBoxColor(compFg.r, compFg.g, compFg.b);
        checkBox->SetTextColor(text.r, text.g, text.b);
        checkBox->SetDisabledTextColor(compDisabled.r, compDisabled.g, compDisabled.b);
    }
    if (IRadioButton* radioButton = skin->GetRadioButtonDrawer()) {
        radioButton->SetFrameColor(compFg.r, compFg.g, compFg.b);
        radioButton->SetTextColor(text.r, text.g, text.b);
        radioButton->SetDisabledTextColor(compDisabled.r, compDisabled.g, compDisabled.b);
    }
    if (ISlider* slider = skin->GetSliderDrawer()) {
        slider->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        slider->SetBarColor(sliderBg.r, sliderBg.g, sliderBg.b);
        slider->SetDisabledColor(compDisabled.r, compDisabled.g, compDisabled.b);
    }
    if (ICounter* counter = skin->GetCounterDrawer()) {
        counter->SetFirstColor(counter01.r, counter01.g, counter01.b);
        counter->SetSecondColor(counter02.r, counter02.g, counter02.b);
    }
    if (IListHeader* listHeader = skin->GetListHeaderDrawer()) {
        listHeader->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        listHeader->SetBackgroundColor(listHeaderBg.r, listHeaderBg.g, listHeaderBg.b);
        SetColor(listHeader->GetFontSetting(), listHeaderFont);
    }
    if (IListBox* listBox = skin->GetListBoxDrawer()) {
        listBox->SetBackgroundColor(listBg.r, listBg.g, listBg.b);
        listBox->SetTextColor(listFont.r, listFont.g, listFont.b);
        listBox->SetSelectionColor(listHeaderBg.r, listHeaderBg.g, listHeaderBg.b);
        listBox->SetSelectedTextColor(listHeaderFont.r, listHeaderFont.g, listHeaderFont.b);
        listBox->SetAlternateColor(listAlternate.r, listAlternate.g, listAlternate.b);
    }
    if (IStatusBar* statusBar = skin->GetStatusBarDrawer())
        statusBar->SetColor(compFg.r, compFg.g, compFg.b);
    if (IMenu* menu = skin->GetMenuDrawer()) {
        menu->SetTextColor(text.r, text.g, text.b);
        menu->SetHighlightColor(compFg.r, compFg.g, compFg.b);
        menu->SetHighlightTextColor(windowBg.r, windowBg.g, windowBg.b);
        if (ICombo* combo = menu->GetComboDrawer()) {
            combo->SetTextColor(text.r, text.g, text.b);
            combo->SetForegroundColor(compFg.r, compFg.g, compFg.b);
            combo->SetDisabledTextColor(text.r, text.g, text.b);
        }
    }
    if (ICombo* combo = skin->GetComboDrawer()) {
        combo->SetTextColor(text.r, text.g, text.b);
        combo->SetForegroundColor(compFg.r, compFg.g, compFg.b);
        combo->SetDisabledTextColor(text.r, text.g, text.b);
    }
    if (IGroupBox* groupBox = skin->GetGroupBoxDrawer()) {
        groupBox->SetFrameColor(groupBorder.r, groupBorder.g, groupBorder.b);
        SetColor(groupBox->GetFontSetting(), text);
        SetColor(groupBox->GetDisabledFontSetting(), text);
    }
    if (ITabBox* tabBox = skin->GetTabBoxDrawer()) {
        tabBox->SetColor(compFg.r, compFg.g, compFg.b);
        SetColor(tabBox->GetFontSetting(), text);
        SetColor(tabBox->GetDisabledFontSetting(), text);
        SetColor(tabBox->GetTabFontSetting(), text);
    }
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
