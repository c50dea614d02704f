#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace col {
namespace _array {
class ArrayP;
}
} // namespace col
namespace gui {
namespace listbox2 {

class List;
class SubRecord;

// One row of a report list, and its child rows in a tree. Callers fill the fields directly; a
// caller that keeps a record also keeps its id, since records are pooled and reused.
class Record : public base::IObject, public thread::IPoolable {
public:
    Record();
    ~Record() override;

    // Equality stays identity; the hash follows it, so a set of records spreads over its buckets.
    uint32_t HashCode() override;
    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Takes a record still shown out of its list first (its shown descendants deepest first).
    void Reset() override;

    // Appends the cell, growing the cell array, and binds it to this record and the next column.
    bool AddCell(SubRecord* cell);
    // The cell of that column; null beyond the cells.
    SubRecord* GetCell(int32_t column) const;
    // The tree cell, or null when the row takes no part in a tree.
    SubRecord* GetTreeCell() const { return GetCell(treeColumn); }
    // Gives every cell back and frees the cell array.
    void ReleaseCells();

    // True with the child's place among the children; false with -1 (index is optional).
    bool IndexOfChild(Record* child, int32_t* index);
    bool HasAncestor(Record* other) const;
    int32_t GetDepth() const;
    uint32_t GetChildCount() const;
    Record* GetChildAt(uint32_t index) const;
    // Appends the child at the end of the children (made on first need) and sets its parent.
    bool AppendChild(Record* child);
    // The children array, made on first need, owning its records; null when none could be made.
    col::_array::ArrayP* EnsureChildren();

    static thread::EasyPooler* GetPool();
    static Record* New();

    List* list;
    int32_t rowIndex;
    void* userData;
    uint32_t cellCapacity;
    uint32_t cellCount;
    SubRecord** cells;
    int32_t id;
    uint8_t detached;
    uint8_t emphasised;
    uint8_t dimmed;
    int32_t treeColumn;
    col::_array::ArrayP* children;
    Record* parent;

private:
    Record(const Record&) = delete;
    Record& operator=(const Record&) = delete;

    void TakeOutOfList();
};

// -1, 0 or 1 by row index: the native list's item order follows the model through it.
int32_t CompareRowIndex(Record* a, Record* b);
// The same as a list-view sort callback over item parameters holding records.
int CALLBACK CompareRowIndexCallback(LPARAM a, LPARAM b, LPARAM);

// The next id for a record being filled; one counter for the whole process.
int32_t NextRecordId();

} // namespace listbox2
} // namespace gui
} // namespace s
