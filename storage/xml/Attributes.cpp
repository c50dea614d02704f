#include "storage/xml/Attributes.h"

#include <cwchar>

#include "core/str/AsciiFold.h"
#include "core/str/StrBuffer.h"
#include "storage/xml/AttrFactory.h"
#include "storage/xml/Escape.h"
#include "storage/xml/ScratchText.h"

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

inline bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r';
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

const wchar_t* ParseAttributes(Attributes* list, const wchar_t* p)
{
    if (*p == L'>')
        return p;
    while (*p != L'/') {
        while (IsBlank(*p))
            ++p;
        if (*p == L'>' || *p == L'/' || *p == 0)
            return p;
        const wchar_t* name = p;
        while (*p && *p != L'=' && *p != L' ')
            ++p;
        const uint32_t nameLength = static_cast<uint32_t>(p - name);
        if (*p == 0)
            return p;
        // Whatever stands between the end of the name and the opening quote is passed over.
        ++p;
        while (*p && *p != L'"')
            ++p;
        if (*p == 0)
            return p;
        const wchar_t* value = ++p;
        while (*p && *p != L'"')
            ++p;
        if (*p == 0)
            return p;
        AddAttributeRaw(list, name, nameLength, value, static_cast<uint32_t>(p - value));
        ++p;
        if (*p == L'>')
            return p;
    }
    return p;
}

void WriteAttributes(Attributes* list, StrBuffer* out)
{
    const uint32_t count = list->GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        AttrRecord* record = list->GetRecord(i);
        if (record->nameLength == 0)
            continue;
        out->AppendChar(L' ');
        out->AppendChars(record->name, record->nameLength);
        out->AppendChar(L'=');
        out->AppendChar(L'"');
        out->AppendChars(record->value, record->valueLength);
        out->AppendChar(L'"');
    }
}

} // namespace xml
} // namespace s
