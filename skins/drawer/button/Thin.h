#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/border/Thin.h"
#include "skins/drawer/button/IThin.h"
#include "skins/drawer/text/Basic.h"

namespace s {
namespace gui {
namespace drawer {
namespace button {
namespace win {

// The look of a push button: its colours, options and caption fonts, with the border drawer
// for its frame and the text drawers for its captions, which it owns.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    Thin();
    ~Thin() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

    void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state, const wchar_t* caption,
              bool framed, IFont* font, bool enabled, bool down, bool hot) override;
    void SetColor(int32_t red, int32_t green, int32_t blue) override;
    void SetFirstOption(uint8_t option) override { firstOption_ = option; }
    void SetSecondOption(uint8_t option) override { secondOption_ = option; }
    void SetBorderStyle(int32_t style) override { borderStyle_ = style; }
    void SetPushShift(uint8_t shift) override { pushShift_ = shift; }
    uint8_t GetForegroundRed() override;
    uint8_t GetForegroundGreen() override;
    uint8_t GetForegroundBlue() override;
    void SetForegroundColor(int32_t red, int32_t green, int32_t blue) override;
    uint8_t GetDisabledRed() override;
    uint8_t GetDisabledGreen() override;
    uint8_t GetDisabledBlue() override;
    void SetDisabledColor(int32_t red, int32_t green, int32_t blue) override;
    void SetDownColor(int32_t red, int32_t green, int32_t blue) override;
    void SetDownBackgroundColor(int32_t red, int32_t green, int32_t blue) override;
    uint8_t GetDownBackgroundRed() override;
    uint8_t GetDownBackgroundGreen() override;
    uint8_t GetDownBackgroundBlue() override;
    bool DrawGlyph(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* text,
                   int32_t red, int32_t green, int32_t blue) override;
    void ApplyToFonts(IFont* normal, IFont* disabled) override;
    void ApplyToFontSettings(IFontSetting* normal, IFontSetting* disabled) override;
    IFontSetting* GetFontSetting() override;
    IFontSetting* GetDisabledFontSetting() override;
    void ApplyToSecondFont(IFont* font) override;
    void ApplyToSecondFontSetting(IFontSetting* setting) override;
    IFontSetting* GetSecondFontSetting() override;
    void SetBorderShaded(uint8_t shaded) override;

    COLORREF GetColor() const { return color_; }
    uint8_t GetFirstOption() const { return firstOption_; }
    uint8_t GetSecondOption() const { return secondOption_; }
    uint8_t GetPushShift() const { return pushShift_; }
    int32_t GetBorderStyle() const { return borderStyle_; }
    COLORREF GetForegroundColor() const { return foreground_; }
    COLORREF GetDisabledColor() const { return disabled_; }
    COLORREF GetDownColor() const { return down_; }
    COLORREF GetDownBackgroundColor() const { return downBackground_; }
    border::win::Thin* GetBorderDrawer() { return border_; }
    text::win::Basic* GetCaptionDrawer() { return caption_; }
    text::win::Basic* GetSecondTextDrawer() { return second_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    COLORREF color_;
    uint8_t firstOption_;
    uint8_t secondOption_;
    uint8_t pushShift_;
    int32_t borderStyle_;
    COLORREF foreground_;
    COLORREF disabled_;
    COLORREF down_;
    COLORREF downBackground_;
    border::win::Thin* border_;
    text::win::Basic* caption_;
    text::win::Basic* second_;
};

} // namespace win
} // namespace button
} // namespace drawer
} // namespace gui
} // namespace s
