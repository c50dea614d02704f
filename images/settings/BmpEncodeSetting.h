#pragma once
#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "images/settings/EncodeSettingBase.h"

namespace s {
namespace image {
namespace bmp {

// The BMP save choices: depth 4, 8, 24 or 32 bits, transparency kept or filled with the background.
class EncodeSetting : public EncodeSettingBase {
public:
    static constexpr const wchar_t* kClassName = L"s_image_bmp_EncodeSetting";
    static constexpr int32_t kDefaultBpp = 24;

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

    bool KeepTransparency;
    int32_t Bpp;

protected:
    const wchar_t* GetSubKey() override { return L"\\BmpEncodeSetting"; }
    void LoadSection(const wchar_t* section) override;
    void SaveSection(const wchar_t* section) override;
    void ApplyPanel() override;
};

} // namespace bmp
} // namespace image
} // namespace s
