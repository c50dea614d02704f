#pragma once
#include <cstdint>

#include "storage/xml/Attributes.h"
#include "storage/xml/Node.h"

namespace s {
namespace xml {

// The writer's one walk over an element, for every form of output: a sink takes the markup
// characters (all ASCII) through Char and the names and stored values through Chars.

template <class Sink>
void WriteRecords(Attributes* list, Sink* out)
{
    const uint32_t count = list->GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        AttrRecord* record = list->GetRecord(i);
        if (record->nameLength == 0)
            continue;
        out->Char(L' ');
        out->Chars(record->name, record->nameLength);
        out->Char(L'=');
        out->Char(L'"');
        out->Chars(record->value, record->valueLength);
        out->Char(L'"');
    }
}

template <class Sink>
void WriteElement(Node* node, Sink* out)
{
    const wchar_t* name = node->GetName() ? node->GetName() : L"";
    const uint32_t nameLength = node->GetNameLength();
    out->Char(L'<');
    out->Chars(name, nameLength);
    WriteRecords(node->GetAttributes(), out);
    out->Char(L'>');
    if (AttrRecord* text = node->GetAttributes()->FirstText())
        out->Chars(text->value, text->valueLength);
    const uint32_t count = node->GetChildCount();
    for (uint32_t i = 0; i < count; ++i)
        WriteElement(node->ChildAt(i), out);
    out->Char(L'<');
    out->Char(L'/');
    out->Chars(name, nameLength);
    out->Char(L'>');
}

} // namespace xml
} // namespace s
