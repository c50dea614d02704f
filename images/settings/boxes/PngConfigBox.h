#pragma once
#include "core/thread/EasyPooler.h"
#include "images/settings/boxes/ConfigBoxBase.h"

namespace s {
namespace image {
namespace png {
class EncodeSetting;
}
namespace gui {
namespace boxes {

// The PNG options: interlacing.
class PngConfigBox : public ConfigBoxBase {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gui_boxes_PngConfigBox";

    PngConfigBox();
    ~PngConfigBox() override;

    static thread::EasyPooler* GetPool();
    static PngConfigBox* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    s::gui::ICheckBox* GetInterlaceBox() { return interlace_; }
    // The choices into the setting.
    void ApplyTo(png::EncodeSetting* setting);

protected:
    bool BuildGroups(s::gui::win::Box* root) override;
    bool SettingKeepsTransparency() override;
    void ForgetControls() override;

private:
    png::EncodeSetting* Setting();

    s::gui::ICheckBox* interlace_;
};

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
