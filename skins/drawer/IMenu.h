#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "mfc/DC.h"
#include "skins/drawer/ICombo.h"
#include "windowing/paint/IFont.h"
#include "windowing/paint/IFontSetting.h"

namespace s {
namespace col {
namespace _array {
class ArrayP;
}
} // namespace col

namespace gui {
namespace drawer {

// The colours, options and fonts of a menu bar.
class IMenu : public base::IObject, public thread::IPoolable {
public:
    // Paints the bar of items (captions: StrBuffer texts; rectangles: RECTs as measured), or in
    // popup mode the first item as a drop-down face.
    virtual void DrawBar(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                         col::_array::ArrayP* captions, col::_array::ArrayP* rectangles, IFont* normal,
                         IFont* highlight, int32_t paddingX, int32_t paddingY, int32_t hotIndex, bool pressed,
                         bool popup, bool rightPlacedLast, bool linkedLast) = 0;
    virtual void ApplyToFonts(IFont* normal, IFont* highlight) = 0;
    // Writes one rectangle per caption (as many as both lists hold) side by side from x 0, and
    // the bar's total sizes; the extra flag leaves room for a drop-down arrow.
    virtual void MeasureItems(CDC* dc, col::_array::ArrayP* captions, col::_array::ArrayP* rectangles, IFont* font,
                              int32_t paddingX, int32_t paddingY, bool extra, int32_t* minimumWidth,
                              int32_t* minimumHeight, int32_t* maximumWidth, int32_t* maximumHeight) = 0;
    virtual IFontSetting* GetFontSetting() = 0;
    virtual IFontSetting* GetHighlightFontSetting() = 0;
    // The menu's own combo drawer, for its popup mode; it stays the menu's.
    virtual ICombo* GetComboDrawer() = 0;
    virtual void SetHighlightColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetHighlightTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetHotFill(uint8_t hotFill) = 0;
    virtual void SetHotShift(uint8_t hotShift) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
