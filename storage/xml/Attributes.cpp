#include "storage/xml/Attributes.h"

#include <cwchar>

#include "core/str/AsciiFold.h"
#include "core/str/StrBuffer.h"
#include "storage/xml/AttrFactory.h"
#include "storage/xml/ElementWriter.h"
#include "storage/xml/Escape.h"
#include "storage/xml/MarkupChars.h"
#include "storage/xml/ScratchText.h"
#include "storage/xml/TextSink.h"

namespace s {
namespace xml {

namespace {

bool NameMatches(const AttrRecord* record, const wchar_t* name)
{
    const wchar_t* a = record->name;
    uint32_t i = 0;
    for (; i < record->nameLength; ++i) {
        if (str::ToLowerAscii(a[i]) != str::ToLowerAscii(name[i]) || name[i] == 0)
            return false;
    }
    return name[i] == 0;
}


inline void AddScanned(Attributes* list, const wchar_t* name, uint32_t nameLength, const wchar_t* value,
                       uint32_t valueLength)
{
    AddAttributeRaw(list, name, nameLength, value, valueLength);
}

inline void AddScanned(Attributes* list, const char* name, uint32_t nameBytes, const char* value, uint32_t valueBytes)
{
    AddAttributeUtf8(list, name, nameBytes, value, valueBytes);
}

// The scan stops at end, where the NUL-terminated form has its NUL; end is never read. Every
// character the grammar looks at is ASCII, so UTF-8 bytes scan like UTF-16 units.
template <class C>
const C* ScanAttributes(Attributes* list, const C* p, const C* end)
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
        AddScanned(list, name, nameLength, value, static_cast<uint32_t>(p - value));
        ++p;
        if (p < end && *p == '>')
            return p;
    }
    return p;
}

inline uint32_t LengthOf(const wchar_t* text, uint32_t n)
{
    if (n != StrBuffer::kWhole)
        return n;
    return text ? static_cast<uint32_t>(std::wcslen(text)) : 0;
}

} // namespace

Attributes::Attributes()
{
    records_.SetCleaner(AttrFactory::Get());
}

Attributes::~Attributes()
{
    // The factory may be gone at exit: the records are freed here, not given back.
    const uint32_t count = records_.GetCount();
    for (uint32_t i = 0; i < count; ++i)
        AttrFactory::FreeRecord(GetRecord(i));
    records_.Clear();
    records_.SetCleaner(nullptr);
}

const wchar_t* Attributes::GetClassName()
{
    return L"s_xml_Attributes";
}

base::IObject* Attributes::NewInstance()
{
    return new (std::nothrow) Attributes();
}

bool Attributes::FindIndex(const wchar_t* name, uint32_t* index)
{
    if (!name)
        name = L"";
    const uint32_t count = records_.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        if (NameMatches(GetRecord(i), name)) {
            if (index)
                *index = i;
            return true;
        }
    }
    return false;
}

AttrRecord* Attributes::Find(const wchar_t* name)
{
    uint32_t index;
    return FindIndex(name, &index) ? GetRecord(index) : nullptr;
}

AttrRecord* Attributes::FirstText()
{
    return Find(L"");
}

bool Attributes::RemoveFirst(const wchar_t* name)
{
    uint32_t index;
    if (!FindIndex(name, &index))
        return false;
    RemoveAt(index);
    return true;
}

void Attributes::RemoveAll()
{
    records_.FreeAll();
}

bool AddAttributeRaw(Attributes* list, const wchar_t* name, uint32_t nameLength, const wchar_t* value,
                     uint32_t valueLength)
{
    AttrRecord* record = AttrFactory::NewRecord(name ? name : L"", LengthOf(name, nameLength),
                                                value ? value : L"", LengthOf(value, valueLength));
    if (!record)
        return false;
    list->Append(record);
    return true;
}

bool SetAttributeText(Attributes* list, const wchar_t* name, const wchar_t* value)
{
    if (!name)
        name = L"";
    ScratchText scratch;
    StrBuffer* text = scratch.Get();
    if (*name)
        EscapeAttributeValue(text, value);
    else
        EscapeText(text, value);
    return AddAttributeRaw(list, name, StrBuffer::kWhole, text->GetText(), text->GetLength());
}

bool AddAttributeUtf8(Attributes* list, const char* name, uint32_t nameBytes, const char* value, uint32_t valueBytes)
{
    AttrRecord* record = AttrFactory::NewRecordUtf8(name, nameBytes, value, valueBytes);
    if (!record)
        return false;
    list->Append(record);
    return true;
}

const wchar_t* ParseAttributes(Attributes* list, const wchar_t* p)
{
    return ParseAttributes(list, p, p + std::wcslen(p));
}

const wchar_t* ParseAttributes(Attributes* list, const wchar_t* p, const wchar_t* end)
{
    return ScanAttributes(list, p, end);
}

const char* ParseAttributes(Attributes* list, const char* p, const char* end)
{
    return ScanAttributes(list, p, end);
}

void WriteAttributes(Attributes* list, StrBuffer* out)
{
    TextSink sink(out);
    WriteRecords(list, &sink);
}

} // namespace xml
} // namespace s
