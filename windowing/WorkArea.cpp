#include "windowing/WorkArea.h"

#include "windowing/paint/Monitor.h"
#include "windowing/paint/MonitorList.h"

namespace s {
namespace gui {
namespace win {

// The monitor list may not know a monitor connected after it was built: then the primary area.
RECT WorkAreaNear(const RECT& rect)
{
    system::monitor::win::Monitor* monitor =
        system::monitor::MonitorFromRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (!monitor)
        return PrimaryWorkArea();
    const int32_t left = monitor->GetWorkLeft();
    const int32_t top = monitor->GetWorkTop();
    const int32_t width = monitor->GetWorkWidth();
    const int32_t height = monitor->GetWorkHeight();
    if (width <= 0 || height <= 0)
        return PrimaryWorkArea();
    return RECT{left, top, left + width, top + height};
}

RECT PrimaryWorkArea()
{
    RECT area = {};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0) && area.right > area.left && area.bottom > area.top)
        return area;
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

} // namespace win
} // namespace gui
} // namespace s
