#pragma once
// The rows of the list benches: two text cells, as a dialog's list shows them.
#include <string>

#include "core/str/StrBuffer.h"
#include "lists/listbox2/CellFormatters.h"
#include "lists/listbox2/Record.h"
#include "lists/listbox2/SubRecord.h"

inline s::gui::listbox2::Record* TextRecord(const std::wstring& first, const std::wstring& second)
{
    using s::str::strbuffer::StrBuffer;
    s::gui::listbox2::Record* record = s::gui::listbox2::Record::New();
    record->id = s::gui::listbox2::NextRecordId();
    for (const std::wstring* text : {&first, &second}) {
        s::gui::listbox2::SubRecord* cell = s::gui::listbox2::SubRecord::New();
        cell->value = reinterpret_cast<uintptr_t>(StrBuffer::FromText(text->c_str()));
        cell->valueDestructor = StrBuffer::GetPool();
        cell->formatter = &s::gui::listbox2::FormatTextCell;
        record->AddCell(cell);
    }
    return record;
}
