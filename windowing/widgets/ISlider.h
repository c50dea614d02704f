#pragma once
#include <cstdint>

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {

namespace drawer {
class ISlider;
}
namespace events {
class IEventListener;
}

// A slider over a range of whole numbers. Drawn by a skin's slider drawer it can also show a
// second value (a range between two thumbs) and a colour gradient for colour editing.
class ISlider : public IComponent {
public:
    static constexpr const wchar_t* kInterfaceName = L"s_gui_ISlider";
    // The code the change listeners are told.
    static constexpr int32_t kEventChanged = 0;

    // Each stores the value only; the next layout uses it.
    virtual void SetWidthPercent(int32_t percent) = 0;
    virtual void SetHeightPercent(int32_t percent) = 0;
    virtual void SetFixedWidth(int32_t width) = 0;
    virtual void SetFixedHeight(int32_t height) = 0;
    // Above 0, the thumb's length in pixels; else the control's own.
    virtual void SetThumbLength(int32_t length) = 0;
    virtual void SetRange(int32_t minimum, int32_t maximum) = 0;
    virtual int32_t GetMinimum() = 0;
    virtual int32_t GetMaximum() = 0;
    virtual int32_t GetPosition() = 0;
    // Clamped into the range (in range mode below the second value); tells nobody.
    virtual void SetPosition(int32_t value) = 0;
    // The component's place stays SetPosition (x, y).
    using IComponent::SetPosition;
    // The arrow step; a page is ten steps.
    virtual void SetStep(int32_t step) = 0;
    virtual void SetTicksShown(bool shown) = 0;
    // Told with code 0 when the user moved a thumb.
    virtual void AddChangeListener(events::IEventListener* listener) = 0;
    // The skin's look, or null for the native one.
    virtual void SetDrawer(drawer::ISlider* drawer, bool owned) = 0;
    // Handed to the drawer: whether to show the bar, and the value it starts from.
    virtual void SetDrawerFlag(bool flag) = 0;
    virtual void SetDrawerValue(int32_t value) = 0;
    // Non-zero: a second thumb, the position staying below it.
    virtual void SetRangeMode(int32_t mode) = 0;
    virtual int32_t GetSecondValue() = 0;
    // Clamped into the range (in range mode above the position); tells nobody.
    virtual void SetSecondValue(int32_t value) = 0;
    // A colour gradient along the track (kinds 1 to 7 over the components a and b; 0 none).
    virtual void SetTrackGradient(int32_t kind, int32_t a, int32_t b) = 0;
};

} // namespace gui
} // namespace s
