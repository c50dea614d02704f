#pragma once
#include <cstdint>

namespace s {
namespace gui {

class IComponent;

namespace layout {

// The flow: children left to right in lines that wrap at the container's width, extra height
// shared among the lines, each line aligned horizontally and the whole vertically. Writes the
// size results that are asked for: the widest minimum width, the natural height, the width
// that would hold every child on one line, and the sum of the lines' maximum heights.
void LayoutFlow(IComponent* container, int32_t hAlign, int32_t vAlign, int32_t hGap, int32_t vGap,
                int32_t* minWidth = nullptr, int32_t* naturalHeight = nullptr, int32_t* preferredWidth = nullptr,
                int32_t* maxHeight = nullptr);

} // namespace layout
} // namespace gui
} // namespace s
