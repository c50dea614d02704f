// The list's window procedure: its private messages, the reflected notifications turned into
// selection bookkeeping and events, its own mouse behaviour, custom draw and colours.
#include <shellapi.h>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "lists/AsyncKeys.h"
#include "lists/ListBox2.h"
#include "lists/ListBox2Event.h"
#include "lists/listbox2/DataType.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"
#include "skins/ISkin.h"
#include "skins/drawer/IListBox.h"
#include "windowing/DropFileList.h"
#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"
#include "windowing/menu/IPopupMenu.h"

using s::gui::listbox2::DataType;
using s::gui::listbox2::Record;
using s::gui::listbox2::SubRecord;
using s::str::strbuffer::StrBuffer;

namespace s {
namespace gui {
namespace win {

namespace {

bool IsPrivateMessage(UINT message)
{
    return (message >= msg::kListRemoveRow && message <= msg::kListNextRow) ||
           (message >= msg::kListPreviousRow && message <= msg::kListMoveSelectionOut) ||
           (message >= msg::kListEnsureVisible && message <= msg::kListCollapseAll);
}

// Signed: a captured mouse reports points left of and above the window.
int32_t XOf(LPARAM lParam)
{
    return static_cast<int16_t>(LOWORD(lParam));
}

int32_t YOf(LPARAM lParam)
{
    return static_cast<int16_t>(HIWORD(lParam));
}

POINT PointOf(LPARAM lParam)
{
    return POINT{XOf(lParam), YOf(lParam)};
}

POINT CursorOr(LONG fallback)
{
    POINT cursor;
    if (!::GetCursorPos(&cursor))
        cursor.x = cursor.y = fallback;
    return cursor;
}

} // namespace

LRESULT ListBox2::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return RunWindowProc(message, wParam, lParam);
}

LRESULT ListBox2::RunWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!WindowProc(message, wParam, lParam, &result))
        result = CListCtrl::WindowProc(message, wParam, lParam);
    PostMessageHook(message, wParam, lParam);
    return result;
}

bool ListBox2::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    if (IsPrivateMessage(message))
        return HandlePrivateMessage(message, wParam, lParam);
    switch (message) {
    case LVM_SETITEMSTATE:
        return dragging_ && dragOut_;
    case msg::kDestroyOwnWindow:
        ReleaseDropTarget();
        CListCtrl::DestroyWindow();
        return true;
    case msg::kListDragOutMoved:
    case msg::kListDragOutDropped:
    case msg::kListDragOutTransferStarted:
    case msg::kListDragOutEnded:
        HandleDragOutMessage(message);
        return true;
    case msg::kListOleDragEntered:
    case msg::kListOleDragOver:
    case msg::kListOleDropped:
    case msg::kListOleDragLeft:
        HandleOleDragMessage(message);
        return true;
    case msg::kSkinChanged: {
        drawer::ISkin* skin = skinLink_.GetCurrentSkin();
        if (!ownsSkinDrawer_)
            SetDrawer(skin ? skin->GetListBoxDrawer() : nullptr, false);
        return true;
    }
    case WM_DESTROY:
        // Also when the parent goes first: no registration may outlive the window.
        ReleaseDropTarget();
        handle_ = nullptr;
        return false;
    case WM_PAINT:
        Paint();
        return true;
    case WM_ERASEBKGND:
        *result = 1;
        return true;
    case WM_NOTIFY:
        return HandleHeaderNotify(lParam, result);
    case WM_NCCALCSIZE:
        if (hideNativeScrollBars_)
            ModifyStyle(WS_HSCROLL | WS_VSCROLL, 0);
        return false;
    case WM_NCHITTEST:
        return HandleHitTest(wParam, lParam, result);
    case WM_KEYDOWN:
        key_ = static_cast<UINT>(wParam);
        keyHandled_ = false;
        Tell(ListBox2Event::KeyDown);
        *result = keyHandled_ ? 1 : 0;
        return keyHandled_;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && contextMenu_ && contextMenu_->ContainsCommand(LOWORD(wParam))) {
            contextMenu_->SelectCommand(LOWORD(wParam));
            return true;
        }
        return false;
    case WM_TIMER:
        if (wParam != msg::kListAutoScrollTimer || !(dragging_ || oleHover_))
            return false;
        HandleAutoScroll();
        return true;
    case WM_MOUSEMOVE:
        HandleMouseMove(lParam);
        return false;
    case WM_LBUTTONDOWN:
        return HandleLeftButtonDown(lParam);
    case WM_LBUTTONUP:
        if (dragging_)
            HandleLeftButtonUp();
        return false;
    case WM_LBUTTONDBLCLK:
        HandleDoubleClick(lParam);
        return false;
    case WM_MOUSEWHEEL:
        *result = HandleWheel(wParam, lParam);
        return true;
    case WM_DROPFILES:
        if (acceptFiles_)
            HandleDropFiles(wParam);
        return true;
    case msg::kReflectCtlColor:
        *result = HandleControlColor(reinterpret_cast<HDC>(wParam));
        return true;
    case msg::kReflectItemChanged:
    case msg::kReflectOdStateChanged:
        HandleSelectionChange(lParam);
        return false;
    case msg::kReflectBeginDrag:
        return HandleBeginDrag();
    case msg::kReflectEndLabelEdit:
        HandleLabelEdit(lParam);
        return true;
    case msg::kReflectColumnClick:
        HandleColumnClick(lParam);
        return false;
    case msg::kReflectCustomDraw:
        *result = HandleCustomDraw(lParam);
        return true;
    default:
        return false;
    }
}

