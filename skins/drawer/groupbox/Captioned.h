#pragma once
#include <cstdint>

#include "mfc/DC.h"
#include "skins/drawer/SelectedFont.h"
#include "skins/drawer/text/Basic.h"
#include "windowing/paint/IFont.h"
#include "windowing/paint/IFontSetting.h"

namespace s {
namespace gui {
namespace drawer {
namespace groupbox {

// The caption of a group-box look: its fonts, kept by the text drawer the look owns, and the
// caption's one line of text. The skin's look and the group box's own default one share it.
template <class Look>
class Captioned : public Look {
public:
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

protected:
    Captioned() : textDrawer_(text::win::Basic::New()) {}
    // A sub-drawer goes with its composite, never back to its pool.
    ~Captioned() override { delete textDrawer_; }

    void ResetCaptioned()
    {
        if (textDrawer_)
            textDrawer_->Reset();
    }
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

    text::win::Basic* textDrawer_;

private:
    Captioned(const Captioned&) = delete;
    Captioned& operator=(const Captioned&) = delete;
};

} // namespace groupbox
} // namespace drawer
} // namespace gui
} // namespace s
