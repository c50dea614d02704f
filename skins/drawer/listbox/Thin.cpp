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

void Thin::FillBackground(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (inner_)
        inner_->FillBackground(dc, left, top, right, bottom);
}

void Thin::DrawItem(CDC* dc, image::win::BufferedImage* target, int32_t left, int32_t top, int32_t right,
                    int32_t bottom, int32_t alignment, uint8_t selected, uint8_t highlighted, uint8_t fullRowSelect,
                    uint8_t alternateRow, int32_t dropLevel, int32_t dropPosition, uint8_t firstRow, uint8_t lastRow,
                    int32_t status, const wchar_t* text, IFont* font, IFont* selectedFont, uint8_t hasIcon,
                    image::IImageBuffer* icon, uint8_t hasCheckBox, int32_t checkState, uint8_t option,
                    uint8_t treeRow, int32_t expandState, int32_t level, int32_t* textLeft, int32_t* textTop,
                    int32_t* textWidth, int32_t* textHeight, uint8_t endEllipsis, uint8_t bottomAlign,
                    uint8_t underline, uint8_t linkColor, uint8_t progress, uint8_t statusColor)
{
    if (inner_)
        inner_->DrawItem(dc, target, left, top, right, bottom, alignment, selected, highlighted, fullRowSelect,
                         alternateRow, dropLevel, dropPosition, firstRow, lastRow, status, text, font, selectedFont,
                         hasIcon, icon, hasCheckBox, checkState, option, treeRow, expandState, level, textLeft,
                         textTop, textWidth, textHeight, endEllipsis, bottomAlign, underline, linkColor, progress,
                         statusColor);
}

bool Thin::HitCheckBox(int32_t x, int32_t y, uint8_t treeRow, int32_t level)
{
    return inner_ && inner_->HitCheckBox(x, y, treeRow, level);
}

bool Thin::HitExpander(int32_t x, int32_t y, int32_t level)
{
    return inner_ && inner_->HitExpander(x, y, level);
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