void ListBox2::PostMessageHook(UINT message, WPARAM, LPARAM)
{
    // Keys may have scrolled the view; a new size changes the page.
    if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SIZE)
        RecomputeScrollInfos();
    if (message != WM_RBUTTONDOWN || selected_.GetCount() == 0 || !contextMenu_)
        return;
    Tell(ListBox2Event::ContextMenuRequested);
    const POINT cursor = CursorOr(0);
    contextMenu_->ShowAt(cursor.x, cursor.y, this);
}

bool ListBox2::HandlePrivateMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    OperationBlock* block = reinterpret_cast<OperationBlock*>(wParam);
    // A number from another program is no address here.
    if (!block || !FromThisProcess(lParam))
        return true;
    Record* record = block->record;
    const int32_t id = block->rowId;
    switch (message) {
    case msg::kListRemoveRow:
        RemoveRowNow(record, id, false);
        break;
    case msg::kListRemoveAllRows:
        RemoveAllRowsNow();
        break;
    case msg::kListSetCellValue:
        SetCellValueNow(record, id, block->column, block->value);
        break;
    case msg::kListToggleSortColumn:
        model_.ToggleSortColumn(static_cast<uint32_t>(block->position));
        break;
    case msg::kListSort:
        SortNow();
        break;
    case msg::kListRemoveSelectedRows:
        RemoveSelectedRowsNow();
        break;
    case msg::kListAppendRow:
        InsertRowNow(static_cast<int32_t>(model_.GetRowCount()), record, false);
        break;
    case msg::kListSetRowHighlighted:
        SetRowHighlightedNow(block->highlight != 0, record, id);
        break;
    case msg::kListNextRow:
        block->record = GetNextRowNow(record, id, block->wrap != 0);
        break;
    case msg::kListPreviousRow:
        block->record = GetPreviousRowNow(record, id, block->wrap != 0);
        break;
    case msg::kListSetUpdating:
        SetUpdatingNow(block->beginUpdate != 0);
        break;
    case msg::kListRefreshColumn:
        RefreshColumnCells(static_cast<uint32_t>(block->position), true);
        break;
    case msg::kListInsertRow:
        InsertRowNow(block->position, record, false);
        break;
    case msg::kListToggleExpand:
        ToggleExpandNow(record, id);
        break;
    case msg::kListRefreshCell:
        RefreshCellNow(record, id, block->column);
        break;
    case msg::kListSetCheckState:
        SetCellCheckStateNow(record, id, block->column, static_cast<int32_t>(block->value & 0xFFFFFFFFu),
                             block->notify != 0);
        break;
    case msg::kListMoveSelectionUp:
        MoveSelectionUpNow();
        break;
    case msg::kListMoveSelectionDown:
        MoveSelectionDownNow();
        break;
    case msg::kListMoveSelectionOut:
        MoveSelectionOutNow();
        break;
    case msg::kListEnsureVisible:
        EnsureVisibleNow(record, id);
        break;
    case msg::kListDeselectAll:
        DeselectAllNow();
        break;
    case msg::kListSelectRow:
        SelectRowNow(record, id);
        break;
    case msg::kListRemoveAndReleaseRow:
        if (model_.IsLive(record, id)) {
            RemoveRowNow(record, id, false);
            if (!record->parent)
                record->ReleaseToPool();
        }
        break;
    case msg::kListRemoveAndReleaseAllRows:
        RemoveAndReleaseAllRowsNow();
        break;
    case msg::kListCollapseAll:
        CollapseAllNow();
        break;
    default:
        break;
    }
    return true;
}

