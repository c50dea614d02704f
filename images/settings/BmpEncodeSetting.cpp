#include "images/settings/BmpEncodeSetting.h"

#include "images/bmp/win/Bitmap.h"
#include "images/settings/boxes/BmpConfigBox.h"

namespace s {
namespace image {
namespace bmp {

EncodeSetting::EncodeSetting() : KeepTransparency(true), Bpp(kDefaultBpp) {}

void EncodeSetting::Reset()
{
    ResetBase();
    KeepTransparency = true;
    Bpp = kDefaultBpp;
}

IEncodedImage* EncodeSetting::EncodeImage(IBufferedImage* image)
{
    return NewConvertedFrom<bmp::win::Bitmap>(image, [&](bmp::win::Bitmap* bitmap, IBufferedImage* source) {
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

gui::boxes::ConfigBoxBase* EncodeSetting::NewConfigBox()
{
    return gui::boxes::BmpConfigBox::New();
}

} // namespace bmp
} // namespace image
} // namespace s
