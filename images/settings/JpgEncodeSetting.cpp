#include "images/settings/JpgEncodeSetting.h"

#include "images/codecs/jpg/win/Jpeg.h"
#include "images/settings/boxes/JpgConfigBox.h"

namespace s {
namespace image {
namespace jpg {

EncodeSetting::EncodeSetting() : Quality(kDefaultQuality) {}

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
    Quality = kDefaultQuality;
}

IEncodedImage* EncodeSetting::EncodeImage(IBufferedImage* image)
{
    IBufferedImage* source = FilteredSource(image);
    if (!source)
        return nullptr;
    return NewConverted<jpg::win::Jpeg>([&](jpg::win::Jpeg* jpeg) {
        return jpeg->ConvertFrom(source, Quality, BgRed, BgGreen, BgBlue);
    });
}

void EncodeSetting::LoadSection(const wchar_t* section)
{
    // A store without the key keeps the quality the setting has.
    Quality = GetStore()->GetInt32(section, L"Quality", Quality);
    LoadBackground(section);
}

void EncodeSetting::SaveSection(const wchar_t* section)
{
    GetStore()->SetInt32(section, L"Quality", Quality);
    SaveBackground(section);
}

gui::IEncodeSettingBox* EncodeSetting::CreateConfigBox()
{
    gui::boxes::JpgConfigBox* panel = gui::boxes::JpgConfigBox::New();
    if (panel)
        panel->SetSetting(this);
    SetConfigBox(panel);
    return panel;
}

void EncodeSetting::ApplyPanel()
{
    auto* panel = static_cast<gui::boxes::JpgConfigBox*>(GetConfigBox());
    // A panel never built has no choices to give.
    if (panel->GetRoot())
        panel->ApplyTo(this);
}

} // namespace jpg
} // namespace image
} // namespace s
