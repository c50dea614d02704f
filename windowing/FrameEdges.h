#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace gui {
namespace win {

// Edge codes of a window being sized by the user.
enum SizingEdge : int32_t {
    kSizingNone = 0,
    kSizingLeft = 1,
    kSizingRight = 2,
    kSizingTop = 3,
    kSizingBottom = 4,
    kSizingTopLeft = 5,
    kSizingTopRight = 6,
    kSizingBottomLeft = 7,
    kSizingBottomRight = 8,
};

// The edge code of a WM_SIZING edge (WMSZ_*); kSizingNone for anything else.
int32_t SizingEdgeFromSystem(WPARAM edge);

// The sizing border of a frame drawn by a skin: a point (relative to the window's top-left
// corner) near an edge gives that edge or, near a corner, the corner; elsewhere the default.
LRESULT HitTestFrameEdges(int32_t x, int32_t y, int32_t width, int32_t height, LRESULT defaultResult);

// Cuts a sizing rectangle taller than maxHeight to it, moving the edge being dragged: the
// bottom for the bottom edges and corners, else the top.
void FitSizingHeight(RECT* rect, int32_t edge, int32_t maxHeight);

} // namespace win
} // namespace gui
} // namespace s
