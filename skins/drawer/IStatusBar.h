#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "mfc/DC.h"

namespace s {
namespace gui {
namespace drawer {

// A status bar's look; it paints nothing of its own.
class IStatusBar : public base::IObject, public thread::IPoolable {
public:
    virtual void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    virtual int32_t GetHeight() = 0;
    virtual void SetColor(int32_t red, int32_t green, int32_t blue) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
