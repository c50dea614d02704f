#pragma once
#include "core/thread/EasyPooler.h"
#include "images/settings/boxes/ConfigBoxBase.h"

namespace s {
namespace image {
namespace gif {
class EncodeSetting;
}
namespace gui {
namespace boxes {

// The GIF options: 8 or 4 bits a pixel.
class GifConfigBox : public ConfigBoxBase {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gui_boxes_GifConfigBox";

    GifConfigBox();
    ~GifConfigBox() override;

    static thread::EasyPooler* GetPool();
    static GifConfigBox* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    s::gui::IRadioButton* Get8BitButton() { return bits8_; }
    s::gui::IRadioButton* Get4BitButton() { return bits4_; }
    // The choices into the setting: 4 bits when that button is checked, else 8.
    void ApplyTo(gif::EncodeSetting* setting);

protected:
    bool BuildGroups(s::gui::win::Box* root) override;
    bool SettingKeepsTransparency() override;
    void ForgetControls() override;

private:
    gif::EncodeSetting* Setting();

    s::gui::IRadioButton* bits8_;
    s::gui::IRadioButton* bits4_;
};

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
