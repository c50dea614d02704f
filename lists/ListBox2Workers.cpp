// The workers of the private messages: they keep the model, the native items and the selection in
// step. Without a window they change the model only.
#include <cmath>
#include <cstring>

#include "core/str/StrBuffer.h"
#include "lists/ListBox2.h"
#include "lists/ListBox2Event.h"
#include "lists/listbox2/DataType.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"
#include "storage/lang/Localizer.h"

using s::gui::listbox2::DataType;
using s::gui::listbox2::Record;
using s::gui::listbox2::SubRecord;
using s::str::strbuffer::StrBuffer;

namespace s {
namespace gui {
namespace win {

namespace {

const wchar_t* TextOf(SubRecord* cell)
{
    StrBuffer* text = cell ? cell->GetDisplayText() : nullptr;
    return text ? text->GetText() : L"";
}

bool IsExpanded(Record* record)
{
    SubRecord* tree = record ? record->GetTreeCell() : nullptr;
    return tree && tree->expandState == 1;
}

int32_t MeasureWidth(HDC dc, const wchar_t* text, uint32_t length)
{
    RECT bounds = {0, 0, 0, 0};
    ::DrawTextW(dc, text, static_cast<int>(length), &bounds, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return bounds.right - bounds.left;
}

} // namespace

bool ListBox2::IsTreeList()
{
    DataType* first = model_.GetColumn(0);
    return first && first->treeColumn;
}

void ListBox2::BuildLabel(Record* record)
{
    label_->Clear();
    DataType* first = model_.GetColumn(0);
    if (first && first->treeColumn) {
        for (int32_t i = record->GetDepth() + 1; i > 0; --i)
            label_->AppendChar(kIndentUnit);
    }
    if (first && first->checkColumn)
        label_->AppendChar(kIndentUnit);
    if (first && first->iconColumn)
        label_->AppendChar(kIndentUnit);
    const wchar_t* text = TextOf(record->GetCell(0));
    if (separateControlFont_)
        PadWithSpaces(text);
    else
        label_->Append(text);
}

// The control's own font is tiny in this mode: the label is padded with spaces until it is as
// wide in that font as the painted text is in the drawing font, so that label hit tests and
// edits cover the painted text.
void ListBox2::PadWithSpaces(const wchar_t* text)
{
    const uint32_t length = static_cast<uint32_t>(wcslen(text));
    label_->AppendChars(text, length);
    HDC dc = ::GetDC(m_hWnd);
    if (dc) {
        HGDIOBJ old = ::SelectObject(dc, primaryFont_.GetFontHandle());
        const int32_t drawing = MeasureWidth(dc, text, length);
        ::SelectObject(dc, controlFont_.GetFontHandle());
        const double space = MeasureWidth(dc, L"          ", 10) / 10.0;
        int32_t control = MeasureWidth(dc, text, length);
        if (space > 0) {
            const double missing = std::floor((drawing - control) / space);
            for (int32_t i = 0; i < missing; ++i)
                label_->AppendChar(L' ');
            // Bounded: a font without width for spaces would loop for ever.
            for (int32_t guard = 0; guard < 4096; ++guard) {
                control = MeasureWidth(dc, label_->GetBuffer(), label_->GetLength());
                if (control >= drawing)
                    break;
                label_->AppendChar(L' ');
            }
        }
        ::SelectObject(dc, old);
        ::ReleaseDC(m_hWnd, dc);
    }
    if (label_->GetLength() > 4)
        label_->SetLength(label_->GetLength() - 4);
}

void ListBox2::InsertNativeItem(Record* record, bool creating)
{
    if (creating) {
        label_->Assign(TextOf(record->GetCell(0)));
    } else {
        BuildLabel(record);
    }
    label_->EnsureTerminated();
    std::memset(&item_, 0, sizeof(item_));
    item_.mask = LVIF_TEXT | LVIF_PARAM;
    item_.iItem = record->rowIndex;
    item_.iSubItem = 0;
    item_.pszText = label_->GetBuffer();
    item_.lParam = reinterpret_cast<LPARAM>(record);
    const int inserted = static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item_)));
    if (inserted < 0)
        return;
    item_.mask = LVIF_TEXT;
    item_.iItem = inserted;
    for (uint32_t c = 1; c < model_.GetColumnCount(); ++c) {
        label_->Assign(TextOf(record->GetCell(static_cast<int32_t>(c))));
        if (rowDrag_ && !creating)
            label_->AppendChar(kIndentUnit);
        label_->EnsureTerminated();
        item_.iSubItem = static_cast<int>(c);
        item_.pszText = label_->GetBuffer();
        SendMessage(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item_));
    }
}

void ListBox2::InsertChildren(Record* record)
{
    for (uint32_t i = record->GetChildCount(); i > 0; --i)
        InsertRowNow(record->rowIndex + 1, record->GetChildAt(i - 1), true);
}

