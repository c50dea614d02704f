#pragma once
#include <cstdint>

namespace s {
namespace image {
namespace win {
class BufferedImage;
}
} // namespace image
namespace gui {
namespace win {

// Fits a kept back buffer to a width x height client area: made when there is none, replaced by
// an exact one when the area uses less than 70 % of it, kept while it covers the area, else
// grown by the images' growth rule. The buffer may stay larger than the area; painters use its
// top-left part. False when the area is empty (the buffer is kept) or no image can be had (none is left).
bool FitBackBuffer(image::win::BufferedImage** buffer, int32_t width, int32_t height);

} // namespace win
} // namespace gui
} // namespace s
