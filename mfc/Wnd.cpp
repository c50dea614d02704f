#include "mfc/Wnd.h"

#include <unordered_map>

#include "core/thread/ObjLocker.h"

namespace {

// Native window to bound object, for the whole process: a window may be looked up from
// any thread, while its messages run only on its own.
struct HandleMap {
    s::thread::ObjLocker locker;
    std::unordered_map<HWND, CWnd*> objects;
};

HandleMap& Handles()
{
    static HandleMap map;
    return map;
}

void Bind(HWND window, CWnd* object)
{
    HandleMap& map = Handles();
    s::thread::ScopedLock hold(map.locker);
    map.objects[window] = object;
}

void Unbind(HWND window, CWnd* object)
{
    HandleMap& map = Handles();
    s::thread::ScopedLock hold(map.locker);
    auto found = map.objects.find(window);
    if (found != map.objects.end() && found->second == object)
        map.objects.erase(found);
}

// The object whose CreateEx runs on this thread, waiting for its window's first message.
thread_local CWnd* objectInCreation = nullptr;
thread_local HHOOK creationHook = nullptr;

} // namespace

LRESULT CALLBACK AfxCreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && objectInCreation) {
        CWnd* object = objectInCreation;
        objectInCreation = nullptr;
        HWND window = reinterpret_cast<HWND>(wParam);
        object->m_hWnd = window;
        Bind(window, object);
        object->m_pfnSuper = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    }
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* object = CWnd::FromHandlePermanent(window);
    if (!object) {
        // The object let go of the window without giving its procedure back (it was unbound
        // from another thread): the class procedure still serves it.
        WNDPROC classProc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
        if (classProc && classProc != &AfxWndProc)
            return CallWindowProcW(classProc, window, message, wParam, lParam);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const LRESULT result = object->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY && object->m_hWnd == window) {
        object->UnsubclassWindow();
        object->PostNcDestroy();
    }
    return result;
}

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr) {}

CWnd::~CWnd()
{
    if (!m_hWnd)
        return;
    if (GetWindowThreadProcessId(m_hWnd, nullptr) == GetCurrentThreadId())
        DestroyWindow();
    else
        Unbind(m_hWnd, this);
    m_hWnd = nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId, void* param)
{
    if (m_hWnd)
        return FALSE;
    // The hook binds the window at its creation, so that even WM_NCCREATE reaches WindowProc.
    HHOOK outerHook = creationHook;
    CWnd* outerObject = objectInCreation;
    creationHook = SetWindowsHookExW(WH_CBT, &AfxCreationHook, nullptr, GetCurrentThreadId());
    if (!creationHook) {
        creationHook = outerHook;
        return FALSE;
    }
    objectInCreation = this;
    HWND window = CreateWindowExW(exStyle, className, windowName, style, x, y, width, height, parent, menuOrId,
                                  GetModuleHandleW(nullptr), param);
    UnhookWindowsHookEx(creationHook);
    creationHook = outerHook;
    objectInCreation = outerObject;
    if (!window) {
        // Creation refused after the hook bound the handle: let go of the dead handle.
        if (m_hWnd) {
            Unbind(m_hWnd, this);
            m_hWnd = nullptr;
            m_pfnSuper = nullptr;
        }
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::Create(const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect, HWND parent,
                  UINT id)
{
    return CreateEx(0, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

BOOL CWnd::SubclassWindow(HWND window)
{
    if (m_hWnd || !window || !IsWindow(window) || FromHandlePermanent(window))
        return FALSE;
    m_hWnd = window;
    Bind(window, this);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND window = m_hWnd;
    if (!window)
        return nullptr;
    if (m_pfnSuper && GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&AfxWndProc))
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    return Detach();
}

BOOL CWnd::Attach(HWND window)
{
    if (m_hWnd || !window || FromHandlePermanent(window))
        return FALSE;
    m_hWnd = window;
    Bind(window, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND window = m_hWnd;
    if (window)
        Unbind(window, this);
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND window = m_hWnd;
    const BOOL destroyed = ::DestroyWindow(window);
    // A window that is not bound through its procedure (Attach) gets no routed WM_NCDESTROY.
    if (destroyed && m_hWnd == window)
        Detach();
    return destroyed;
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    if (!window)
        return nullptr;
    HandleMap& map = Handles();
    s::thread::ScopedLock hold(map.locker);
    auto found = map.objects.find(window);
    return found == map.objects.end() ? nullptr : found->second;
}

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* message)
{
    for (HWND window = message->hwnd; window; window = ::GetParent(window)) {
        CWnd* object = FromHandlePermanent(window);
        if (object && object->PreTranslateMessage(message))
            return TRUE;
        if (window == stop)
            break;
    }
    return FALSE;
}

BOOL CWnd::ShowWindow(int command)
{
    return ::ShowWindow(m_hWnd, command);
}

BOOL CWnd::IsWindowVisible() const
{
    return m_hWnd && ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL enable)
{
    return m_hWnd ? ::EnableWindow(m_hWnd, enable) : FALSE;
}

BOOL CWnd::GetWindowRect(RECT* rect) const
{
    if (!rect)
        return FALSE;
    if (m_hWnd && ::GetWindowRect(m_hWnd, rect))
        return TRUE;
    *rect = RECT();
    return FALSE;
}

BOOL CWnd::GetClientRect(RECT* rect) const
{
    if (!rect)
        return FALSE;
    if (m_hWnd && ::GetClientRect(m_hWnd, rect))
        return TRUE;
    *rect = RECT();
    return FALSE;
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags)
{
    if (!m_hWnd)
        return FALSE;
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, width, height, flags);
}

BOOL CWnd::ClientToScreen(POINT* point) const
{
    return m_hWnd && point && ::ClientToScreen(m_hWnd, point);
}

BOOL CWnd::ScreenToClient(POINT* point) const
{
    return m_hWnd && point && ::ScreenToClient(m_hWnd, point);
}

BOOL CWnd::ScreenToClient(RECT* rect) const
{
    if (!rect)
        return FALSE;
    POINT* corners = reinterpret_cast<POINT*>(rect);
    return ScreenToClient(&corners[0]) && ScreenToClient(&corners[1]);
}

int CWnd::SetWindowRgn(HRGN region, BOOL redraw)
{
    if (!m_hWnd) {
        if (region)
            DeleteObject(region);
        return 0;
    }
    return ::SetWindowRgn(m_hWnd, region, redraw);
}

BOOL CWnd::RedrawWindow(const RECT* area, HRGN region, UINT flags)
{
    return m_hWnd && ::IsWindow(m_hWnd) && ::RedrawWindow(m_hWnd, area, region, flags);
}

void CWnd::Invalidate(BOOL erase)
{
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, erase);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::SetMenu(HMENU menu)
{
    return ::SetMenu(m_hWnd, menu);
}

namespace {
BOOL ModifyWindowLong(HWND window, int index, DWORD remove, DWORD add, UINT flags)
{
    if (!window)
        return FALSE;
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, index));
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    SetWindowLongPtrW(window, index, static_cast<LONG_PTR>(changed));
    if (flags)
        ::SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}
} // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    return ModifyWindowLong(m_hWnd, GWL_STYLE, remove, add, flags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags)
{
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMillis)
{
    return ::SetTimer(m_hWnd, id, elapseMillis, nullptr);
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    return ::KillTimer(m_hWnd, id);
}

HWND CWnd::SetCapture()
{
    return ::SetCapture(m_hWnd);
}

HWND CWnd::SetFocus()
{
    return ::SetFocus(m_hWnd);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper)
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CWnd::PostNcDestroy() {}
