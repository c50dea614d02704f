#include "windowing/component/ComponentNative.h"

#include "mfc/Wnd.h"
#include "windowing/MessageBoxW.h"
#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"
#include "windowing/ToolkitWindowClass.h"
#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace win {

HWND NativeWindowOf(IComponent* component)
{
    CWnd* object = dynamic_cast<CWnd*>(component);
    return object ? object->m_hWnd : nullptr;
}

bool CreateToolkitChild(CWnd* object, HWND parent, DWORD exStyle)
{
    if (!object || !parent)
        return false;
    if (!object->CreateEx(exStyle, kToolkitWindowClass, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr)) {
        ShowWindowCreationFailed();
        return false;
    }
    return true;
}

void RequestChildCreation(HWND parent, IComponent* child)
{
    if (parent && child)
        ::SendMessageW(parent, msg::kCreateChild, reinterpret_cast<WPARAM>(child), ProcessKey());
}

bool HandleChildCreation(IComponent* receiver, WPARAM wParam, LPARAM lParam)
{
    IComponent* child = reinterpret_cast<IComponent*>(wParam);
    if (!child || !FromThisProcess(lParam))
        return false;
    return child->CreateWindowIn(receiver);
}

void DestroyOnOwnThread(CWnd* object)
{
    if (!object || !object->m_hWnd)
        return;
    HWND window = object->m_hWnd;
    ::SendMessageW(window, msg::kDestroyOwnWindow, 0, 0);
    // Destroyed by now when its thread answered; else the object lets go of the handle.
    if (object->m_hWnd == window)
        object->Detach();
}

bool WindowContainsPoint(HWND window, int32_t x, int32_t y)
{
    RECT rect;
    if (!window || !IsWindowVisible(window) || !GetWindowRect(window, &rect))
        return false;
    return rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom;
}

void PaleBackground(int32_t* red, int32_t* green, int32_t* blue)
{
    const COLORREF text = GetSysColor(COLOR_INACTIVECAPTIONTEXT);
    *red = 255 - ((255 - GetRValue(text)) >> 1);
    *green = 255 - ((255 - GetGValue(text)) >> 1);
    *blue = 255 - ((255 - GetBValue(text)) >> 1);
}

COLORREF ColorFromBytes(int32_t red, int32_t green, int32_t blue)
{
    return RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
}

} // namespace win
} // namespace gui
} // namespace s
