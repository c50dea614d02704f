#include "images/settings/PngEncodeSetting.h"

#include "images/codecs/png/win/Png.h"
#include "images/settings/boxes/PngConfigBox.h"

namespace s {
namespace image {
namespace png {

EncodeSetting::EncodeSetting() : KeepTransparency(true), WithInterlace(true) {}

EncodeSetting::~EncodeSetting() {}

thread::EasyPooler* EncodeSetting::GetPool()
{
    return &thread::PoolOf<EncodeSetting>();
}

EncodeSetting* EncodeSetting::New()
{
    return thread::TakeFromPool<EncodeSetting>();
}

const wchar_t* EncodeSetting::GetClassName()
{
    return kClassName;
}

base::IObject* EncodeSetting::NewInstance()
{
    return New();
}

void EncodeSetting::ReleaseToPool()
{
    GetPool()->Give(this);
}

void EncodeSetting::Reset()
{
    ResetBase();
    KeepTransparency = true;
    WithInterlace = true;
}

IEncodedImage* EncodeSetting::EncodeImage(IBufferedImage* image)
{
    IBufferedImage* source = FilteredSource(image);
    if (!source)
        return nullptr;
    return NewConverted<png::win::Png>([&](png::win::Png* png) {
        return png->ConvertFrom(source, WithInterlace, KeepTransparency, BgRed, BgGreen, BgBlue);
    });
}

void EncodeSetting::LoadSection(const wchar_t* section)
{
    KeepTransparency = GetStore()->GetBool(section, L"KeepTransparency", true);
    WithInterlace = GetStore()->GetBool(section, L"WithInterlace", true);
    LoadBackground(section);
}

void EncodeSetting::SaveSection(const wchar_t* section)
{
    GetStore()->SetBool(section, L"KeepTransparency", KeepTransparency);
    GetStore()->SetBool(section, L"WithInterlace", WithInterlace);
    SaveBackground(section);
}

gui::IEncodeSettingBox* EncodeSetting::CreateConfigBox()
{
    gui::boxes::PngConfigBox* panel = gui::boxes::PngConfigBox::New();
    if (panel)
        panel->SetSetting(this);
    SetConfigBox(panel);
    return panel;
}

void EncodeSetting::ApplyPanel()
{
    auto* panel = static_cast<gui::boxes::PngConfigBox*>(GetConfigBox());
    // A panel never built has no choices to give.
    if (panel->GetRoot())
        panel->ApplyTo(this);
}

} // namespace png
} // namespace image
} // namespace s
