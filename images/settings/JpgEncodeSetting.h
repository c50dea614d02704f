#pragma once
#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "images/settings/EncodeSettingBase.h"

namespace s {
namespace image {
namespace jpg {

// The JPEG save choices: quality, and the background that transparent pixels are filled with.
class EncodeSetting : public EncodeSettingBase {
public:
    static constexpr const wchar_t* kClassName = L"s_image_jpg_EncodeSetting";
    static constexpr int32_t kDefaultQuality = 75;

    EncodeSetting();
    ~EncodeSetting() override;

    static thread::EasyPooler* GetPool();
    static EncodeSetting* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    IEncodedImage* EncodeImage(IBufferedImage* image) override;
    gui::IEncodeSettingBox* CreateConfigBox() override;

    int32_t Quality;

protected:
    const wchar_t* GetSubKey() override { return L"\\JpgEncodeSetting"; }
    void LoadSection(const wchar_t* section) override;
    void SaveSection(const wchar_t* section) override;
    void ApplyPanel() override;
};

} // namespace jpg
} // namespace image
} // namespace s
