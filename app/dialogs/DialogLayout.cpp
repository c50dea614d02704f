#include "app/dialogs/DialogLayout.h"

#include "windowing/box/Box.h"

namespace s {
namespace gui {
namespace dialogs {
namespace dialog_layout {

void AddTo(IComponent* parent, IComponent* child)
{
    if (parent && child)
        parent->AddChild(child);
}

win::Box* NewRowBox(int32_t alignment)
{
    return win::Box::Create(IBox::kRow, kFull, kFree, alignment, kCentre, 0, 0, 0, 0);
}

} // namespace dialog_layout
} // namespace dialogs
} // namespace gui
} // namespace s
