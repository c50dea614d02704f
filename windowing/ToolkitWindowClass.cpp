#include "windowing/ToolkitWindowClass.h"

#include <atomic>

#include "core/thread/ObjLocker.h"
#include "windowing/InvisibleWindow.h"
#include "windowing/Messages.h"
#include "windowing/MessageBoxW.h"

namespace s {
namespace gui {
namespace win {

const wchar_t kToolkitWindowClass[] = L"KevrelWindowClass";

namespace {

// The 16-bit colour request that some controls still send.
const UINT kLegacyCtlColor = 0x0019;

struct Registration {
    thread::ObjLocker locker;
    std::atomic<bool> done{false};
};

Registration& ClassRegistration()
{
    static Registration registration;
    return registration;
}

// Two window threads may start at once; the flag is tested before and after the lock.
void RegisterOnce()
{
    Registration& registration = ClassRegistration();
    if (registration.done)
        return;
    thread::ScopedLock hold(registration.locker);
    if (registration.done)
        return;
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_GLOBALCLASS;
    windowClass.lpfnWndProc = &ToolkitWindowProc;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kToolkitWindowClass;
    if (RegisterClassExW(&windowClass))
        registration.done = true;
    else
        ShowWindowRegistrationFailed();
}

struct Reflection {
    int code;
    UINT message;
    // False when Windows gets 0 whatever the control answered.
    bool passAnswer;
};

const Reflection kNotifyReflections[] = {
    {-12, msg::kReflectCustomDraw, true},       {-100, msg::kReflectItemChanging, true},
    {-101, msg::kReflectItemChanged, false},    {-108, msg::kReflectColumnClick, true},
    {-109, msg::kReflectBeginDrag, false},      {-115, msg::kReflectOdStateChanged, false},
    {-176, msg::kReflectEndLabelEdit, true},    {-310, msg::kReflectHeaderBeginDrag, true},
    {-311, msg::kReflectHeaderEndDrag, true},   {-551, msg::kReflectTabSelChange, true},
};

const Reflection kCommandReflections[] = {
    {0, msg::kReflectClicked, false},   {1, msg::kReflectSelChange, false},   {5, msg::kReflectDoubleClicked, false},
    {7, msg::kReflectDropDown, false},  {8, msg::kReflectCloseUp, false},     {0x0200, msg::kReflectKillFocus, false},
    {0x0300, msg::kReflectEditChange, false},
};

template <size_t N>
const Reflection* FindReflection(const Reflection (&table)[N], int code)
{
    for (const Reflection& reflection : table) {
        if (reflection.code == code)
            return &reflection;
    }
    return nullptr;
}

LRESULT ReflectNotify(HWND window, WPARAM wParam, LPARAM lParam)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    const Reflection* reflection = header ? FindReflection(kNotifyReflections, static_cast<int>(header->code)) : nullptr;
    if (!reflection)
        return DefWindowProcW(window, WM_NOTIFY, wParam, lParam);
    const LRESULT answer = SendMessageW(header->hwndFrom, reflection->message, wParam, lParam);
    return reflection->passAnswer ? answer : 0;
}

LRESULT ReflectCommand(HWND window, WPARAM wParam, LPARAM lParam)
{
    const Reflection* reflection = FindReflection(kCommandReflections, HIWORD(wParam));
    if (!reflection)
        return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
    if (lParam)
        SendMessageW(reinterpret_cast<HWND>(lParam), reflection->message, wParam, lParam);
    return 0;
}

// A popup menu names in its menu data the window that wants to prepare it; a menu that names the
// window it came to is that window's already (forwarded, it would come back here without end).
void ForwardMenuPopup(HWND window, WPARAM wParam, LPARAM lParam)
{
    MENUINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    if (!GetMenuInfo(reinterpret_cast<HMENU>(wParam), &info))
        return;
    HWND target = reinterpret_cast<HWND>(info.dwMenuData);
    if (target && target != window && IsWindow(target))
        SendMessageW(target, WM_INITMENUPOPUP, wParam, lParam);
}

} // namespace

bool RegisterToolkitWindowClass(InvisibleWindow* invisibleWindow)
{
    RegisterOnce();
    if (!invisibleWindow ||
        !invisibleWindow->CreateEx(0, kToolkitWindowClass, L"", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, nullptr, nullptr)) {
        ShowWindowCreationFailed();
        return false;
    }
    invisibleWindow->ShowWindow(SW_HIDE);
    invisibleWindow->ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
    return true;
}

LRESULT CALLBACK ToolkitWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kLegacyCtlColor:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return SendMessageW(reinterpret_cast<HWND>(lParam), msg::kReflectCtlColor, wParam, lParam);
    case WM_SETCURSOR:
        if (DefWindowProcW(window, message, wParam, lParam))
            return 1;
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return 0;
    case WM_NOTIFY:
        return ReflectNotify(window, wParam, lParam);
    case WM_COMMAND:
        return ReflectCommand(window, wParam, lParam);
    case WM_HSCROLL:
        // A toolkit window's own scroll notification is not sent back to it: it would return here.
        if (lParam && reinterpret_cast<HWND>(lParam) != window)
            SendMessageW(reinterpret_cast<HWND>(lParam), WM_HSCROLL, wParam, lParam);
        break;
    case WM_INITMENU:
    case WM_LBUTTONDOWN:
        SendMessageW(window, WM_ACTIVATE, WA_CLICKACTIVE, 0);
        break;
    case WM_INITMENUPOPUP:
        ForwardMenuPopup(window, wParam, lParam);
        break;
    case msg::kCloseOnOwnThread:
        return DefWindowProcW(window, WM_CLOSE, wParam, lParam);
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace win
} // namespace gui
} // namespace s
