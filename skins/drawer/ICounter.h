#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"

class CDC;

namespace s {
namespace gui {
namespace counter {
class CounterData;
}
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
    // Paints the series into the rectangle (right and bottom exclusive) in mode 0 (history
    // columns), 1 (level bar) or 2 (centred columns); the second series may be null. Each series
    // is read under its own lock, the first one's taken first.
    virtual void DrawGraph(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t mode,
                           gui::counter::CounterData* first, gui::counter::CounterData* second, bool swap) = 0;
};

} // namespace drawer
} // namespace gui
} // namespace s
