#pragma once
#include "core/thread/EasyPooler.h"
#include "images/settings/boxes/ConfigBoxBase.h"

namespace s {
namespace image {
namespace bmp {
class EncodeSetting;
}
namespace gui {
namespace boxes {

// The BMP options: 32, 24, 8 or 4 bits a pixel. Kept transparency needs 32 bits: choosing it
// disables the lower depths and moves their choice to 32 bits.
class BmpConfigBox : public ConfigBoxBase {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gui_boxes_BmpConfigBox";

    BmpConfigBox();
    ~BmpConfigBox() override;

    static thread::EasyPooler* GetPool();
    static BmpConfigBox* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

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
    bool SettingKeepsTransparency() override;
    void ForgetControls() override;

private:
    bmp::EncodeSetting* Setting();

    s::gui::IRadioButton* bits32_;
    s::gui::IRadioButton* bits24_;
    s::gui::IRadioButton* bits8_;
    s::gui::IRadioButton* bits4_;
};

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
