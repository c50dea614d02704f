#include "images/ImageCapacity.h"

#include "images/IImageBuffer.h"

namespace s {
namespace image {

namespace {

const float kGrowthFactor = 1.2f;
// The first float beyond every 32-bit side: converting it back would not fit.
const float kBeyondSides = 2147483648.0f;

} // namespace

int32_t GrowImageSide(int32_t capacity, int32_t wanted)
{
    if (capacity >= wanted)
        return capacity;
    float side = static_cast<float>(capacity > 0 ? capacity : wanted);
    while (side < static_cast<float>(wanted))
        side *= kGrowthFactor;
    if (side >= kBeyondSides)
        return wanted;
    return static_cast<int32_t>(side);
}

bool FitImageSize(IImageBuffer* image, int32_t width, int32_t height, bool keepPixels)
{
    if (!image)
        return false;
    if (width <= 0 || height <= 0) {
        image->SetSize(0, 0);
        return false;
    }
    if (!keepPixels)
        image->SetSize(0, 0);
    const int32_t capacityWidth = image->GetCapacityWidth();
    const int32_t capacityHeight = image->GetCapacityHeight();
    if (capacityWidth < width || capacityHeight < height) {
        if (!image->Reserve(GrowImageSide(capacityWidth, width), GrowImageSide(capacityHeight, height)))
            return false;
    }
    return image->SetSize(width, height);
}

} // namespace image
} // namespace s
