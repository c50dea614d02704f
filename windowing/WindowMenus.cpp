// The window's menus: the menu bar, the notification-area menu and the context menu, and the
// commands chosen from them.
#include "windowing/Window.h"
#include "mfc/Menu.h"
#include "windowing/menu/IPopupMenu.h"

namespace s {
namespace gui {
namespace win {

namespace {

HMENU NativeMenuOf(IPopupMenu* menu)
{
    CMenu* native = dynamic_cast<CMenu*>(menu);
    return native ? native->GetSafeHmenu() : nullptr;
}

} // namespace

void Window::SetMenuBar(IPopupMenu* menu)
{
    menuBar_ = menu;
    if (m_hWnd)
        SetMenu(NativeMenuOf(menu));
}

void Window::SetTrayMenu(IPopupMenu* menu)
{
    trayMenu_ = menu;
}

void Window::SetContextMenu(IPopupMenu* menu, bool enabled)
{
    contextMenu_ = menu;
    contextMenuEnabled_ = enabled;
}

void Window::ForgetMenus()
{
    // The frame lets go of the bar's native menu, which stays its owner's to destroy.
    if (menuBar_ && m_hWnd)
        SetMenu(nullptr);
    menuBar_ = nullptr;
    trayMenu_ = nullptr;
    contextMenu_ = nullptr;
    contextMenuEnabled_ = false;
}

bool Window::HandleMenuCommand(WPARAM wParam, LPARAM lParam)
{
    // Accelerators and controls' notifications are not menu commands.
    if (HIWORD(wParam) != 0 || lParam != 0)
        return false;
    const int32_t command = LOWORD(wParam);
    IPopupMenu* const menus[] = {menuBar_, trayMenu_, contextMenu_};
    for (IPopupMenu* menu : menus) {
        if (menu && menu->ContainsCommand(command)) {
            menu->SelectCommand(command);
            break;
        }
    }
    return true;
}

void Window::HandleRightButtonDown()
{
    TellListeners(kEventRightDown);
    IPopupMenu* menu = contextMenu_;
    if (!menu || !contextMenuEnabled_)
        return;
    TellListeners(kEventContextMenu);
    // A listener may have changed the menu before it opens.
    menu = contextMenu_;
    if (!menu || !contextMenuEnabled_)
        return;
    POINT cursor = {};
    GetCursorPos(&cursor);
    menu->ShowAt(cursor.x, cursor.y, this);
}

} // namespace win
} // namespace gui
} // namespace s
