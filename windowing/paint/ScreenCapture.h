#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace image {
namespace win {
class BufferedImage;
}
} // namespace image

namespace system {
namespace monitor {

// A new opaque image of what the screen shows in the rectangle, cut to the virtual screen; the
// caller gives it back to its pool. Null when nothing of it is on the virtual screen or the screen
// cannot be read.
image::win::BufferedImage* CaptureScreenRect(int32_t x, int32_t y, int32_t width, int32_t height);

// The same for the window's rectangle; null for a handle that is not a window.
image::win::BufferedImage* CaptureWindow(HWND window);

} // namespace monitor
} // namespace system
} // namespace s
