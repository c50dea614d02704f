#pragma once
#include <cstdint>

#include "windowing/component/IComponent.h"

namespace s {
namespace gui {

// An empty widget that fills room along one axis of a row or a column and paints only its
// background. Across its axis it takes no room in a row or column of the other direction.
class ISpacer : public IComponent {
public:
    static constexpr const wchar_t* kInterfaceName = L"s_gui_ISpacer";
    static constexpr int32_t kHorizontal = 0;
    static constexpr int32_t kVertical = 1;

    virtual void SetOrientation(int32_t orientation) = 0;
    virtual int32_t GetOrientation() = 0;
    // A length along the axis in pixels, or in percent of the parent's client size along it
    // (100 takes all that is left); one clears the other.
    virtual void SetLengthPixels(int32_t pixels) = 0;
    virtual void SetLengthPercent(int32_t percent) = 0;
    // The stored minimum width (and the width it grows from).
    virtual void SetMinWidth(int32_t width) = 0;
};

} // namespace gui
} // namespace s
