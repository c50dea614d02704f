#pragma once
#include <windows.h>

namespace s {
namespace gui {
namespace win {

// The work area (the desktop without the task bar) of the monitor nearest the rectangle; the
// primary work area when no monitor answers.
RECT WorkAreaNear(const RECT& rect);
// The primary work area (SPI_GETWORKAREA); the primary screen when even that fails.
RECT PrimaryWorkArea();

} // namespace win
} // namespace gui
} // namespace s
