#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "mfc/DC.h"

namespace s {
namespace gui {
namespace drawer {

// Draws the one-pixel frames of buttons and similar parts in shades of a base colour passed
// with every call.
class IBorder : public base::IObject, public thread::IPoolable {
public:
    // Type 0 raised, 1 plain, 2 sunken, 3 plain without bottom edge; variant 0 square corners,
    // 1 and 2 corners cut by one or two pixels. Right and bottom are exclusive.
    virtual void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t type,
                      int32_t variant, int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetShaded(uint8_t shaded) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
