#pragma once
// Rows and columns for the list tests, filled as the dialogs fill them.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/str/StrBuffer.h"
#include "lists/listbox2/CellFormatters.h"
#include "lists/listbox2/DataType.h"
#include "lists/listbox2/List.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"

namespace listtest {

using s::gui::listbox2::DataType;
using s::gui::listbox2::List;
using s::gui::listbox2::Record;
using s::gui::listbox2::SubRecord;
using s::str::strbuffer::StrBuffer;

inline int32_t CompareNumbers(uint64_t a, uint64_t b, void*)
{
    const int64_t x = static_cast<int64_t>(a);
    const int64_t y = static_cast<int64_t>(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

inline void FormatNumber(uint64_t value, StrBuffer* out)
{
    out->AssignInt64(static_cast<int64_t>(value));
}

// A row of text cells (each value a pooled string the cell owns).
inline Record* TextRow(std::initializer_list<const wchar_t*> texts, int32_t treeColumn = -1, int32_t expandState = 0)
{
    Record* record = Record::New();
    record->id = s::gui::listbox2::NextRecordId();
    for (const wchar_t* text : texts) {
        SubRecord* cell = SubRecord::New();
        cell->value = reinterpret_cast<uintptr_t>(StrBuffer::FromText(text));
        cell->valueDestructor = StrBuffer::GetPool();
        cell->formatter = &s::gui::listbox2::FormatTextCell;
        record->AddCell(cell);
    }
    record->treeColumn = treeColumn;
    if (SubRecord* tree = record->GetTreeCell())
        tree->expandState = expandState;
    return record;
}

// A row of number cells.
inline Record* NumberRow(std::initializer_list<int64_t> numbers, int32_t treeColumn = -1, int32_t expandState = 0)
{
    Record* record = Record::New();
    record->id = s::gui::listbox2::NextRecordId();
    for (int64_t number : numbers) {
        SubRecord* cell = SubRecord::New();
        cell->value = static_cast<uint64_t>(number);
        cell->formatter = &FormatNumber;
        record->AddCell(cell);
    }
    record->treeColumn = treeColumn;
    if (SubRecord* tree = record->GetTreeCell())
        tree->expandState = expandState;
    return record;
}

inline int64_t NumberAt(Record* record, int32_t column)
{
    return static_cast<int64_t>(record->GetCell(column)->value);
}

// The first cell's numbers of the rows, in display order.
inline std::vector<int64_t> FirstNumbers(List& list)
{
    std::vector<int64_t> numbers;
    for (uint32_t i = 0; i < list.GetRowCount(); ++i)
        numbers.push_back(NumberAt(list.GetRow(i), 0));
    return numbers;
}

// Every invariant of the model: row indices are places, the live set is exactly the rows.
inline void ExpectConsistent(List& list)
{
    ASSERT_EQ(list.liveSet.GetCount(), list.GetRowCount());
    for (uint32_t i = 0; i < list.GetRowCount(); ++i) {
        Record* row = list.GetRow(i);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->rowIndex, static_cast<int32_t>(i));
        EXPECT_TRUE(list.liveSet.Contains(row));
        EXPECT_EQ(row->list, &list);
        EXPECT_EQ(row->detached, 0);
    }
}

} // namespace listtest
