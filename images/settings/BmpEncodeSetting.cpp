#include "images/settings/BmpEncodeSetting.h"

#include "images/bmp/win/Bitmap.h"
#include "images/settings/boxes/BmpConfigBox.h"

namespace s {
namespace image {
namespace bmp {

EncodeSetting::EncodeSetting() : KeepTransparency(true), Bpp(kDefaultBpp) {}

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
    Bpp = kDefaultBpp;
}

IEncodedImage* EncodeSetting::EncodeImage(IBufferedImage* image)
{
    IBufferedImage* source = FilteredSource(image);
    if (!source)
        return nullptr;
    return NewConverted<bmp::win::Bitmap>([&](bmp::win::Bitmap* bitmap) {
        return bitmap->ConvertFrom(source, Bpp, KeepTransparency, BgRed, BgGreen, BgBlue);
    });
}

void EncodeSetting::LoadSection(const wchar_t* section)
{
    KeepTransparency = GetStore()->GetBool(section, L"KeepTransparency", true);
    LoadBackground(section);
    Bpp = GetStore()->GetInt32(section, L"Bpp", kDefaultBpp);
}

void EncodeSetting::SaveSection(const wchar_t* section)
{
    GetStore()->SetBool(section, L"KeepTransparency", KeepTransparency);
    SaveBackground(section);
    GetStore()->SetInt32(section, L"Bpp", Bpp);
}

gui::IEncodeSettingBox* EncodeSetting::CreateConfigBox()
{
    gui::boxes::BmpConfigBox* panel = gui::boxes::BmpConfigBox::New();
    if (panel)
        panel->SetSetting(this);
    SetConfigBox(panel);
    return panel;
}

void EncodeSetting::ApplyPanel()
{
    auto* panel = static_cast<gui::boxes::BmpConfigBox*>(GetConfigBox());
    // A panel never built has no choices to give.
    if (panel->GetRoot())
        panel->ApplyTo(this);
}

} // namespace bmp
} // namespace image
} // namespace s
