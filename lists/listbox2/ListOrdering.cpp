// Sorting by several columns and moving rows within the tree.
#include "core/col/MergeSort.h"
#include "lists/listbox2/DataType.h"
#include "lists/listbox2/List.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"

using s::col::_array::ArrayP;
using s::col::_array::ArrayS32;

namespace s {
namespace gui {
namespace listbox2 {

namespace {

int32_t CompareForSort(void* a, void* b, void* list)
{
    return static_cast<List*>(list)->CompareRecords(static_cast<Record*>(a), static_cast<Record*>(b));
}

uint64_t ValueOf(Record* record, uint32_t column)
{
    SubRecord* cell = record->GetCell(static_cast<int32_t>(column));
    return cell ? cell->value : 0;
}

bool Contains(ArrayP* array, void* pointer)
{
    return array && array->IndexOf(pointer, nullptr);
}

// A row may go under newParent unless that would put it under itself or its own descendant.
bool MayMoveUnder(Record* row, Record* newParent)
{
    return !newParent || (row != newParent && !newParent->HasAncestor(row));
}

void SortAscending(ArrayS32* indices)
{
    for (uint32_t i = 1; i < indices->GetCount(); ++i) {
        const int32_t value = indices->Get(i);
        uint32_t j = i;
        for (; j > 0 && indices->Get(j - 1) > value; --j)
            indices->Set(j, indices->Get(j - 1));
        indices->Set(j, value);
    }
}

} // namespace

void List::ToggleSortColumn(uint32_t columnIndex)
{
    DataType* column = GetColumn(columnIndex);
    if (!column)
        return;
    column->ascending = column->ascending ? 0 : 1;
    int32_t at;
    if (!sortPriority.IndexOf(columnIndex, &at))
        return;
    sortPriority.RemoveAt(static_cast<uint32_t>(at));
    sortPriority.InsertRaw(0, &columnIndex, 1, 0);
}

void List::Sort()
{
    if (rows.GetCount() > 1)
        col::SortArray(&rows, &CompareForSort, this);
    Renumber(0);
}

int32_t List::CompareRecords(Record* a, Record* b)
{
    for (uint32_t i = 0; i < sortPriority.GetCount(); ++i) {
        const uint32_t c = sortPriority.Get(i);
        DataType* column = GetColumn(c);
        if (!column || !column->sortable || !column->compare)
            continue;
        const int32_t r = column->compare(ValueOf(a, c), ValueOf(b, c), nullptr);
        if (r != 0)
            return column->ascending ? r : -r;
    }
    return 0;
}

void List::MoveRows(ArrayS32* rowIndices, int32_t targetRow, ArrayP* moved, Record* newParent, int32_t childPosition)
{
    if (!rowIndices)
        return;
    const int32_t count = static_cast<int32_t>(rows.GetCount());
    int32_t target = targetRow > count ? count : targetRow;
    int32_t position = childPosition;
    int32_t below = 0;
    ArrayS32* takenRows = ArrayS32::New();
    ArrayP* taken = ArrayP::New();
    if (!takenRows || !taken) {
        if (takenRows)
            takenRows->ReleaseToPool();
        if (taken)
            taken->ReleaseToPool();
        return;
    }

    for (uint32_t k = 0; k < rowIndices->GetCount(); ++k) {
        const int32_t i = rowIndices->Get(k);
        Record* r = (i >= 0) ? GetRow(static_cast<uint32_t>(i)) : nullptr;
        if (!r || Contains(taken, r) || !MayMoveUnder(r, newParent))
            continue;
        takenRows->Append(i);
        taken->Append(r);
        int32_t j;
        if (newParent && r->parent == newParent && newParent->IndexOfChild(r, &j) && j < position)
            --position;
        if (r->parent) {
            if (r->parent->children)
                r->parent->children->RemoveValue(r);
            r->parent = nullptr;
        }
        if (i < target)
            ++below;
    }
    target -= below;

    if (taken->GetCount() > 0) {
        if (target < 0) {
            for (uint32_t k = taken->GetCount(); k > 0; --k) {
                void* r = taken->Get(k - 1);
                if (moved && !Contains(moved, r))
                    moved->Append(r);
            }
            for (uint32_t k = 0; k < taken->GetCount(); ++k) {
                if (newParent)
                    newParent->AppendChild(static_cast<Record*>(taken->Get(k)));
            }
        } else {
            for (uint32_t k = takenRows->GetCount(); k > 0; --k)
                rows.RemoveAt(static_cast<uint32_t>(takenRows->Get(k - 1)));
            for (uint32_t k = taken->GetCount(); k > 0; --k) {
                Record* r = static_cast<Record*>(taken->Get(k - 1));
                const uint32_t at = static_cast<uint32_t>(target) > rows.GetCount() ? rows.GetCount() : target;
                rows.InsertAt(at, r);
                if (newParent && newParent->EnsureChildren()) {
                    const int32_t children = static_cast<int32_t>(newParent->children->GetCount());
                    const int32_t p = position < 0 ? 0 : (position > children ? children : position);
                    newParent->children->InsertAt(static_cast<uint32_t>(p), r);
                    r->parent = newParent;
                }
            }
        }
        Renumber(0);

        // Expanded rows take their shown children along, right after them and in their order.
        for (uint32_t k = 0; k < taken->GetCount(); ++k) {
            Record* r = static_cast<Record*>(taken->Get(k));
            SubRecord* tree = r->GetTreeCell();
            if (!tree || tree->expandState != 1 || r->GetChildCount() == 0)
                continue;
            ArrayS32* childRows = ArrayS32::New();
            if (!childRows)
                continue;
            for (uint32_t c = 0; c < r->GetChildCount(); ++c) {
                Record* child = r->GetChildAt(c);
                if (Contains(moved, child) || child->detached || child->list != this ||
                    GetRow(static_cast<uint32_t>(child->rowIndex)) != child)
                    continue;
                childRows->Append(child->rowIndex);
            }
            SortAscending(childRows);
            if (childRows->GetCount() > 0)
                MoveRows(childRows, r->rowIndex + 1, moved, r, 0);
            childRows->ReleaseToPool();
        }
    }
    takenRows->ReleaseToPool();
    taken->ReleaseToPool();
}

} // namespace listbox2
} // namespace gui
} // namespace s
