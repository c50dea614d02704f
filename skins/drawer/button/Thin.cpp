#include "skins/drawer/button/Thin.h"

#include <initializer_list>

#include "skins/drawer/PaintArea.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace button {
namespace win {

namespace {

const COLORREF kGrey = RGB(120, 120, 120);

// Frame types of the border drawer.
const int32_t kRaised = 0;
const int32_t kPlain = 1;
const int32_t kSunken = 2;
const int32_t kOpenBottom = 3;

} // namespace

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

void Thin::Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
                const wchar_t* caption, bool framed, IFont* font, bool enabled, bool down, bool hot)
{
    if (!CanPaint(dc, left, top, right, bottom))
        return;
    // Any other state is the normal one.
    if (state != 1 && state != 2)
        state = 0;
    // A down button looks pressed while the mouse is over it and hot while it is not.
    if (down && state != 0)
        state = 3 - state;
    const COLORREF c = !enabled ? disabled_ : down ? down_ : foreground_;
    const int32_t red = RedOf(c);
    const int32_t green = GreenOf(c);
    const int32_t blue = BlueOf(c);

    bool frameDrawn = true;
    if (framed) {
        if (borderStyle_ >= 0 && borderStyle_ <= 2) {
            if (down)
                FillBox(dc, left + 1, top + 1, right - left - 2, bottom - top - 2, downBackground_);
            const int32_t type = state == 1 ? kRaised : state == 2 ? kSunken : kPlain;
            border_->Draw(dc, left, top, right, bottom, type, borderStyle_, red, green, blue);
        }
    } else if (down) {
        const int32_t fillTop = hot ? top + 1 : top;
        FillBox(dc, left, fillTop, right - left, bottom - fillTop, downBackground_);
        border_->Draw(dc, left, fillTop, right, bottom, kPlain, borderStyle_, red, green, blue);
    } else if (hot) {
        border_->Draw(dc, left, top, right, bottom, kOpenBottom, borderStyle_, red, green, blue);
    } else {
        frameDrawn = false;
    }

    RECT r = {left + 2, top + 2, right - 2, bottom - 2};
    if (pushShift_ && state == 1)
        r = {left + 1, top + 1, right - 3, bottom - 3};
    else if (pushShift_ && state == 2)
        r = {left + 3, top + 3, right - 1, bottom - 1};

    if (!caption)
        return;
    if (!down) {
        if (DrawGlyph(dc, r.left, r.top, r.right, r.bottom, caption, red, green, blue) || !font)
            return;
        if (!frameDrawn)
            InflateRect(&r, 1, 1);
    } else {
        // The pressed glyph takes the font's colour; without a font there is nothing to draw
        // it or the text with.
        if (!font)
            return;
        const COLORREF fontColor = font->GetColor();
        if (DrawGlyph(dc, r.left, r.top, r.right, r.bottom, caption, RedOf(fontColor), GreenOf(fontColor),
                      BlueOf(fontColor)))
            return;
    }
    caption_->DrawText(dc, r.left, r.top, r.right, r.bottom, caption, font);
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
