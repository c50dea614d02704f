#pragma once
#include <cstdint>

namespace s {
namespace image {

class IImageBuffer;

// The capacity growth rule of images, the one place every image fitted to a wanted size follows:
// each side starts from its capacity (from the wanted side when the capacity is 0) and grows by
// 1.2 in single precision until it covers the wanted side, so that a size creeping up does not
// re-create the pixels each time.
int32_t GrowImageSide(int32_t capacity, int32_t wanted);

// Fits the image to width x height by that rule: the logical size becomes the wanted size, the
// capacity grows when it does not cover it. Without keepPixels the logical size is set to 0 x 0
// first, so that growing copies nothing. False when a side is not positive (the image then has
// the logical size 0 x 0) or the pixels cannot be made (the image keeps what it had).
bool FitImageSize(IImageBuffer* image, int32_t width, int32_t height, bool keepPixels);

} // namespace image
} // namespace s
