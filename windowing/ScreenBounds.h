#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace gui {
namespace win {

// The rectangle of all display monitors together (SM_XVIRTUALSCREEN ...).
RECT VirtualScreen();
// Where a window kept inside the screen may lie: the virtual screen, or with a single display
// monitor its work area, so that the taskbar stays free.
RECT KeepInsideArea();
// A window of more than 10 pixels each way that shows at least 10 pixels inside the screen on
// each axis.
bool LiesInsideScreen(const RECT& window, const RECT& screen);
// The position that puts the window inside the area: moved left and up until its right and
// bottom edges are inside, then right and down until its left and top edges are; a window
// larger than the area keeps its left and top edges at the area's.
POINT PositionInside(const RECT& window, const RECT& area);
// Whether any display monitor shows a part of the rectangle, given in 64-bit values so that
// absurd stored places cannot wrap round.
bool LiesOnAMonitor(int64_t left, int64_t top, int64_t width, int64_t height);

} // namespace win
} // namespace gui
} // namespace s
