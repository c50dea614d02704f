#include "images/settings/InstallEncodeSettings.h"

#include "images/codecs/EncodeSettingSource.h"
#include "images/settings/BmpEncodeSetting.h"
#include "images/settings/GifEncodeSetting.h"
#include "images/settings/IcoEncodeSetting.h"
#include "images/settings/JpgEncodeSetting.h"
#include "images/settings/PngEncodeSetting.h"

namespace s {
namespace image {
namespace settings {

namespace {

// The BMP and GIF settings take the same two choices.
template <class Setting>
IEncodeSetting* TakeWithDepth(bool keepTransparency, int32_t bitsPerPixel)
{
    Setting* setting = Setting::New();
    if (setting) {
        setting->KeepTransparency = keepTransparency;
        setting->Bpp = bitsPerPixel;
    }
    return setting;
}

class PooledSettings : public IEncodeSettingSource {
public:
    IEncodeSetting* TakeBmpSetting(bool keepTransparency, int32_t bitsPerPixel) override
    {
        return TakeWithDepth<bmp::EncodeSetting>(keepTransparency, bitsPerPixel);
    }

    IEncodeSetting* TakeGifSetting(bool keepTransparency, int32_t bitsPerPixel) override
    {
        return TakeWithDepth<gif::EncodeSetting>(keepTransparency, bitsPerPixel);
    }

    IEncodeSetting* TakeJpgSetting(int32_t quality) override
    {
        jpg::EncodeSetting* setting = jpg::EncodeSetting::New();
        if (setting)
            setting->Quality = quality;
        return setting;
    }

    IEncodeSetting* TakePngSetting(bool keepTransparency, bool withInterlace) override
    {
        png::EncodeSetting* setting = png::EncodeSetting::New();
        if (setting) {
            setting->KeepTransparency = keepTransparency;
            setting->WithInterlace = withInterlace;
        }
        return setting;
    }

    IEncodeSetting* TakeIcoSetting(bool keepTransparency, bool keepRatio, const int32_t* entryFormats,
                                   int32_t count) override
    {
        ico::EncodeSetting* setting = ico::EncodeSetting::New();
        if (!setting)
            return nullptr;
        setting->KeepTransparency = keepTransparency;
        setting->KeepRatio = keepRatio;
        for (int32_t i = 0; i < count; ++i)
            setting->EntryFormats.Append(entryFormats[i]);
        return setting;
    }

    void GiveBack(IEncodeSetting* setting) override
    {
        if (auto* pooled = dynamic_cast<thread::IPoolable*>(setting))
            pooled->ReleaseToPool();
    }
};

} // namespace

void InstallEncodeSettings()
{
    static PooledSettings settings;
    SetEncodeSettingSource(&settings);
}

} // namespace settings
} // namespace image
} // namespace s
