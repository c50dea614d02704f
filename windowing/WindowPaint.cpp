// The window's painting.
#include "windowing/Window.h"

namespace s {
namespace gui {
namespace win {

image::win::BufferedImage* Window::GetBackBuffer(int32_t*, int32_t*)
{
    return nullptr;
}

bool Window::SaveScreenshotGif(const wchar_t*)
{
    return false;
}

} // namespace win
} // namespace gui
} // namespace s
