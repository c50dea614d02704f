#pragma once
#include <cstdint>

namespace s {
namespace gui {

class IComponent;

namespace layout {

// The pile: every shown child in the same area, as wide as the widest minimum or the client,
// grown towards the client height and aligned in it; hidden children take no part. Writes the
// size results that are asked for: the widest minimum width, the tallest minimum height, the
// widest maximum width and the tallest maximum height. The gap is not used.
void LayoutPile(IComponent* container, int32_t hAlign, int32_t vAlign, int32_t gap, int32_t* minWidth = nullptr,
                int32_t* minHeight = nullptr, int32_t* maxWidth = nullptr, int32_t* maxHeight = nullptr);

} // namespace layout
} // namespace gui
} // namespace s
