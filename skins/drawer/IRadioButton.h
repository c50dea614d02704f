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

// The colours and fonts of a radio button's look.
class IRadioButton : public base::IObject, public thread::IPoolable {
public:
    virtual void SetTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetDisabledTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetFrameColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetDotColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void ApplyToFonts(IFont* normal, IFont* disabled) = 0;
    // The circle, drawn four times larger into the scratch context (which holds at least 52 by
    // 52 pixels) and shrunk to 13 by 13, and the text beside it.
    virtual void Draw(CDC* dc, CDC* scratch, int32_t left, int32_t top, int32_t right, int32_t bottom, bool checked,
                      const wchar_t* text, IFont* font, COLORREF background) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
