#include "lists/listbox2/List.h"

#include "lists/IListBox2.h"
#include "lists/listbox2/DataType.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"

namespace s {
namespace gui {
namespace listbox2 {

List::List() : view(nullptr)
{
    columns.SetCleaner(DataType::GetPool());
}

List::~List()
{
    Reset();
}

const wchar_t* List::GetClassName()
{
    return L"s_gui_listbox2_List";
}

base::IObject* List::NewInstance()
{
    return New();
}

void List::ReleaseToPool()
{
    GetPool()->Give(this);
}

void List::Reset()
{
    for (uint32_t i = rows.GetCount(); i > 0; --i) {
        Record* row = GetRow(i - 1);
        Remove(row, row->id);
        row->ReleaseCells();
        row->list = nullptr;
        // A child goes back with its parent's children.
        if (!row->parent)
            row->ReleaseToPool();
    }
    rows.FreeAll();
    liveSet.Clear(nullptr);
    columns.FreeAll();
    sortPriority.FreeAll();
    view = nullptr;
}

bool List::InsertAt(int32_t index, Record* record)
{
    if (!record || liveSet.Contains(record))
        return false;
    const uint32_t count = rows.GetCount();
    const uint32_t at = index < 0 ? 0 : (static_cast<uint32_t>(index) > count ? count : static_cast<uint32_t>(index));
    rows.InsertAt(at, record);
    Renumber(at);
    Join(record);
    return true;
}

void List::Join(Record* record)
{
    record->list = this;
    record->detached = 0;
    liveSet.Add(record->HashCode(), record);
}

bool List::Remove(Record* record, int32_t id)
{
    if (!IsLive(record, id))
        return false;
    liveSet.Remove(record->HashCode(), record, nullptr);
    const uint32_t index = static_cast<uint32_t>(record->rowIndex);
    if (index < rows.GetCount() && rows.Get(index) == record) {
        rows.RemoveAt(index);
    } else {
        // The row index is kept right by every operation; should it not be, find the row.
        rows.RemoveValue(record);
    }
    Renumber(index < rows.GetCount() ? index : 0);
    record->detached = 1;
    return true;
}

void List::SetCellValue(Record* record, int32_t id, uint32_t column, uint64_t value)
{
    if (view) {
        view->SetCellValue(record, id, column, value);
        return;
    }
    if (!IsLive(record, id))
        return;
    if (SubRecord* cell = record->GetCell(static_cast<int32_t>(column)))
        cell->ReplaceValue(value);
}

bool List::IsLive(Record* record, int32_t id)
{
    return record && record->id == id && liveSet.Contains(record);
}

Record* List::GetRow(uint32_t index)
{
    return index < rows.GetCount() ? static_cast<Record*>(rows.Get(index)) : nullptr;
}

DataType* List::GetColumn(uint32_t index)
{
    return index < columns.GetCount() ? static_cast<DataType*>(columns.Get(index)) : nullptr;
}

bool List::AppendColumn(DataType* column)
{
    if (!column)
        return false;
    sortPriority.Append(columns.GetCount());
    columns.Append(column);
    return true;
}

void List::Renumber(uint32_t from)
{
    const uint32_t count = rows.GetCount();
    for (uint32_t i = from; i < count; ++i)
        static_cast<Record*>(rows.Get(i))->rowIndex = static_cast<int32_t>(i);
}

thread::EasyPooler* List::GetPool()
{
    return &thread::PoolOf<List>();
}

List* List::New()
{
    return thread::TakeFromPool<List>();
}

} // namespace listbox2
} // namespace gui
} // namespace s
