#include "images/settings/JpgEncodeSetting.h"

#include "images/codecs/jpg/win/Jpeg.h"
#include "images/settings/boxes/JpgConfigBox.h"

namespace s {
namespace image {
namespace jpg {

EncodeSetting::EncodeSetting() : Quality(kDefaultQuality) {}

void EncodeSetting::Reset()
{
    ResetBase();
    Quality = kDefaultQuality;
}

IEncodedImage* EncodeSetting::EncodeImage(IBufferedImage* image)
{
    return NewConvertedFrom<jpg::win::Jpeg>(image, [&](jpg::win::Jpeg* jpeg, IBufferedImage* source) {
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

gui::boxes::ConfigBoxBase* EncodeSetting::NewConfigBox()
{
    return gui::boxes::JpgConfigBox::New();
}

} // namespace jpg
} // namespace image
} // namespace s
