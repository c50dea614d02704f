#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "mfc/DC.h"
#include "skins/drawer/PaintArea.h"
#include "skins/drawer/SelectedFont.h"
#include "skins/drawer/text/Basic.h"
#include "windowing/paint/ColorBytes.h"
#include "windowing/paint/IFont.h"
#include "windowing/paint/IFontSetting.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {

// What a group-box look is made of: its caption fonts, kept by the text drawer the look owns, the
// caption's one line of text, and the frame around the content in the frame colour. The skin's
// look and the group box's own default one share it and differ in the frame's thickness only.
template <class Look>
class Captioned : public Look {
public:
    static constexpr COLORREF kFrame = 0xBFD0D0;
    // Where the caption starts, from the box's left edge.
    static constexpr int32_t kCaptionLeft = 9;

    void ApplyToFonts(IFont* normal, IFont* disabled) override
    {
        if (textDrawer_)
            textDrawer_->ApplyToFonts(normal, disabled, nullptr, nullptr, nullptr);
    }
    IFontSetting* GetFontSetting() override { return textDrawer_ ? textDrawer_->GetNormalFontSetting() : nullptr; }
    IFontSetting* GetDisabledFontSetting() override
    {
        return textDrawer_ ? textDrawer_->GetDisabledFontSetting() : nullptr;
    }
    void SetFrameColor(int32_t red, int32_t green, int32_t blue) override { frame_ = ComposeColor(red, green, blue); }
    uint8_t GetFrameRed() override { return RedOf(frame_); }
    uint8_t GetFrameGreen() override { return GreenOf(frame_); }
    uint8_t GetFrameBlue() override { return BlueOf(frame_); }

protected:
    Captioned() : textDrawer_(text::win::Basic::New()), frame_(kFrame) {}
    // A sub-drawer goes with its composite, never back to its pool.
    ~Captioned() override { delete textDrawer_; }

    void ResetCaptioned()
    {
        frame_ = kFrame;
        if (textDrawer_)
            textDrawer_->Reset();
    }
    // The caption, then the frame of lines this thick around the rectangle, open at the top where
    // the caption stands, its corners trimmed; nothing in a rectangle that cannot be painted.
    void DrawFramed(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* caption,
                    IFont* font, int32_t captionWidth, int32_t captionHeight, int32_t thickness)
    {
        if (!CanPaint(dc, left, top, right, bottom))
            return;
        const int32_t w = std::clamp(captionWidth, 0, kMaxPaintCoordinate);
        DrawCaption(dc, caption, font, kCaptionLeft, w, captionHeight);
        const int32_t L = left;
        const int32_t T = top;
        const int32_t R = right;
        const int32_t B = bottom;
        const int32_t t = thickness;
        FillBox(dc, L + 2, T, 5, t, frame_);
        FillBox(dc, kCaptionLeft + w + 2, T, R - (kCaptionLeft + w) - L - 4, t, frame_);
        FillBox(dc, L + 2, B - t, R - L - 4, t, frame_);
        FillBox(dc, L, T + 2, t, B - T - 4, frame_);
        FillBox(dc, R - t, T + 2, t, B - T - 4, frame_);
        // The corners: two pixels along the top or bottom as thick as the lines, one more down
        // the side.
        FillBox(dc, L + 1, T + 1, 2, t, frame_);
        FillBox(dc, R - 3, T + 1, 2, t, frame_);
        FillBox(dc, L + 1, B - 1 - t, 2, t, frame_);
        FillBox(dc, R - 3, B - 1 - t, 2, t, frame_);
        FillBox(dc, L + 1, T + 2, 1, 1, frame_);
        FillBox(dc, R - 2, T + 2, 1, 1, frame_);
        FillBox(dc, L + 1, B - 3, 1, 1, frame_);
        FillBox(dc, R - 2, B - 3, 1, 1, frame_);
    }

    text::win::Basic* textDrawer_;

private:
    Captioned(const Captioned&) = delete;
    Captioned& operator=(const Captioned&) = delete;

    // The caption in the box's own coordinates, whatever the frame's rectangle; nothing
    // without a caption or a font.
    static void DrawCaption(CDC* dc, const wchar_t* caption, IFont* font, int32_t left, int32_t width,
                            int32_t height)
    {
        if (!caption || !font)
            return;
        const int previousMode = dc->SetBkMode(TRANSPARENT);
        const COLORREF previousColor = dc->SetTextColor(font->GetColor());
        {
            SelectedFont selected(dc, font);
            RECT rect = {left, 0, left + width, height};
            dc->DrawText(caption, -1, &rect, DT_SINGLELINE | DT_NOPREFIX);
        }
        dc->SetTextColor(previousColor);
        dc->SetBkMode(previousMode);
    }

    COLORREF frame_;
};

} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s
