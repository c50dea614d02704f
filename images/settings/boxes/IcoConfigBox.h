#pragma once
#include "images/settings/IcoEncodeSetting.h"
#include "images/settings/boxes/ConfigBoxBase.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

// The icon options: keeping the width/height ratio, the entry sizes from 16 to 256 pixels and
// the depths 32, 8 and 4 bits.
class IcoConfigBox : public FormatConfigBox<IcoConfigBox, ico::EncodeSetting, &ico::EncodeSetting::KeepTransparency> {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gui_boxes_IcoConfigBox";

    IcoConfigBox();

    s::gui::ICheckBox* GetKeepRatioBox() { return keepRatio_; }
    // Null for a depth or size the panel does not offer.
    s::gui::ICheckBox* GetDepthBox(int32_t bits);
    s::gui::ICheckBox* GetSizeBox(int32_t size);
    // The choices into the setting: sizes from 16 up, then the depths from 4 up.
    void ApplyTo(ico::EncodeSetting* setting);

protected:
    bool BuildGroups(s::gui::win::Box* root) override;
    void ForgetControls() override;

private:
    s::gui::ICheckBox* keepRatio_;
    s::gui::ICheckBox* bits32_;
    s::gui::ICheckBox* bits8_;
    s::gui::ICheckBox* bits4_;
    // 256, 128, 96, 80, 64, 48, 32, 24 and 16 pixels.
    s::gui::ICheckBox* sizes_[9];
};

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
