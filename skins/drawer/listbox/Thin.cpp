#include "skins/drawer/listbox/Thin.h"

namespace s {
namespace gui {
namespace drawer {
namespace listbox {
namespace win {

Thin::Thin() : inner_(Basic::CreateWithSystemColors())
{
    Thin::Reset();
}

Thin::~Thin()
{
    delete inner_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_listbox_win_Thin";
}

void Thin::Reset()
{
    if (!inner_)
        return;
    inner_->Reset();
    inner_->SetSelectionColor(120, 120, 120);
    inner_->SetBackgroundColor(51, 51, 51);
    inner_->SetAlternateColor(243, 243, 243);
}

COLORREF Thin::GetSelectionColor()
{
    return inner_ ? inner_->GetSelectionColor() : 0;
}

void Thin::SetSelectionColor(int32_t red, int32_t green, int32_t blue)
{
    if (inner_)
        inner_->SetSelectionColor(red, green, blue);
}

COLORREF Thin::GetBackgroundColor()
{
    return inner_ ? inner_->GetBackgroundColor() : 0;
}

uint8_t Thin::GetBackgroundRed()
{
    return inner_ ? inner_->GetBackgroundRed() : 0;
}

uint8_t Thin::GetBackgroundGreen()
{
    return inner_ ? inner_->GetBackgroundGreen() : 0;
}

uint8_t Thin::GetBackgroundBlue()
{
    return inner_ ? inner_->GetBackgroundBlue() : 0;
}

void Thin::SetBackgroundColor(int32_t red, int32_t green, int32_t blue)
{
    if (inner_)
        inner_->SetBackgroundColor(red, green, blue);
}

void Thin::ApplyToFonts(IFont* normal, IFont* selected)
{
    if (inner_)
        inner_->ApplyToFonts(normal, selected);
}

IFontSetting* Thin::GetTextFontSetting()
{
    return inner_ ? inner_->GetTextFontSetting() : nullptr;
}

IFontSetting* Thin::GetSelectedTextFontSetting()
{
    return inner_ ? inner_->GetSelectedTextFontSetting() : nullptr;
}

void Thin::SetTextColor(int32_t red, int32_t green, int32_t blue)
{
    if (inner_)
        inner_->SetTextColor(red, green, blue);
}

void Thin::SetSelectedTextColor(int32_t red, int32_t green, int32_t blue)
{
    if (inner_)
        inner_->SetSelectedTextColor(red, green, blue);
}

uint8_t Thin::GetAlternateRed()
{
    return inner_ ? inner_->GetAlternateRed() : 0;
}

uint8_t Thin::GetAlternateGreen()
{
    return inner_ ? inner_->GetAlternateGreen() : 0;
}

uint8_t Thin::GetAlternateBlue()
{
    return inner_ ? inner_->GetAlternateBlue() : 0;
}

COLORREF Thin::GetAlternateColor()
{
    return inner_ ? inner_->GetAlternateColor() : 0;
}

void Thin::SetAlternateColor(int32_t red, int32_t green, int32_t blue)
{
    if (inner_)
        inner_->SetAlternateColor(red, green, blue);
}

} // namespace win
} // namespace listbox
} // namespace drawer
} // namespace gui
} // namespace s
