#pragma once
#include <cstdint>

namespace s {
namespace image {

class IImageBuffer;

// The image itself when it already has the size, else its scaled copy (owned by the image): a copy
// of exactly that size is handed out again without resampling, one of another size is refilled.
// With keepAspect the smaller of the two ratios wins. Null for an empty image or a size (after
// keeping the aspect) that is not positive.
IImageBuffer* ScaleImage(IImageBuffer* image, int32_t width, int32_t height, bool keepAspect);

} // namespace image
} // namespace s
