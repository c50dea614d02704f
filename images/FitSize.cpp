#include "images/FitSize.h"

#include <cmath>
#include <cstdint>

#include "images/IImage.h"

namespace s {
namespace image {

namespace {

// Rounded half away from zero, kept inside the 32-bit sides.
int32_t RoundSide(float value)
{
    const float rounded = std::round(value);
    if (!(rounded < 2147483647.0f))
        return INT32_MAX;
    if (rounded < -2147483647.0f)
        return -INT32_MAX;
    return static_cast<int32_t>(rounded);
}

} // namespace

void FitSizeKeepingAspect(IImage* image, int32_t* width, int32_t* height)
{
    if (!image || !width || !height)
        return;
    const int32_t imageWidth = image->GetWidth();
    const int32_t imageHeight = image->GetHeight();
    // No proportions to keep: dividing by an empty side would give nothing sensible.
    if (imageWidth <= 0 || imageHeight <= 0)
        return;
    const float imageRatio = static_cast<float>(imageWidth) / static_cast<float>(imageHeight);
    const float boxRatio = static_cast<float>(*width) / static_cast<float>(*height);
    if (imageRatio > boxRatio)
        *height = RoundSide(static_cast<float>(int64_t(*width) * imageHeight) / static_cast<float>(imageWidth));
    else
        *width = RoundSide(static_cast<float>(int64_t(*height) * imageWidth) / static_cast<float>(imageHeight));
}

} // namespace image
} // namespace s
