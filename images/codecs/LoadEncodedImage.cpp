#include "images/codecs/LoadEncodedImage.h"

#include "images/bmp/win/Bitmap.h"
#include "images/codecs/DetectImageType.h"
#include "images/codecs/gif/win/Gif.h"
#include "images/codecs/ico/win/Icon.h"
#include "images/codecs/jpg/win/Jpeg.h"
#include "images/codecs/png/win/Png.h"
#include "storage/file/IPath.h"

namespace s {
namespace image {

namespace {

IEncodedImage* NewCodecFor(ImageKind kind)
{
    if (kind == kKindJpg)
        return jpg::win::Jpeg::New();
    if (kind == kKindPng)
        return png::win::Png::New();
    if (kind == kKindBmp)
        return bmp::win::Bitmap::New();
    if (kind == kKindGif)
        return gif::win::Gif::New();
    if (kind == kKindIco)
        return ico::win::Icon::New();
    // TIFF files have no codec.
    return nullptr;
}

} // namespace

IEncodedImage* LoadEncodedImage(file::IPath* file)
{
    ImageKind kind = nullptr;
    if (!file || !DetectImageType(file->GetText(), &kind))
        return nullptr;
    IEncodedImage* image = NewCodecFor(kind);
    if (!image)
        return nullptr;
    image->LoadFromFile(file);
    return image;
}

} // namespace image
} // namespace s
