// Opacity and hover-hide: the layered alpha read back from the window, the only-while-topmost
// rule, and the fade and shrink sequences driven tick by tick by sending the timer messages.
#include <windows.h>

#include <atomic>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/BoxRecorder.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/DesktopRecorder.h"
#include "windowing/Messages.h"
#include "windowing/RecordedWindowTest.h"
#include "windowing/ShownWindow.h"
#include "windowing/Window.h"
#include "windowing/component/ILayoutManager.h"

namespace {

using s::gui::win::Window;
using testing_support::DesktopRecorder;
using testing_support::TimerCall;
using testing_support::WaitUntil;
using testing_support::WindowPtr;
namespace msg = s::gui::msg;

typedef std::pair<UINT_PTR, UINT> Started;

const DWORD kBoundMillis = 10000;
const int kLeft = 60;
const int kTop = 60;
const int kWidth = 400;
const int kHeight = 300;

std::vector<Started> StartedTimers(const std::vector<TimerCall>& calls)
{
    std::vector<Started> started;
    for (const TimerCall& call : calls) {
        if (call.set)
            started.push_back(Started(call.id, call.period));
    }
    return started;
}

bool Stopped(const std::vector<TimerCall>& calls, UINT_PTR id)
{
    for (const TimerCall& call : calls) {
        if (!call.set && call.id == id)
            return true;
    }
    return false;
}

// Counts the layout passes of the window's children.
class CountingLayout : public s::gui::ILayoutManager {
public:
    const wchar_t* GetClassName() override { return L"CountingLayout"; }
    s::base::IObject* NewInstance() override { return nullptr; }
    void Layout(s::gui::IComponent*) override { ++passes; }
    std::atomic<int> passes{0};
};

class HoverHideTest : public testing_support::RecordedWindowTest {
protected:
    void SetUp() override
    {
        RecordedWindowTest::SetUp();
        window_->SetBounds(kLeft, kTop, kWidth, kHeight);
        DesktopRecorder::TakeTimers();
    }

