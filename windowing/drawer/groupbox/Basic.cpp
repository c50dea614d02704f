#include "windowing/drawer/groupbox/Basic.h"

#include <algorithm>

#include "skins/drawer/PaintArea.h"
#include "skins/drawer/SelectedFont.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {
namespace win {

Basic::Basic() : frame_(kFrame), textDrawer_(text::win::Basic::New())
{
    Basic::Reset();
}

Basic::~Basic()
{
    delete textDrawer_;
}

void Basic::Reset()
{
    frame_ = kFrame;
    if (textDrawer_)
        textDrawer_->Reset();
}

void Basic::ApplyToFonts(IFont* normal, IFont* disabled)
{
    if (textDrawer_)
        textDrawer_->ApplyToFonts(normal, disabled, nullptr, nullptr, nullptr);
}

IFontSetting* Basic::GetFontSetting()
{
    return textDrawer_ ? textDrawer_->GetNormalFontSetting() : nullptr;
}

IFontSetting* Basic::GetDisabledFontSetting()
{
    return textDrawer_ ? textDrawer_->GetDisabledFontSetting() : nullptr;
}

void Basic::Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* caption,
                 IFont* font, int32_t captionWidth, int32_t captionHeight)
{
    if (!CanPaint(dc, left, top, right, bottom))
        return;
    // The caption stands in the box's own coordinates, whatever the frame's rectangle.
    const int32_t w = std::clamp(captionWidth, 0, kMaxPaintCoordinate);
    if (caption && font) {
        const int previousMode = dc->SetBkMode(TRANSPARENT);
        const COLORREF previousColor = dc->SetTextColor(font->GetColor());
        {
            SelectedFont selected(dc, font);
            RECT rect = {kCaptionLeft, 0, kCaptionLeft + w, captionHeight};
            dc->DrawText(caption, -1, &rect, DT_SINGLELINE | DT_NOPREFIX);
        }
        dc->SetTextColor(previousColor);
        dc->SetBkMode(previousMode);
    }
    const int32_t L = left;
    const int32_t T = top;
    const int32_t R = right;
    const int32_t B = bottom;
    FillBox(dc, L + 2, T, 5, 1, frame_);
    FillBox(dc, kCaptionLeft + w + 2, T, R - (kCaptionLeft + w) - L - 4, 1, frame_);
    FillBox(dc, L + 2, B - 1, R - L - 4, 1, frame_);
    FillBox(dc, L, T + 2, 1, B - T - 4, frame_);
    FillBox(dc, R - 1, T + 2, 1, B - T - 4, frame_);
    // Rounded corners: two pixels along the top or bottom, one more down the side.
    FillBox(dc, L + 1, T + 1, 2, 1, frame_);
    FillBox(dc, R - 3, T + 1, 2, 1, frame_);
    FillBox(dc, L + 1, B - 2, 2, 1, frame_);
    FillBox(dc, R - 3, B - 2, 2, 1, frame_);
    FillBox(dc, L + 1, T + 2, 1, 1, frame_);
    FillBox(dc, R - 2, T + 2, 1, 1, frame_);
    FillBox(dc, L + 1, B - 3, 1, 1, frame_);
    FillBox(dc, R - 2, B - 3, 1, 1, frame_);
}

} // namespace win
} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s
