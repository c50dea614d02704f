#include "images/codecs/ico/win/IconArchiveImages.h"

#include "images/codecs/ico/win/IconImage.h"
#include "images/win/BufferedImage.h"
#include "storage/archive/icon/Archive.h"
#include "storage/archive/icon/Entry.h"
#include "storage/file/Pooled.h"

namespace s {
namespace archive {
namespace icon {

image::ico::win::IconImage* GetIconImage(Archive* archive, uint32_t index)
{
    Entry* entry = archive ? archive->LoadEntry(index) : nullptr;
    if (!entry)
        return nullptr;
    image::ico::win::IconImage* image = image::ico::win::IconImage::New();
    col::_array::ArrayU08* bytes = entry->Bytes();
    bytes->SeekToStart();
    const bool decoded = image && image->Decode(bytes);
    bytes->SeekToStart();
    if (!decoded) {
        if (image)
            image->ReleaseToPool();
        return nullptr;
    }
    return image;
}

image::win::BufferedImage* DecodeImage(Archive* archive, uint32_t index)
{
    file::Pooled<image::ico::win::IconImage> image(GetIconImage(archive, index));
    if (!image)
        return nullptr;
    return dynamic_cast<image::win::BufferedImage*>(image->ToBufferedImage(0, nullptr));
}

} // namespace icon
} // namespace archive
} // namespace s
