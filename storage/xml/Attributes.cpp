#include "storage/xml/Attributes.h"

#include <cwchar>

#include "core/str/AsciiFold.h"
#include "core/str/StrBuffer.h"
#include "storage/xml/AttrFactory.h"
#include "storage/xml/AttributeScan.h"
#include "storage/xml/ElementWriter.h"
#include "storage/xml/Escape.h"
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


inline uint32_t LengthOf(const wchar_t* text, uint32_t n)
{
    if (n != StrBuffer::kWhole)
        return n;
    return text ? static_cast<uint32_t>(std::wcslen(text)) : 0;
}

} // namespace

Attributes::Attributes() {}

Attributes::~Attributes()
{
    // The factory may be gone at exit: the records are freed here, not given back.
    const uint32_t count = records_.GetCount();
    for (uint32_t i = 0; i < count; ++i)
        AttrFactory::FreeRecord(GetRecord(i));
}

const wchar_t* Attributes::GetClassName()
{
    return L"s_xml_Attributes";
}

base::IObject* Attributes::NewInstance()
{
    return new (std::nothrow) Attributes();
}

bool Attributes::Append(AttrRecord* record)
{
    if (records_.Append(record))
        return true;
    AttrFactory::GiveBack(record);
    return false;
}

bool Attributes::AppendRun(void* const* records, uint32_t n)
{
    if (records_.AppendRun(records, n))
        return true;
    for (uint32_t i = 0; i < n; ++i)
        AttrFactory::GiveBack(static_cast<AttrRecord*>(records[i]));
    return false;
}

void Attributes::RemoveAt(uint32_t index)
{
    AttrFactory::GiveBack(static_cast<AttrRecord*>(records_.TakeAt(index)));
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
    // The count is read again each turn, as a cleaner of the library's lists does.
    for (uint32_t i = 0; i < records_.GetCount(); ++i)
        AttrFactory::GiveBack(GetRecord(i));
    records_.Release();
}

bool AddAttributeRaw(Attributes* list, const wchar_t* name, uint32_t nameLength, const wchar_t* value,
                     uint32_t valueLength)
{
    AttrRecord* record = AttrFactory::NewRecord(name ? name : L"", LengthOf(name, nameLength),
                                                value ? value : L"", LengthOf(value, valueLength));
    return record && list->Append(record);
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
    return ParseAttributes(list, p, p + std::wcslen(p));
}

const wchar_t* ParseAttributes(Attributes* list, const wchar_t* p, const wchar_t* end)
{
    return ScanAttributes(p, end, [list](AttrRecord* record) { list->Append(record); });
}

const char* ParseAttributes(Attributes* list, const char* p, const char* end)
{
    return ScanAttributes(p, end, [list](AttrRecord* record) { list->Append(record); });
}

void WriteAttributes(Attributes* list, StrBuffer* out)
{
    TextSink sink(out);
    WriteRecords(list, &sink);
}

} // namespace xml
} // namespace s
