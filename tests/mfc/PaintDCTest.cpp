// Painting through the device-context classes: a WM_PAINT with CPaintDC fills the client area.
#include <windows.h>

#include <gtest/gtest.h>

#include "mfc/PaintDC.h"
#include "mfc/Wnd.h"
#include "support/TestWindowClass.h"

namespace {

const wchar_t kClass[] = L"PulsegridMfcPaint";
const COLORREF kFill = RGB(0x21, 0x84, 0x3C);

class FillingWnd : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_PAINT)
            return CWnd::WindowProc(message, wParam, lParam);
        CPaintDC dc(this);
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        dc.FillSolidRect(client, kFill);
        ++paints;
        return 0;
    }
    int paints = 0;
};

TEST(PaintDC, PaintFillsTheClientAreaAndValidatesIt)
{
    ASSERT_TRUE(testing_support::RegisterTestWindowClass(kClass, &DefWindowProcW));

    FillingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(WS_EX_TOPMOST, kClass, L"paint", WS_POPUP | WS_VISIBLE, 700, 60, 90, 60, nullptr,
                             nullptr));
    wnd.UpdateWindow();
    EXPECT_EQ(1, wnd.paints);
    // The region was validated at EndPaint: nothing is left to paint.
    EXPECT_FALSE(GetUpdateRect(wnd.m_hWnd, nullptr, FALSE));

    HDC dc = GetDC(wnd.m_hWnd);
    EXPECT_EQ(kFill, GetPixel(dc, 45, 30));
    ReleaseDC(wnd.m_hWnd, dc);

    CDC borrowed;
    EXPECT_FALSE(borrowed.Attach(nullptr));
    EXPECT_EQ(nullptr, borrowed.Detach());
    wnd.DestroyWindow();
}

} // namespace
