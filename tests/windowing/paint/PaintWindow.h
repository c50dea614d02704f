#pragma once
#include <windows.h>

#include "support/TestWindowClass.h"

namespace paint_test {

// A shown, top-most popup of the test program at a place of its own on the virtual display,
// painted with one colour when it is asked to paint.
class PaintWindow {
public:
    PaintWindow(int x, int y, int width, int height, COLORREF fill) : window_(nullptr)
    {
        static const wchar_t kClass[] = L"PulsegridPaintTest";
        if (!testing_support::RegisterTestWindowClass(kClass, &Procedure))
            return;
        window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClass, L"paint", WS_POPUP, x, y, width, height,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!window_)
            return;
        SetWindowLongPtrW(window_, GWLP_USERDATA, static_cast<LONG_PTR>(fill));
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        UpdateWindow(window_);
        Pump();
    }
    ~PaintWindow()
    {
        if (window_)
            DestroyWindow(window_);
    }
    HWND Get() const { return window_; }

    // Lets the window handle what is queued for it.
    static void Pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

private:
    PaintWindow(const PaintWindow&) = delete;
    PaintWindow& operator=(const PaintWindow&) = delete;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_PAINT) {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(window, GWLP_USERDATA)));
            RECT client;
            GetClientRect(window, &client);
            FillRect(dc, &client, brush);
            DeleteObject(brush);
            EndPaint(window, &paint);
            return 0;
        }
        if (message == WM_ERASEBKGND)
            return 1;
        return DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_;
};

} // namespace paint_test
