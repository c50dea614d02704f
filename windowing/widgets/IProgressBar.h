#pragma once
#include <cstdint>

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {

// A bar that shows how far a task has come, painted by the system. It has no natural size: a
// layout gives it one only from a fixed size or a percent of its parent in each dimension.
class IProgressBar : public IComponent {
public:
    static constexpr const wchar_t* kInterfaceName = L"s_gui_IProgressBar";

    // Each stores the value only; the next layout uses it.
    virtual void SetWidthPercent(int32_t percent) = 0;
    virtual void SetHeightPercent(int32_t percent) = 0;
    virtual void SetFixedWidth(int32_t width) = 0;
    virtual void SetFixedHeight(int32_t height) = 0;
    virtual void SetRange(int32_t low, int32_t high) = 0;
    // The bar's position in its range; the component's place stays SetPosition (x, y).
    using IComponent::SetPosition;
    virtual void SetPosition(int32_t position) = 0;
    virtual int32_t GetRangeLow() = 0;
    virtual int32_t GetRangeHigh() = 0;
    virtual int32_t GetPosition() = 0;
};

} // namespace gui
} // namespace s