    void MoveMouse() { SendMessageW(frame_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }
    void Tick(UINT_PTR id) { SendMessageW(frame_, WM_TIMER, id, 0); }
    // The alpha the window is drawn with; 255 when it is not layered.
    int Alpha()
    {
        if (!(GetWindowLongPtrW(frame_, GWL_EXSTYLE) & WS_EX_LAYERED))
            return 255;
        BYTE alpha = 0;
        DWORD flags = 0;
        COLORREF key = 0;
        if (!GetLayeredWindowAttributes(frame_, &key, &alpha, &flags) || !(flags & LWA_ALPHA))
            return -1;
        return alpha;
    }
    SIZE Size()
    {
        RECT rect = {};
        GetWindowRect(frame_, &rect);
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }
};

TEST_F(HoverHideTest, OpacityIsTheLayeredAlphaAndOpaqueIsNotLayered)
{
    struct Case {
        int32_t percent;
        int alpha;
        int32_t applied;
    };
    const Case cases[] = {{90, 229, 90}, {50, 127, 50}, {3, 7, 3}, {0, 0, 0},
                          {100, 255, 100}, {150, 255, 100}, {-5, 0, 0}, {100, 255, 100}};
    for (const Case& c : cases) {
        window_->SetOpacity(c.percent, false);
        EXPECT_EQ(c.alpha, Alpha()) << c.percent;
        EXPECT_EQ(c.applied, window_->GetAppliedOpacity()) << c.percent;
    }
    EXPECT_FALSE(GetWindowLongPtrW(frame_, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(testing_support::BoxRecorder::Take().empty());
}

TEST_F(HoverHideTest, TranslucentOnlyWhileTopMost)
{
    window_->SetOpacity(50, true);
    EXPECT_EQ(255, Alpha());
    window_->SetTopMost(true);
    EXPECT_EQ(127, Alpha());
    window_->SetTopMost(false);
    EXPECT_EQ(255, Alpha());
    window_->SetTopMost(true);
    window_->SetOpacity(100, true);
    EXPECT_FALSE(GetWindowLongPtrW(frame_, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(HoverHideTest, FadeOutWaitAndFadeInGoInSteps)
{
    struct Case {
        int32_t target;
        std::vector<int32_t> out;
        std::vector<int32_t> in;
    };
    const Case cases[] = {
        {3, {2, 1, 0}, {1, 2, 3}},
        {50, {40, 30, 20, 10, 0}, {5, 10, 15, 20, 25, 30, 35, 40, 45, 50}},
        {100, {80, 60, 40, 20, 0}, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
    };
    for (const Case& c : cases) {
        window_->SetOpacity(c.target, false);
        window_->SetHoverHide(true, 0, false, 0, -1, -1, false);
        DesktopRecorder::TakeTimers();
        MoveMouse();
        auto calls = DesktopRecorder::TakeTimers();
        for (UINT_PTR id = 1; id <= 6; ++id)
            EXPECT_TRUE(Stopped(calls, id)) << id;
        EXPECT_EQ(std::vector<Started>{Started(msg::kTimerFadeOut, 10)}, StartedTimers(calls));

        std::vector<int32_t> out;
        while (out.empty() || out.back() > 0) {
            Tick(msg::kTimerFadeOut);
            out.push_back(window_->GetAppliedOpacity());
            ASSERT_LE(out.size(), 200u);
        }
        EXPECT_EQ(c.out, out) << c.target;
        EXPECT_EQ(0, Alpha());
        calls = DesktopRecorder::TakeTimers();
        EXPECT_TRUE(Stopped(calls, msg::kTimerFadeOut));
        EXPECT_EQ(std::vector<Started>{Started(msg::kTimerHoverWait, 500)}, StartedTimers(calls));
        EXPECT_TRUE(window_->IsFading());

        // A delay of 0 still waits one tick outside the window.
        Tick(msg::kTimerHoverWait);
        calls = DesktopRecorder::TakeTimers();
        EXPECT_EQ(std::vector<Started>{Started(msg::kTimerFadeIn, 25)}, StartedTimers(calls));

        std::vector<int32_t> in;
        while (in.empty() || in.back() < c.target) {
            Tick(msg::kTimerFadeIn);
            in.push_back(window_->GetAppliedOpacity());
            ASSERT_LE(in.size(), 200u);
        }
        EXPECT_EQ(c.in, in) << c.target;
        EXPECT_TRUE(Stopped(DesktopRecorder::TakeTimers(), msg::kTimerFadeIn));
        EXPECT_FALSE(window_->IsAnimating());
    }
}

TEST_F(HoverHideTest, DelayCountsOnlyWhileTheCursorIsOutside)
{
    window_->SetHoverHide(true, 0, false, 1, -1, -1, false);
    MoveMouse();
    for (int i = 0; i < 5; ++i)
        Tick(msg::kTimerFadeOut);
    ASSERT_EQ(0, window_->GetAppliedOpacity());
    DesktopRecorder::TakeTimers();

    struct Step {
        POINT cursor;
        bool fadesIn;
    };
    const Step steps[] = {
        {{kLeft + 10, kTop + 10}, false},
        {{kLeft + kWidth, kTop + kHeight}, false}, // the edges count as inside
        {{kLeft - 1, kTop + 10}, false},            // 1000 -> 500
        {{kLeft + 20, kTop + 20}, false},
        {{kLeft + kWidth + 1, kTop}, true},         // 500 -> 0
    };
    for (const Step& step : steps) {
        DesktopRecorder::SetCursor(step.cursor.x, step.cursor.y);
        Tick(msg::kTimerHoverWait);
        const auto started = StartedTimers(DesktopRecorder::TakeTimers());
        EXPECT_EQ(step.fadesIn, !started.empty()) << step.cursor.x << "," << step.cursor.y;
    }
}

TEST_F(HoverHideTest, ShiftBringsTheWindowBackAtOnce)
{
    window_->SetOpacity(60, false);
    window_->SetHoverHide(true, 0, false, 5, -1, -1, true);
    MoveMouse();
    Tick(msg::kTimerFadeOut);
    ASSERT_EQ(48, window_->GetAppliedOpacity());
    DesktopRecorder::TakeTimers();

    DesktopRecorder::SetShift(true);
    Tick(msg::kTimerFadeOut);
    auto calls = DesktopRecorder::TakeTimers();
    EXPECT_TRUE(Stopped(calls, msg::kTimerFadeOut));
    EXPECT_EQ(std::vector<Started>{Started(msg::kTimerHoverWait, 0)}, StartedTimers(calls));
    Tick(msg::kTimerHoverWait);
    calls = DesktopRecorder::TakeTimers();
    EXPECT_EQ(std::vector<Started>{Started(msg::kTimerFadeIn, 0)}, StartedTimers(calls));
    Tick(msg::kTimerFadeIn);
    EXPECT_EQ(60, window_->GetAppliedOpacity());
    EXPECT_TRUE(Stopped(DesktopRecorder::TakeTimers(), msg::kTimerFadeIn));

    // With Shift held the mouse starts nothing.
    MoveMouse();
    EXPECT_TRUE(StartedTimers(DesktopRecorder::TakeTimers()).empty());
    // Without the flag Shift is nobody's business.
    window_->SetHoverHide(true, 0, false, 5, -1, -1, false);
    MoveMouse();
    EXPECT_EQ(std::vector<Started>{Started(msg::kTimerFadeOut, 10)}, StartedTimers(DesktopRecorder::TakeTimers()));
}

TEST_F(HoverHideTest, OnlyWhileTopMostStartsNothingOnAWindowBelowOthers)
{
    const int modes[] = {0, 1};
    for (int mode : modes) {
        window_->SetHoverHide(true, mode, true, 1, 150, -1, false);
        DesktopRecorder::TakeTimers();
        MoveMouse();
        EXPECT_TRUE(DesktopRecorder::TakeTimers().empty()) << mode;
        window_->SetTopMost(true);
        MoveMouse();
        EXPECT_FALSE(StartedTimers(DesktopRecorder::TakeTimers()).empty()) << mode;
        window_->SetTopMost(false);
        EXPECT_FALSE(window_->IsResizeAnimating()) << "off the top, a shrunk window comes back";
    }
}

TEST_F(HoverHideTest, ShrinkWatchAndGrowGoInSteps)
{
    struct Case {
        int32_t smallWidth;
        int32_t smallHeight;
        std::vector<SIZE> shrink;
        std::vector<SIZE> grow;
    };
    const Case cases[] = {
        {150, -1, {{320, 300}, {240, 300}, {160, 300}, {150, 300}},
         {{176, 300}, {202, 300}, {228, 300}, {254, 300}, {280, 300}, {306, 300}, {332, 300}, {358, 300},
          {384, 300}, {400, 300}}},
        {150, 200, {{320, 240}, {240, 200}, {160, 200}, {150, 200}},
         {{176, 220}, {202, 240}, {228, 260}, {254, 280}, {280, 300}, {306, 300}, {332, 300}, {358, 300},
          {384, 300}, {400, 300}}},
        {-1, 180, {{400, 240}, {400, 180}}, {{400, 200}, {400, 220}, {400, 240}, {400, 260}, {400, 280}, {400, 300}}},
    };
    CountingLayout layout;
    window_->SetLayoutManager(&layout);
    for (const Case& c : cases) {
        window_->SetHoverHide(true, 1, false, 2, c.smallWidth, c.smallHeight, false);
        DesktopRecorder::TakeTimers();
        MoveMouse();
        EXPECT_TRUE(window_->IsResizeAnimating());
        EXPECT_EQ(std::vector<Started>{Started(msg::kTimerShrink, 10)}, StartedTimers(DesktopRecorder::TakeTimers()));
        const int passes = layout.passes;

        std::vector<SIZE> shrink;
        while (StartedTimers(DesktopRecorder::TakeTimers()).empty()) {
            Tick(msg::kTimerShrink);
            shrink.push_back(Size());
            ASSERT_LE(shrink.size(), 50u);
        }
        ASSERT_EQ(c.shrink.size(), shrink.size()) << c.smallWidth << "x" << c.smallHeight;
        for (size_t i = 0; i < shrink.size(); ++i) {
            EXPECT_EQ(c.shrink[i].cx, shrink[i].cx) << i;
            EXPECT_EQ(c.shrink[i].cy, shrink[i].cy) << i;
        }
        EXPECT_EQ(passes, layout.passes) << "no relayout while shrunk";

        // Watching: the delay as period; inside the full size's box nothing happens.
        DesktopRecorder::SetCursor(kLeft + kWidth - 5, kTop + 5);
        Tick(msg::kTimerHoverWatch);
        EXPECT_TRUE(DesktopRecorder::TakeTimers().empty());
        DesktopRecorder::SetCursor(kLeft + kWidth + 5, kTop + 5);
        Tick(msg::kTimerHoverWatch);
        EXPECT_EQ(std::vector<Started>{Started(msg::kTimerGrow, 25)}, StartedTimers(DesktopRecorder::TakeTimers()));

        std::vector<SIZE> grow;
        while (window_->IsResizeAnimating()) {
            Tick(msg::kTimerGrow);
            grow.push_back(Size());
            ASSERT_LE(grow.size(), 50u);
        }
        ASSERT_EQ(c.grow.size(), grow.size());
        for (size_t i = 0; i < grow.size(); ++i) {
            EXPECT_EQ(c.grow[i].cx, grow[i].cx) << i;
            EXPECT_EQ(c.grow[i].cy, grow[i].cy) << i;
        }
        EXPECT_GT(layout.passes, passes) << "laid out again at the full size";
        EXPECT_TRUE(Stopped(DesktopRecorder::TakeTimers(), msg::kTimerGrow));
    }
    window_->SetLayoutManager(nullptr);
}

TEST_F(HoverHideTest, ShrinkStartsTheWatchWithTheDelayAsPeriod)
{
    window_->SetHoverHide(true, 1, false, 3, 200, -1, false);
    MoveMouse();
    DesktopRecorder::TakeTimers();
    for (int i = 0; i < 3; ++i)
        Tick(msg::kTimerShrink);
    const auto calls = DesktopRecorder::TakeTimers();
    EXPECT_TRUE(Stopped(calls, msg::kTimerShrink));
    EXPECT_EQ(std::vector<Started>{Started(msg::kTimerHoverWatch, 3000)}, StartedTimers(calls));
}

TEST_F(HoverHideTest, SmallSizeNotBelowTheFullSizeDoesNotShrink)
{
    const SIZE smalls[] = {{400, -1}, {-1, 300}, {500, 900}, {-1, -1}};
    for (const SIZE& small : smalls) {
        window_->SetHoverHide(true, 1, false, 1, small.cx, small.cy, false);
        DesktopRecorder::TakeTimers();
        MoveMouse();
        EXPECT_FALSE(window_->IsResizeAnimating());
        EXPECT_TRUE(StartedTimers(DesktopRecorder::TakeTimers()).empty());
    }
}

TEST_F(HoverHideTest, NewSettingsUndoARunningEffect)
{
    window_->SetHoverHide(true, 1, false, 1, 150, 100, false);
    MoveMouse();
    Tick(msg::kTimerShrink);
    ASSERT_TRUE(window_->IsResizeAnimating());
    window_->SetHoverHide(false, 0, false, 1, -1, -1, false);
    EXPECT_FALSE(window_->IsResizeAnimating());
    EXPECT_EQ(kWidth, Size().cx);
    EXPECT_EQ(kHeight, Size().cy);

    window_->SetOpacity(80, false);
    window_->SetHoverHide(true, 0, false, 1, -1, -1, false);
    MoveMouse();
    Tick(msg::kTimerFadeOut);
    ASSERT_TRUE(window_->IsFading());
    window_->SetHoverHide(true, 0, false, 2, -1, -1, false);
    EXPECT_FALSE(window_->IsFading());
    EXPECT_EQ(80, window_->GetAppliedOpacity());

    // A new size given while shrunk is the new full size.
    window_->SetHoverHide(true, 1, false, 1, 150, 100, false);
    MoveMouse();
    Tick(msg::kTimerShrink);
    window_->SetSize(380, 280);
    EXPECT_FALSE(window_->IsResizeAnimating());
    EXPECT_EQ(380, Size().cx);
}

TEST_F(HoverHideTest, ScreenshotOfAWindowShrunkByHoverHide)
{
    const COLORREF marker = RGB(30, 170, 90);
    window_->SetBackgroundColor(GetRValue(marker), GetGValue(marker), GetBValue(marker), false);
    window_->SetVisible(true);
    window_->SetHoverHide(true, 1, false, 1, 150, 120, false);
    MoveMouse();
    for (int i = 0; i < 10 && window_->IsResizeAnimating() && Size().cx > 150; ++i)
        Tick(msg::kTimerShrink);
    ASSERT_EQ(150, Size().cx);
    ASSERT_EQ(120, Size().cy);
    window_->Redraw();
    const RECT area = {kLeft, kTop, kLeft + kWidth, kTop + kHeight};
    testing_support::ScreenImage image;
    ASSERT_TRUE(WaitUntil(
        [&] {
            return testing_support::CaptureScreenArea(area, &image) && image.At(75, 60) == marker &&
                   image.At(300, 200) != marker;
        },
        kBoundMillis));
    EXPECT_FALSE(testing_support::SaveScreenshot(image, L"window_shrunk_by_hover_hide").empty());
}

} // namespace
