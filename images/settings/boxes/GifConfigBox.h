#pragma once
#include "images/settings/GifEncodeSetting.h"
#include "images/settings/boxes/ConfigBoxBase.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

// The GIF options: 8 or 4 bits a pixel.
class GifConfigBox : public FormatConfigBox<GifConfigBox, gif::EncodeSetting, &gif::EncodeSetting::KeepTransparency> {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gui_boxes_GifConfigBox";

    GifConfigBox();

    s::gui::IRadioButton* Get8BitButton() { return bits8_; }
    s::gui::IRadioButton* Get4BitButton() { return bits4_; }
    // The choices into the setting: 4 bits when that button is checked, else 8.
    void ApplyTo(gif::EncodeSetting* setting);

protected:
    bool BuildGroups(s::gui::win::Box* root) override;
    void ForgetControls() override;

private:
    s::gui::IRadioButton* bits8_;
    s::gui::IRadioButton* bits4_;
};

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
