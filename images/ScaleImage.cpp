#include "images/ScaleImage.h"

#include "images/IImageBuffer.h"
#include "images/ImageCapacity.h"
#include "images/win/BitmapDc.h"

namespace s {
namespace image {

namespace {

// Fills the target with the source stretched to width x height. A plain GDI stretch of the two
// DIB sections (32 bits each, so the alpha bytes travel with the colours) until the library has
// its own resampler.
bool StretchInto(IImageBuffer* source, IImageBuffer* target, int32_t width, int32_t height)
{
    if (!source->HasBitmapHandle() || !target->HasBitmapHandle())
        return false;
    if (!FitImageSize(target, width, height, false))
        return false;
    win::BitmapDc from(source->GetBitmapHandle());
    win::BitmapDc to(target->GetBitmapHandle());
    if (!from.IsReady() || !to.IsReady())
        return false;
    SetStretchBltMode(to.GetSafeHdc(), COLORONCOLOR);
    if (!to.StretchBlt(0, 0, width, height, &from, 0, 0, source->GetWidth(), source->GetHeight(), SRCCOPY))
        return false;
    GdiFlush();
    target->SetHasAlpha(source->HasAlpha());
    return true;
}

} // namespace

IImageBuffer* ScaleImage(IImageBuffer* image, int32_t width, int32_t height, bool keepAspect)
{
    if (!image)
        return nullptr;
    const int32_t imageWidth = image->GetWidth();
    const int32_t imageHeight = image->GetHeight();
    if (imageWidth <= 0 || imageHeight <= 0 || width <= 0 || height <= 0)
        return nullptr;
    if (keepAspect) {
        const double ratioX = static_cast<double>(width) / imageWidth;
        const double ratioY = static_cast<double>(height) / imageHeight;
        if (ratioX != ratioY) {
            if (ratioY > ratioX)
                height = static_cast<int32_t>(imageHeight * ratioX);
            else
                width = static_cast<int32_t>(imageWidth * ratioY);
        }
        if (width <= 0 || height <= 0)
            return nullptr;
    }
    if (imageWidth == width && imageHeight == height)
        return image;
    IImageBuffer* copy = image->GetScaledCache();
    if (copy && copy->GetWidth() == width && copy->GetHeight() == height)
        return copy;
    if (!copy) {
        copy = image->NewImage(width, height);
        if (!copy)
            return nullptr;
        image->SetScaledCache(copy);
    }
    if (!StretchInto(image, copy, width, height)) {
        // A half-made copy must not be handed out later as if it held the picture.
        image->SetScaledCache(nullptr);
        return nullptr;
    }
    return copy;
}

} // namespace image
} // namespace s