// Selecting follows the control's state values as they come; a row loses the selection whenever
// its old state had it and the new one does not, focused or not.
void ListBox2::HandleSelectionChange(LPARAM lParam)
{
    const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
    if (!change)
        return;
    Record* record = change->iItem >= 0 ? model_.GetRow(static_cast<uint32_t>(change->iItem)) : nullptr;
    if (change->uNewState == 2 || change->uNewState == 3) {
        if (!record)
            return;
        if (!selected_.IndexOf(record, nullptr)) {
            selected_.Append(record);
            selectedIds_.Append(record->id);
        }
        if (selected_.GetCount() == 1)
            Tell(ListBox2Event::SingleRowSelected);
        Tell(ListBox2Event::RowSelected);
        return;
    }
    if ((change->uOldState & LVIS_SELECTED) && !(change->uNewState & LVIS_SELECTED)) {
        if (record)
            RemoveFromSelection(record);
        Tell(ListBox2Event::RowDeselected);
        if (selected_.GetCount() == 0)
            Tell(ListBox2Event::SelectionEmptied);
    }
}

int32_t ListBox2::HitRow(int32_t x, int32_t y)
{
    LVHITTESTINFO hit = {};
    hit.pt.x = x;
    hit.pt.y = y;
    const int row = static_cast<int>(SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (row < 0 || static_cast<uint32_t>(row) >= model_.GetRowCount())
        return -1;
    return row;
}

void ListBox2::ToggleCheck(Record* record, SubRecord* cell)
{
    if (cell->checkState == 1) {
        cell->checkState = 2;
        RepaintRow(record->rowIndex, false);
        lastChecked_ = record;
        Tell(ListBox2Event::CellChecked);
    } else if (cell->checkState == 2 || cell->checkState == 3) {
        cell->checkState = 1;
        RepaintRow(record->rowIndex, false);
        lastUnchecked_ = record;
        Tell(ListBox2Event::CellUnchecked);
    }
}

bool ListBox2::HandleLeftButtonDown(LPARAM lParam)
{
    SetFocus();
    const POINT point = PointOf(lParam);
    RECT client;
    GetClientRect(&client);
    if (point.x < 0 || point.y < 0 || point.x > client.right || point.y > client.bottom)
        return false;
    const int32_t row = HitRow(point.x, point.y);
    Record* record = row >= 0 ? model_.GetRow(static_cast<uint32_t>(row)) : nullptr;
    drawer::IListBox* drawer = GetDrawer();
    if (!record || !drawer)
        return false;
    const int32_t id = record->id;
    SubRecord* checked = nullptr;
    for (uint32_t c = 0; c < model_.GetColumnCount() && !checked; ++c) {
        DataType* type = model_.GetColumn(c);
        if (!type->checkColumn && !type->treeColumn && !type->buttonColumn)
            continue;
        RECT cellRect;
        if (!CellRect(row, c, &cellRect) || !::PtInRect(&cellRect, point))
            continue;
        SubRecord* cell = record->GetCell(static_cast<int32_t>(c));
        if (!cell)
            continue;
        const int32_t x = point.x - cellRect.left;
        const int32_t y = point.y - cellRect.top;
        if (type->buttonColumn && cell->buttonShown && x >= cell->hotRect[0] &&
            x < cell->hotRect[0] + cell->hotRect[2] && y >= cell->hotRect[1] && y < cell->hotRect[1] + cell->hotRect[3]) {
            hotRecord_ = record;
            hotCell_ = cell;
            Tell(ListBox2Event::CellButtonClicked);
            if (!model_.IsLive(record, id))
                return false;
        }
        if (type->treeColumn && drawer->HitExpander(x, y, record->GetDepth())) {
            if (cell->expandState != 0)
                ToggleExpandNow(record, id);
            return true;
        }
        if (type->checkColumn && drawer->HitCheckBox(x, y, type->treeColumn, type->treeColumn ? record->GetDepth() : 0))
            checked = cell;
    }
    if (checked)
        ToggleCheck(record, checked);
    return false;
}

void ListBox2::HandleDoubleClick(LPARAM lParam)
{
    const POINT point = PointOf(lParam);
    const int32_t row = HitRow(point.x, point.y);
    Record* record = row >= 0 ? model_.GetRow(static_cast<uint32_t>(row)) : nullptr;
    drawer::IListBox* drawer = GetDrawer();
    if (!record || !drawer)
        return;
    doubleClicked_ = record;
    for (uint32_t c = 0; c < model_.GetColumnCount(); ++c) {
        DataType* type = model_.GetColumn(c);
        RECT cellRect;
        if ((!type->checkColumn && !type->treeColumn) || !CellRect(row, c, &cellRect) || !::PtInRect(&cellRect, point))
            continue;
        const int32_t x = point.x - cellRect.left;
        const int32_t y = point.y - cellRect.top;
        if (type->treeColumn && drawer->HitExpander(x, y, record->GetDepth()))
            return;
        if (type->checkColumn && drawer->HitCheckBox(x, y, type->treeColumn, type->treeColumn ? record->GetDepth() : 0))
            return;
    }
    SubRecord* tree = record->GetTreeCell();
    if (tree && tree->expandState != 0)
        ToggleExpandNow(record, record->id);
    Tell(ListBox2Event::RowDoubleClicked);
}

void ListBox2::UpdatePartner(POINT screen)
{
    if (partner_ && !partner_->ContainsScreenPoint(screen.x, screen.y))
        partner_ = nullptr;
    if (partner_)
        return;
    for (uint32_t i = 0; i < partners_.GetCount(); ++i) {
        IListBox2* list = static_cast<IListBox2*>(partners_.Get(i));
        if (list->ContainsScreenPoint(screen.x, screen.y)) {
            partner_ = list;
            break;
        }
    }
    ::SetCursor(::LoadCursorW(nullptr, partner_ ? IDC_HAND : IDC_NO));
}

void ListBox2::HandleMouseMove(LPARAM lParam)
{
    const POINT point = PointOf(lParam);
    if (dragging_) {
        POINT screen = point;
        ClientToScreen(&screen);
        if (dragImage_) {
            ::ImageList_DragMove(screen.x, screen.y);
            ::ImageList_DragShowNolock(FALSE);
        }
        UpdatePartner(screen);
        if (dragReorder_)
            TrackDropMarker(point.x, point.y);
        if (dragImage_)
            ::ImageList_DragShowNolock(TRUE);
    }
    if (cellButtonTracking_)
        TrackHotCell(point.x, point.y);
    if (fullRowSelect_ && multiSelect_ && !rowDrag_ && !dragOut_ && !dragReorder_ && IsKeyHeld(VK_LBUTTON))
        DragSelectTo(point.x, point.y);
}

void ListBox2::TrackHotCell(int32_t x, int32_t y)
{
    const int32_t row = HitRow(x, y);
    Record* record = row >= 0 ? model_.GetRow(static_cast<uint32_t>(row)) : nullptr;
    if (record) {
        for (uint32_t c = 0; c < model_.GetColumnCount(); ++c) {
            SubRecord* cell = record->GetCell(static_cast<int32_t>(c));
            RECT cellRect;
            if (!model_.GetColumn(c)->buttonColumn || !cell || !cell->buttonShown || !CellRect(row, c, &cellRect))
                continue;
            const int32_t px = x - cellRect.left;
            const int32_t py = y - cellRect.top;
            if (px >= cell->hotRect[0] && px < cell->hotRect[0] + cell->hotRect[2] && py >= cell->hotRect[1] &&
                py < cell->hotRect[1] + cell->hotRect[3]) {
                if (hotCell_ != cell)
                    RepaintRow(row, false);
                return;
            }
        }
    }
    if (!hotCell_)
        return;
    Record* old = hotRecord_;
    hotRecord_ = nullptr;
    hotCell_ = nullptr;
    if (old && model_.IsLive(old, old->id))
        RepaintRow(old->rowIndex, false);
    if (!hotCell_ && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

// Dragging over rows with the button held extends the selection from its first entry; rows are
// never deselected here.
void ListBox2::DragSelectTo(int32_t x, int32_t y)
{
    RECT client;
    GetClientRect(&client);
    if (x < 0 || y < 0 || x > client.right || y > client.bottom)
        return;
    const int32_t h = HitRow(x, y);
    if (h < 0 || IsRowSelected(h))
        return;
    Record* record = model_.GetRow(static_cast<uint32_t>(h));
    if (selected_.GetCount() == 0) {
        SelectRowNow(record, record->id);
        return;
    }
    Record* first = static_cast<Record*>(selected_.Get(0));
    if (!model_.IsLive(first, selectedIds_.Get(0)))
        return;
    const int32_t a = first->rowIndex;
    const int32_t step = h < a ? 1 : -1;
    int32_t stop = a;
    for (int32_t r = h + step; r != a; r += step) {
        if (IsRowSelected(r)) {
            stop = r;
            break;
        }
    }
    for (int32_t r = h; r != stop; r += step) {
        Record* row = model_.GetRow(static_cast<uint32_t>(r));
        SelectRowNow(row, row->id);
    }
}

bool ListBox2::IsRowSelected(int32_t row)
{
    return (SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

bool ListBox2::HandleBeginDrag()
{
    if (!rowDrag_ && !dragOut_)
        return false;
    const POINT cursor = CursorOr(-32767);
    RECT window;
    GetWindowRect(&window);
    if (!::PtInRect(&window, cursor) || !(IsKeyHeld(VK_LBUTTON) || IsKeyHeld(VK_RBUTTON)))
        return false;
    if (dragImage_) {
        dragImage_->DeleteImageList();
        delete dragImage_;
    }
    // Without a picture the drag still runs, only nothing follows the cursor.
    dragImage_ = CreateDragImage();
    if (dragImage_ && ::ImageList_BeginDrag(dragImage_->GetSafeHandle(), 0, 10, 10))
        ::ImageList_DragEnter(::GetDesktopWindow(), cursor.x, cursor.y);
    dragging_ = true;
    if (dragOut_) {
        StartDragOut();
        return true;
    }
    autoScrollTicks_ = 0;
    SetTimer(msg::kListAutoScrollTimer, 50);
    SetCapture();
    return true;
}

void ListBox2::EndDrag()
{
    if (dragImage_) {
        ::ImageList_DragLeave(::GetDesktopWindow());
        ::ImageList_EndDrag();
        dragImage_->DeleteImageList();
        delete dragImage_;
        dragImage_ = nullptr;
    }
    dragging_ = false;
}

void ListBox2::HandleLeftButtonUp()
{
    ::ReleaseCapture();
    KillTimer(msg::kListAutoScrollTimer);
    EndDrag();
    const POINT screen = CursorOr(-32767);
    UpdatePartner(screen);
    if (partner_ == this && dragReorder_) {
        POINT point = screen;
        ScreenToClient(&point);
        TrackDropMarker(point.x, point.y);
        SortSelectionByRow();
        Record* first = nullptr;
        if (GetSelectedAt(0, &first, nullptr) && (IsTreeList() || dropRow_ != first->rowIndex)) {
            MoveDroppedRows();
            Tell(ListBox2Event::RowsMoved);
        }
    } else if (partner_) {
        Tell(ListBox2Event::RowsDroppedOnPartner);
    }
    partner_ = nullptr;
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    SetDropMarker(-1, 0);
}

void ListBox2::TrackDropMarker(int32_t x, int32_t y)
{
    if (!dragReorder_ && !oleDropTarget_)
        return;
    if (partner_ != this && !oleHover_) {
        SetDropMarker(-1, 0);
        return;
    }
    const int32_t row = HitRow(5, y);
    if (row < 0) {
        SetDropMarker(static_cast<int32_t>(model_.GetRowCount()), 1);
        return;
    }
    (void)x;
    RECT bounds = {LVIR_BOUNDS, 0, 0, 0};
    SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds));
    const int32_t top = bounds.top;
    const int32_t h = bounds.bottom - bounds.top;
    if (!IsTreeList()) {
        SetDropMarker(y < top + h / 2 ? row : row + 1, 0);
        return;
    }
    Record* record = model_.GetRow(static_cast<uint32_t>(row));
    SubRecord* tree = record->GetTreeCell();
    const int32_t expand = tree ? tree->expandState : 0;
    if (y < top + h / 4) {
        SetDropMarker(row, 1);
    } else if (y < top + 3 * h / 4) {
        if (expand != 0)
            SetDropMarker(row, 2);
        else if (y < top + h / 2)
            SetDropMarker(row, 1);
        else
            SetDropMarker(row + 1, 0);
    } else {
        SetDropMarker(row + 1, expand == 1 ? 1 : 0);
    }
}

void ListBox2::HandleAutoScroll()
{
    const POINT cursor = CursorOr(-32767);
    RECT window;
    GetWindowRect(&window);
    const int32_t x = cursor.x - window.left;
    const int32_t y = cursor.y - window.top;
    if (x < 0 || x > window.right - window.left)
        return;
    const int32_t header = HeaderHeight();
    const int32_t margin = oleHover_ ? 10 : 0;
    const bool up = y <= header + margin;
    const bool down = !up && y >= height_ - margin;
    if (!up && !down) {
        autoScrollTicks_ = 0;
        return;
    }
    ++autoScrollTicks_;
    // Half speed for the first ten ticks.
    if ((autoScrollTicks_ & 1) && autoScrollTicks_ <= 10)
        return;
    RECT row = {LVIR_BOUNDS, 0, 0, 0};
    SendMessage(LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    const int32_t rowHeight = row.bottom - row.top > 0 ? row.bottom - row.top : lastRowHeight_;
    AutoScrollStep(up, rowHeight);
}

LRESULT ListBox2::HandleWheel(WPARAM wParam, LPARAM lParam)
{
    if (!ContainsScreenPoint(XOf(lParam), YOf(lParam)))
        return 1;
    UINT lines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const int32_t step = 15 * static_cast<int32_t>(lines);
    int32_t amount = GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? -step : step;
    const int32_t least = static_cast<int32_t>(1.4 * lastRowHeight_);
    if (amount > 0 && amount < least)
        amount = least;
    ScrollByWheel(amount);
    return 0;
}

void ListBox2::HandleDropFiles(WPARAM wParam)
{
    HDROP drop = reinterpret_cast<HDROP>(wParam);
    if (droppedFiles_) {
        droppedFiles_->Clear();
        ReadDropFileList(reinterpret_cast<HGLOBAL>(drop), droppedFiles_);
    }
    Tell(ListBox2Event::ShellFilesDropped);
    ::DragFinish(drop);
}

LRESULT ListBox2::HandleControlColor(HDC dc)
{
    brush_.DeleteObject();
    if (inheritBackground_) {
        if (parent_) {
            const COLORREF color = parent_->GetEffectiveBackgroundColor();
            brush_.CreateSolidBrush(color);
            ::SetBkColor(dc, color);
        } else {
            brush_.CreateStockObject(NULL_BRUSH);
            ::SetBkMode(dc, TRANSPARENT);
        }
    } else {
        brush_.CreateSolidBrush(background_);
        ::SetBkColor(dc, background_);
    }
    ::SetTextColor(dc, primaryFont_.GetColor());
    return reinterpret_cast<LRESULT>(brush_.GetSafeHandle());
}

void ListBox2::HandleColumnClick(LPARAM lParam)
{
    const NMLISTVIEW* click = reinterpret_cast<const NMLISTVIEW*>(lParam);
    if (!click)
        return;
    lastClickedColumn_ = click->iSubItem;
    Tell(ListBox2Event::ColumnClicked);
    DataType* column = click->iSubItem >= 0 ? model_.GetColumn(static_cast<uint32_t>(click->iSubItem)) : nullptr;
    if (column && column->sortable) {
        model_.ToggleSortColumn(static_cast<uint32_t>(click->iSubItem));
        SortNow();
    }
    Tell(ListBox2Event::ColumnSorted);
}

void ListBox2::HandleLabelEdit(LPARAM lParam)
{
    const NMLVDISPINFOW* edit = reinterpret_cast<const NMLVDISPINFOW*>(lParam);
    if (!edit || !edit->item.pszText || !editedText_)
        return;
    editedText_->Assign(edit->item.pszText);
    editedText_->TrimEnd();
    editedRow_ = edit->item.iItem;
    Tell(ListBox2Event::LabelEdited);
    editedRow_ = -1;
}

LRESULT ListBox2::HandleCustomDraw(LPARAM lParam)
{
    NMLVCUSTOMDRAW* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(lParam);
    if (!draw)
        return 0;
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return 0;
    CDC dc;
    dc.Attach(draw->nmcd.hdc);
    PaintRowCells(&dc, static_cast<int32_t>(draw->nmcd.dwItemSpec));
    dc.Detach();
    return CDRF_SKIPDEFAULT;
}

bool ListBox2::HandleHeaderNotify(LPARAM lParam, LRESULT* result)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    HWND control = header_ ? header_->GetControl() : nullptr;
    if (!header || !control || header->hwndFrom != control)
        return false;
    switch (header->code) {
    case NM_RELEASEDCAPTURE: {
        const uint32_t count = model_.GetColumnCount();
        if (count == 0)
            return false;
        displayOrder_.SetCount(count);
        if (SendMessage(LVM_GETCOLUMNORDERARRAY, count, reinterpret_cast<LPARAM>(displayOrder_.GetData())))
            CopyOrderToHeader();
        return false;
    }
    case HDN_BEGINDRAG:
        ::SendMessageW(control, msg::kReflectHeaderBeginDrag, 0, lParam);
        return false;
    case HDN_ENDDRAG:
        ::SendMessageW(control, msg::kReflectHeaderEndDrag, 0, lParam);
        return false;
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW: {
        const NMHEADERW* track = reinterpret_cast<const NMHEADERW*>(lParam);
        if (!IsLastInDisplayOrder(static_cast<uint32_t>(track->iItem)))
            return false;
        *result = 1;
        return true;
    }
    case HDN_ITEMCHANGINGA:
    case HDN_ITEMCHANGINGW: {
        UpdateScrollBars();
        const NMHEADERW* change = reinterpret_cast<const NMHEADERW*>(lParam);
        if (!change->pitem || !(change->pitem->mask & HDI_WIDTH) || change->pitem->cxy >= 10)
            return false;
        *result = 1;
        return true;
    }
    default:
        return false;
    }
}

bool ListBox2::HandleHitTest(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (IsKeyHeld(VK_MBUTTON)) {
        const LRESULT answer = CListCtrl::DefWindowProc(WM_NCHITTEST, wParam, lParam);
        *result = answer == HTCLIENT ? HTTRANSPARENT : answer;
        return true;
    }
    POINT point = PointOf(lParam);
    ScreenToClient(&point);
    if (HitRow(point.x, point.y) >= 0)
        return false;
    // A press beside the rows clears the selection.
    if (IsKeyHeld(VK_LBUTTON) && point.x >= 0 && point.y >= 0 && point.x <= width_ && point.y <= height_)
        DeselectAllNow();
    const LRESULT answer = CListCtrl::DefWindowProc(WM_NCHITTEST, wParam, lParam);
    *result = answer == HTCLIENT && middleButton_ ? HTTRANSPARENT : answer;
    return true;
}

} // namespace win
} // namespace gui
} // namespace s
