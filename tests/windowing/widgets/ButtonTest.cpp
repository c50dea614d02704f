// The push button: its native control and size, the click order, toggling, auto-repeat, the
// size grip, and the native colours.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "support/Cursor.h"
#include "support/RecordingListener.h"
#include "support/Wait.h"
#include "windowing/Messages.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/WidgetStage.h"

namespace {

using s::gui::IButton;
using s::gui::win::Button;
using testing_support::RecordingListener;
using testing_support::WaitUntil;

const DWORD kBoundMillis = 5000;

class ButtonTest : public testing_support::WidgetStage {
protected:
    Button* NewButton(const wchar_t* caption)
    {
        Button* button = Button::New();
        if (!button)
            return nullptr;
        button->SetCaption(caption);
        button->AddClickListener(&heard_);
        button->AddToggleListener(&heard_);
        button->AddPressListener(&heard_);
        Add(button);
        return button;
    }

    static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

    static void Click(HWND control)
    {
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
        SendMessageW(control, WM_LBUTTONUP, 0, At(5, 5));
    }

    std::vector<int32_t> Codes()
    {
        std::vector<int32_t> codes;
        for (const RecordingListener::Heard& heard : heard_.Take())
            codes.push_back(heard.code);
        return codes;
    }

    RecordingListener heard_;
};

TEST_F(ButtonTest, ACreatedButtonIsAPushButtonOfItsIdealSize)
{
    Button* button = NewButton(L"Apply");
    ASSERT_NE(nullptr, button);
    HWND control = button->GetSafeHwnd();
    ASSERT_NE(nullptr, control);
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    EXPECT_STREQ(L"Button", className);
    EXPECT_EQ(1000, GetDlgCtrlID(control));
    wchar_t text[16] = {};
    GetWindowTextW(control, text, 16);
    EXPECT_STREQ(L"Apply", text);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    EXPECT_EQ(BS_PUSHBUTTON, style & 0x0F);
    EXPECT_NE(0, style & BS_NOTIFY);
    EXPECT_GT(button->GetMinWidth(), 0);
    EXPECT_GT(button->GetMinHeight(), 0);
    // The layout never makes it smaller than its caption, even when asked to.
    button->SetLayoutSize(1, 1);
    EXPECT_EQ(button->GetMinWidth(), button->GetWidth());
    EXPECT_EQ(button->GetMinHeight(), button->GetHeight());
}

TEST_F(ButtonTest, ColorSwatchCaptionsCarryTheColorValue)
{
    struct Case {
        int32_t red, green, blue;
        const wchar_t* caption;
    };
    const Case cases[] = {
        {255, 0, 0, L"#Color-000000ff"},
        {0, 0, 255, L"#Color-00ff0000"},
        {18, 52, 86, L"#Color-00563412"},
    };
    Button* button = Button::New();
    ASSERT_NE(nullptr, button);
    for (const Case& c : cases) {
        button->SetColorSwatch(c.red, c.green, c.blue);
        EXPECT_STREQ(c.caption, button->GetCaption());
    }
    button->ReleaseToPool();
}

TEST_F(ButtonTest, ClickAndDoubleClickTellPressThenClickThenAfterClick)
{
    Button* button = NewButton(L"Go");
    ASSERT_NE(nullptr, button);
    HWND control = button->GetSafeHwnd();
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_EQ((std::vector<int32_t>{3}), Codes());
    SendMessageW(control, WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ((std::vector<int32_t>{1, 2}), Codes());
    // The second press of a double click arrives as a double click of its own.
    SendMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
    SendMessageW(control, WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_EQ((std::vector<int32_t>{3, 1, 2}), Codes());
    // A release outside is no click.
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageW(control, WM_LBUTTONUP, 0, At(-30, -30));
    EXPECT_EQ((std::vector<int32_t>{3}), Codes());
}

TEST_F(ButtonTest, ToggleModesDecideWhatAClickDoesToTheCheckedState)
{
    struct Case {
        bool toggles;
        bool canUncheck;
        bool afterFirst;
        bool afterSecond;
    };
    const Case cases[] = {
        {false, false, false, false},
        {true, true, true, false},
        // Once checked it stays checked, and lets the mouse through.
        {true, false, true, true},
    };
    for (const Case& c : cases) {
        Button* button = NewButton(L"Toggle");
        ASSERT_NE(nullptr, button);
        button->SetToggleMode(c.toggles, c.canUncheck, false, false);
        HWND control = button->GetSafeHwnd();
        Click(control);
        EXPECT_EQ(c.afterFirst, button->IsChecked());
        Click(control);
        EXPECT_EQ(c.afterSecond, button->IsChecked());
        const LRESULT hit = SendMessageW(control, WM_NCHITTEST, 0, 0);
        EXPECT_EQ(c.toggles && !c.canUncheck, hit == HTTRANSPARENT);
        // After-click is told after every click, toggling or not.
        EXPECT_EQ((std::vector<int32_t>{3, 1, 2, 3, 1, 2}), Codes());
        box_->RemoveChild(button, true);
    }
}

TEST_F(ButtonTest, ADisabledButtonLetsTheMouseThrough)
{
    Button* button = NewButton(L"Off");
    ASSERT_NE(nullptr, button);
    button->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(button->GetSafeHwnd()));
    EXPECT_EQ(HTTRANSPARENT, SendMessageW(button->GetSafeHwnd(), WM_NCHITTEST, 0, 0));
}

TEST_F(ButtonTest, AnAutoRepeatButtonRepeatsOnlyWhileHeld)
{
    Button* button = NewButton(L"Repeat");
    ASSERT_NE(nullptr, button);
    button->SetAutoRepeat(true);
    HWND control = button->GetSafeHwnd();
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(control) != FALSE; }, kBoundMillis));
    RECT bounds;
    GetWindowRect(control, &bounds);
    // The repeat fires only with the cursor on the button.
    testing_support::PlaceCursor((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    const DWORD start = GetTickCount();
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    EXPECT_EQ(1u, heard_.Count());
    Sleep(300);
    if (GetTickCount() - start < 480) {
        EXPECT_EQ(1u, heard_.Count());
    }
    ASSERT_TRUE(WaitUntil([&] { return heard_.Count() >= 4; }, kBoundMillis));
    SendMessageW(control, WM_LBUTTONUP, 0, At(5, 5));
    const size_t released = heard_.Count();
    Sleep(400);
    // Only the click and after-click of the release came after it.
    EXPECT_EQ(released, heard_.Count());
    const std::vector<int32_t> codes = Codes();
    ASSERT_GE(codes.size(), 6u);
    for (size_t i = 0; i + 2 < codes.size(); ++i)
        EXPECT_EQ(3, codes[i]);
    EXPECT_EQ(1, codes[codes.size() - 2]);
    EXPECT_EQ(2, codes.back());
}

TEST_F(ButtonTest, DefaultButtonStyleFollowsTheMessages)
{
    Button* button = NewButton(L"OK");
    ASSERT_NE(nullptr, button);
    HWND control = button->GetSafeHwnd();
    button->SetDefaultButton();
    EXPECT_TRUE(button->IsDefaultButton());
    EXPECT_EQ(BS_DEFPUSHBUTTON, GetWindowLongW(control, GWL_STYLE) & 0x0F);
    button->ClearDefaultButton();
    EXPECT_FALSE(button->IsDefaultButton());
    EXPECT_EQ(BS_PUSHBUTTON, GetWindowLongW(control, GWL_STYLE) & 0x0F);
}

TEST_F(ButtonTest, AnUnskinnedButtonAnswersTheToolkitColours)
{
    Button* button = NewButton(L"Plain");
    ASSERT_NE(nullptr, button);
    button->SetBackgroundColor(10, 20, 30, false);
    button->GetNormalFontSetting()->SetColor(200, 100, 50);
    HWND control = button->GetSafeHwnd();
    HDC dc = GetDC(control);
    const LRESULT answer = SendMessageW(control, s::gui::msg::kReflectCtlColor, reinterpret_cast<WPARAM>(dc), 0);
    ASSERT_NE(0, answer);
    LOGBRUSH brush = {};
    ASSERT_NE(0, GetObjectW(reinterpret_cast<HBRUSH>(answer), sizeof(brush), &brush));
    EXPECT_EQ(RGB(10, 20, 30), brush.lbColor);
    EXPECT_EQ(RGB(10, 20, 30), GetBkColor(dc));
    EXPECT_EQ(RGB(200, 100, 50), GetTextColor(dc));
    // Inherited, it takes the parent's colour.
    box_->SetBackgroundColor(40, 50, 60, false);
    button->InheritBackground(false);
    const LRESULT inherited = SendMessageW(control, s::gui::msg::kReflectCtlColor, reinterpret_cast<WPARAM>(dc), 0);
    ASSERT_NE(0, GetObjectW(reinterpret_cast<HBRUSH>(inherited), sizeof(brush), &brush));
    EXPECT_EQ(RGB(40, 50, 60), brush.lbColor);
    ReleaseDC(control, dc);
}

TEST_F(ButtonTest, TheGripPaintsItsDots)
{
    Button* button = NewButton(Button::kResizerCaption);
    ASSERT_NE(nullptr, button);
    button->SetFixedSize(20, 20);
    box_->RequestLayout();
    HWND control = button->GetSafeHwnd();
    ASSERT_TRUE(WaitUntil([&] { RECT r; GetClientRect(control, &r); return r.right == 20 && r.bottom == 20 && IsWindowVisible(control); }, kBoundMillis));
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(control);
    struct Case {
        int x, y;
        COLORREF color;
    };
    const Case cases[] = {
        {16, 8, Button::kGripDot},   {17, 9, Button::kGripDot},   {18, 10, Button::kGripLight},
        {12, 16, Button::kGripDot},  {13, 17, Button::kGripDot},  {14, 18, Button::kGripLight},
        {8, 16, Button::kGripDot},   {10, 18, Button::kGripLight}, {16, 16, Button::kGripDot},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.color, GetPixel(dc, c.x, c.y)) << c.x << "," << c.y;
    ReleaseDC(control, dc);
}

TEST_F(ButtonTest, DraggingTheGripResizesTheWindowAndStopsAtItsLimits)
{
    Button* button = NewButton(Button::kResizerCaption);
    ASSERT_NE(nullptr, button);
    button->SetFixedSize(20, 20);
    box_->RequestLayout();
    HWND control = button->GetSafeHwnd();
    HWND top = GetAncestor(control, GA_ROOT);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(control) != FALSE; }, kBoundMillis));
    RECT before;
    GetWindowRect(top, &before);
    auto size = [&](SIZE* out) {
        RECT now;
        GetWindowRect(top, &now);
        out->cx = now.right - now.left;
        out->cy = now.bottom - now.top;
    };
    // The button stays where it is while the window grows to the right and down.
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SendMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, At(30, 20));
    SendMessageW(control, WM_LBUTTONUP, 0, At(30, 20));
    SIZE grown;
    size(&grown);
    EXPECT_EQ(before.right - before.left + 20, grown.cx);
    EXPECT_EQ(before.bottom - before.top + 10, grown.cy);
    // Far beyond the window's smallest size it stops there; the grip stays where the window
    // stopped, so moving back by 20 and 10, still short of the grip, changes nothing.
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    SendMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, At(10 - 2000, 10 - 2000));
    SIZE stopped;
    size(&stopped);
    EXPECT_GT(stopped.cx, 0);
    EXPECT_GT(stopped.cy, 0);
    SendMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, At(10 - 2000 + 20, 10 - 2000 + 10));
    SIZE back;
    size(&back);
    SendMessageW(control, WM_LBUTTONUP, 0, At(10 - 2000 + 20, 10 - 2000 + 10));
    EXPECT_EQ(stopped.cx, back.cx);
    EXPECT_EQ(stopped.cy, back.cy);
    window_->SetBounds(before.left, before.top, before.right - before.left, before.bottom - before.top);
}

} // namespace
