#include "windowing/WorkArea.h"

namespace s {
namespace gui {
namespace win {

RECT WorkAreaNear(const RECT& rect)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    HMONITOR monitor = ::MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST);
    if (monitor && GetMonitorInfoW(monitor, &info))
        return info.rcWork;
    return PrimaryWorkArea();
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
