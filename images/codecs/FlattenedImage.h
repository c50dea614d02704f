#pragma once
#include <cstdint>

namespace s {
namespace image {
class IImageBuffer;
namespace win {
class BufferedImage;
}

// A new pooled opaque copy of the source drawn over the background colour with its alpha (a
// source without the alpha flag counts as opaque); null when the pixels cannot be made.
win::BufferedImage* NewFlattenedImage(IImageBuffer* source, int32_t red, int32_t green, int32_t blue);

} // namespace image
} // namespace s
