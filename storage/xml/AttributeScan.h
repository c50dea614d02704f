#pragma once
#include <cstdint>

#include "storage/xml/AttrFactory.h"
#include "storage/xml/AttrRecord.h"
#include "storage/xml/MarkupChars.h"

namespace s {
namespace xml {

// The attribute scanner of a start tag, shared by an element's list and the parser, which keeps
// an element's records aside until the element ends.

inline AttrRecord* ScannedRecord(const wchar_t* name, uint32_t nameLength, const wchar_t* value,
                                 uint32_t valueLength)
{
    return AttrFactory::NewRecord(name, nameLength, value, valueLength, TextOrigin::kParse);
}

inline AttrRecord* ScannedRecord(const char* name, uint32_t nameBytes, const char* value, uint32_t valueBytes)
{
    return AttrFactory::NewRecordUtf8(name, nameBytes, value, valueBytes);
}

// Scans from the end of the element name and hands every record to take. The scan stops at end,
// where the NUL-terminated form has its NUL; end is never read. Every character the grammar
// looks at is ASCII, so UTF-8 bytes scan like UTF-16 units.
template <class C, class Take>
const C* ScanAttributes(const C* p, const C* end, Take take)
{
    if (p < end && *p == '>')
        return p;
    while (p < end && *p != '/') {
        while (p < end && IsBlank(*p))
            ++p;
        if (p == end || *p == '>' || *p == '/')
            return p;
        const C* name = p;
        while (p < end && *p != '=' && *p != ' ')
            ++p;
        const uint32_t nameLength = static_cast<uint32_t>(p - name);
        if (p == end)
            return p;
        // Whatever stands between the end of the name and the opening quote is passed over.
        ++p;
        while (p < end && *p != '"')
            ++p;
        if (p == end)
            return p;
        const C* value = ++p;
        while (p < end && *p != '"')
            ++p;
        if (p == end)
            return p;
        if (AttrRecord* record = ScannedRecord(name, nameLength, value, static_cast<uint32_t>(p - value)))
            take(record);
        ++p;
        if (p < end && *p == '>')
            return p;
    }
    return p;
}

} // namespace xml
} // namespace s
