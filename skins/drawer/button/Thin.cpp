#include "skins/drawer/button/Thin.h"

#include <initializer_list>

#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace button {
namespace win {

namespace {
const COLORREF kGrey = RGB(120, 120, 120);
}

Thin::Thin()
    : color_(0), firstOption_(1), secondOption_(1), pushShift_(0), borderStyle_(1), foreground_(kGrey),
      disabled_(kGrey), down_(kGrey), downBackground_(kGrey), border_(border::win::Thin::New()),
      caption_(text::win::Basic::New()), second_(text::win::Basic::New())
{
    Thin::Reset();
}

Thin::~Thin()
{
    // Sub-drawers go with their composite; they never return to their pools.
    delete border_;
    delete caption_;
    delete second_;
}

const wchar_t* Thin::GetClassName()
{
    return L"s_gui_drawer_button_win_Thin";
}

void Thin::Reset()
{
    color_ = RGB(213, 235, 107);
    firstOption_ = 1;
    secondOption_ = 1;
    pushShift_ = 0;
    borderStyle_ = 1;
    foreground_ = kGrey;
    disabled_ = kGrey;
    down_ = kGrey;
    downBackground_ = kGrey;
    if (border_)
        border_->Reset();
    for (text::win::Basic* drawer : {caption_, second_}) {
        if (drawer) {
            drawer->Reset();
            drawer->SetCenteredSingleLine(1);
        }
    }
}

void Thin::SetColor(int32_t red, int32_t green, int32_t blue)
{
    color_ = ComposeColor(red, green, blue);
}

uint8_t Thin::GetForegroundRed()
{
    return RedOf(foreground_);
}

uint8_t Thin::GetForegroundGreen()
{
    return GreenOf(foreground_);
}

uint8_t Thin::GetForegroundBlue()
{
    return BlueOf(foreground_);
}

void Thin::SetForegroundColor(int32_t red, int32_t green, int32_t blue)
{
    foreground_ = ComposeColor(red, green, blue);
}

uint8_t Thin::GetDisabledRed()
{
    return RedOf(disabled_);
}

uint8_t Thin::GetDisabledGreen()
{
    return GreenOf(disabled_);
}

uint8_t Thin::GetDisabledBlue()
{
    return BlueOf(disabled_);
}

void Thin::SetDisabledColor(int32_t red, int32_t green, int32_t blue)
{
    disabled_ = ComposeColor(red, green, blue);
}

void Thin::SetDownColor(int32_t red, int32_t green, int32_t blue)
{
    down_ = ComposeColor(red, green, blue);
}

void Thin::SetDownBackgroundColor(int32_t red, int32_t green, int32_t blue)
{
    downBackground_ = ComposeColor(red, green, blue);
}

uint8_t Thin::GetDownBackgroundRed()
{
    return RedOf(downBackground_);
}

uint8_t Thin::GetDownBackgroundGreen()
{
    return GreenOf(downBackground_);
}

uint8_t Thin::GetDownBackgroundBlue()
{
    return BlueOf(downBackground_);
}

void Thin::ApplyToFonts(IFont* normal, IFont* disabled)
{
    if (caption_)
        caption_->ApplyToFonts(normal, disabled, nullptr, nullptr, nullptr);
}

void Thin::ApplyToFontSettings(IFontSetting* normal, IFontSetting* disabled)
{
    if (caption_)
        caption_->ApplyToFontSettings(normal, disabled, nullptr, nullptr, nullptr);
}

IFontSetting* Thin::GetFontSetting()
{
    return caption_ ? caption_->GetNormalFontSetting() : nullptr;
}

IFontSetting* Thin::GetDisabledFontSetting()
{
    return caption_ ? caption_->GetDisabledFontSetting() : nullptr;
}

void Thin::ApplyToSecondFont(IFont* font)
{
    if (second_)
        second_->ApplyToFonts(font, nullptr, nullptr, nullptr, nullptr);
}

void Thin::ApplyToSecondFontSetting(IFontSetting* setting)
{
    if (second_)
        second_->ApplyToFontSettings(setting, nullptr, nullptr, nullptr, nullptr);
}

IFontSetting* Thin::GetSecondFontSetting()
{
    return second_ ? second_->GetNormalFontSetting() : nullptr;
}

void Thin::SetBorderShaded(uint8_t shaded)
{
    if (border_)
        border_->SetShaded(shaded);
}

} // namespace win
} // namespace button
} // namespace drawer
} // namespace gui
} // namespace s
