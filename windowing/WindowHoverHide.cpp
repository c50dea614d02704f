// Hover-hide: a window that the mouse touches fades out and comes back once the cursor has
// stayed away for the delay, or shrinks to a small size and grows back once the cursor leaves
// its full size. Driven by timers 1 to 6 on the window's thread.
#include <algorithm>

#include "windowing/DesktopCalls.h"
#include "windowing/Messages.h"
#include "windowing/Window.h"

namespace s {
namespace gui {
namespace win {

namespace {

const int32_t kNoSize = -1;
const UINT kStartMillis = 10;
const UINT kWaitTickMillis = 500;
const UINT kFadeInMillis = 25;
const UINT kGrowMillis = 25;
const int32_t kFadeOutParts = 5;
const int32_t kFadeInParts = 10;
const int32_t kShrinkParts = 5;
const int32_t kGrowParts = 15;
const int32_t kMillisPerSecond = 1000;

// The size a side shrinks to: a small size of -1 (or none below the full one) keeps the side.
int32_t ShrunkSide(int32_t full, int32_t small)
{
    return small > 0 && small < full ? small : full;
}

// One shrink step of a side towards its small size, never past it.
int32_t ShrinkSide(int32_t now, int32_t full, int32_t small)
{
    const int32_t target = ShrunkSide(full, small);
    if (target == full)
        return full;
    return std::max(now - std::max(1, full / kShrinkParts), target);
}

// One grow step of a side back towards its full size, never past it.
int32_t GrowSide(int32_t now, int32_t full)
{
    return std::min(now + std::max(1, full / kGrowParts), full);
}

bool ShiftHeld()
{
    return GetDesktopCalls().isShiftDown();
}

} // namespace

void Window::SetHoverHide(bool enabled, int32_t mode, bool onlyWhileTopMost, int32_t delaySeconds, int32_t smallWidth,
                          int32_t smallHeight, bool shiftEndsWait)
{
    RunOnOwnThread([=] {
        UndoHoverHide();
        hoverFade_ = enabled && mode == 0;
        hoverShrink_ = enabled && mode != 0;
        hoverOnlyWhileTopMost_ = enabled ? onlyWhileTopMost : true;
        hoverDelaySeconds_ = enabled ? std::max(delaySeconds, 0) : 5;
        smallWidth_ = smallWidth;
        smallHeight_ = smallHeight;
        shiftEndsWait_ = shiftEndsWait;
    });
}

void Window::ReapplyHoverHide()
{
    if (hoverFade_ || hoverShrink_)
        SetHoverHide(true, hoverFade_ ? 0 : 1, hoverOnlyWhileTopMost_, hoverDelaySeconds_, smallWidth_, smallHeight_,
                     shiftEndsWait_);
}

// Brings a shrunk or faded window back at once, its timers stopped.
void Window::UndoHoverHide()
{
    if (!m_hWnd || (!hoverFade_ && !hoverShrink_))
        return;
    if (IsResizeAnimating()) {
        StopTimers(msg::kTimerHoverWatch, msg::kTimerShrink);
        EndShrink();
    }
    if (currentOpacity_ < EffectiveOpacity()) {
        StopTimers(msg::kTimerHoverWait, msg::kTimerFadeOut);
        ApplyOpacity(EffectiveOpacity());
    }
}

bool Window::IsResizeAnimating()
{
    return fullWidth_ != kNoSize && fullHeight_ != kNoSize;
}

bool Window::IsFading()
{
    return currentOpacity_ != EffectiveOpacity();
}

bool Window::IsAnimating()
{
    return IsResizeAnimating() || IsFading();
}

void Window::StartHoverHide()
{
    if (hoverFade_) {
        if (hoverOnlyWhileTopMost_ && !topMost_)
            return;
        StopTimers(msg::kTimerHoverWait, msg::kTimerShrink);
        if (IsResizeAnimating())
            EndShrink();
        if (shiftEndsWait_ && ShiftHeld()) {
            if (currentOpacity_ < EffectiveOpacity())
                ApplyOpacity(EffectiveOpacity());
            return;
        }
        StartTimer(msg::kTimerFadeOut, kStartMillis);
        return;
    }
    if (!hoverShrink_ || (hoverOnlyWhileTopMost_ && !topMost_))
        return;
    StopTimers(msg::kTimerHoverWait, msg::kTimerShrink);
    if (currentOpacity_ < EffectiveOpacity())
        ApplyOpacity(EffectiveOpacity());
    if (shiftEndsWait_ && ShiftHeld()) {
        if (IsResizeAnimating())
            EndShrink();
        return;
    }
    if (!IsResizeAnimating()) {
        fullWidth_ = GetWidth();
        fullHeight_ = GetHeight();
        stepWidth_ = fullWidth_;
        stepHeight_ = fullHeight_;
    }
    if (!HasSomethingToShrink()) {
        fullWidth_ = kNoSize;
        fullHeight_ = kNoSize;
        return;
    }
    StartTimer(msg::kTimerShrink, kStartMillis);
}

bool Window::HasSomethingToShrink()
{
    return ShrunkSide(fullWidth_, smallWidth_) < fullWidth_ || ShrunkSide(fullHeight_, smallHeight_) < fullHeight_;
}

bool Window::HandleHoverTimer(UINT_PTR id)
{
    switch (id) {
    case msg::kTimerHoverWait:
        WaitStep();
        return true;
    case msg::kTimerFadeIn:
        FadeInStep();
        return true;
    case msg::kTimerFadeOut:
        FadeOutStep();
        return true;
    case msg::kTimerHoverWatch:
        WatchStep();
        return true;
    case msg::kTimerGrow:
        GrowStep();
        return true;
    case msg::kTimerShrink:
        ShrinkStep();
        return true;
    case msg::kTimerFollowCursor:
        if (followCursor_ && IsShown())
            CenterOnCursor();
        return true;
    default:
        return false;
    }
}

void Window::FadeOutStep()
{
    if (shiftEndsWait_ && ShiftHeld()) {
        StopTimer(msg::kTimerFadeOut);
        StartTimer(msg::kTimerHoverWait, 0);
        return;
    }
    const int32_t next = currentOpacity_ - std::max(1, EffectiveOpacity() / kFadeOutParts);
    if (next > 0) {
        ApplyOpacity(next);
        return;
    }
    StopTimer(msg::kTimerFadeOut);
    ApplyOpacity(0);
    remainingDelay_ = hoverDelaySeconds_ * kMillisPerSecond;
    StartTimer(msg::kTimerHoverWait, kWaitTickMillis);
}

// The delay runs down only while the cursor is away from the window.
void Window::WaitStep()
{
    if (shiftEndsWait_ && ShiftHeld()) {
        StopTimer(msg::kTimerHoverWait);
        StartTimer(msg::kTimerFadeIn, 0);
        return;
    }
    if (CursorInBox(GetWidth(), GetHeight()))
        return;
    remainingDelay_ -= static_cast<int32_t>(kWaitTickMillis);
    if (remainingDelay_ < 1) {
        StopTimer(msg::kTimerHoverWait);
        StartTimer(msg::kTimerFadeIn, kFadeInMillis);
    }
}

void Window::FadeInStep()
{
    const int32_t target = EffectiveOpacity();
    if (shiftEndsWait_ && ShiftHeld()) {
        ApplyOpacity(target);
        StopTimer(msg::kTimerFadeIn);
        return;
    }
    const int32_t next = currentOpacity_ + std::max(1, target / kFadeInParts);
    if (next < target) {
        ApplyOpacity(next);
        return;
    }
    ApplyOpacity(target);
    StopTimer(msg::kTimerFadeIn);
}

void Window::ShrinkStep()
{
    if (!IsResizeAnimating()) {
        StopTimer(msg::kTimerShrink);
        return;
    }
    const int32_t width = ShrinkSide(stepWidth_, fullWidth_, smallWidth_);
    const int32_t height = ShrinkSide(stepHeight_, fullHeight_, smallHeight_);
    ResizeKeepingPlace(width, height);
    if (width == ShrunkSide(fullWidth_, smallWidth_) && height == ShrunkSide(fullHeight_, smallHeight_)) {
        StopTimer(msg::kTimerShrink);
        StartTimer(msg::kTimerHoverWatch, static_cast<UINT>(hoverDelaySeconds_) * kMillisPerSecond);
    }
}

// Grows back once the cursor has left the box of the full size.
void Window::WatchStep()
{
    if (!IsResizeAnimating()) {
        StopTimer(msg::kTimerHoverWatch);
        return;
    }
    if (CursorInBox(fullWidth_, fullHeight_))
        return;
    StopTimer(msg::kTimerHoverWatch);
    StartTimer(msg::kTimerGrow, kGrowMillis);
}

void Window::GrowStep()
{
    if (!IsResizeAnimating()) {
        StopTimer(msg::kTimerGrow);
        return;
    }
    const int32_t width = GrowSide(stepWidth_, fullWidth_);
    const int32_t height = GrowSide(stepHeight_, fullHeight_);
    if (width < fullWidth_ || height < fullHeight_) {
        ResizeKeepingPlace(width, height);
        return;
    }
    StopTimer(msg::kTimerGrow);
    EndShrink();
}

// Back to the full size, no longer shrunk: the size change lays the children out again.
void Window::EndShrink()
{
    const int32_t width = fullWidth_;
    const int32_t height = fullHeight_;
    fullWidth_ = kNoSize;
    fullHeight_ = kNoSize;
    stepWidth_ = kNoSize;
    stepHeight_ = kNoSize;
    if (width != kNoSize && height != kNoSize)
        ResizeKeepingPlace(width, height);
}

void Window::ResizeKeepingPlace(int32_t width, int32_t height)
{
    stepWidth_ = width;
    stepHeight_ = height;
    if (!m_hWnd)
        return;
    UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (IsShown())
        flags |= SWP_SHOWWINDOW;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, width, height, flags);
}

void Window::StartTimer(UINT_PTR id, UINT periodMillis)
{
    if (m_hWnd)
        GetDesktopCalls().setTimer(m_hWnd, id, periodMillis);
}

void Window::StopTimer(UINT_PTR id)
{
    if (m_hWnd)
        GetDesktopCalls().killTimer(m_hWnd, id);
}

void Window::StopTimers(UINT_PTR first, UINT_PTR last)
{
    for (UINT_PTR id = first; id <= last; ++id)
        StopTimer(id);
}

// Inside a box of that size at the window's top-left corner, its right and bottom edges included.
bool Window::CursorInBox(int32_t width, int32_t height)
{
    POINT cursor = {};
    if (!GetDesktopCalls().getCursorPos(&cursor))
        return false;
    const RECT window = WindowRect();
    const int32_t x = cursor.x - window.left;
    const int32_t y = cursor.y - window.top;
    return x >= 0 && x <= width && y >= 0 && y <= height;
}

} // namespace win
} // namespace gui
} // namespace s
