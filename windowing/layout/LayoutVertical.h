#pragma once
#include <cstdint>

namespace s {
namespace gui {

class IComponent;

namespace layout {

// The column: children top to bottom at the column's width, extra height shared by how much
// each may still grow, the whole column aligned vertically and each child horizontally. Writes
// the size results that are asked for: the widest minimum width, the natural height, the widest
// maximum width and the sum of the maximum heights.
void LayoutVertical(IComponent* container, int32_t hAlign, int32_t vAlign, int32_t vGap, int32_t* minWidth = nullptr,
                    int32_t* naturalHeight = nullptr, int32_t* maxWidth = nullptr, int32_t* maxHeight = nullptr);

} // namespace layout
} // namespace gui
} // namespace s
