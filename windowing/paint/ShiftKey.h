#pragma once

namespace s {
namespace image {

// Whether the left or the right Shift key is down at this moment.
bool IsShiftKeyDown();

} // namespace image
} // namespace s
