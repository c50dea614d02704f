#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace gui {

class IComponent;
class IScrollBar;

namespace scrollbar {

// The scroll state of one axis of one scrolled component: range, page and position in pixels,
// and the moves that keep the content where the position says. A fresh object is disabled and
// inactive and does nothing until a component activates it.
class IScrollInfo : public base::IObject {
public:
    static constexpr int32_t kHorizontal = 1;
    static constexpr int32_t kVertical = 2;

    virtual bool IsHorizontal() = 0;
    virtual bool IsVertical() = 0;
    virtual void SetHorizontal() = 0;
    virtual void SetVertical() = 0;
    virtual void SetAxis(int32_t axis) = 0;
    virtual uint8_t* GetScrollable() = 0;
    virtual void SetScrollable(bool scrollable) = 0;
    // Scrollable and not disabled.
    virtual bool IsScrolling() = 0;
    virtual int32_t GetThickness() = 0;
    // The thickness while scrolling, else 0.
    virtual int32_t GetVisibleThickness() = 0;
    virtual bool IsCenterMode() = 0;
    virtual void SetCenterMode(bool on) = 0;
    virtual int32_t GetRecomputeDepth() = 0;
    virtual void SetRecomputeDepth(int32_t depth) = 0;
    virtual int32_t* GetPosition() = 0;
    virtual void SetPosition(int32_t position) = 0;
    virtual int32_t* GetRange() = 0;
    virtual void SetRange(int32_t range) = 0;
    virtual int32_t* GetPage() = 0;
    virtual void SetPage(int32_t page) = 0;
    virtual int32_t* GetCenter() = 0;
    virtual void SetCenter(int32_t center) = 0;
    virtual int32_t* GetAppliedOffset() = 0;
    virtual void SetAppliedOffset(int32_t offset) = 0;
    // Measures the component again, moves the content to the new position and shows or hides
    // the bar.
    virtual void Recompute(IComponent* component) = 0;
    // Clamped to [0, range - page]; nothing unless scrolling.
    virtual void ScrollBy(IComponent* component, int32_t delta) = 0;
    virtual void LineBack(IComponent* component) = 0;
    virtual void LineForward(IComponent* component) = 0;
    virtual void PageBack(IComponent* component) = 0;
    virtual void PageForward(IComponent* component) = 0;
    virtual void ScrollToTrack(IComponent* component) = 0;
    // Puts the content back where it was unscrolled, zeroes the state and disables.
    virtual void Clear(IComponent* component) = 0;
    virtual bool IsActive() = 0;
    virtual void SetActive(IComponent* component, bool active) = 0;
    virtual bool IsDisabled() = 0;
    virtual void SetDisabled(IComponent* component, bool disabled) = 0;
    virtual void SetOwner(IScrollBar* bar) = 0;
};

} // namespace scrollbar
} // namespace gui
} // namespace s
