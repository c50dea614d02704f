#include "skins/drawer/listbox/Basic.h"

#include <initializer_list>

namespace s {
namespace gui {
namespace drawer {
namespace listbox {
namespace win {

namespace {
const COLORREF kSelection = 0x787878;
const COLORREF kBackground = 0x333333;
const COLORREF kAlternate = 0xE0E0E0;

void SetColorOf(IFontSetting* setting, COLORREF color)
{
    setting->SetColor(RedOf(color), GreenOf(color), BlueOf(color));
}
} // namespace

Basic::Basic()
    : selection_(kSelection), background_(kBackground), alternate_(kAlternate),
      textDrawer_(text::win::Basic::New()), selectedText_(text::win::Basic::New()),
      glyphButton_(button::win::Thin::New())
{
    Basic::Reset();
}

Basic::~Basic()
{
    delete textDrawer_;
    delete selectedText_;
    delete glyphButton_;
}

const wchar_t* Basic::GetClassName()
{
    return L"s_gui_drawer_listbox_win_Basic";
}

void Basic::Reset()
{
    selection_ = kSelection;
    background_ = kBackground;
    alternate_ = kAlternate;
    for (text::win::Basic* drawer : {textDrawer_, selectedText_}) {
        if (drawer) {
            drawer->Reset();
            drawer->SetCenteredSingleLine(0);
        }
    }
    if (glyphButton_)
        glyphButton_->Reset();
}

Basic* Basic::CreateWithSystemColors()
{
    Basic* drawer = New();
    if (!drawer)
        return nullptr;
    drawer->SetBackgroundColor(255, 255, 255);
    drawer->SetTextColor(0, 0, 0);
    drawer->selection_ = GetSysColor(COLOR_HIGHLIGHT);
    if (drawer->selectedText_)
        SetColorOf(drawer->selectedText_->GetNormalFontSetting(), GetSysColor(COLOR_HIGHLIGHTTEXT));
    drawer->SetAlternateColor(238, 238, 238);
    return drawer;
}

void Basic::SetSelectionColor(int32_t red, int32_t green, int32_t blue)
{
    selection_ = ComposeColor(red, green, blue);
}

void Basic::SetBackgroundColor(int32_t red, int32_t green, int32_t blue)
{
    background_ = ComposeColor(red, green, blue);
}

void Basic::ApplyToFonts(IFont* normal, IFont* selected)
{
    if (textDrawer_)
        textDrawer_->ApplyToFonts(normal, nullptr, nullptr, nullptr, nullptr);
    if (selectedText_)
        selectedText_->ApplyToFonts(selected, nullptr, nullptr, nullptr, nullptr);
}

IFontSetting* Basic::GetTextFontSetting()
{
    return textDrawer_ ? textDrawer_->GetNormalFontSetting() : nullptr;
}

IFontSetting* Basic::GetSelectedTextFontSetting()
{
    return selectedText_ ? selectedText_->GetNormalFontSetting() : nullptr;
}

void Basic::SetTextColor(int32_t red, int32_t green, int32_t blue)
{
    if (textDrawer_)
        textDrawer_->GetNormalFontSetting()->SetColor(red, green, blue);
}

void Basic::SetSelectedTextColor(int32_t red, int32_t green, int32_t blue)
{
    if (selectedText_)
        selectedText_->GetNormalFontSetting()->SetColor(red, green, blue);
}

void Basic::SetAlternateColor(int32_t red, int32_t green, int32_t blue)
{
    alternate_ = ComposeColor(red, green, blue);
}

} // namespace win
} // namespace listbox
} // namespace drawer
} // namespace gui
} // namespace s
