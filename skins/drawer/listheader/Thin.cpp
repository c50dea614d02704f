#include "skins/drawer/listheader/Thin.h"

#include "skins/drawer/PaintArea.h"

namespace s {
namespace gui {
namespace drawer {
namespace listheader {
namespace win {

Thin::Thin()
    : pushShift_(1), borderStyle_(0), foreground_(RGB(120, 120, 120)), background_(0x333333), itemButton_(button::win::Thin::New()),
      height_(22)
{
    Thin::Reset();
}

Thin::~Thin()
{
    delete itemButton_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_listheader_win_Thin";
}

void Thin::Reset()
{
    pushShift_ = 1;
    borderStyle_ = 0;
    foreground_ = RGB(120, 120, 120);
    background_ = 0x333333;
    if (itemButton_) {
        itemButton_->Reset();
        itemButton_->SetPushShift(1);
        itemButton_->SetBorderStyle(borderStyle_);
    }
    height_ = 22;
}

void Thin::FillBackground(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, uint8_t ownColor,
                          int32_t red, int32_t green, int32_t blue)
{
    if (!CanPaint(dc, left, top, right, bottom))
        return;
    FillBox(dc, left, top, right - left, bottom - top, ownColor ? ComposeColor(red, green, blue) : background_);
}

void Thin::DrawItem(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
                    const wchar_t* caption, IFont* font)
{
    if (itemButton_)
        itemButton_->Draw(dc, left, top, right, bottom, state, caption, true, font, true, false, false);
}

void Thin::SetPushShift(int32_t shift)
{
    pushShift_ = shift;
    if (itemButton_)
        itemButton_->SetPushShift(static_cast<uint8_t>(shift));
}

void Thin::SetForegroundColor(int32_t red, int32_t green, int32_t blue)
{
    foreground_ = ComposeColor(red, green, blue);
    if (itemButton_)
        itemButton_->SetForegroundColor(red, green, blue);
}

void Thin::ApplyToFonts(IFont* font)
{
    if (itemButton_)
        itemButton_->ApplyToFonts(font, nullptr);
}

IFontSetting* Thin::GetFontSetting()
{
    return itemButton_ ? itemButton_->GetFontSetting() : nullptr;
}

} // namespace win
} // namespace listheader
} // namespace drawer
} // namespace gui
} // namespace s
