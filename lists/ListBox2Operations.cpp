// The list's public operations: style flags, columns, and the content operations that run on the
// list's window thread through its private messages.
#include "core/col/MergeSort.h"
#include "core/str/StrBuffer.h"
#include "images/util/ImageCollection.h"
#include "lists/IDragOutNode.h"
#include "lists/ListBox2.h"
#include "lists/ListBox2Event.h"
#include "lists/listbox2/DataType.h"
#include "lists/listbox2/Record.h"
#include "windowing/ProcessKey.h"

using s::gui::listbox2::DataType;
using s::gui::listbox2::Record;
using s::str::strbuffer::StrBuffer;

namespace s {
namespace gui {
namespace win {

namespace {

ListBox2::OperationBlock EmptyBlock()
{
    ListBox2::OperationBlock block = {};
    block.rowId = -1;
    return block;
}

ListBox2::OperationBlock RowBlock(Record* record, int32_t id)
{
    ListBox2::OperationBlock block = EmptyBlock();
    block.record = record;
    block.rowId = id;
    return block;
}

} // namespace

void ListBox2::ApplyStyle(DWORD remove, DWORD add)
{
    if (m_hWnd)
        ModifyStyle(remove, add);
}

void ListBox2::ApplyExtendedStyle(DWORD bit, bool on)
{
    if (!m_hWnd)
        return;
    const DWORD style = static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, on ? (style | bit) : (style & ~bit));
}

void ListBox2::SetViewMode(int32_t mode)
{
    if (mode == viewMode_)
        return;
    viewMode_ = mode;
    if (!m_hWnd)
        return;
    const DWORD type = mode == 1 ? LVS_LIST : (mode == 2 ? LVS_REPORT : LVS_ICON);
    SendMessage(WM_SETREDRAW, FALSE);
    ModifyStyle(LVS_TYPEMASK, type);
    SendMessage(WM_SETREDRAW, TRUE);
}

void ListBox2::SetIconView()
{
    SetViewMode(0);
}

void ListBox2::SetListView()
{
    SetViewMode(1);
}

void ListBox2::SetReportView()
{
    SetViewMode(2);
}

void ListBox2::SetMultiSelect(bool on)
{
    if (on == multiSelect_)
        return;
    multiSelect_ = on;
    ApplyStyle(on ? LVS_SINGLESEL : 0, on ? 0 : LVS_SINGLESEL);
}

void ListBox2::SetHeaderVisible(bool on)
{
    if (on == headerVisible_)
        return;
    headerVisible_ = on;
    ApplyStyle(on ? LVS_NOCOLUMNHEADER : 0, on ? 0 : LVS_NOCOLUMNHEADER);
}

void ListBox2::SetCheckBoxes(bool on)
{
    if (on == checkBoxes_)
        return;
    checkBoxes_ = on;
    ApplyExtendedStyle(LVS_EX_CHECKBOXES, on);
}

void ListBox2::SetFullRowSelect(bool on)
{
    if (on == fullRowSelect_)
        return;
    fullRowSelect_ = on;
    ApplyExtendedStyle(LVS_EX_FULLROWSELECT, on);
}

void ListBox2::SetGridLines(bool on)
{
    if (on == gridLines_)
        return;
    gridLines_ = on;
    ApplyExtendedStyle(LVS_EX_GRIDLINES, on);
}

void ListBox2::SetAcceptFiles(bool on)
{
    acceptFiles_ = on;
}

void ListBox2::SetOleDropTarget(bool on)
{
    oleDropTarget_ = on;
}

void ListBox2::SetRowDrag(bool on)
{
    rowDrag_ = on;
}

void ListBox2::SetDragOut(bool on)
{
    dragOut_ = on;
}

void ListBox2::AddDragOutEntry(const wchar_t* path, archive::IEntry* entry)
{
    dropSource_.AddEntry(path, entry);
}

void ListBox2::AddDragOutTree(const wchar_t* basePath, IDragOutNode* node)
{
    if (!node)
        return;
    const wchar_t* base = basePath ? basePath : L"";
    dropSource_.AddEntry(base, node);
    StrBuffer* nodePath = StrBuffer::FromText(node->GetFullPath() ? node->GetFullPath() : L"");
    StrBuffer* working = StrBuffer::Concat3(base, L"\\", L"");
    if (nodePath && working) {
        const uint32_t length = nodePath->GetLength();
        const wchar_t last = length ? nodePath->GetBuffer()[length - 1] : 0;
        if (last != L'\\' && last != L'/')
            nodePath->AppendChar(L'/');
        const uint32_t nodeLength = nodePath->GetLength();
        const uint32_t baseLength = working->GetLength();
        for (int32_t i = 0; i < node->GetChildCount(); ++i) {
            IDragOutNode* child = node->GetChildAt(i);
            if (!child)
                continue;
            working->SetLength(baseLength);
            const wchar_t* childPath = child->GetFullPath() ? child->GetFullPath() : L"";
            const uint32_t childLength = static_cast<uint32_t>(wcslen(childPath));
            // A child outside the node's path keeps its whole path.
            if (childLength >= nodeLength)
                working->AppendChars(childPath + nodeLength, childLength - nodeLength);
            else
                working->AppendChars(childPath, childLength);
            while (working->GetLength() > 0) {
                const wchar_t end = working->GetBuffer()[working->GetLength() - 1];
                if (end != L'/' && end != L'\\')
                    break;
                working->SetLength(working->GetLength() - 1);
            }
            working->EnsureTerminated();
            if (child->GetChildCount() == 0)
                dropSource_.AddEntry(working->GetText(), child);
            else
                AddDragOutTree(working->GetText(), child);
        }
    }
    if (nodePath)
        nodePath->ReleaseToPool();
    if (working)
        working->ReleaseToPool();
}

DataType* ListBox2::GetColumn(uint32_t index)
{
    return model_.GetColumn(index);
}

void ListBox2::AddLocalizedColumn(lang::Localizer* localizer, int32_t textId, int32_t width, int32_t alignment,
                                  bool sortable, listbox2::CellCompare compare, bool ascending, bool iconColumn,
                                  bool checkColumn, bool editable, bool treeColumn)
{
    InsertColumn(DataType::CreateLocalized(localizer, textId, width, alignment, sortable, compare, ascending,
                                           iconColumn, checkColumn, editable, treeColumn));
}

void ListBox2::AddColumn(const wchar_t* caption, int32_t width, int32_t alignment, bool sortable,
                         listbox2::CellCompare compare, bool ascending, bool iconColumn, bool checkColumn,
                         bool editable, bool treeColumn)
{
    InsertColumn(DataType::Create(caption, width, alignment, sortable, compare, ascending, iconColumn, checkColumn,
                                  editable, treeColumn));
}

void ListBox2::InsertColumn(DataType* column)
{
    if (!column)
        return;
    const uint32_t index = model_.GetColumnCount();
    if (handle_)
        CListCtrl::InsertColumn(static_cast<int>(index), column->caption ? column->caption->GetText() : L"",
                                listbox2::ColumnFormatOf(column->alignment), column->width == 0 ? -1 : column->width);
    if (index == 0 && column->editable) {
        labelEditing_ = true;
        ApplyStyle(0, LVS_EDITLABELS);
    }
    if (column->checkColumn && handle_ && !separateControlFont_ && rowImages_.GetSafeHandle())
        SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowImages_.GetSafeHandle()));
    if (column->iconColumn && !hasIconColumn_) {
        hasIconColumn_ = true;
        if (handle_ && !separateControlFont_ && shellIcons_ && shellIcons_->GetSafeHandle()) {
            SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(shellIcons_->GetSafeHandle()));
            smallImagesAttached_ = true;
        }
    }
    displayOrder_.Append(static_cast<int32_t>(index));
    if (header_)
        header_->GetColumnOrder()->Append(static_cast<int32_t>(index));
    model_.AppendColumn(column);
}

