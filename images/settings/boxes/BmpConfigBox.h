#pragma once
#include "images/settings/BmpEncodeSetting.h"
#include "images/settings/boxes/ConfigBoxBase.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

// The BMP options: 32, 24, 8 or 4 bits a pixel. Kept transparency needs 32 bits: choosing it
// disables the lower depths and moves their choice to 32 bits.
class BmpConfigBox : public FormatConfigBox<BmpConfigBox, bmp::EncodeSetting, &bmp::EncodeSetting::KeepTransparency> {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gui_boxes_BmpConfigBox";

    BmpConfigBox();

    // From a depth button that became disabled: the choice moved to where it stays enabled.
    void OnEvent(base::IObject* source, int32_t code) override;

    s::gui::IRadioButton* Get32BitButton() { return bits32_; }
    s::gui::IRadioButton* Get24BitButton() { return bits24_; }
    s::gui::IRadioButton* Get8BitButton() { return bits8_; }
    s::gui::IRadioButton* Get4BitButton() { return bits4_; }
    // The choices into the setting: the first checked depth of 4, 8, 24, 32; none leaves it.
    void ApplyTo(bmp::EncodeSetting* setting);

protected:
    bool BuildGroups(s::gui::win::Box* root) override;
    void ForgetControls() override;

private:
    s::gui::IRadioButton* bits32_;
    s::gui::IRadioButton* bits24_;
    s::gui::IRadioButton* bits8_;
    s::gui::IRadioButton* bits4_;
};

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
