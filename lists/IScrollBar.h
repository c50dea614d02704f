#pragma once
#include <cstdint>

#include "storage/events/IEventListener.h"
#include "windowing/component/IComponent.h"

namespace s {
namespace gui {
namespace drawer {
class IScrollBar;
}
namespace scrollbar {
class IScrollInfo;
}

// An owner-drawn scroll bar: it paints through a scroll bar drawer and turns presses, drags and
// held buttons into scroll requests on its scroll information, which moves the scrolled
// component. It shows itself only while the content does not fit.
class IScrollBar : public IComponent, public events::IEventListener {
public:
    virtual void SetWidthPercent(int32_t percent) = 0;
    virtual void SetHeightPercent(int32_t percent) = 0;
    virtual void SetFixedWidth(int32_t width) = 0;
    virtual void SetFixedHeight(int32_t height) = 0;
    virtual int32_t GetThickness() = 0;
    // Below 0: the default drawer's bar width.
    virtual void SetThickness(int32_t thickness) = 0;
    virtual void SetThicknessPercent(int32_t percent) = 0;
    virtual int32_t GetLength() = 0;
    virtual void SetLength(int32_t length) = 0;
    virtual void SetLengthPercent(int32_t percent) = 0;
    virtual bool IsHorizontal() = 0;
    virtual bool IsVertical() = 0;
    virtual void SetHorizontal() = 0;
    virtual void SetVertical() = 0;
    // 0 horizontal, 1 vertical.
    virtual void SetOrientation(int32_t orientation) = 0;
    virtual void SetDrawer(drawer::IScrollBar* drawer, bool owned) = 0;
    virtual void SetScrolledComponent(IComponent* component) = 0;
    // The other bar of the same container, whose corner square this bar leaves free.
    virtual void SetPairedBar(IScrollBar* bar) = 0;
    virtual scrollbar::IScrollInfo* GetScrollInfo() = 0;
    virtual void ScrollBy(int32_t delta) = 0;
    virtual void SetTrackColor(int32_t red, int32_t green, int32_t blue) = 0;
};

} // namespace gui
} // namespace s
