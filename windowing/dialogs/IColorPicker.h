#pragma once
#include <cstdint>

namespace s {
namespace gui {

class IComponent;

namespace dialogs {

// The front of the system's colour dialog. Colours are 0xRRGGBB (red in bits 16-23), not
// COLORREF.
class IColorPicker {
public:
    virtual ~IColorPicker() {}
    // Shows the dialog fully open over the owner's native window (none for null) and blocks the
    // calling thread until it closes; true when the user confirmed a colour. A cancelled dialog
    // changes nothing.
    virtual bool Run(IComponent* owner) = 0;
    // The colour confirmed by the last run, and its components.
    virtual uint32_t GetColor() = 0;
    virtual uint32_t GetRed() = 0;
    virtual uint32_t GetGreen() = 0;
    virtual uint32_t GetBlue() = 0;
    // The colour the dialog opens with, from the low byte of each component.
    virtual void SetInitialColor(uint32_t red, uint32_t green, uint32_t blue) = 0;
};

} // namespace dialogs
} // namespace gui
} // namespace s
