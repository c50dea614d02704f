// The toolkit's window class: its registration, the invisible window, and native notifications
// sent back to the control that raised them.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "mfc/Wnd.h"
#include "support/TestWindowClass.h"
#include "windowing/InvisibleWindow.h"
#include "windowing/Messages.h"
#include "windowing/ToolkitWindowClass.h"

namespace {

using namespace s::gui;

const wchar_t kControlClass[] = L"PulsegridReflectionControl";
const LRESULT kControlAnswer = 0x5A5A;

struct Received {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

std::vector<Received> received;

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP || message == WM_HSCROLL || message == WM_INITMENUPOPUP) {
        received.push_back(Received{message, wParam, lParam});
        return kControlAnswer;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A toolkit window bound to an object that notes what reaches it.
class NotingWnd : public CWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        seen.push_back(Received{message, wParam, lParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<Received> seen;
};

class ToolkitWindowClassTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing_support::RegisterTestWindowClass(kControlClass, &ControlProc));

        ASSERT_TRUE(win::RegisterToolkitWindowClass(&invisible_));
        ASSERT_TRUE(parent_.CreateEx(0, win::kToolkitWindowClass, L"parent", WS_POPUP, 0, 0, 100, 100,
                                     invisible_.m_hWnd, nullptr));
        control_ = CreateWindowExW(0, kControlClass, L"", WS_CHILD, 0, 0, 10, 10, parent_.m_hWnd, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(nullptr, control_);
        received.clear();
    }

    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return SendMessageW(parent_.m_hWnd, message, wParam, lParam);
    }

    win::InvisibleWindow invisible_;
    NotingWnd parent_;
    HWND control_ = nullptr;
};

TEST_F(ToolkitWindowClassTest, ClassAndInvisibleWindowAreAsTheToolkitNeedsThem)
{
    WNDCLASSEXW info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetClassInfoExW(nullptr, L"KevrelWindowClass", &info));
    EXPECT_EQ(&win::ToolkitWindowProc, info.lpfnWndProc);
    EXPECT_TRUE(info.style & CS_GLOBALCLASS);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)), info.hbrBackground);
    EXPECT_EQ(nullptr, info.hCursor);

    HWND hidden = invisible_.m_hWnd;
    EXPECT_FALSE(IsWindowVisible(hidden));
    const LONG_PTR exStyle = GetWindowLongPtrW(hidden, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_TRUE(GetWindowLongPtrW(hidden, GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(0, GetWindowTextLengthW(hidden));

    // A second window thread registers nothing again and still gets its window.
    win::InvisibleWindow another;
    EXPECT_TRUE(win::RegisterToolkitWindowClass(&another));
    EXPECT_NE(nullptr, another.m_hWnd);
}

TEST_F(ToolkitWindowClassTest, CommandNotificationsGoBackToTheControl)
{
    struct Case {
        WORD code;
        UINT reflected;
    };
    const Case cases[] = {
        {0, WM_APP + 4},       {5, WM_APP + 5},       {1, WM_APP + 10},      {7, WM_APP + 15},
        {8, WM_APP + 16},      {0x200, WM_APP + 21},  {0x300, WM_APP + 12},
    };
    for (const Case& c : cases) {
        received.clear();
        const WPARAM wParam = MAKEWPARAM(1000, c.code);
        EXPECT_EQ(0, Send(WM_COMMAND, wParam, reinterpret_cast<LPARAM>(control_))) << c.code;
        ASSERT_EQ(1u, received.size()) << c.code;
        EXPECT_EQ(c.reflected, received[0].message) << c.code;
        EXPECT_EQ(wParam, received[0].wParam);
        EXPECT_EQ(reinterpret_cast<LPARAM>(control_), received[0].lParam);
    }

    // A menu command names no control; a code outside the table is not reflected.
    received.clear();
    EXPECT_EQ(0, Send(WM_COMMAND, MAKEWPARAM(40001, 0), 0));
    EXPECT_EQ(0, Send(WM_COMMAND, MAKEWPARAM(1000, 0x400), reinterpret_cast<LPARAM>(control_)));
    EXPECT_TRUE(received.empty());
}

TEST_F(ToolkitWindowClassTest, NotifyCodesGoBackToTheSenderWithTheirAnswer)
{
    struct Case {
        int code;
        UINT reflected;
        bool answerPassed;
    };
    const Case cases[] = {
        {-12, WM_APP + 14, true},   {-100, WM_APP + 19, true},  {-101, WM_APP + 6, false},
        {-108, WM_APP + 13, true},  {-109, WM_APP + 8, false},  {-115, WM_APP + 7, false},
        {-176, WM_APP + 9, true},   {-310, WM_APP + 17, true},  {-311, WM_APP + 18, true},
        {-551, WM_APP + 11, true},
    };
    for (const Case& c : cases) {
        received.clear();
        NMHDR header = {control_, 1000, static_cast<UINT>(c.code)};
        const LRESULT result = Send(WM_NOTIFY, 1000, reinterpret_cast<LPARAM>(&header));
        EXPECT_EQ(c.answerPassed ? kControlAnswer : 0, result) << c.code;
        ASSERT_EQ(1u, received.size()) << c.code;
        EXPECT_EQ(c.reflected, received[0].message) << c.code;
        EXPECT_EQ(reinterpret_cast<LPARAM>(&header), received[0].lParam);
    }

    received.clear();
    NMHDR other = {control_, 1000, static_cast<UINT>(-2)};
    EXPECT_EQ(0, Send(WM_NOTIFY, 1000, reinterpret_cast<LPARAM>(&other)));
    EXPECT_TRUE(received.empty());
}

TEST_F(ToolkitWindowClassTest, ColourRequestsScrollsAndMenuPopupsReachTheirOwner)
{
    const UINT colourRequests[] = {0x0019,          WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX,  WM_CTLCOLORBTN,
                                   WM_CTLCOLORDLG, WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC};
    HDC fakeDc = reinterpret_cast<HDC>(static_cast<INT_PTR>(0x1234));
    for (UINT request : colourRequests) {
        received.clear();
        EXPECT_EQ(kControlAnswer, Send(request, reinterpret_cast<WPARAM>(fakeDc), reinterpret_cast<LPARAM>(control_)));
        ASSERT_EQ(1u, received.size()) << request;
        EXPECT_EQ(static_cast<UINT>(WM_APP + 3), received[0].message);
        EXPECT_EQ(reinterpret_cast<WPARAM>(fakeDc), received[0].wParam);
    }

    received.clear();
    Send(WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(control_));
    Send(WM_HSCROLL, SB_LINERIGHT, 0);
    ASSERT_EQ(1u, received.size());
    EXPECT_EQ(static_cast<UINT>(WM_HSCROLL), received[0].message);

    HMENU withOwner = CreatePopupMenu();
    HMENU withoutData = CreatePopupMenu();
    HMENU withStranger = CreatePopupMenu();
    MENUINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = reinterpret_cast<ULONG_PTR>(control_);
    SetMenuInfo(withOwner, &info);
    // Menus may carry an object's address instead of a window.
    info.dwMenuData = reinterpret_cast<ULONG_PTR>(&info);
    SetMenuInfo(withStranger, &info);
    received.clear();
    Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(withOwner), 0);
    Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(withoutData), 0);
    Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(withStranger), 0);
    ASSERT_EQ(1u, received.size());
    EXPECT_EQ(static_cast<UINT>(WM_INITMENUPOPUP), received[0].message);
    EXPECT_EQ(reinterpret_cast<WPARAM>(withOwner), received[0].wParam);
    DestroyMenu(withOwner);
    DestroyMenu(withoutData);
    DestroyMenu(withStranger);
}

