#pragma once
#include <cstdint>

namespace s {
namespace image {
namespace ico {
namespace win {
class IconImage;
}
} // namespace ico
namespace win {
class BufferedImage;
}
} // namespace image

// The icon archive of the storage layer knows its entries' bytes; what they decode to is this
// layer's: these two belong to the archive and live here.
namespace archive {
namespace icon {

class Archive;

// The entry at index decoded into an image from its pool, which the caller owns; null past the
// count or when its bytes cannot be read or decoded.
image::ico::win::IconImage* GetIconImage(Archive* archive, uint32_t index);
// The same rendered into a new pooled image, which the caller owns.
image::win::BufferedImage* DecodeImage(Archive* archive, uint32_t index);

} // namespace icon
} // namespace archive
} // namespace s
