// Files dragged from the shell onto the list: the drop target's callbacks come back as the
// list's own messages, so hover feedback and the drop are handled on the list's thread.
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "lists/ExplorerDropTarget.h"
#include "lists/ListBox2.h"
#include "lists/ListBox2Event.h"

using s::str::strbuffer::StrBuffer;

namespace s {
namespace gui {
namespace win {

void ListBox2::CreateDropTarget()
{
    if (dropTarget_ || !m_hWnd)
        return;
    dropTarget_ = ExplorerDropTarget::New();
    if (!dropTarget_)
        return;
    dropTarget_->SetListener(this);
    // Refused (no OLE on this thread): the list takes no OLE drops, as without the flag.
    if (!dropTarget_->Register(this))
        ReleaseDropTarget();
}

void ListBox2::ReleaseDropTarget()
{
    if (!dropTarget_)
        return;
    dropTarget_->Revoke();
    ExplorerDropTarget* target = dropTarget_;
    dropTarget_ = nullptr;
    target->ReleaseToPool();
    oleHover_ = false;
}

void ListBox2::OnDropTargetEvent(int32_t code)
{
    static const UINT messages[] = {msg::kListOleDragEntered, msg::kListOleDragOver, msg::kListOleDropped,
                                    msg::kListOleDragLeft};
    if (code >= ExplorerDropTarget::kEntered && code <= ExplorerDropTarget::kLeft && handle_)
        ::SendMessageW(handle_, messages[code - ExplorerDropTarget::kEntered], 0, 0);
}

// Without the cursor a hovering marker stays where it is; once the hover ends it goes anyway.
void ListBox2::TrackDropMarkerAtCursor()
{
    POINT cursor;
    if (::GetCursorPos(&cursor))
        ScreenToClient(&cursor);
    else if (oleHover_)
        return;
    else
        cursor.x = cursor.y = -32767;
    TrackDropMarker(cursor.x, cursor.y);
}

void ListBox2::HandleOleDragMessage(UINT message)
{
    switch (message) {
    case msg::kListOleDragEntered:
        if (!dropTarget_)
            return;
        oleHover_ = true;
        TrackDropMarkerAtCursor();
        SetTimer(msg::kListAutoScrollTimer, 50);
        return;
    case msg::kListOleDragOver:
        if (oleHover_)
            TrackDropMarkerAtCursor();
        return;
    case msg::kListOleDropped:
        KillTimer(msg::kListAutoScrollTimer);
        if (!dropTarget_)
            return;
        TrackDropMarkerAtCursor();
        if (droppedFiles_) {
            droppedFiles_->Clear();
            str::strarray::StrArray* paths = dropTarget_->GetDroppedPaths();
            for (uint32_t i = 0; paths && i < paths->GetCount(); ++i)
                droppedFiles_->AddText(paths->Get(i)->GetText());
        }
        Tell(ListBox2Event::OleFilesDropped);
        oleHover_ = false;
        TrackDropMarkerAtCursor();
        return;
    case msg::kListOleDragLeft:
        KillTimer(msg::kListAutoScrollTimer);
        oleHover_ = false;
        TrackDropMarkerAtCursor();
        return;
    default:
        return;
    }
}

} // namespace win
} // namespace gui
} // namespace s
