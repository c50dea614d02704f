#pragma once
#include <windows.h>

// A C++ object bound to one native window. While bound, every message of the window reaches
// the object's WindowProc on the window's own thread; what it does not take goes on to
// DefWindowProc, which calls the procedure the window had before it was bound.
class CWnd {
public:
    CWnd();
    virtual ~CWnd();

    // Creates the native window bound to this object from its very first message; false
    // when the system refused (the object then stays unbound).
    BOOL CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menuOrId, void* param = nullptr);

    // A child window of the class with a control id (no extended style).
    BOOL Create(const wchar_t* className, const wchar_t* windowName, DWORD style, const RECT& rect, HWND parent,
                UINT id);

    // Binds an existing window, such as a native control, and routes its messages through
    // WindowProc; UnsubclassWindow gives the window its own procedure back.
    BOOL SubclassWindow(HWND window);
    HWND UnsubclassWindow();

    // Binds or unbinds the handle only; messages are not routed.
    BOOL Attach(HWND window);
    HWND Detach();

    // Destroys the native window; must run on the thread that owns it.
    virtual BOOL DestroyWindow();

    // The object bound to a window, or null.
    static CWnd* FromHandlePermanent(HWND window);

    // Offers the message to the window it is for and then to each parent in turn, up to and
    // including stop; true when one of them took it.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* message);

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return GetSafeHwnd(); }

    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable);

    // Rectangles, moves and coordinate conversion of the bound window; each fails (FALSE, an
    // empty rectangle, a point left as it was) without one.
    BOOL GetWindowRect(RECT* rect) const;
    BOOL GetClientRect(RECT* rect) const;
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags);
    BOOL ClientToScreen(POINT* point) const;
    BOOL ScreenToClient(POINT* point) const;
    // Both corners of a rectangle.
    BOOL ScreenToClient(RECT* rect) const;
    // The window takes the region over (it is then the system's to delete).
    int SetWindowRgn(HRGN region, BOOL redraw);
    BOOL RedrawWindow(const RECT* area = nullptr, HRGN region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void Invalidate(BOOL erase = TRUE);
    void UpdateWindow();
    BOOL SetMenu(HMENU menu);
    // False when the style stays as it was; flags other than 0 let the frame follow the change.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Window timers tick on the window's own thread.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMillis);
    BOOL KillTimer(UINT_PTR id);
    // The mouse goes to this window until ReleaseCapture; the window that had it before.
    HWND SetCapture();
    HWND SetFocus();

    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Called for every message of a bound window routed through this object.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Sees a message before it is dispatched; true keeps it from being dispatched.
    virtual BOOL PreTranslateMessage(MSG* message);
    // Called after the last message of the window, once the object is unbound.
    virtual void PostNcDestroy();

    HWND m_hWnd;

protected:
    WNDPROC m_pfnSuper;

private:
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    friend LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    friend LRESULT CALLBACK AfxCreationHook(int code, WPARAM wParam, LPARAM lParam);
};

// The window procedure of every bound window.
LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
