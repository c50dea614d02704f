#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace gui {
namespace drawer {

// The metrics and colours of an owner-drawn scroll bar.
class IScrollBar : public base::IObject, public thread::IPoolable {
public:
    virtual int32_t GetBarWidth() = 0;
    virtual void SetBarWidth(int32_t width) = 0;
    // Also the colour of the arrows.
    virtual void SetForegroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetTrackColor(int32_t red, int32_t green, int32_t blue) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
