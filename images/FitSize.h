#pragma once
#include <cstdint>

namespace s {
namespace image {

class IImage;

// Shrinks one side of the box so that it has the image's proportions: the largest such box inside
// the given one. An empty image (or a missing side) leaves the box as given.
void FitSizeKeepingAspect(IImage* image, int32_t* width, int32_t* height);

} // namespace image
} // namespace s
