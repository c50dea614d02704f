#pragma once
#include "images/settings/JpgEncodeSetting.h"
#include "images/settings/boxes/ConfigBoxBase.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

// The JPEG options: the quality as a number to type and on a slider, the two kept in step. A JPEG
// has no transparency: the background group always fills.
class JpgConfigBox : public FormatConfigBox<JpgConfigBox, jpg::EncodeSetting> {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gui_boxes_JpgConfigBox";

    JpgConfigBox();
    void Reset() override;

    // From the slider: its value into the field; from the field: a quality of 0 to 100 onto the
    // slider.
    void OnEvent(base::IObject* source, int32_t code) override;

    s::gui::ITextField* GetQualityField() { return field_; }
    s::gui::ISlider* GetQualitySlider() { return slider_; }
    // The colour and the slider's quality into the setting.
    void ApplyTo(jpg::EncodeSetting* setting);

protected:
    bool BuildGroups(s::gui::win::Box* root) override;
    void ForgetControls() override;

private:
    s::gui::ITextField* field_;
    s::gui::ISlider* slider_;
    // Set while the field moves the slider.
    bool moving_;
};

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
