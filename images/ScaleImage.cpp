#include "images/ScaleImage.h"

#include "images/IImageBuffer.h"
#include "images/filters/Resample.h"
#include "images/filters/scale/BilinearFilter.h"

namespace s {
namespace image {

namespace {

// The one kernel of every scaled picture, shared by all threads (it holds only its support).
filters::scale::BilinearFilter& SharedFilter()
{
    static filters::scale::BilinearFilter filter;
    return filter;
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
    if (!Resample(&SharedFilter(), imageWidth, imageHeight, image, width, height, copy)) {
        // A half-made copy must not be handed out later as if it held the picture.
        image->SetScaledCache(nullptr);
        return nullptr;
    }
    return copy;
}

} // namespace image
} // namespace s