void ListBox2::SetColumnOrder(col::_array::ArrayS32* order)
{
    const uint32_t count = model_.GetColumnCount();
    if (!order || order->GetCount() != count)
        return;
    // Each column once: the control would show a column twice and lose another.
    for (uint32_t i = 0; i < count; ++i) {
        const int32_t column = order->Get(i);
        if (column < 0 || static_cast<uint32_t>(column) >= count)
            return;
        for (uint32_t j = 0; j < i; ++j) {
            if (order->Get(j) == column)
                return;
        }
    }
    displayOrder_.Clear();
    for (uint32_t i = 0; i < count; ++i)
        displayOrder_.Append(order->Get(i));
    CopyOrderToHeader();
    if (handle_)
        SendMessage(LVM_SETCOLUMNORDERARRAY, count, reinterpret_cast<LPARAM>(displayOrder_.GetData()));
}

void ListBox2::CopyOrderToHeader()
{
    if (!header_)
        return;
    col::_array::ArrayS32* order = header_->GetColumnOrder();
    order->Clear();
    order->AppendRaw(displayOrder_.GetData(), displayOrder_.GetCount(), 0);
}

bool ListBox2::Send(UINT message, OperationBlock* block)
{
    HWND window = handle_;
    if (!window)
        return false;
    ::SendMessageW(window, message, reinterpret_cast<WPARAM>(block), ProcessKey());
    return true;
}

