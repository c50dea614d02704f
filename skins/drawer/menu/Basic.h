#pragma once
#include <windows.h>

#include <cstdint>

#include "skins/drawer/combo/Thin.h"
#include "skins/drawer/text/Basic.h"
#include "windowing/paint/FontSetting.h"
#include "skins/drawer/PooledDrawer.h"
#include "skins/drawer/menu/IBasic.h"
#include "windowing/paint/ColorBytes.h"

namespace s {
namespace gui {
namespace drawer {
namespace menu {
namespace win {

// A menu bar's look: its normal and highlight fonts and colours and its hot-item options, with
// the text drawer of its captions and the combo drawer of its popup mode, which it owns.
class Basic : public PooledDrawer<Basic, IBasic> {
public:
    Basic();
    ~Basic() override;

    const wchar_t* GetClassName() override;
    void Reset() override;

    void DrawBar(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, col::_array::ArrayP* captions,
                 col::_array::ArrayP* rectangles, IFont* normal, IFont* highlight, int32_t paddingX, int32_t paddingY,
                 int32_t hotIndex, bool pressed, bool popup, bool rightPlacedLast, bool linkedLast) override;

    // Each font keeps its size and explicit choices and takes the rest from its setting.
    void ApplyToFonts(IFont* normal, IFont* highlight) override;
    void MeasureItems(CDC* dc, col::_array::ArrayP* captions, col::_array::ArrayP* rectangles, IFont* font,
                      int32_t paddingX, int32_t paddingY, bool extra, int32_t* minimumWidth, int32_t* minimumHeight,
                      int32_t* maximumWidth, int32_t* maximumHeight) override;
    IFontSetting* GetFontSetting() override { return &normal_; }
    IFontSetting* GetHighlightFontSetting() override { return &highlight_; }
    ICombo* GetComboDrawer() override { return combo_; }
    void SetHighlightColor(int32_t red, int32_t green, int32_t blue) override { highlightColor_ = ComposeColor(red, green, blue); }
    void SetTextColor(int32_t red, int32_t green, int32_t blue) override { normal_.SetColor(red, green, blue); }
    void SetHighlightTextColor(int32_t red, int32_t green, int32_t blue) override { highlight_.SetColor(red, green, blue); }
    void SetHotFill(uint8_t hotFill) override { hotFill_ = hotFill; }
    void SetHotShift(uint8_t hotShift) override { hotShift_ = hotShift; }

    COLORREF GetHighlightColor() const { return highlightColor_; }
    uint8_t GetHotFill() const { return hotFill_; }
    uint8_t GetHotShift() const { return hotShift_; }
    text::win::Basic* GetTextDrawer() { return textDrawer_; }

private:
    Basic(const Basic&) = delete;
    Basic& operator=(const Basic&) = delete;

    gui::win::FontSetting normal_;
    gui::win::FontSetting highlight_;
    COLORREF highlightColor_;
    uint8_t hotFill_;
    uint8_t hotShift_;
    text::win::Basic* textDrawer_;
    combo::win::Thin* combo_;
};

} // namespace win
} // namespace menu
} // namespace drawer
} // namespace gui
} // namespace s
