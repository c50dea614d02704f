// The list's scroll paths: the owner-drawn bars of its container when it has them, else the
// list-view's own scrolling.
#include "lists/IScrollBar.h"
#include "lists/IScrollInfo.h"
#include "lists/ListBox2.h"

namespace s {
namespace gui {
namespace win {

void ListBox2::SetScrollBars(IScrollBar* vertical, IScrollBar* horizontal)
{
    verticalBar_ = vertical;
    horizontalBar_ = horizontal;
}

void ListBox2::UpdateScrollBars()
{
    if (!verticalBar_ || !horizontalBar_)
        return;
    const bool verticalShown = verticalBar_->IsShown();
    const bool horizontalShown = horizontalBar_->IsShown();
    RecomputeScrollInfos();
    if (!handle_ || (verticalShown == verticalBar_->IsShown() && horizontalShown == horizontalBar_->IsShown()))
        return;
    // A bar came or went: its row and column give it room or take it back.
    for (IScrollBar* bar : {verticalBar_, horizontalBar_}) {
        if (IComponent* parent = bar->GetParent())
            parent->RequestLayout();
    }
}

void ListBox2::RecomputeScrollInfos()
{
    for (IScrollBar* bar : {verticalBar_, horizontalBar_}) {
        if (bar)
            bar->GetScrollInfo()->Recompute(this);
    }
}

void ListBox2::ScrollRows(int32_t pixels)
{
    SendMessage(LVM_SCROLL, 0, pixels);
}

void ListBox2::ScrollByWheel(int32_t pixels)
{
    if (!verticalBar_ && !horizontalBar_) {
        ScrollRows(pixels);
        return;
    }
    if (verticalBar_ && verticalBar_->IsShown())
        verticalBar_->ScrollBy(pixels);
    else if (horizontalBar_ && horizontalBar_->IsShown())
        horizontalBar_->ScrollBy(pixels);
}

// Reached by the auto-scroll timer of a row drag and of an OLE drag hovering over the list.
void ListBox2::AutoScrollStep(bool up, int32_t rowHeight)
{
    if (!verticalBar_) {
        ScrollRows(up ? -rowHeight : rowHeight);
        return;
    }
    // One row either way: the scroll information rounds the position down to whole rows.
    if (verticalBar_->IsShown())
        verticalBar_->ScrollBy(up ? -1 : rowHeight + 1);
}

} // namespace win
} // namespace gui
} // namespace s