void ListBox2::RemoveRow(Record* record, int32_t id)
{
    OperationBlock block = RowBlock(record, id);
    if (!Send(msg::kListRemoveRow, &block))
        RemoveRowNow(record, id, false);
}

void ListBox2::RemoveAllRows()
{
    OperationBlock block = EmptyBlock();
    if (!Send(msg::kListRemoveAllRows, &block))
        RemoveAllRowsNow();
}

void ListBox2::SetCellValue(Record* record, int32_t id, uint32_t column, uint64_t value)
{
    OperationBlock block = RowBlock(record, id);
    block.column = column;
    block.value = value;
    if (!Send(msg::kListSetCellValue, &block))
        SetCellValueNow(record, id, column, value);
}

void ListBox2::RefreshCell(Record* record, int32_t id, uint32_t column)
{
    OperationBlock block = RowBlock(record, id);
    block.column = column;
    if (!Send(msg::kListRefreshCell, &block))
        RefreshCellNow(record, id, column);
}

void ListBox2::ToggleSortColumn(uint32_t column)
{
    OperationBlock block = EmptyBlock();
    block.position = static_cast<int32_t>(column);
    if (!Send(msg::kListToggleSortColumn, &block))
        model_.ToggleSortColumn(column);
}

void ListBox2::Sort()
{
    OperationBlock block = EmptyBlock();
    if (!Send(msg::kListSort, &block))
        model_.Sort();
}

void ListBox2::RemoveSelectedRows()
{
    OperationBlock block = EmptyBlock();
    if (!Send(msg::kListRemoveSelectedRows, &block))
        RemoveSelectedRowsNow();
}

void ListBox2::AddRow(Record* record)
{
    OperationBlock block = RowBlock(record, record ? record->id : -1);
    if (!Send(msg::kListAppendRow, &block))
        InsertRowNow(static_cast<int32_t>(model_.GetRowCount()), record, false);
    if (keepSorted_)
        Sort();
}

void ListBox2::ToggleExpand(Record* record, int32_t id)
{
    OperationBlock block = RowBlock(record, id);
    if (!Send(msg::kListToggleExpand, &block))
        ToggleExpandNow(record, id);
}

void ListBox2::InsertRow(int32_t position, Record* record)
{
    OperationBlock block = RowBlock(record, record ? record->id : -1);
    block.position = position;
    if (!Send(msg::kListInsertRow, &block))
        InsertRowNow(position, record, false);
}

void ListBox2::SetRowHighlighted(bool highlighted, Record* record, int32_t id)
{
    OperationBlock block = RowBlock(record, id);
    block.highlight = highlighted ? 1 : 0;
    if (!Send(msg::kListSetRowHighlighted, &block))
        SetRowHighlightedNow(highlighted, record, id);
}

Record* ListBox2::GetPreviousRow(Record* record, int32_t id, bool wrap)
{
    OperationBlock block = RowBlock(record, id);
    block.wrap = wrap ? 1 : 0;
    if (!Send(msg::kListPreviousRow, &block))
        return GetPreviousRowNow(record, id, wrap);
    return block.record;
}

Record* ListBox2::GetNextRow(Record* record, int32_t id, bool wrap)
{
    OperationBlock block = RowBlock(record, id);
    block.wrap = wrap ? 1 : 0;
    if (!Send(msg::kListNextRow, &block))
        return GetNextRowNow(record, id, wrap);
    return block.record;
}

Record* ListBox2::GetFirstRow()
{
    return GetNextRow(nullptr, -1, true);
}

void ListBox2::SetUpdating(bool begin)
{
    OperationBlock block = EmptyBlock();
    block.beginUpdate = begin ? 1 : 0;
    if (!Send(msg::kListSetUpdating, &block))
        updating_ = begin;
}

