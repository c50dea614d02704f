#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace gui {
namespace drawer {

// The colours of a counter's gauge: the background and the two series.
class ICounter : public base::IObject, public thread::IPoolable {
public:
    // Also ends the transparent background.
    virtual void SetBackgroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual uint8_t GetFirstColorRed() = 0;
    virtual uint8_t GetFirstColorGreen() = 0;
    virtual uint8_t GetFirstColorBlue() = 0;
    virtual void SetFirstColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual uint8_t GetSecondColorRed() = 0;
    virtual uint8_t GetSecondColorGreen() = 0;
    virtual uint8_t GetSecondColorBlue() = 0;
    virtual void SetSecondColor(int32_t red, int32_t green, int32_t blue) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
