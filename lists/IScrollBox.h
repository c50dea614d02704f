#pragma once
#include <cstdint>

#include "lists/IScrollContainer.h"

namespace s {
namespace gui {

class IScrollBar;
namespace events {
class IEventListener;
}

// Any components in a content Box that the bars move as one sheet; the sheet can be dragged
// with the mouse and can keep a centre point in view.
class IScrollBox : public IScrollContainer {
public:
    // The code a wheel listener is told with; it reads GetWheelLines.
    static constexpr int32_t kEventWheel = 2;

    virtual void Assemble(IBox* outer, IBox* content, IScrollBar* verticalBar, IScrollBar* horizontalBar) = 0;
    virtual IBox* GetContentBox() = 0;
    virtual void SetActive(bool active) = 0;
    virtual bool IsActive() = 0;
    virtual void SetCenterMode(bool on) = 0;
    virtual int32_t GetCenterX() = 0;
    virtual int32_t GetCenterY() = 0;
    // No recompute follows.
    virtual void SetCenter(int32_t x, int32_t y) = 0;
    // Puts the content back and switches scrolling off until it is disabled and enabled, or the
    // box deactivated and activated, again.
    virtual void ClearScrolling() = 0;
    // Listeners take the wheel turns over the content in place of the vertical bar.
    virtual void AddWheelListener(events::IEventListener* listener) = 0;
    // The signed line count of the last wheel turn.
    virtual int32_t GetWheelLines() = 0;
    // The sheet follows a drag of the mouse; a click without movement centres its point.
    virtual void SetHandMode(bool on) = 0;
    virtual bool IsScrollable() = 0;
};

} // namespace gui
} // namespace s
