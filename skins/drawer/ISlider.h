#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace gui {
namespace drawer {

// Paints a horizontal slider drawn by the toolkit itself: its frame, bar and thumbs. Colours are
// composed from the low byte of each component.
class ISlider : public base::IObject, public thread::IPoolable {
public:
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
