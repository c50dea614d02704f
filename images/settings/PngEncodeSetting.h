#pragma once
#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "images/settings/EncodeSettingBase.h"

namespace s {
namespace image {
namespace png {

// The PNG save choices: interlacing, transparency kept or filled with the background.
class EncodeSetting : public EncodeSettingBase {
public:
    static constexpr const wchar_t* kClassName = L"s_image_png_EncodeSetting";

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
    bool WithInterlace;

protected:
    const wchar_t* GetSubKey() override { return L"\\PngEncodeSetting"; }
    void LoadSection(const wchar_t* section) override;
    void SaveSection(const wchar_t* section) override;
    void ApplyPanel() override;
};

} // namespace png
} // namespace image
} // namespace s
