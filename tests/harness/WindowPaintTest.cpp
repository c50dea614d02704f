// The test harness itself: a real top-level window on the display, painted with GDI and read back.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

const COLORREF kPaint = RGB(0x12, 0x9A, 0xE4);

LRESULT CALLBACK PaintProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH brush = CreateSolidBrush(kPaint);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, brush);
        DeleteObject(brush);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(WindowPaint, PaintedPixelReadsBack)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = PaintProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PulsegridHarnessWindow";
    ASSERT_NE(0, RegisterClassW(&windowClass));

    HWND window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"harness", WS_POPUP | WS_VISIBLE,
                                  40, 40, 120, 80, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(nullptr, window);
    UpdateWindow(window);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);

    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, 60, 40);
    ReleaseDC(window, dc);
    EXPECT_EQ(kPaint, pixel);

    DestroyWindow(window);
    UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
}

} // namespace
