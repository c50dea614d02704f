#include "images/settings/boxes/PngConfigBox.h"

#include "images/settings/PngEncodeSetting.h"
#include "images/settings/boxes/PanelCaptions.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/CheckBox.h"
#include "windowing/widgets/GroupBox.h"

namespace s {
namespace image {
namespace gui {
namespace boxes {

PngConfigBox::PngConfigBox() : FormatConfigBox(L"Png"), interlace_(nullptr) {}

void PngConfigBox::ForgetControls()
{
    interlace_ = nullptr;
}

bool PngConfigBox::BuildGroups(s::gui::win::Box* root)
{
    s::gui::win::GroupBox* group = NewGroup(kTextInterlace, L"Interlace", kControlGap);
    interlace_ = NewCheckBox(kTextEnableInterlacing, L"Enable Interlacing", Setting()->WithInterlace);
    return AddAll(root, {group}) && AddAll(group, {interlace_});
}

void PngConfigBox::ApplyTo(png::EncodeSetting* setting)
{
    setting->KeepTransparency = KeepsTransparency();
    ApplyBackgroundTo(setting);
    setting->WithInterlace = interlace_ && interlace_->IsChecked();
}

} // namespace boxes
} // namespace gui
} // namespace image
} // namespace s
