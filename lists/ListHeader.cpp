#include "lists/ListHeader.h"

namespace s {
namespace gui {
namespace win {

int32_t ListHeader::GetHeight()
{
    RECT bounds;
    if (!control_ || !::IsWindowVisible(control_) || !::GetWindowRect(control_, &bounds))
        return 0;
    return bounds.bottom - bounds.top;
}

void ListHeader::Redraw()
{
    if (control_)
        ::InvalidateRect(control_, nullptr, TRUE);
}

void ListHeader::Reset()
{
    order_.FreeAll();
    control_ = nullptr;
}

} // namespace win
} // namespace gui
} // namespace s
