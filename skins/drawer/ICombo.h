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

// The colours and fonts of a drop-down face.
class ICombo : public base::IObject, public thread::IPoolable {
public:
    // The drop-down face in its state (0 normal, 1 hot, 2 pressed) with its text and arrow.
    virtual void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
                      const wchar_t* text, IFont* font, bool enabled) = 0;
    virtual void SetTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetDisabledTextColor(int32_t red, int32_t green, int32_t blue) = 0;
    // Also the colour of the arrow button.
    virtual void SetForegroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void ApplyToFonts(IFont* normal, IFont* disabled) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
