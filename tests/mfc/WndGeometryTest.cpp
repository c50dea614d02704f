// A bound window's rectangles, moves, coordinate conversion and region, and the same calls
// failing quietly on an object without a window.
#include <windows.h>

#include <gtest/gtest.h>

#include "mfc/Wnd.h"
#include "support/TestWindowClass.h"

namespace {

const wchar_t kGeometryClass[] = L"PulsegridMfcGeometry";

LRESULT CALLBACK GeometryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(WndGeometry, RectanglesMovesAndConversionsOfABoundWindow)
{
    ASSERT_TRUE(testing_support::RegisterTestWindowClass(kGeometryClass, &GeometryProc));
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, kGeometryClass, L"", WS_POPUP, 100, 120, 300, 200, nullptr, nullptr));
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, kGeometryClass, L"", WS_CHILD, 0, 0, 10, 10, parent.m_hWnd, nullptr));

    ASSERT_TRUE(child.SetWindowPos(nullptr, 15, 25, 40, 30, SWP_NOZORDER | SWP_SHOWWINDOW));
    RECT rect;
    ASSERT_TRUE(child.GetWindowRect(&rect));
    EXPECT_EQ(115, rect.left);
    EXPECT_EQ(145, rect.top);
    EXPECT_EQ(40, rect.right - rect.left);
    ASSERT_TRUE(parent.ScreenToClient(&rect));
    EXPECT_EQ(15, rect.left);
    EXPECT_EQ(25, rect.top);
    EXPECT_EQ(55, rect.right);
    ASSERT_TRUE(child.GetClientRect(&rect));
    EXPECT_EQ(30, rect.bottom);

    POINT point = {1, 2};
    ASSERT_TRUE(child.ClientToScreen(&point));
    EXPECT_EQ(116, point.x);
    EXPECT_EQ(147, point.y);
    ASSERT_TRUE(child.ScreenToClient(&point));
    EXPECT_EQ(1, point.x);

    EXPECT_NE(0, child.SetWindowRgn(CreateRectRgn(0, 0, 20, 20), FALSE));
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(SIMPLEREGION, GetWindowRgn(child.m_hWnd, copy));
    DeleteObject(copy);
    EXPECT_TRUE(child.RedrawWindow());
    EXPECT_FALSE(child.IsWindowVisible()) << "the parent is hidden";
    child.EnableWindow(FALSE);
    EXPECT_FALSE(IsWindowEnabled(child.m_hWnd));
    parent.DestroyWindow();
}

TEST(WndGeometry, WithoutAWindowEveryCallFailsQuietly)
{
    CWnd unbound;
    RECT rect = {1, 2, 3, 4};
    EXPECT_FALSE(unbound.GetWindowRect(&rect));
    EXPECT_EQ(0, rect.right);
    EXPECT_FALSE(unbound.GetClientRect(&rect));
    EXPECT_FALSE(unbound.SetWindowPos(nullptr, 0, 0, 5, 5, SWP_NOZORDER));
    POINT point = {7, 8};
    EXPECT_FALSE(unbound.ClientToScreen(&point));
    EXPECT_EQ(7, point.x);
    EXPECT_EQ(0, unbound.SetWindowRgn(CreateRectRgn(0, 0, 5, 5), TRUE)) << "the region is deleted, not leaked";
    EXPECT_FALSE(unbound.RedrawWindow());
    EXPECT_FALSE(unbound.IsWindowVisible());
    unbound.Invalidate();
}

} // namespace
