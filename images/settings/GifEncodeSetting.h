#pragma once
#include <cstdint>

#include "core/thread/PooledClass.h"
#include "images/settings/EncodeSettingBase.h"

namespace s {
namespace image {
namespace gif {

// The GIF save choices: depth 1 to 8 bits, transparency kept or filled with the background.
class EncodeSetting : public thread::PooledClass<EncodeSetting, EncodeSettingBase> {
public:
    static constexpr const wchar_t* kClassName = L"s_image_gif_EncodeSetting";
    static constexpr int32_t kDefaultBpp = 8;

    EncodeSetting();
    void Reset() override;

    // An animated set of several images as its frames; any other set as its primary image.
    IEncodedImage* FromImageSet(image::win::BufferedImageSet* set) override;
    IEncodedImage* EncodeImage(IBufferedImage* image) override;

    bool KeepTransparency;
    // Not used by the GIF codec, which writes no interlaced frames; still loaded and saved.
    bool WithInterlace;
    int32_t Bpp;

protected:
    const wchar_t* GetSubKey() override { return L"\\GifEncodeSetting"; }
    void LoadSection(const wchar_t* section) override;
    void SaveSection(const wchar_t* section) override;
    gui::boxes::ConfigBoxBase* NewConfigBox() override;
};

} // namespace gif
} // namespace image
} // namespace s
