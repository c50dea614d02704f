#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/button/Thin.h"
#include "skins/drawer/listbox/IBasic.h"
#include "skins/drawer/text/Basic.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace listbox {
namespace win {

// The look of a report list's items: background, alternate-row and selection colours, with the
// text drawers whose normal settings carry the item and selected-item text colours and the
// button drawer of the item glyphs, which it owns.
class Basic : public PooledDrawer<Basic, IBasic> {
public:
    Basic();
    ~Basic() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

    // A drawer from the pool in the system's colours: white background, black text, highlight
    // selection, light grey alternate rows.
    static Basic* CreateWithSystemColors();

    void FillBackground(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void DrawItem(CDC* dc, image::win::BufferedImage* target, int32_t left, int32_t top, int32_t right, int32_t bottom,
                  int32_t alignment, uint8_t selected, uint8_t highlighted, uint8_t fullRowSelect, uint8_t alternateRow,
                  int32_t dropLevel, int32_t dropPosition, uint8_t firstRow, uint8_t lastRow, int32_t status,
                  const wchar_t* text, IFont* font, IFont* selectedFont, uint8_t hasIcon, image::IImageBuffer* icon,
                  uint8_t hasCheckBox, int32_t checkState, uint8_t option, uint8_t treeRow, int32_t expandState,
                  int32_t level, int32_t* textLeft, int32_t* textTop, int32_t* textWidth, int32_t* textHeight,
                  uint8_t endEllipsis, uint8_t bottomAlign, uint8_t underline, uint8_t linkColor, uint8_t progress,
                  uint8_t statusColor) override;
    bool HitCheckBox(int32_t x, int32_t y, uint8_t treeRow, int32_t level) override;
    bool HitExpander(int32_t x, int32_t y, int32_t level) override;

    COLORREF GetSelectionColor() override { return selection_; }
    void SetSelectionColor(int32_t red, int32_t green, int32_t blue) override;
    COLORREF GetBackgroundColor() override { return background_; }
    uint8_t GetBackgroundRed() override { return RedOf(background_); }
    uint8_t GetBackgroundGreen() override { return GreenOf(background_); }
    uint8_t GetBackgroundBlue() override { return BlueOf(background_); }
    void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) override;
    void ApplyToFonts(IFont* normal, IFont* selected) override;
    IFontSetting* GetTextFontSetting() override;
    IFontSetting* GetSelectedTextFontSetting() override;
    void SetTextColor(int32_t red, int32_t green, int32_t blue) override;
    void SetSelectedTextColor(int32_t red, int32_t green, int32_t blue) override;
    uint8_t GetAlternateRed() override { return RedOf(alternate_); }
    uint8_t GetAlternateGreen() override { return GreenOf(alternate_); }
    uint8_t GetAlternateBlue() override { return BlueOf(alternate_); }
    COLORREF GetAlternateColor() override { return alternate_; }
    void SetAlternateColor(int32_t red, int32_t green, int32_t blue) override;

    text::win::Basic* GetTextDrawer() { return textDrawer_; }
    text::win::Basic* GetSelectedTextDrawer() { return selectedText_; }
    button::win::Thin* GetGlyphButtonDrawer() { return glyphButton_; }

private:
    Basic(const Basic&) = delete;
    Basic& operator=(const Basic&) = delete;

    COLORREF selection_;
    COLORREF background_;
    COLORREF alternate_;
    text::win::Basic* textDrawer_;
    text::win::Basic* selectedText_;
    button::win::Thin* glyphButton_;
};

} // namespace win
} // namespace listbox
} // namespace drawer
} // namespace gui
} // namespace s