void ListBox2::RefreshColumn(uint32_t column)
{
    OperationBlock block = EmptyBlock();
    block.position = static_cast<int32_t>(column);
    Send(msg::kListRefreshColumn, &block);
}

void ListBox2::SetCellCheckState(Record* record, int32_t id, uint32_t column, int32_t state, bool notify)
{
    OperationBlock block = RowBlock(record, id);
    block.column = column;
    block.value = static_cast<uint32_t>(state);
    block.notify = notify ? 1 : 0;
    if (!Send(msg::kListSetCheckState, &block))
        SetCellCheckStateNow(record, id, column, state, notify);
}

void ListBox2::MoveSelectionUp()
{
    OperationBlock block = EmptyBlock();
    if (!Send(msg::kListMoveSelectionUp, &block))
        MoveSelectionUpNow();
}

void ListBox2::MoveSelectionDown()
{
    OperationBlock block = EmptyBlock();
    if (!Send(msg::kListMoveSelectionDown, &block))
        MoveSelectionDownNow();
}

void ListBox2::MoveSelectionOut()
{
    OperationBlock block = EmptyBlock();
    if (!Send(msg::kListMoveSelectionOut, &block))
        MoveSelectionOutNow();
}

void ListBox2::EnsureVisible(Record* record, int32_t id)
{
    OperationBlock block = RowBlock(record, id);
    Send(msg::kListEnsureVisible, &block);
}

void ListBox2::DeselectAll()
{
    OperationBlock block = EmptyBlock();
    Send(msg::kListDeselectAll, &block);
}

void ListBox2::SelectRow(Record* record, int32_t id)
{
    OperationBlock block = RowBlock(record, id);
    Send(msg::kListSelectRow, &block);
}

void ListBox2::RemoveAndReleaseRow(Record* record, int32_t id)
{
    OperationBlock block = RowBlock(record, id);
    if (Send(msg::kListRemoveAndReleaseRow, &block))
        return;
    if (!model_.IsLive(record, id))
        return;
    RemoveRowNow(record, id, false);
    if (!record->parent)
        record->ReleaseToPool();
}

void ListBox2::RemoveAndReleaseAllRows()
{
    OperationBlock block = EmptyBlock();
    if (!Send(msg::kListRemoveAndReleaseAllRows, &block))
        RemoveAndReleaseAllRowsNow();
}

void ListBox2::CollapseAll()
{
    OperationBlock block = EmptyBlock();
    if (!Send(msg::kListCollapseAll, &block))
        CollapseAllNow();
}

bool ListBox2::GetSelectedAt(uint32_t index, Record** record, int32_t* id)
{
    const bool inside = index < selected_.GetCount() && index < selectedIds_.GetCount();
    if (record)
        *record = inside ? static_cast<Record*>(selected_.Get(index)) : nullptr;
    if (id)
        *id = inside ? selectedIds_.Get(index) : -1;
    return inside;
}

void ListBox2::SortSelectionByRow()
{
    if (selected_.GetCount() <= 1)
        return;
    col::SortArray(
        &selected_,
        [](void* a, void* b, void*) { return listbox2::CompareRowIndex(static_cast<Record*>(a), static_cast<Record*>(b)); },
        nullptr);
    selectedIds_.Clear();
    for (uint32_t i = 0; i < selected_.GetCount(); ++i)
        selectedIds_.Append(static_cast<Record*>(selected_.Get(i))->id);
}

const wchar_t* ListBox2::GetEditedText()
{
    return editedText_ ? editedText_->GetText() : L"";
}

void ListBox2::SetDropMarker(int32_t row, int32_t mode)
{
    if (row == dropRow_ && mode == dropMode_)
        return;
    const int32_t old = dropRow_;
    dropRow_ = row;
    dropMode_ = mode;
    if (!handle_ || updating_)
        return;
    RedrawAroundMarker(old);
    RedrawAroundMarker(row);
    UpdateWindow();
}

void ListBox2::RedrawAroundMarker(int32_t row)
{
    if (row < 0)
        return;
    const int32_t count = static_cast<int32_t>(model_.GetRowCount());
    const int32_t first = row - 1 < 0 ? 0 : row - 1;
    const int32_t last = row < count ? row : count;
    SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
}

} // namespace win
} // namespace gui
} // namespace s
