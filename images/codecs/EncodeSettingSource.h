#pragma once
#include <cstdint>

namespace s {
namespace image {
class IBufferedImage;
class IEncodedImage;
class IEncodeSetting;
namespace win {
class BufferedImageSet;
}

// Where the codecs take the encoder setting of their format from: the settings layer, above the
// codecs, installs itself as the source. Each operation hands out a setting with its reset
// values and the given fields set; null when none can be had.
class IEncodeSettingSource {
public:
    virtual ~IEncodeSettingSource() {}
    virtual IEncodeSetting* TakeBmpSetting(bool keepTransparency, int32_t bitsPerPixel) = 0;
    virtual IEncodeSetting* TakeGifSetting(bool keepTransparency, int32_t bitsPerPixel) = 0;
    virtual IEncodeSetting* TakeJpgSetting(int32_t quality) = 0;
    virtual IEncodeSetting* TakePngSetting(bool keepTransparency, bool withInterlace) = 0;
    virtual IEncodeSetting* TakeIcoSetting(bool keepTransparency, bool keepRatio, const int32_t* entryFormats,
                                           int32_t count) = 0;
    virtual void GiveBack(IEncodeSetting* setting) = 0;
};

// Null until the settings layer has installed itself.
IEncodeSettingSource* GetEncodeSettingSource();
void SetEncodeSettingSource(IEncodeSettingSource* source);

// Encodes with the setting and gives the setting back; null for a null setting.
IEncodedImage* EncodeWithSetting(IEncodeSetting* setting, IBufferedImage* image);
IEncodedImage* EncodeSetWithSetting(IEncodeSetting* setting, win::BufferedImageSet* set);

} // namespace image
} // namespace s
