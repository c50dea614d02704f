#pragma once
#include <cstdint>

namespace s {
namespace image {

class IImageBuffer;

namespace filters {
namespace scale {
class IScaleFilter;
}
} // namespace filters

// Scales the source (its sourceWidth x sourceHeight top-left area) into the target through the
// kernel: a horizontal pass into a process-wide intermediate buffer, then a vertical pass into the
// target, whose capacity grows by the image growth rule and whose logical size becomes
// width x height; the target takes the source's has-alpha flag. Any thread may call it. False, and
// the target left empty (0 x 0), when a size is not positive or larger than the source, or the
// memory cannot be had; false and the target untouched for a missing argument or one image twice.
bool Resample(filters::scale::IScaleFilter* filter, int32_t sourceWidth, int32_t sourceHeight, IImageBuffer* source,
              int32_t width, int32_t height, IImageBuffer* target);

} // namespace image
} // namespace s
