#pragma once
#include <cstdint>

namespace s {
namespace image {

class IImageBuffer;

// Draws the source into the target at (x, y) from (sourceX, sourceY), clipped to both images;
// with scaleFirst the source is first scaled to width x height (its cached scaled copy). An
// opaque source is copied row by row, alpha bytes included; a source with alpha is blended over
// the target. Source and target must be different images.
void DrawImageOver(IImageBuffer* target, int32_t x, int32_t y, int32_t width, int32_t height, IImageBuffer* source,
                   int32_t sourceX, int32_t sourceY, bool scaleFirst);

// Every pixel's alpha becomes 255 and the has-alpha flag false.
void MakeOpaque(IImageBuffer* image);

} // namespace image
} // namespace s
