// The window in the notification area: its icon and the icon's clicks, iconize and restore,
// close-to-tray, the window's own icons, bringing it to the front and keeping it on top.
#include <cwchar>

#include "core/time/Time.h"
#include "windowing/DesktopCalls.h"
#include "windowing/IAppWindow.h"
#include "windowing/Messages.h"
#include "windowing/Window.h"
#include "windowing/menu/IPopupMenu.h"

namespace s {
namespace gui {
namespace win {

namespace {

// The record as Windows XP and later read it, up to its item id: the size the shell expects
// from every caller since then.
const DWORD kTrayRecordSize = 968;
const UINT kTrayIconId = 0;
const UINT kTrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
// A click on the icon comes after the window lost activation to the taskbar: a window that was
// active this short a time before the click counts as active.
const int64_t kJustDeactivatedMillis = 150;

} // namespace

HICON Window::TrayIconImage()
{
    HICON icon = reinterpret_cast<HICON>(::SendMessageW(m_hWnd, WM_GETICON, ICON_SMALL, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(::SendMessageW(m_hWnd, WM_GETICON, ICON_BIG, 0));
    // Never an empty place in the notification area.
    if (!icon)
        icon = LoadIconW(nullptr, IDI_APPLICATION);
    return icon;
}

bool Window::CallNotifyIcon(DWORD message, UINT flags)
{
    if (!m_hWnd)
        return false;
    NOTIFYICONDATAW record = {};
    record.cbSize = kTrayRecordSize;
    record.hWnd = m_hWnd;
    record.uID = kTrayIconId;
    record.uFlags = flags;
    record.uCallbackMessage = msg::kTrayCallback;
    if (message != NIM_DELETE) {
        record.hIcon = TrayIconImage();
        // Cut to the tip's room, always ended.
        ::GetWindowTextW(m_hWnd, record.szTip, static_cast<int>(sizeof(record.szTip) / sizeof(record.szTip[0])));
    }
    return GetDesktopCalls().notifyIcon(message, &record) != FALSE;
}

void Window::SetTrayIcon(bool add)
{
    if (!m_hWnd)
        return;
    if (add) {
        if (trayIconShown_)
            CallNotifyIcon(NIM_MODIFY, kTrayFlags);
        else
            trayIconShown_ = CallNotifyIcon(NIM_ADD, kTrayFlags);
        return;
    }
    if (trayIconAlways_ || !trayIconShown_)
        return;
    CallNotifyIcon(NIM_DELETE, 0);
    trayIconShown_ = false;
}

bool Window::IsTrayIconShown()
{
    return trayIconShown_;
}

void Window::UpdateTrayIcon()
{
    if (trayIconShown_)
        CallNotifyIcon(NIM_MODIFY, kTrayFlags);
}

// On close and teardown "always" no longer holds.
void Window::RemoveTrayIconForGood()
{
    trayIconAlways_ = false;
    SetTrayIcon(false);
}

void Window::SetSmallIcon(HICON icon, bool owned)
{
    ReplaceIcon(&smallIcon_, &ownsSmallIcon_, icon, owned, ICON_SMALL);
    UpdateTrayIcon();
}

void Window::SetBigIcon(HICON icon, bool owned)
{
    ReplaceIcon(&bigIcon_, &ownsBigIcon_, icon, owned, ICON_BIG);
}

// The new icon is set before the old one is destroyed, so no frame ever shows a dead handle.
void Window::ReplaceIcon(HICON* slot, bool* ownedSlot, HICON icon, bool owned, WPARAM kind)
{
    if (m_hWnd)
        ::SendMessageW(m_hWnd, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
    if (invisible_.m_hWnd)
        ::SendMessageW(invisible_.m_hWnd, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
    if (*slot && *slot != icon && *ownedSlot)
        DestroyIcon(*slot);
    *slot = icon;
    *ownedSlot = icon && owned;
}

void Window::ReleaseIcons()
{
    SetSmallIcon(nullptr, false);
    SetBigIcon(nullptr, false);
}

void Window::Iconize()
{
    RunOnOwnThread([this] {
        if (iconized_ || !m_hWnd)
            return;
        if (!trayIconShown_)
            SetTrayIcon(true);
        Minimize();
        // Without a notification area nothing would bring a hidden window back.
        if (!trayIconShown_)
            return;
        ShowOnOwnThread(false, false);
        iconized_ = true;
    });
}

bool Window::IsIconized()
{
    return iconized_;
}

void Window::Restore()
{
    RunOnOwnThread([this] {
        if (!m_hWnd)
            return;
        if (::IsZoomed(m_hWnd) && appWindow_)
            appWindow_->SetMaximized(false);
        if (iconized_) {
            ShowOnOwnThread(true, true);
            ::SetForegroundWindow(m_hWnd);
            iconized_ = false;
            if (!trayIconWhileShown_)
                SetTrayIcon(false);
        }
        ::ShowWindow(m_hWnd, SW_RESTORE);
    });
}

void Window::SetCloseToTray(bool on)
{
    closeToTray_ = on;
}

void Window::SetTrayIconEnabled(bool on)
{
    trayIconWhileShown_ = on;
    if (!m_hWnd)
        return;
    if (on && !trayIconShown_)
        SetTrayIcon(true);
    else if (!on && trayIconShown_ && !iconized_)
        SetTrayIcon(false);
}

void Window::SetAlwaysShowTrayIcon(bool on)
{
    if (on == trayIconAlways_)
        return;
    trayIconAlways_ = on;
    if (on) {
        if (!trayIconShown_)
            SetTrayIcon(true);
    } else if (!iconized_ && !(trayIconWhileShown_ && IsShown())) {
        SetTrayIcon(false);
    }
}

void Window::SetTrayClickToggles(bool on)
{
    trayClickToggles_ = on;
}

// The shell posts the mouse message of the icon; another program may post the same, which
// carries no address and does no more than a click would.
bool Window::HandleTrayMessage(LPARAM mouseMessage)
{
    switch (LOWORD(mouseMessage)) {
    case WM_MOUSEMOVE:
        if (hideCursor_ || followCursor_)
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        break;
    case WM_LBUTTONDOWN:
        HandleTrayLeftClick();
        TellListeners(kEventTrayClick);
        break;
    case WM_RBUTTONDOWN:
        ShowTrayMenu();
        break;
    default:
        break;
    }
    return true;
}

// The menu opens above the cursor, as the notification area sits at the bottom; the window takes
// the foreground around it so that a click elsewhere closes the menu.
void Window::ShowTrayMenu()
{
    if (!trayMenu_)
        return;
    TellListeners(kEventTrayMenu);
    // A listener may have changed the menu before it opens.
    IPopupMenu* menu = trayMenu_;
    if (!menu)
        return;
    POINT cursor = {};
    GetDesktopCalls().getCursorPos(&cursor);
    ::SetForegroundWindow(m_hWnd);
    menu->ShowAtBottomAligned(cursor.x, cursor.y, this);
    ::SetForegroundWindow(m_hWnd);
}

void Window::HandleTrayLeftClick()
{
    if (iconized_) {
        Restore();
        return;
    }
    if (trayClickToggles_ && (active_ || time::NowMillis() - deactivatedAt_ <= kJustDeactivatedMillis)) {
        Iconize();
        return;
    }
    BringToFront(true);
    if (::IsIconic(m_hWnd))
        Restore();
}

// A second start of the program asks the running window to come back.
void Window::HandleRestoreRequest()
{
    if (iconized_ || ::IsIconic(m_hWnd))
        Restore();
    BringToFront(true);
}

void Window::BringToFront(bool front)
{
    RunOnOwnThread([this, front] {
        if (!m_hWnd)
            return;
        if (!front) {
            // The activation handler notes when the window stopped being active.
            ::SendMessageW(m_hWnd, WM_ACTIVATE, WA_INACTIVE, 0);
            return;
        }
        // Lifted to the top of its band, not through the topmost band: a window made topmost for
        // the moment stays topmost for good where the system keeps its owner's band (Wine, once
        // the owner has shown), and keep-on-top would no longer be the user's to switch off.
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        ::SetForegroundWindow(m_hWnd);
        active_ = true;
    });
}

void Window::SetTopMost(bool on)
{
    RunOnOwnThread([this, on] {
        // Shrunk only while on top, a window that leaves the top comes back to its full size.
        if (!on && hoverShrink_ && hoverOnlyWhileTopMost_)
            ReapplyHoverHide();
        ApplyTopMost(on);
        if (targetOpacity_ != 100 && opacityOnlyWhileTopMost_)
            ApplyOpacity(EffectiveOpacity());
        if (appWindow_)
            appWindow_->SetKeepOnTop(on);
    });
}

void Window::ApplyTopMost(bool on)
{
    topMost_ = on;
    if (!m_hWnd)
        return;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE;
    if (IsShown())
        flags |= SWP_SHOWWINDOW;
    ::SetWindowPos(m_hWnd, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, flags);
}

bool Window::IsTopMost()
{
    return topMost_;
}

void Window::Minimize()
{
    ReapplyHoverHide();
    if (m_hWnd)
        ::ShowWindow(m_hWnd, SW_MINIMIZE);
}

void Window::Maximize()
{
    ReapplyHoverHide();
    if (m_hWnd)
        ::ShowWindow(m_hWnd, SW_MAXIMIZE);
}

void Window::ShowNormal()
{
    if (m_hWnd)
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
}

} // namespace win
} // namespace gui
} // namespace s