void ListBox2::InsertRowNow(int32_t position, Record* record, bool nested)
{
    if (!record || !model_.InsertAt(position, record))
        return;
    if (handle_)
        InsertNativeItem(record, false);
    if (IsExpanded(record))
        InsertChildren(record);
    if (handle_ && !nested)
        UpdateScrollBars();
}

void ListBox2::RemoveFromSelection(Record* record)
{
    int32_t at;
    if (!selected_.IndexOf(record, &at))
        return;
    selected_.RemoveAt(static_cast<uint32_t>(at));
    if (static_cast<uint32_t>(at) < selectedIds_.GetCount())
        selectedIds_.RemoveAt(static_cast<uint32_t>(at));
}

void ListBox2::RemoveRowNow(Record* record, int32_t id, bool nested)
{
    if (!model_.IsLive(record, id))
        return;
    if (handle_)
        SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(record->rowIndex));
    if (!model_.Remove(record, id))
        return;
    RemoveFromSelection(record);
    if (hotRecord_ == record) {
        hotRecord_ = nullptr;
        hotCell_ = nullptr;
    }
    if (IsExpanded(record)) {
        for (uint32_t i = 0; i < record->GetChildCount(); ++i) {
            Record* child = record->GetChildAt(i);
            RemoveRowNow(child, child->id, true);
        }
    }
    if (handle_ && !nested)
        UpdateScrollBars();
}

void ListBox2::RemoveAllRowsNow()
{
    while (Record* last = model_.GetRow(model_.GetRowCount() - 1))
        RemoveRowNow(last, last->id, false);
}

void ListBox2::RemoveAndReleaseAllRowsNow()
{
    while (Record* last = model_.GetRow(model_.GetRowCount() - 1)) {
        RemoveRowNow(last, last->id, false);
        if (!last->parent)
            last->ReleaseToPool();
    }
}

// One removal can take several selected rows (a parent with its shown children): always the
// last entry that remains.
void ListBox2::RemoveSelectedRowsNow()
{
    while (selected_.GetCount() > 0) {
        const uint32_t last = selected_.GetCount() - 1;
        Record* record = static_cast<Record*>(selected_.Get(last));
        const int32_t id = last < selectedIds_.GetCount() ? selectedIds_.Get(last) : -1;
        RemoveRowNow(record, id, false);
        if (selected_.GetCount() > last && selected_.Get(last) == record)
            RemoveFromSelection(record);
    }
    selected_.Clear();
    selectedIds_.Clear();
}

void ListBox2::SetCellValueNow(Record* record, int32_t id, uint32_t column, uint64_t value)
{
    if (!model_.IsLive(record, id))
        return;
    SubRecord* cell = record->GetCell(static_cast<int32_t>(column));
    if (!cell)
        return;
    cell->ReplaceValue(value);
    if (handle_)
        RefreshOneCell(record->rowIndex, column, true);
}

void ListBox2::RefreshCellNow(Record* record, int32_t id, uint32_t column)
{
    if (!model_.IsLive(record, id))
        return;
    SubRecord* cell = record->GetCell(static_cast<int32_t>(column));
    if (!cell)
        return;
    cell->DropText();
    cell->GetDisplayText();
    if (handle_ && !updating_)
        RefreshOneCell(record->rowIndex, column, false);
}

void ListBox2::ToggleExpandNow(Record* record, int32_t id)
{
    if (!model_.IsLive(record, id))
        return;
    SubRecord* tree = record->GetTreeCell();
    if (!tree || tree->expandState == 0)
        return;
    tree->expandState = tree->expandState == 1 ? 2 : 1;
    if (handle_)
        RepaintRow(record->rowIndex, false);
    if (tree->expandState == 2) {
        for (uint32_t i = 0; i < record->GetChildCount(); ++i) {
            Record* child = record->GetChildAt(i);
            RemoveRowNow(child, child->id, false);
        }
    } else {
        for (uint32_t i = record->GetChildCount(); i > 0; --i)
            InsertRowNow(record->rowIndex + 1, record->GetChildAt(i - 1), false);
    }
}

void ListBox2::CollapseAllNow()
{
    if (handle_)
        DeselectAllNow();
    bool tree = false;
    for (uint32_t c = 0; c < model_.GetColumnCount(); ++c)
        tree = tree || model_.GetColumn(c)->treeColumn;
    if (!tree)
        return;
    for (uint32_t i = model_.GetRowCount(); i > 0; --i) {
        Record* row = model_.GetRow(i - 1);
        // Collapsing takes out only rows below this one: the rows still to visit keep their places.
        if (row && IsExpanded(row))
            ToggleExpandNow(row, row->id);
    }
}

void ListBox2::SortNativeItems()
{
    if (handle_)
        SendMessage(LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&listbox2::CompareRowIndexCallback));
}

// Collapsed first: collapsing deletes native items by their rows, which must still be the rows
// they were inserted at.
void ListBox2::SortNow()
{
    if (!handle_) {
        model_.Sort();
        return;
    }
    CollapseAllNow();
    model_.Sort();
    SortNativeItems();
    Tell(ListBox2Event::Sorted);
}

