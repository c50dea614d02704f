#include "lists/listbox2/Record.h"

#include <atomic>
#include <cstdlib>

#include "core/col/ArrayP.h"
#include "lists/IListBox2.h"
#include "lists/listbox2/List.h"
#include "lists/listbox2/SubRecord.h"

using s::col::_array::ArrayP;

namespace s {
namespace gui {
namespace listbox2 {

Record::Record()
    : list(nullptr), rowIndex(0), userData(nullptr), cellCapacity(0), cellCount(0), cells(nullptr), id(0),
      detached(0), emphasised(0), dimmed(0), treeColumn(-1), children(nullptr), parent(nullptr)
{
    Reset();
}

Record::~Record()
{
    Reset();
}

uint32_t Record::HashCode()
{
    // Pooled objects are aligned: the low bits carry nothing.
    const uint64_t address = reinterpret_cast<uintptr_t>(this) >> 4;
    return static_cast<uint32_t>(address ^ (address >> 32));
}

const wchar_t* Record::GetClassName()
{
    return L"s_gui_listbox2_Record";
}

base::IObject* Record::NewInstance()
{
    return New();
}

void Record::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Record::Reset()
{
    TakeOutOfList();
    if (children) {
        // Its cleaner gives every child back; each child finds itself detached.
        children->ReleaseToPool();
        children = nullptr;
    }
    ReleaseCells();
    list = nullptr;
    rowIndex = 0;
    id = 0;
    detached = 0;
    emphasised = 0;
    dimmed = 0;
    treeColumn = -1;
    parent = nullptr;
}

void Record::TakeOutOfList()
{
    if (!list || detached)
        return;
    for (uint32_t i = GetChildCount(); i > 0; --i) {
        if (Record* child = GetChildAt(i - 1))
            child->TakeOutOfList();
    }
    // A view's removal may already have taken this row out along with an ancestor.
    if (!list || detached)
        return;
    if (list->view)
        list->view->RemoveRow(this, id);
    else
        list->Remove(this, id);
}

bool Record::AddCell(SubRecord* cell)
{
    if (!cell)
        return false;
    if (cellCount == cellCapacity) {
        const uint32_t capacity = cellCapacity ? cellCapacity * 2 : 1;
        void* grown = std::realloc(cells, capacity * sizeof(SubRecord*));
        if (!grown)
            return false;
        cells = static_cast<SubRecord**>(grown);
        cellCapacity = capacity;
    }
    cell->record = this;
    cell->column = static_cast<int32_t>(cellCount);
    cells[cellCount++] = cell;
    return true;
}

SubRecord* Record::GetCell(int32_t column) const
{
    if (column < 0 || static_cast<uint32_t>(column) >= cellCount || !cells)
        return nullptr;
    return cells[column];
}

void Record::ReleaseCells()
{
    for (uint32_t i = 0; i < cellCount; ++i) {
        if (cells[i])
            cells[i]->ReleaseToPool();
    }
    std::free(cells);
    cells = nullptr;
    cellCount = 0;
    cellCapacity = 0;
}

bool Record::IndexOfChild(Record* child, int32_t* index)
{
    if (!children) {
        if (index)
            *index = -1;
        return false;
    }
    return children->IndexOf(child, index);
}

bool Record::HasAncestor(Record* other) const
{
    if (!other)
        return false;
    for (const Record* up = parent; up; up = up->parent) {
        if (up == other)
            return true;
    }
    return false;
}

int32_t Record::GetDepth() const
{
    int32_t depth = 0;
    for (const Record* up = parent; up; up = up->parent)
        ++depth;
    return depth;
}

uint32_t Record::GetChildCount() const
{
    return children ? children->GetCount() : 0;
}

Record* Record::GetChildAt(uint32_t index) const
{
    return index < GetChildCount() ? static_cast<Record*>(children->Get(index)) : nullptr;
}

ArrayP* Record::EnsureChildren()
{
    if (!children)
        children = ArrayP::NewWithCleaner(GetPool());
    return children;
}

bool Record::AppendChild(Record* child)
{
    if (!child || child == this || !EnsureChildren())
        return false;
    children->Append(child);
    child->parent = this;
    return true;
}

thread::EasyPooler* Record::GetPool()
{
    return &thread::PoolOf<Record>();
}

Record* Record::New()
{
    return thread::TakeFromPool<Record>();
}

int32_t CompareRowIndex(Record* a, Record* b)
{
    if (a->rowIndex < b->rowIndex)
        return -1;
    return a->rowIndex > b->rowIndex ? 1 : 0;
}

int CALLBACK CompareRowIndexCallback(LPARAM a, LPARAM b, LPARAM)
{
    return CompareRowIndex(reinterpret_cast<Record*>(a), reinterpret_cast<Record*>(b));
}

int32_t NextRecordId()
{
    static std::atomic<int32_t> counter(0);
    return counter.fetch_add(1);
}

} // namespace listbox2
} // namespace gui
} // namespace s
