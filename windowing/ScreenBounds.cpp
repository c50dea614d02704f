#include "windowing/ScreenBounds.h"

#include <algorithm>

#include "windowing/WorkArea.h"
#include "windowing/paint/MonitorList.h"

namespace s {
namespace gui {
namespace win {

namespace {

// Less than this inside the screen is out of reach for the mouse.
const int32_t kInsideMargin = 10;

int64_t Overlap(int64_t start, int64_t end, int64_t areaStart, int64_t areaEnd)
{
    return std::min(end, areaEnd) - std::max(start, areaStart);
}

} // namespace

RECT VirtualScreen()
{
    const int32_t left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int32_t top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

RECT KeepInsideArea()
{
    if (system::monitor::GetMonitorCount() < 2)
        return PrimaryWorkArea();
    return VirtualScreen();
}

bool LiesInsideScreen(const RECT& window, const RECT& screen)
{
    if (window.right - window.left <= kInsideMargin || window.bottom - window.top <= kInsideMargin)
        return false;
    return Overlap(window.left, window.right, screen.left, screen.right) >= kInsideMargin &&
           Overlap(window.top, window.bottom, screen.top, screen.bottom) >= kInsideMargin;
}

POINT PositionInside(const RECT& window, const RECT& area)
{
    const int64_t width = static_cast<int64_t>(window.right) - window.left;
    const int64_t height = static_cast<int64_t>(window.bottom) - window.top;
    int64_t x = window.left;
    int64_t y = window.top;
    if (x + width > area.right)
        x = area.right - width;
    if (y + height > area.bottom)
        y = area.bottom - height;
    x = std::max<int64_t>(x, area.left);
    y = std::max<int64_t>(y, area.top);
    return POINT{static_cast<LONG>(x), static_cast<LONG>(y)};
}

bool LiesOnAMonitor(int64_t left, int64_t top, int64_t width, int64_t height)
{
    if (width <= 0 || height <= 0)
        return false;
    const RECT screen = VirtualScreen();
    if (Overlap(left, left + width, screen.left, screen.right) <= 0 ||
        Overlap(top, top + height, screen.top, screen.bottom) <= 0)
        return false;
    // Inside the virtual screen the values fit; a gap between monitors is on none.
    const RECT cut = {static_cast<LONG>(std::max<int64_t>(left, screen.left)),
                      static_cast<LONG>(std::max<int64_t>(top, screen.top)),
                      static_cast<LONG>(std::min<int64_t>(left + width, screen.right)),
                      static_cast<LONG>(std::min<int64_t>(top + height, screen.bottom))};
    return ::MonitorFromRect(&cut, MONITOR_DEFAULTTONULL) != nullptr;
}

} // namespace win
} // namespace gui
} // namespace s
