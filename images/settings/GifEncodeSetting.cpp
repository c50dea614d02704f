#include "images/settings/GifEncodeSetting.h"

#include "images/codecs/gif/win/Gif.h"
#include "images/settings/boxes/GifConfigBox.h"
#include "images/win/BufferedImageSet.h"
#include "storage/file/Pooled.h"

namespace s {
namespace image {
namespace gif {

EncodeSetting::EncodeSetting() : KeepTransparency(true), WithInterlace(true), Bpp(kDefaultBpp) {}

void EncodeSetting::Reset()
{
    ResetBase();
    KeepTransparency = true;
    WithInterlace = true;
    Bpp = kDefaultBpp;
}

IEncodedImage* EncodeSetting::EncodeImage(IBufferedImage* image)
{
    return NewConvertedFrom<gif::win::Gif>(image, [&](gif::win::Gif* gif, IBufferedImage* source) {
        return gif->AddFrame(source, Bpp, KeepTransparency, BgRed, BgGreen, BgBlue, gif::win::Gif::kAlphaThreshold);
    });
}

IEncodedImage* EncodeSetting::FromImageSet(image::win::BufferedImageSet* set)
{
    if (!set)
        return nullptr;
    if (set->GetCount() <= 1 || !set->IsAnimated())
        return EncodeSettingBase::FromImageSet(set);
    file::Pooled<image::win::BufferedImageSet> copy(set->FilteredCopy());
    if (!copy)
        return nullptr;
    return NewConverted<gif::win::Gif>([&](gif::win::Gif* gif) {
        return gif->ConvertFromImageSet(copy.get(), Bpp, KeepTransparency, BgRed, BgGreen, BgBlue);
    });
}

void EncodeSetting::LoadSection(const wchar_t* section)
{
    KeepTransparency = GetStore()->GetBool(section, L"KeepTransparency", true);
    WithInterlace = GetStore()->GetBool(section, L"WithInterlace", true);
    LoadBackground(section);
    Bpp = GetStore()->GetInt32(section, L"Bpp", kDefaultBpp);
}

void EncodeSetting::SaveSection(const wchar_t* section)
{
    GetStore()->SetBool(section, L"KeepTransparency", KeepTransparency);
    GetStore()->SetBool(section, L"WithInterlace", WithInterlace);
    SaveBackground(section);
    GetStore()->SetInt32(section, L"Bpp", Bpp);
}

gui::boxes::ConfigBoxBase* EncodeSetting::NewConfigBox()
{
    return gui::boxes::GifConfigBox::New();
}

} // namespace gif
} // namespace image
} // namespace s
