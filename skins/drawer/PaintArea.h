#pragma once
#include <windows.h>

#include <cstdint>

#include "mfc/DC.h"

namespace s {
namespace gui {
namespace drawer {

// GDI's coordinate space ends at 2^27; a drawer's rectangle beyond it could only overflow the
// arithmetic of its parts.
const int32_t kMaxPaintCoordinate = 1 << 27;

// Whether a rectangle (right and bottom exclusive) is one to paint: not empty, not inverted and
// inside GDI's coordinate space.
inline bool IsPaintable(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return left < right && top < bottom && left > -kMaxPaintCoordinate && top > -kMaxPaintCoordinate &&
           right < kMaxPaintCoordinate && bottom < kMaxPaintCoordinate;
}

inline bool CanPaint(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return dc && dc->GetSafeHdc() && IsPaintable(left, top, right, bottom);
}

// A solid fill of (x, y, width, height); a size of 0 or less fills nothing rather than the
// inverted rectangle.
inline void FillBox(CDC* dc, int32_t x, int32_t y, int32_t width, int32_t height, COLORREF color)
{
    if (width > 0 && height > 0)
        dc->FillSolidRect(x, y, width, height, color);
}

} // namespace drawer
} // namespace gui
} // namespace s
