#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/map/Map.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace gui {

class IListBox2;

namespace listbox2 {

class DataType;
class Record;

// The content of a report list: its columns, the rows shown now in display order, and the sort
// priority. It has no lock: it belongs to the thread that owns the list's window (before the
// window exists, to the thread that builds the list).
class List : public base::IObject, public thread::IPoolable {
public:
    List();
    ~List() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // Puts the record at index (clamped into 0 .. row count) and renumbers the rows after it.
    // False for a null record or one that is in the list already.
    bool InsertAt(int32_t index, Record* record);
    // False, with nothing changed, unless the record is in the list under that id.
    bool Remove(Record* record, int32_t id);
    // Through the view while one shows the list, else directly on the model.
    void SetCellValue(Record* record, int32_t id, uint32_t column, uint64_t value);
    // The record is in the list now and still carries that id.
    bool IsLive(Record* record, int32_t id);

    uint32_t GetRowCount() { return rows.GetCount(); }
    Record* GetRow(uint32_t index);
    uint32_t GetColumnCount() { return columns.GetCount(); }
    DataType* GetColumn(uint32_t index);
    // Appends the column (the list owns it from then on) and its index to the sort priority.
    bool AppendColumn(DataType* column);

    void ToggleSortColumn(uint32_t columnIndex);
    // Stable: rows that compare equal keep their order.
    void Sort();
    int32_t CompareRecords(Record* a, Record* b);
    // Moves rows (ascending current indices) before targetRow, or with -1 only under newParent;
    // a row never goes under itself or its own descendant. moved collects the records that were
    // re-parented in place, across a series of moves.
    void MoveRows(col::_array::ArrayS32* rowIndices, int32_t targetRow, col::_array::ArrayP* moved,
                  Record* newParent, int32_t childPosition);

    // Gives every row its place in rows, from index on.
    void Renumber(uint32_t from);

    static thread::EasyPooler* GetPool();
    static List* New();

    col::_array::ArrayP columns;
    col::_array::ArrayP rows;
    col::_array::ArrayU32 sortPriority;
    map::Map liveSet;
    IListBox2* view;

private:
    List(const List&) = delete;
    List& operator=(const List&) = delete;

    void Join(Record* record);
};

} // namespace listbox2
} // namespace gui
} // namespace s
