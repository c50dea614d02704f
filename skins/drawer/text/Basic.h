#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/text/IBasic.h"
#include "windowing/paint/FontSetting.h"

namespace s {
namespace gui {
namespace drawer {
namespace text {
namespace win {

// Draws texts with Windows text output in a font's colour, layout and effect style (drawn up
// to nine times at small offsets for embossed, shadowed and outlined looks), measures them, and
// holds the five font settings that give a skin's labels their colours.
class Basic : public PooledDrawer<Basic, IBasic> {
public:
    // The format flag sets: centred single line, word wrap, end ellipsis, plain single line.
    static constexpr UINT kCenteredFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    static constexpr UINT kWordWrapFlags = DT_WORDBREAK | DT_NOPREFIX;
    static constexpr UINT kEllipsisFlags = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    static constexpr UINT kSingleLineFlags = DT_SINGLELINE | DT_NOPREFIX;

    Basic();

    const wchar_t* GetClassName() override;
    void Reset() override;

    void DrawText(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* text,
                  IFont* font) override;
    void MeasureText(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* text,
                     IFont* font, int32_t* width, int32_t* height) override;
    void ApplyToFonts(IFont* normal, IFont* disabled, IFont* link, IFont* linkHover, IFont* linkPressed) override;
    void ApplyToFontSettings(IFontSetting* normal, IFontSetting* disabled, IFontSetting* link,
                             IFontSetting* linkHover, IFontSetting* linkPressed) override;
    void GetTextSizeLimits(CDC* dc, const wchar_t* text, IFont* font, int32_t* minimumWidth, int32_t* minimumHeight,
                           int32_t* maximumWidth, int32_t* maximumHeight) override;
    IFontSetting* GetNormalFontSetting() override { return &normal_; }
    IFontSetting* GetDisabledFontSetting() override { return &disabled_; }
    IFontSetting* GetLinkFontSetting() override { return &link_; }
    IFontSetting* GetLinkHoverFontSetting() override { return &linkHover_; }
    IFontSetting* GetLinkPressedFontSetting() override { return &linkPressed_; }
    void SetCenteredSingleLine(uint8_t centered) override { centeredSingleLine_ = centered; }

    uint8_t IsCenteredSingleLine() const { return centeredSingleLine_; }
    // The skin's setting first takes the font's size code; the font then takes from it every
    // attribute it has not chosen itself. A null font is skipped.
    static void ApplySetting(IFontSetting* setting, IFont* font);
    static void ApplySetting(IFontSetting* setting, IFontSetting* font);
    // The flags DrawText uses for the font, by the centred flag, word wrap and end ellipsis.
    UINT GetDrawFlags(IFont* font) const;

private:
    gui::win::FontSetting normal_;
    gui::win::FontSetting disabled_;
    gui::win::FontSetting link_;
    gui::win::FontSetting linkHover_;
    gui::win::FontSetting linkPressed_;
    uint8_t centeredSingleLine_;
};

} // namespace win
} // namespace text
} // namespace drawer
} // namespace gui
} // namespace s
