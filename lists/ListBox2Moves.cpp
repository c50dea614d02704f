// Moving the selected rows up, down and out of their parents, and rows dropped within the list.
#include "lists/ListBox2.h"
#include "lists/ListBox2Event.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"

using s::col::_array::ArrayP;
using s::col::_array::ArrayS32;
using s::gui::listbox2::Record;
using s::gui::listbox2::SubRecord;

namespace s {
namespace gui {
namespace win {

namespace {

Record* TopLevelAncestor(Record* record)
{
    while (record && record->parent)
        record = record->parent;
    return record;
}

int32_t ChildIndex(Record* parent, Record* child)
{
    int32_t index = -1;
    if (parent)
        parent->IndexOfChild(child, &index);
    return index;
}

} // namespace

void ListBox2::MoveOneRow(Record* record, int32_t target, Record* parent, int32_t position, ArrayP* moved)
{
    ArrayS32* rows = ArrayS32::New();
    if (!rows)
        return;
    rows->Append(record->rowIndex);
    model_.MoveRows(rows, target, moved, parent, position);
    rows->ReleaseToPool();
}

Record* ListBox2::LastShownDescendant(Record* record)
{
    for (;;) {
        SubRecord* tree = record->GetTreeCell();
        Record* last = record->GetChildAt(record->GetChildCount() - 1);
        if (!tree || tree->expandState != 1 || !last || !model_.IsLive(last, last->id))
            return record;
        record = last;
    }
}

// The native items follow the model again; the selection is ordered by row, and one of its rows
// is shown.
void ListBox2::FinishSelectionMove(ArrayP* moved, bool firstVisible)
{
    SortNativeItems();
    RemoveHiddenMovedRows(moved);
    SortSelectionByRow();
    const uint32_t count = selected_.GetCount();
    if (count == 0)
        return;
    Record* record = nullptr;
    int32_t id = -1;
    GetSelectedAt(firstVisible ? 0 : count - 1, &record, &id);
    EnsureVisibleNow(record, id);
}

// Rows put under a collapsed row keep their place in the model until they leave the view here.
void ListBox2::RemoveHiddenMovedRows(ArrayP* moved)
{
    if (!moved)
        return;
    for (uint32_t i = 0; i < moved->GetCount(); ++i) {
        Record* record = static_cast<Record*>(moved->Get(i));
        SubRecord* tree = record->parent ? record->parent->GetTreeCell() : nullptr;
        const bool hidden = record->parent && (!model_.IsLive(record->parent, record->parent->id) ||
                                               !tree || tree->expandState != 1);
        if (hidden)
            RemoveRowNow(record, record->id, false);
    }
}

void ListBox2::MoveSelectionUpNow()
{
    ArrayP* moved = ArrayP::New();
    if (!moved)
        return;
    SortSelectionByRow();
    for (uint32_t i = 0; i < selected_.GetCount(); ++i) {
        Record* record = static_cast<Record*>(selected_.Get(i));
        if (!model_.IsLive(record, selectedIds_.Get(i)) || record->rowIndex == 0)
            continue;
        if (Record* parent = record->parent) {
            const int32_t at = ChildIndex(parent, record);
            Record* previous = at > 0 ? parent->GetChildAt(static_cast<uint32_t>(at - 1)) : nullptr;
            if (previous && model_.IsLive(previous, previous->id))
                MoveOneRow(record, previous->rowIndex, parent, at - 1, moved);
            continue;
        }
        Record* above = TopLevelAncestor(model_.GetRow(static_cast<uint32_t>(record->rowIndex - 1)));
        if (above && model_.IsLive(above, above->id))
            MoveOneRow(record, above->rowIndex, nullptr, 0, moved);
    }
    FinishSelectionMove(moved, true);
    moved->ReleaseToPool();
}

// A child goes behind its next sibling and that sibling's shown descendants: the target is the row
// after them, not the row of the sibling after next, which may lie anywhere when there is none.
void ListBox2::MoveSelectionDownNow()
{
    ArrayP* moved = ArrayP::New();
    if (!moved)
        return;
    SortSelectionByRow();
    for (uint32_t i = selected_.GetCount(); i > 0; --i) {
        Record* record = static_cast<Record*>(selected_.Get(i - 1));
        const int32_t count = static_cast<int32_t>(model_.GetRowCount());
        if (!model_.IsLive(record, selectedIds_.Get(i - 1)) || record->rowIndex >= count - 1)
            continue;
        if (Record* parent = record->parent) {
            const int32_t at = ChildIndex(parent, record);
            Record* next = parent->GetChildAt(static_cast<uint32_t>(at + 1));
            if (at < 0 || !next || !model_.IsLive(next, next->id))
                continue;
            MoveOneRow(record, LastShownDescendant(next)->rowIndex + 1, parent, at + 2, moved);
            continue;
        }
        int32_t target = count;
        int32_t topLevel = 0;
        for (int32_t r = record->rowIndex + 1; r < count; ++r) {
            if (!model_.GetRow(static_cast<uint32_t>(r))->parent && ++topLevel == 2) {
                target = r;
                break;
            }
        }
        MoveOneRow(record, target, nullptr, 0, moved);
    }
    FinishSelectionMove(moved, false);
    moved->ReleaseToPool();
}

void ListBox2::MoveSelectionOutNow()
{
    ArrayP* moved = ArrayP::New();
    if (!moved)
        return;
    SortSelectionByRow();
    for (uint32_t i = selected_.GetCount(); i > 0; --i) {
        Record* record = static_cast<Record*>(selected_.Get(i - 1));
        if (!model_.IsLive(record, selectedIds_.Get(i - 1)) || record->rowIndex == 0 || !record->parent)
            continue;
        Record* parent = record->parent;
        if (!model_.IsLive(parent, parent->id))
            continue;
        Record* grandparent = parent->parent;
        MoveOneRow(record, parent->rowIndex, grandparent, grandparent ? ChildIndex(grandparent, parent) : 0, moved);
    }
    FinishSelectionMove(moved, true);
    moved->ReleaseToPool();
}

// The selected rows go where the marker shows (row M, mode): before M as its sibling (1), after the
// row above M as its next sibling (0), or into M as its last child (2).
void ListBox2::MoveDroppedRows()
{
    ArrayS32* rows = ArrayS32::New();
    ArrayP* moved = ArrayP::New();
    if (!rows || !moved) {
        if (rows)
            rows->ReleaseToPool();
        if (moved)
            moved->ReleaseToPool();
        return;
    }
    for (uint32_t i = 0; i < selected_.GetCount(); ++i) {
        Record* record = static_cast<Record*>(selected_.Get(i));
        if (model_.IsLive(record, selectedIds_.Get(i)))
            rows->Append(record->rowIndex);
    }
    const int32_t count = static_cast<int32_t>(model_.GetRowCount());
    const int32_t m = dropRow_;
    bool move = rows->GetCount() > 0 && m >= 0;
    int32_t target = m;
    Record* parent = nullptr;
    int32_t position = 0;
    if (move && !IsTreeList()) {
        target = m;
    } else if (move && dropMode_ == 2) {
        Record* into = model_.GetRow(static_cast<uint32_t>(m));
        SubRecord* tree = into ? into->GetTreeCell() : nullptr;
        if (!tree || tree->expandState == 0) {
            move = false;
        } else if (tree->expandState == 2) {
            parent = into;
            target = -1;
        } else {
            parent = into;
            position = static_cast<int32_t>(into->GetChildCount());
            target = LastShownDescendant(into)->rowIndex + 1;
        }
    } else if (move && dropMode_ == 1) {
        if (m < count) {
            Record* before = model_.GetRow(static_cast<uint32_t>(m));
            parent = before->parent;
            position = parent ? ChildIndex(parent, before) : 0;
        }
    } else if (move && m > 0) {
        Record* above = model_.GetRow(static_cast<uint32_t>(m - 1));
        parent = above ? above->parent : nullptr;
        position = parent ? ChildIndex(parent, above) + 1 : 0;
    }
    if (move)
        model_.MoveRows(rows, target, moved, parent, position);
    SortNativeItems();
    RemoveHiddenMovedRows(moved);
    rows->ReleaseToPool();
    moved->ReleaseToPool();
}

} // namespace win
} // namespace gui
} // namespace s
