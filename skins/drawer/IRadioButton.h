#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
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
};

} // namespace drawer
} // namespace gui
} // namespace s
