#include "images/settings/PngEncodeSetting.h"

#include "images/codecs/png/win/Png.h"
#include "images/settings/boxes/PngConfigBox.h"

namespace s {
namespace image {
namespace png {

EncodeSetting::EncodeSetting() : KeepTransparency(true), WithInterlace(true) {}

void EncodeSetting::Reset()
{
    ResetBase();
    KeepTransparency = true;
    WithInterlace = true;
}

IEncodedImage* EncodeSetting::EncodeImage(IBufferedImage* image)
{
    return NewConvertedFrom<png::win::Png>(image, [&](png::win::Png* png, IBufferedImage* source) {
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

gui::boxes::ConfigBoxBase* EncodeSetting::NewConfigBox()
{
    return gui::boxes::PngConfigBox::New();
}

} // namespace png
} // namespace image
} // namespace s