TEST_F(ToolkitWindowClassTest, ScrollsAndMenuPopupsNamingTheWindowItselfAreNotSentBackToIt)
{
    // A toolkit scroll bar's own notification, or a menu that names the window tracking it: sent
    // back to the same window, they would come round to this procedure again without end.
    auto count = [&](UINT message) {
        size_t n = 0;
        for (const Received& r : parent_.seen)
            n += r.message == message ? 1 : 0;
        return n;
    };
    parent_.seen.clear();
    Send(WM_HSCROLL, SB_LINERIGHT, reinterpret_cast<LPARAM>(parent_.m_hWnd));
    EXPECT_EQ(1u, count(WM_HSCROLL));

    HMENU own = CreatePopupMenu();
    MENUINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = reinterpret_cast<ULONG_PTR>(parent_.m_hWnd);
    SetMenuInfo(own, &info);
    Send(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(own), 0);
    EXPECT_EQ(1u, count(WM_INITMENUPOPUP));
    DestroyMenu(own);
}

TEST_F(ToolkitWindowClassTest, ClicksAndMenusActivateTheWindowFirst)
{
    for (UINT message : {static_cast<UINT>(WM_LBUTTONDOWN), static_cast<UINT>(WM_INITMENU)}) {
        parent_.seen.clear();
        Send(message, 0, 0);
        // The default handling that follows may activate the window for real; the click
        // activation comes first.
        ASSERT_LE(2u, parent_.seen.size()) << message;
        EXPECT_EQ(message, parent_.seen[0].message);
        EXPECT_EQ(static_cast<UINT>(WM_ACTIVATE), parent_.seen[1].message);
        EXPECT_EQ(static_cast<WPARAM>(WA_CLICKACTIVE), parent_.seen[1].wParam);
    }
}

TEST_F(ToolkitWindowClassTest, WindowWithoutCursorGetsTheArrow)
{
    SetCursor(nullptr);
    EXPECT_EQ(0, Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(parent_.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), GetCursor());
}

TEST_F(ToolkitWindowClassTest, CloseRequestDestroysTheWindowAndWhatItOwns)
{
    HWND owner = invisible_.m_hWnd;
    HWND owned = parent_.m_hWnd;
    SendMessageW(owner, msg::kCloseOnOwnThread, 0, 0);
    EXPECT_FALSE(IsWindow(owner));
    EXPECT_FALSE(IsWindow(owned));
    EXPECT_EQ(nullptr, invisible_.m_hWnd);
    EXPECT_EQ(nullptr, parent_.m_hWnd);
}

} // namespace
