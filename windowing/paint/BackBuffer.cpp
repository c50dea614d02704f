#include "windowing/paint/BackBuffer.h"

#include "images/ImageCapacity.h"
#include "images/win/BufferedImage.h"

namespace s {
namespace gui {
namespace win {

namespace {

// A buffer using less than this share of its area is replaced by an exact one.
const double kKeepAreaShare = 0.7;

double AreaOf(int32_t width, int32_t height)
{
    return static_cast<double>(width) * static_cast<double>(height);
}

void Release(image::win::BufferedImage** buffer)
{
    if (*buffer)
        (*buffer)->ReleaseToPool();
    *buffer = nullptr;
}

} // namespace

bool FitBackBuffer(image::win::BufferedImage** buffer, int32_t width, int32_t height)
{
    if (!buffer)
        return false;
    if (width <= 0 || height <= 0)
        return false;
    if (*buffer) {
        const int32_t keptWidth = (*buffer)->GetWidth();
        const int32_t keptHeight = (*buffer)->GetHeight();
        if (AreaOf(width, height) < kKeepAreaShare * AreaOf(keptWidth, keptHeight))
            Release(buffer);
        else if (keptWidth >= width && keptHeight >= height)
            return true;
        else if ((*buffer)->Create(image::GrowImageSide(keptWidth, width), image::GrowImageSide(keptHeight, height)))
            return true;
        else
            Release(buffer);
    }
    *buffer = image::win::BufferedImage::New();
    if (*buffer && (*buffer)->Create(width, height))
        return true;
    Release(buffer);
    return false;
}

} // namespace win
} // namespace gui
} // namespace s
