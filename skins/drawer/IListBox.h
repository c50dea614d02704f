#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "mfc/DC.h"
#include "windowing/paint/IFont.h"
#include "windowing/paint/IFontSetting.h"

namespace s {
namespace image {
class IImageBuffer;
namespace win {
class BufferedImage;
}
} // namespace image

namespace gui {
namespace drawer {

// The colours and fonts of a report list's items.
class IListBox : public base::IObject, public thread::IPoolable {
public:
    virtual void FillBackground(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    // One cell of one row, in the item's own coordinates: background, selection, drop mark,
    // tree expander, check box (state 0 none, 1 unchecked, 2 checked, 3 indeterminate), the icon
    // (drawn into the item's image), and the text with its highlight tag, progress bar or status
    // colour. The text rectangle of the layout comes back through the four out parameters.
    virtual void DrawItem(CDC* dc, image::win::BufferedImage* target, int32_t left, int32_t top, int32_t right,
                          int32_t bottom, int32_t alignment, uint8_t selected, uint8_t highlighted,
                          uint8_t fullRowSelect, uint8_t alternateRow, int32_t dropLevel, int32_t dropPosition,
                          uint8_t firstRow, uint8_t lastRow, int32_t status, const wchar_t* text, IFont* font,
                          IFont* selectedFont, uint8_t hasIcon, image::IImageBuffer* icon, uint8_t hasCheckBox,
                          int32_t checkState, uint8_t option, uint8_t treeRow, int32_t expandState, int32_t level,
                          int32_t* textLeft, int32_t* textTop, int32_t* textWidth, int32_t* textHeight,
                          uint8_t endEllipsis, uint8_t bottomAlign, uint8_t underline, uint8_t linkColor,
                          uint8_t progress, uint8_t statusColor) = 0;
    // Whether a point relative to the item is on its check box or its tree expander.
    virtual bool HitCheckBox(int32_t x, int32_t y, uint8_t treeRow, int32_t level) = 0;
    virtual bool HitExpander(int32_t x, int32_t y, int32_t level) = 0;
    virtual COLORREF GetSelectionColor() = 0;
    virtual void SetSelectionColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual COLORREF GetBackgroundColor() = 0;
    virtual uint8_t GetBackgroundRed() = 0;
    virtual uint8_t GetBackgroundGreen() = 0;
    virtual uint8_t GetBackgroundBlue() = 0;
    virtual void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void ApplyToFonts(IFont* normal, IFont* selected) = 0;
    virtual IFontSetting* GetTextFontSetting() = 0;
    virtual IFontSetting* GetSelectedTextFontSetting() = 0;
    virtual void SetTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetSelectedTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual uint8_t GetAlternateRed() = 0;
    virtual uint8_t GetAlternateGreen() = 0;
    virtual uint8_t GetAlternateBlue() = 0;
    virtual COLORREF GetAlternateColor() = 0;
    virtual void SetAlternateColor(int32_t red, int32_t green, int32_t blue) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
