#include "images/codecs/EncodeSettingSource.h"

#include <atomic>

#include "images/codecs/IEncodeSetting.h"

namespace s {
namespace image {

namespace {

std::atomic<IEncodeSettingSource*> installedSource{nullptr};

} // namespace

IEncodeSettingSource* GetEncodeSettingSource()
{
    return installedSource.load();
}

void SetEncodeSettingSource(IEncodeSettingSource* source)
{
    installedSource.store(source);
}

IEncodedImage* EncodeWithSetting(IEncodeSetting* setting, IBufferedImage* image)
{
    if (!setting)
        return nullptr;
    IEncodedImage* made = setting->EncodeImage(image);
    GetEncodeSettingSource()->GiveBack(setting);
    return made;
}

IEncodedImage* EncodeSetWithSetting(IEncodeSetting* setting, win::BufferedImageSet* set)
{
    if (!setting)
        return nullptr;
    IEncodedImage* made = setting->FromImageSet(set);
    GetEncodeSettingSource()->GiveBack(setting);
    return made;
}

} // namespace image
} // namespace s
