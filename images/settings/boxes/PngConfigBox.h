#pragma once
#include "images/settings/PngEncodeSetting.h"
#include "images/settings/boxes/ConfigBoxBase.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

// The PNG options: interlacing.
class PngConfigBox : public FormatConfigBox<PngConfigBox, png::EncodeSetting, &png::EncodeSetting::KeepTransparency> {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gui_boxes_PngConfigBox";

    PngConfigBox();

    s::gui::ICheckBox* GetInterlaceBox() { return interlace_; }
    // The choices into the setting.
    void ApplyTo(png::EncodeSetting* setting);

protected:
    bool BuildGroups(s::gui::win::Box* root) override;
    void ForgetControls() override;

private:
    s::gui::ICheckBox* interlace_;
};

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
