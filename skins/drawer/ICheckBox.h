#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "mfc/DC.h"
#include "windowing/paint/IFont.h"

namespace s {
namespace gui {
namespace drawer {

// The colours and fonts of a check box's look.
class ICheckBox : public base::IObject, public thread::IPoolable {
public:
    virtual void SetTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetDisabledTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetBoxColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetGlyphButtonColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void ApplyToFonts(IFont* normal, IFont* disabled) = 0;
    // The box of size boxSize at the left, checked or not, and the text beside it.
    virtual void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t boxSize, bool checked,
                      const wchar_t* text, IFont* font) = 0;
    // The text's size limits widened by a box as high as the text and its gap.
    virtual void GetSizeLimits(CDC* dc, const wchar_t* text, IFont* font, int32_t* minimumWidth,
                               int32_t* minimumHeight, int32_t* maximumWidth, int32_t* maximumHeight) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
