#pragma once
#include <cstdint>

#include "core/thread/PooledClass.h"
#include "images/settings/EncodeSettingBase.h"

namespace s {
namespace image {
namespace png {

// The PNG save choices: interlacing, transparency kept or filled with the background.
class EncodeSetting : public thread::PooledClass<EncodeSetting, EncodeSettingBase> {
public:
    static constexpr const wchar_t* kClassName = L"s_image_png_EncodeSetting";

    EncodeSetting();
    void Reset() override;

    IEncodedImage* EncodeImage(IBufferedImage* image) override;

    bool KeepTransparency;
    bool WithInterlace;

protected:
    const wchar_t* GetSubKey() override { return L"\\PngEncodeSetting"; }
    void LoadSection(const wchar_t* section) override;
    void SaveSection(const wchar_t* section) override;
    gui::boxes::ConfigBoxBase* NewConfigBox() override;
};

} // namespace png
} // namespace image
} // namespace s
