#pragma once
#include <cstdint>

#include "core/thread/PooledClass.h"
#include "images/settings/EncodeSettingBase.h"

namespace s {
namespace image {
namespace bmp {

// The BMP save choices: depth 4, 8, 24 or 32 bits, transparency kept or filled with the background.
class EncodeSetting : public thread::PooledClass<EncodeSetting, EncodeSettingBase> {
public:
    static constexpr const wchar_t* kClassName = L"s_image_bmp_EncodeSetting";
    static constexpr int32_t kDefaultBpp = 24;

    EncodeSetting();
    void Reset() override;

    IEncodedImage* EncodeImage(IBufferedImage* image) override;

    bool KeepTransparency;
    int32_t Bpp;

protected:
    const wchar_t* GetSubKey() override { return L"\\BmpEncodeSetting"; }
    void LoadSection(const wchar_t* section) override;
    void SaveSection(const wchar_t* section) override;
    gui::boxes::ConfigBoxBase* NewConfigBox() override;
};

} // namespace bmp
} // namespace image
} // namespace s
