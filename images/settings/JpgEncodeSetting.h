#pragma once
#include <cstdint>

#include "core/thread/PooledClass.h"
#include "images/settings/EncodeSettingBase.h"

namespace s {
namespace image {
namespace jpg {

// The JPEG save choices: quality, and the background that transparent pixels are filled with.
class EncodeSetting : public thread::PooledClass<EncodeSetting, EncodeSettingBase> {
public:
    static constexpr const wchar_t* kClassName = L"s_image_jpg_EncodeSetting";
    static constexpr int32_t kDefaultQuality = 75;

    EncodeSetting();
    void Reset() override;

    IEncodedImage* EncodeImage(IBufferedImage* image) override;

    int32_t Quality;

protected:
    const wchar_t* GetSubKey() override { return L"\\JpgEncodeSetting"; }
    void LoadSection(const wchar_t* section) override;
    void SaveSection(const wchar_t* section) override;
    gui::boxes::ConfigBoxBase* NewConfigBox() override;
};

} // namespace jpg
} // namespace image
} // namespace s
