#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "mfc/DC.h"

namespace s {
namespace gui {
namespace drawer {

// Paints a horizontal slider drawn by the toolkit itself: its frame, bar and thumbs. Colours are
// composed from the low byte of each component.
class ISlider : public base::IObject, public thread::IPoolable {
public:
    // Frame, optional gradient (kinds 1 to 7 over a and b), the bar from the reference or the
    // band between two thumbs, and the thumbs, for a range minimum..maximum.
    virtual void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t minimum,
                      int32_t maximum, int32_t position, bool showBar, int32_t reference, bool enabled, bool rangeMode,
                      int32_t secondPosition, int32_t gradientKind, int32_t a, int32_t b) = 0;
    virtual uint8_t GetBarRed() = 0;
    virtual uint8_t GetBarGreen() = 0;
    virtual uint8_t GetBarBlue() = 0;
    virtual void SetBarColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetForegroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetDisabledColor(int32_t red, int32_t green, int32_t blue) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
