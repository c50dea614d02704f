#include "windowing/DesktopCalls.h"

#include "measurement/win/WorkingSet.h"
#include "windowing/paint/ShiftKey.h"

namespace s {
namespace gui {
namespace win {

namespace {

BOOL NotifyIcon(DWORD message, NOTIFYICONDATAW* data)
{
    return Shell_NotifyIconW(message, data);
}

UINT_PTR StartTimer(HWND window, UINT_PTR id, UINT periodMillis)
{
    return ::SetTimer(window, id, periodMillis, nullptr);
}

BOOL StopTimer(HWND window, UINT_PTR id)
{
    return ::KillTimer(window, id);
}

BOOL CursorPos(POINT* point)
{
    return ::GetCursorPos(point);
}

DesktopCalls SystemCalls()
{
    return DesktopCalls{&NotifyIcon, &system::win::TrimWorkingSet, &StartTimer, &StopTimer, &image::IsShiftKeyDown,
                        &CursorPos};
}

} // namespace

DesktopCalls& GetDesktopCalls()
{
    static DesktopCalls calls = SystemCalls();
    return calls;
}

void ResetDesktopCalls()
{
    GetDesktopCalls() = SystemCalls();
}

UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

} // namespace win
} // namespace gui
} // namespace s
