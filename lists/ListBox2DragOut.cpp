// Rows dragged out to the shell as files: the start of the drag, and its course coming back
// from the drag source as the list's own messages on the list's thread.
#include <commctrl.h>

#include "lists/ListBox2.h"
#include "lists/ListBox2Event.h"

namespace s {
namespace gui {
namespace win {

void ListBox2::StartDragOut()
{
    // The listeners put the entries of this drag into the emptied lists.
    dropSource_.ClearEntries();
    Tell(ListBox2Event::DragOutStarted);
    if (!dropSource_.IsDragging() && dropSource_.LinkListener(this))
        dropSource_.StartDrag();
    // Without its end message (a source busy elsewhere, or the window gone meanwhile) the drag
    // image would stay on the desktop.
    if (dragging_)
        EndDrag();
}

void ListBox2::OnDropSourceEvent(int32_t code)
{
    static const UINT messages[] = {msg::kListDragOutMoved, msg::kListDragOutDropped,
                                    msg::kListDragOutTransferStarted, msg::kListDragOutEnded};
    if (code >= ExplorerDropSource::kDragging && code <= ExplorerDropSource::kEnded && handle_)
        ::SendMessageW(handle_, messages[code - ExplorerDropSource::kDragging], 0, 0);
}

void ListBox2::HandleDragOutMessage(UINT message)
{
    switch (message) {
    case msg::kListDragOutMoved: {
        POINT cursor;
        if (dragImage_ && ::GetCursorPos(&cursor))
            ::ImageList_DragMove(cursor.x, cursor.y);
        return;
    }
    case msg::kListDragOutDropped:
        if (dragImage_) {
            ::ImageList_DragLeave(::GetDesktopWindow());
            ::ImageList_EndDrag();
        }
        return;
    case msg::kListDragOutTransferStarted:
        Tell(ListBox2Event::DragOutTransferStarted);
        return;
    case msg::kListDragOutEnded:
        EndDrag();
        Tell(ListBox2Event::DragOutEnded);
        return;
    default:
        return;
    }
}

} // namespace win
} // namespace gui
} // namespace s
