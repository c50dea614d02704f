#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace monitor {

namespace win {
class Monitor;
}

// The display monitors as Windows enumerated them on the first question of the process: the list
// is built once and never refreshed, so monitors connected later are not in it.
int32_t GetMonitorCount();

// The listed monitor nearest to the rectangle (owned by the list); null when Windows names a
// monitor the list does not hold, as one connected after it was built. Callers handle null.
win::Monitor* MonitorFromRect(int32_t x, int32_t y, int32_t width, int32_t height);

} // namespace monitor
} // namespace system
} // namespace s
