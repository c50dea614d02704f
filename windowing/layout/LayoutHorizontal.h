#pragma once
#include <cstdint>

namespace s {
namespace gui {

class IComponent;

namespace layout {

// The row, the column's mirror: children left to right, the free width shared by how much each
// may still grow, every child as high as the row and aligned in it. Writes the size results
// that are asked for: the sum of the minimum widths, the tallest minimum height, the sum of the
// maximum widths and the tallest maximum height.
void LayoutHorizontal(IComponent* container, int32_t hAlign, int32_t vAlign, int32_t hGap, int32_t* minWidth = nullptr,
                      int32_t* minHeight = nullptr, int32_t* maxWidth = nullptr, int32_t* maxHeight = nullptr);

} // namespace layout
} // namespace gui
} // namespace s
