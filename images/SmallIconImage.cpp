#include "images/SmallIconImage.h"

#include "core/str/StrBuffer.h"
#include "images/IBufferedImage.h"
#include "images/codecs/IEncodedImage.h"
#include "images/codecs/LoadEncodedImage.h"
#include "images/win/BufferedImage.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"

namespace s {
namespace image {

namespace {

using str::strbuffer::StrBuffer;

const wchar_t* const kModuleMarks[] = {L".dll,", L".exe,"};
// The extension's length: the module path ends with it, the comma follows.
const uint32_t kExtensionLength = 4;
const uint32_t kFromTheEnd = 0xFFFFFF;

} // namespace

bool SplitModuleIconLocation(const wchar_t* location, StrBuffer* modulePath, int64_t* index)
{
    if (!location)
        return false;
    file::Pooled<StrBuffer> text;
    if (!text)
        return false;
    text->Assign(location);
    for (const wchar_t* mark : kModuleMarks) {
        uint32_t at = 0;
        if (!text->LastIndexOfIgnoreCase(mark, &at, kFromTheEnd))
            continue;
        file::Pooled<StrBuffer> number(text->Substring(at + kExtensionLength + 1, StrBuffer::kWhole));
        if (modulePath) {
            file::Pooled<StrBuffer> module(text->Substring(0, at + kExtensionLength));
            modulePath->Assign(module ? module->GetText() : L"");
        }
        if (index)
            *index = number ? number->ToInt64() : 0;
        return true;
    }
    return false;
}

win::BufferedImage* LoadSmallIconImage(const wchar_t* location)
{
    file::Pooled<StrBuffer> module;
    int64_t index = 0;
    if (SplitModuleIconLocation(location, module.get(), &index)) {
        // The icon group of a module is read with the icon archive, which the library lacks yet.
        return nullptr;
    }
    if (!location)
        return nullptr;
    file::Pooled<file::win::PathWin> path(file::win::PathWin::CreateFromText(location));
    if (!path)
        return nullptr;
    IEncodedImage* codec = LoadEncodedImage(path.get());
    if (!codec)
        return nullptr;
    win::BufferedImage* image = nullptr;
    int32_t entry = 0;
    // A codec that decoded nothing, or has no fitting picture, is nothing loaded.
    if (codec->GetImageCount() > 0 && codec->GetWidth() > 0 && codec->FindNearestSizeImage(16, 16, 32, &entry))
        image = dynamic_cast<win::BufferedImage*>(codec->ToBufferedImage(entry, nullptr));
    if (auto* poolable = dynamic_cast<thread::IPoolable*>(codec))
        poolable->ReleaseToPool();
    return image;
}

} // namespace image
} // namespace s
