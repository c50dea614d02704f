#pragma once
#include <cstdint>

#include "storage/events/IEventListener.h"
#include "windowing/component/IContainer.h"

namespace s {
namespace gui {

class IBox;

// What the two scrollable containers share: content beside a vertical bar and above a
// horizontal one, in an outer Box that fills the container. None of the size setters lays out
// again; the next layout uses them.
class IScrollContainer : public IContainer, public events::IEventListener {
public:
    virtual void SetWidthPercent(int32_t percent) = 0;
    virtual void SetHeightPercent(int32_t percent) = 0;
    virtual void SetFixedWidth(int32_t width) = 0;
    virtual void SetFixedHeight(int32_t height) = 0;
    virtual IBox* GetOuterBox() = 0;
    // Nothing unless the content has children and the container is active.
    virtual void ScrollBy(int32_t dx, int32_t dy) = 0;
    virtual void SetScrollingDisabled(bool disabled) = 0;
    virtual int32_t GetVerticalBarThickness() = 0;
    virtual int32_t GetHorizontalBarThickness() = 0;
    // The thickness while the bar scrolls, else 0.
    virtual int32_t GetVisibleVerticalBarThickness() = 0;
    virtual int32_t GetVisibleHorizontalBarThickness() = 0;
};

} // namespace gui
} // namespace s
