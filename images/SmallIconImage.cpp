#include "images/SmallIconImage.h"

#include "core/str/StrBuffer.h"
#include "images/IBufferedImage.h"
#include "images/codecs/IEncodedImage.h"
#include "images/codecs/LoadEncodedImage.h"
#include "images/codecs/ico/win/IconArchiveImages.h"
#include "images/win/BufferedImage.h"
#include "storage/archive/icon/Archive.h"
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
const int32_t kSmallSide = 16;
const int32_t kSmallDepth = 32;

// The best small image of the module's index-th icon group.
win::BufferedImage* LoadModuleIcon(const wchar_t* module, int64_t index)
{
    if (index < 0 || index > 0xFFFFFFFF)
        return nullptr;
    file::Pooled<file::win::PathWin> path(file::win::PathWin::CreateFromText(module));
    if (!path || !path->IsSet() || !path->Exists() || !path->IsFile())
        return nullptr;
    file::Pooled<archive::icon::Archive> icons;
    uint32_t best = 0;
    if (!icons || !icons->LoadFromModuleFile(module, static_cast<uint32_t>(index)) ||
        !icons->FindBestImage(kSmallSide, kSmallSide, kSmallDepth, &best))
        return nullptr;
    return archive::icon::DecodeImage(icons.get(), best);
}

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
    if (SplitModuleIconLocation(location, module.get(), &index))
        return module ? LoadModuleIcon(module->GetText(), index) : nullptr;
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
    if (codec->GetImageCount() > 0 && codec->GetWidth() > 0 &&
        codec->FindNearestSizeImage(kSmallSide, kSmallSide, kSmallDepth, &entry))
        image = dynamic_cast<win::BufferedImage*>(codec->ToBufferedImage(entry, nullptr));
    if (auto* poolable = dynamic_cast<thread::IPoolable*>(codec))
        poolable->ReleaseToPool();
    return image;
}

} // namespace image
} // namespace s
