#pragma once
#include <cstdint>

namespace s {
namespace gui {

class IComponent;
namespace win {
class Box;
}

namespace dialogs {
namespace dialog_layout {

// Box sizes: the whole of the parent's side, or what the content needs.
const int32_t kFull = 100;
const int32_t kFree = -1;
// Alignments of a box's children.
const int32_t kLeft = 0;
const int32_t kTop = 0;
const int32_t kCentre = 1;
const int32_t kRight = 2;

// A child that could not be made is left out, so a dialog short of memory shows less rather
// than failing.
void AddTo(IComponent* parent, IComponent* child);
// A row across the parent, as high as its content, the children centred in height.
win::Box* NewRowBox(int32_t alignment);

} // namespace dialog_layout
} // namespace dialogs
} // namespace gui
} // namespace s
