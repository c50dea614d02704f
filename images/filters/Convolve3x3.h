#pragma once
#include <cstdint>

namespace s {
namespace image {

namespace filters {
namespace convolution {
class Convolution;
}
} // namespace filters

// Filters the pixels in place, rows from the top, pixels from the left, each result written back
// at once (so the upper and left neighbours a pixel sees are already filtered). Missing neighbours
// at the edges are the edge pixels themselves; every channel, alpha too, is clamped to 0..255.
// A divisor of 0 counts as 1.
void Convolve3x3(const filters::convolution::Convolution* kernel, uint32_t* const* rows, int32_t width,
                 int32_t height);

} // namespace image
} // namespace s
