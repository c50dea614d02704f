// Binding C++ objects to native windows: created, subclassed and destroyed.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mfc/Wnd.h"
#include "support/TestWindowClass.h"

namespace {

const wchar_t kPlainClass[] = L"PulsegridMfcPlain";
const wchar_t kRefusingClass[] = L"PulsegridMfcRefusing";
const UINT kProbe = WM_APP + 0x100;

int classProcProbes = 0;

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kProbe) {
        ++classProcProbes;
        return 7;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK RefusingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        return FALSE;
    return DefWindowProcW(window, message, wParam, lParam);
}

class RecordingWnd : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        messages.push_back(message);
        if (message == WM_NCCREATE)
            handleAtCreate = m_hWnd;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { ++ncDestroyCalls; }
    bool Saw(UINT message) const
    {
        for (UINT seen : messages) {
            if (seen == message)
                return true;
        }
        return false;
    }

    std::vector<UINT> messages;
    HWND handleAtCreate = nullptr;
    int ncDestroyCalls = 0;
};

class WndTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        testing_support::RegisterTestWindowClass(kPlainClass, &PlainProc);
        testing_support::RegisterTestWindowClass(kRefusingClass, &RefusingProc);
    }
};

TEST_F(WndTest, CreatedWindowIsBoundFromItsFirstMessageUntilItsLast)
{
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, kPlainClass, L"plain", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr));
    HWND window = wnd.m_hWnd;
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(wnd.Saw(WM_NCCREATE));
    EXPECT_TRUE(wnd.Saw(WM_CREATE));
    EXPECT_EQ(window, wnd.handleAtCreate);
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(window));

    // What WindowProc leaves goes on to the class's own procedure.
    classProcProbes = 0;
    EXPECT_EQ(7, SendMessageW(window, kProbe, 0, 0));
    EXPECT_EQ(1, classProcProbes);
    EXPECT_TRUE(wnd.Saw(kProbe));

    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_TRUE(wnd.Saw(WM_NCDESTROY));
    EXPECT_EQ(1, wnd.ncDestroyCalls);
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(window));
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WndTest, RefusedCreationLeavesTheObjectUnbound)
{
    RecordingWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, kRefusingClass, L"refused", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr));
    EXPECT_EQ(nullptr, wnd.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(wnd.handleAtCreate));

    RecordingWnd unknown;
    EXPECT_FALSE(unknown.CreateEx(0, L"PulsegridNoSuchClass", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(nullptr, unknown.m_hWnd);

    // The object can still make a window afterwards.
    ASSERT_TRUE(wnd.CreateEx(0, kPlainClass, L"second", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr));
    EXPECT_TRUE(wnd.DestroyWindow());
}

TEST_F(WndTest, SubclassedNativeControlKeepsItsBehaviourAndGetsItBack)
{
    HWND button = CreateWindowExW(0, L"BUTTON", L"before", WS_POPUP | BS_PUSHBUTTON, 0, 0, 80, 30, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, button);
    const LONG_PTR nativeProc = GetWindowLongPtrW(button, GWLP_WNDPROC);

    RecordingWnd wnd;
    ASSERT_TRUE(wnd.SubclassWindow(button));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(button));
    RecordingWnd second;
    EXPECT_FALSE(second.SubclassWindow(button));

    SetWindowTextW(button, L"after");
    EXPECT_TRUE(wnd.Saw(WM_SETTEXT));
    wchar_t text[16] = {};
    GetWindowTextW(button, text, 16);
    EXPECT_STREQ(L"after", text);

    EXPECT_EQ(button, wnd.UnsubclassWindow());
    EXPECT_EQ(nativeProc, GetWindowLongPtrW(button, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(button));
    wnd.messages.clear();
    SetWindowTextW(button, L"again");
    EXPECT_FALSE(wnd.Saw(WM_SETTEXT));
    DestroyWindow(button);
}

TEST_F(WndTest, ObjectDestroyedFirstTakesItsWindowAlong)
{
    HWND window = nullptr;
    {
        RecordingWnd wnd;
        ASSERT_TRUE(wnd.CreateEx(0, kPlainClass, L"scoped", WS_POPUP, 0, 0, 50, 40, nullptr, nullptr));
        window = wnd.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(window));
}

} // namespace
