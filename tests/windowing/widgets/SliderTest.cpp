// The slider: its clamps, the trackbar's steps, the arrow keys and the wheel, and the mouse of a
// drawn slider with two thumbs.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <vector>

#include <gtest/gtest.h>

#include "skins/drawer/slider/Thin.h"
#include "support/RecordingListener.h"
#include "support/Wait.h"
#include "windowing/widgets/Slider.h"
#include "windowing/widgets/WidgetStage.h"

namespace {

using s::gui::win::Slider;
using testing_support::RecordingListener;
using testing_support::WaitUntil;

const DWORD kBoundMillis = 5000;

// Counts the scroll messages posted to one window, as its thread takes them from its queue.
class PostedScrolls {
public:
    explicit PostedScrolls(HWND target) : target_(target)
    {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_GETMESSAGE, Hook, nullptr, GetWindowThreadProcessId(target, nullptr));
    }
    ~PostedScrolls()
    {
        if (hook_)
            UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    bool IsHooked() const { return hook_ != nullptr; }
    int Count() const { return count_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        const MSG* message = reinterpret_cast<const MSG*>(lParam);
        if (code == HC_ACTION && wParam == PM_REMOVE && current_ && message->hwnd == current_->target_ &&
            message->message == WM_HSCROLL)
            ++current_->count_;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline PostedScrolls* current_ = nullptr;
    HWND target_;
    HHOOK hook_ = nullptr;
    std::atomic<int> count_{0};
};

class SliderTest : public testing_support::WidgetStage {
protected:
    Slider* NewSlider(bool drawn)
    {
        Slider* slider = Slider::Create(100, -1);
        if (!slider)
            return nullptr;
        if (drawn)
            slider->SetDrawer(s::gui::drawer::slider::win::Thin::New(), true);
        slider->AddChangeListener(&changes_);
        Add(slider);
        return slider;
    }

    static RECT Channel(Slider* slider)
    {
        RECT channel = {};
        SendMessageW(slider->GetSafeHwnd(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
        return channel;
    }

    static void Press(HWND control, int x, int y)
    {
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    static void Move(HWND control, int x, int y) { SendMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y)); }
    static void Release(HWND control, int x, int y) { SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

    RecordingListener changes_;
};

TEST_F(SliderTest, ValuesAreClampedIntoTheRangeAndBetweenTheThumbs)
{
    Slider* slider = Slider::New();
    ASSERT_NE(nullptr, slider);
    struct Case {
        int32_t minimum;
        int32_t maximum;
        int32_t rangeMode;
        int32_t second;
        int32_t asked;
        int32_t expected;
    };
    const Case cases[] = {
        {0, 100, 0, 0, 150, 100},  {0, 100, 0, 0, -5, 0},   {0, 100, 1, 40, 50, 39},
        {10, 20, 1, 10, 15, 10},   // the second value at the minimum: the range still holds
        {20, 20, 1, 20, 99, 20},   // a range of one value
    };
    for (const Case& c : cases) {
        slider->SetRangeMode(0);
        slider->SetRange(c.minimum, c.maximum);
        slider->SetPosition(c.minimum);
        slider->SetSecondValue(c.second);
        slider->SetRangeMode(c.rangeMode);
        slider->SetPosition(c.asked);
        EXPECT_EQ(c.expected, slider->GetPosition()) << c.minimum << ".." << c.maximum << " asked " << c.asked;
        EXPECT_GE(slider->GetPosition(), c.minimum);
        EXPECT_LE(slider->GetPosition(), c.maximum);
    }
    // The second value stays above the position and inside the range.
    slider->SetRange(0, 100);
    slider->SetRangeMode(1);
    slider->SetSecondValue(100);
    slider->SetPosition(39);
    slider->SetSecondValue(10);
    EXPECT_EQ(40, slider->GetSecondValue());
    slider->SetSecondValue(500);
    EXPECT_EQ(100, slider->GetSecondValue());
    EXPECT_EQ(0u, changes_.Count()) << "setters tell nobody";
    slider->ReleaseToPool();
}

TEST_F(SliderTest, SettingsMadeBeforeTheControlReachIt)
{
    Slider* slider = Slider::New();
    ASSERT_NE(nullptr, slider);
    slider->SetRange(10, 210);
    slider->SetPosition(60);
    slider->SetStep(5);
    Add(slider);
    HWND control = slider->GetSafeHwnd();
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(1040, GetDlgCtrlID(control));
    EXPECT_EQ(10, SendMessageW(control, TBM_GETRANGEMIN, 0, 0));
    EXPECT_EQ(210, SendMessageW(control, TBM_GETRANGEMAX, 0, 0));
    EXPECT_EQ(60, SendMessageW(control, TBM_GETPOS, 0, 0));
    EXPECT_EQ(50, SendMessageW(control, TBM_GETPAGESIZE, 0, 0)) << "a page is ten steps";
    EXPECT_EQ(5, SendMessageW(control, TBM_GETLINESIZE, 0, 0));
    EXPECT_EQ(Slider::kMeasuredWidth, slider->GetMinWidth());
    EXPECT_EQ(Slider::kMeasuredHeight, slider->GetMinHeight());
    slider->SetStep(2);
    EXPECT_EQ(20, SendMessageW(control, TBM_GETPAGESIZE, 0, 0));
}

TEST_F(SliderTest, UpAndDownMoveANativeSliderByAPageAndAreTold)
{
    Slider* slider = NewSlider(false);
    ASSERT_NE(nullptr, slider);
    slider->SetRange(0, 200);
    slider->SetPosition(100);
    slider->SetStep(5);
    HWND control = slider->GetSafeHwnd();
    SendMessageW(control, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(150, slider->GetPosition());
    EXPECT_EQ(150, SendMessageW(control, TBM_GETPOS, 0, 0));
    SendMessageW(control, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(control, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(50, slider->GetPosition());
    const std::vector<RecordingListener::Heard> heard = changes_.Take();
    ASSERT_EQ(3u, heard.size());
    EXPECT_EQ(Slider::kEventChanged, heard[0].code);
}

TEST_F(SliderTest, ANativeSliderReadsItsPositionBackAfterTheTrackbarMoved)
{
    Slider* slider = NewSlider(false);
    ASSERT_NE(nullptr, slider);
    HWND control = slider->GetSafeHwnd();
    SendMessageW(control, TBM_SETPOS, TRUE, 30);
    SendMessageW(control, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 30), reinterpret_cast<LPARAM>(control));
    EXPECT_EQ(30, slider->GetPosition());
    EXPECT_EQ(1u, changes_.Count());
    // The same position again is no change.
    SendMessageW(control, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 30), reinterpret_cast<LPARAM>(control));
    EXPECT_EQ(1u, changes_.Count());
}

TEST_F(SliderTest, ADrawnRangeSliderDragsTheThumbUnderThePress)
{
    Slider* slider = NewSlider(true);
    ASSERT_NE(nullptr, slider);
    slider->SetRange(0, 100);
    slider->SetPosition(20);
    slider->SetSecondValue(80);
    slider->SetRangeMode(1);
    HWND control = slider->GetSafeHwnd();
    HWND parent = box_->GetSafeHwnd();
    PostedScrolls scrolls(parent);
    ASSERT_TRUE(scrolls.IsHooked());
    RECT client = {};
    GetClientRect(control, &client);
    const int track = client.right - Slider::kThumbHitWidth;
    const RECT channel = Channel(slider);
    ASSERT_GT(channel.right, channel.left);
    const auto xOf = [&](int value) { return channel.left + (channel.right - channel.left) * value / 100; };

    // Between the thumbs: nothing moves.
    Press(control, track * 50 / 100 + 5, 5);
    Release(control, track * 50 / 100 + 5, 5);
    EXPECT_EQ(20, slider->GetPosition());
    EXPECT_EQ(80, slider->GetSecondValue());
    EXPECT_EQ(0u, changes_.Count());

    // The second thumb follows the mouse, tells its listeners and posts no scroll.
    Press(control, track * 80 / 100 + 5, 5);
    Move(control, xOf(60), 5);
    Release(control, xOf(60), 5);
    EXPECT_EQ(60, slider->GetSecondValue());
    EXPECT_EQ(20, slider->GetPosition());
    EXPECT_GE(changes_.Count(), 1u);
    changes_.Take();

    // The first thumb cannot pass the second; its moves are posted to the parent.
    Press(control, track * 20 / 100 + 5, 5);
    Move(control, xOf(90), 5);
    Release(control, xOf(90), 5);
    EXPECT_EQ(59, slider->GetPosition());
    EXPECT_EQ(59, SendMessageW(control, TBM_GETPOS, 0, 0));
    EXPECT_GE(changes_.Count(), 1u);
    EXPECT_TRUE(WaitUntil([&] { return scrolls.Count() >= 1; }, kBoundMillis));
    // The queue is taken in order: had the second thumb posted anything, it would show by now.
    EXPECT_LE(scrolls.Count(), 2);
}

TEST_F(SliderTest, AWheelTurnOverADrawnSliderMovesItAndIsToldOnce)
{
    Slider* slider = NewSlider(true);
    ASSERT_NE(nullptr, slider);
    slider->SetRange(0, 100);
    slider->SetPosition(50);
    slider->SetStep(1);
    HWND control = slider->GetSafeHwnd();
    RECT place = {};
    GetWindowRect(control, &place);
    const LPARAM inside = MAKELPARAM(place.left + 5, place.top + 5);
    EXPECT_EQ(0, SendMessageW(control, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), inside));
    const int32_t moved = slider->GetPosition();
    EXPECT_NE(50, moved);
    EXPECT_EQ(moved, SendMessageW(control, TBM_GETPOS, 0, 0));
    EXPECT_EQ(1u, changes_.Count());
    // Elsewhere the turn is the window's.
    EXPECT_EQ(0, SendMessageW(control, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(1, 1)));
    EXPECT_EQ(moved, slider->GetPosition());
}

} // namespace
