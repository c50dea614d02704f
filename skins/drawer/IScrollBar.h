#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"
#include "mfc/DC.h"

namespace s {
namespace gui {
namespace drawer {

// The metrics and colours of an owner-drawn scroll bar.
class IScrollBar : public base::IObject, public thread::IPoolable {
public:
    // One layout of the bar (right and bottom exclusive) serves all three: the part a point is
    // on (0 first arrow, 1 track before the thumb, 2 thumb, 3 track after it, 4 second arrow,
    // -1 none), the position a thumb drag of a distance reaches, and the painting. The corner
    // flag leaves a square of the bar's thickness free at its far end.
    virtual int32_t HitTest(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right, int32_t bottom,
                            uint8_t horizontal, int32_t range, int32_t page, int32_t position, uint8_t corner) = 0;
    virtual int32_t PositionFromDrag(int32_t distance, int32_t startPosition, int32_t left, int32_t top,
                                     int32_t right, int32_t bottom, uint8_t horizontal, int32_t range, int32_t page,
                                     uint8_t corner) = 0;
    virtual void Draw(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, uint8_t horizontal,
                      int32_t range, int32_t page, int32_t position, int32_t firstArrowState, int32_t thumbState,
                      int32_t secondArrowState, uint8_t corner, uint8_t ownTrackColor, int32_t red, int32_t green,
                      int32_t blue) = 0;
    virtual int32_t GetBarWidth() = 0;
    virtual void SetBarWidth(int32_t width) = 0;
    // Also the colour of the arrows.
    virtual void SetForegroundColor(int32_t red, int32_t green, int32_t blue) = 0;
    virtual void SetTrackColor(int32_t red, int32_t green, int32_t blue) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