void ListBox2::SetCellCheckStateNow(Record* record, int32_t id, uint32_t column, int32_t state, bool notify)
{
    if (!model_.IsLive(record, id) || state < 1 || state > 3)
        return;
    SubRecord* cell = record->GetCell(static_cast<int32_t>(column));
    if (!cell || cell->checkState == 0 || cell->checkState == state)
        return;
    cell->checkState = state;
    if (notify && state == 2) {
        lastChecked_ = record;
        Tell(ListBox2Event::CellChecked);
    } else if (notify && state == 1) {
        lastUnchecked_ = record;
        Tell(ListBox2Event::CellUnchecked);
    }
    if (handle_ && model_.IsLive(record, id))
        RepaintRow(record->rowIndex, false);
}

void ListBox2::SetRowHighlightedNow(bool highlighted, Record* record, int32_t id)
{
    if (!model_.IsLive(record, id))
        return;
    record->emphasised = highlighted ? 1 : 0;
    if (handle_) {
        RedrawRows(record->rowIndex, record->rowIndex);
        UpdateWindow();
    }
}

void ListBox2::RedrawRows(int32_t first, int32_t last)
{
    if (handle_)
        SendMessage(LVM_REDRAWITEMS, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
}

void ListBox2::EnsureVisibleNow(Record* record, int32_t id)
{
    if (!handle_ || !model_.IsLive(record, id))
        return;
    SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(record->rowIndex), FALSE);
    UpdateScrollBars();
}

void ListBox2::SetNativeSelected(int32_t row, bool selected)
{
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED;
    state.state = selected ? LVIS_SELECTED : 0;
    SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

void ListBox2::SelectRowNow(Record* record, int32_t id)
{
    if (handle_ && model_.IsLive(record, id))
        SetNativeSelected(record->rowIndex, true);
}

void ListBox2::DeselectAllNow()
{
    if (!handle_)
        return;
    // Each deselection shortens the selection through its notification.
    col::_array::ArrayP* records = col::_array::ArrayP::New();
    if (!records)
        return;
    for (uint32_t i = 0; i < selected_.GetCount(); ++i)
        records->Append(selected_.Get(i));
    for (uint32_t i = records->GetCount(); i > 0; --i) {
        Record* record = static_cast<Record*>(records->Get(i - 1));
        if (record->list == &model_ && !record->detached)
            SetNativeSelected(record->rowIndex, false);
    }
    records->ReleaseToPool();
}

void ListBox2::SetUpdatingNow(bool begin)
{
    if (begin) {
        if (handle_)
            SendMessage(WM_SETREDRAW, FALSE);
        updating_ = true;
        return;
    }
    updating_ = false;
    if (!handle_)
        return;
    SendMessage(WM_SETREDRAW, TRUE);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    Redraw();
}

Record* ListBox2::GetNextRowNow(Record* record, int32_t id, bool wrap)
{
    const uint32_t count = model_.GetRowCount();
    if (!model_.IsLive(record, id))
        return wrap && count > 0 ? model_.GetRow(0) : nullptr;
    const uint32_t next = static_cast<uint32_t>(record->rowIndex) + 1;
    if (next < count)
        return model_.GetRow(next);
    return wrap ? model_.GetRow(0) : nullptr;
}

Record* ListBox2::GetPreviousRowNow(Record* record, int32_t id, bool wrap)
{
    const uint32_t count = model_.GetRowCount();
    if (!model_.IsLive(record, id))
        return wrap && count > 0 ? model_.GetRow(count - 1) : nullptr;
    if (record->rowIndex > 0)
        return model_.GetRow(static_cast<uint32_t>(record->rowIndex) - 1);
    return wrap ? model_.GetRow(count - 1) : nullptr;
}

void ListBox2::RecaptionColumns()
{
    if (!handle_)
        return;
    for (uint32_t c = 0; c < model_.GetColumnCount(); ++c) {
        DataType* column = model_.GetColumn(c);
        if (!column->ReadCaption() || !column->caption)
            continue;
        wchar_t buffer[260] = {};
        LVCOLUMNW record = {};
        record.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_IMAGE | LVCF_ORDER;
        record.pszText = buffer;
        record.cchTextMax = 260;
        if (!::SendMessageW(handle_, LVM_GETCOLUMNW, c, reinterpret_cast<LPARAM>(&record)))
            continue;
        record.mask |= LVCF_SUBITEM;
        record.iSubItem = static_cast<int>(c);
        column->caption->EnsureTerminated();
        record.pszText = column->caption->GetBuffer();
        ::SendMessageW(handle_, LVM_SETCOLUMNW, c, reinterpret_cast<LPARAM>(&record));
    }
    if (header_)
        header_->Redraw();
}

} // namespace win
} // namespace gui
} // namespace s
