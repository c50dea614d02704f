#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/listbox/Basic.h"
#include "skins/drawer/listbox/IThin.h"

namespace s {
namespace gui {
namespace drawer {
namespace listbox {
namespace win {

// The skins' list-box drawer: one Basic drawer in the system's colours, which it owns and to
// which it forwards every operation, with darker defaults of its own.
class Thin : public PooledDrawer<Thin, IThin> {
public:
    Thin();
    ~Thin() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

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

    COLORREF GetSelectionColor() override;
    void SetSelectionColor(int32_t red, int32_t green, int32_t blue) override;
    COLORREF GetBackgroundColor() override;
    uint8_t GetBackgroundRed() override;
    uint8_t GetBackgroundGreen() override;
    uint8_t GetBackgroundBlue() override;
    void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) override;
    void ApplyToFonts(IFont* normal, IFont* selected) override;
    IFontSetting* GetTextFontSetting() override;
    IFontSetting* GetSelectedTextFontSetting() override;
    void SetTextColor(int32_t red, int32_t green, int32_t blue) override;
    void SetSelectedTextColor(int32_t red, int32_t green, int32_t blue) override;
    uint8_t GetAlternateRed() override;
    uint8_t GetAlternateGreen() override;
    uint8_t GetAlternateBlue() override;
    COLORREF GetAlternateColor() override;
    void SetAlternateColor(int32_t red, int32_t green, int32_t blue) override;

    Basic* GetInnerDrawer() { return inner_; }

private:
    Thin(const Thin&) = delete;
    Thin& operator=(const Thin&) = delete;

    Basic* inner_;
};

} // namespace win
} // namespace listbox
} // namespace drawer
} // namespace gui
} // namespace s
