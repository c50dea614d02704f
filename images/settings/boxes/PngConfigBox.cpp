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

namespace {

const int32_t kControlGap = 5;

} // namespace

PngConfigBox::PngConfigBox() : ConfigBoxBase(L"Png"), interlace_(nullptr) {}

PngConfigBox::~PngConfigBox() {}

thread::EasyPooler* PngConfigBox::GetPool()
{
    return &thread::PoolOf<PngConfigBox>();
}

PngConfigBox* PngConfigBox::New()
{
    return thread::TakeFromPool<PngConfigBox>();
}

const wchar_t* PngConfigBox::GetClassName()
{
    return kClassName;
}

base::IObject* PngConfigBox::NewInstance()
{
    return New();
}

void PngConfigBox::ReleaseToPool()
{
    GetPool()->Give(this);
}

void PngConfigBox::Reset()
{
    ResetPanel();
}

void PngConfigBox::ForgetControls()
{
    interlace_ = nullptr;
}

png::EncodeSetting* PngConfigBox::Setting()
{
    return static_cast<png::EncodeSetting*>(GetSetting());
}

bool PngConfigBox::SettingKeepsTransparency()
{
    return Setting()->KeepTransparency;
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
