#include "storage/xml/AttrFactory.h"

#include <cstdlib>
#include <cstring>

namespace s {
namespace xml {

namespace {

wchar_t* CopyText(const wchar_t* text, uint32_t n)
{
    wchar_t* copy = static_cast<wchar_t*>(std::malloc((static_cast<size_t>(n) + 1) * sizeof(wchar_t)));
    if (!copy)
        return nullptr;
    if (n)
        std::memcpy(copy, text, static_cast<size_t>(n) * sizeof(wchar_t));
    copy[n] = 0;
    return copy;
}

void FreeTexts(AttrRecord* record)
{
    std::free(record->name);
    std::free(record->value);
    record->name = nullptr;
    record->value = nullptr;
    record->nameLength = 0;
    record->valueLength = 0;
}

} // namespace

AttrFactory::AttrFactory() {}

AttrFactory::~AttrFactory()
{
    DestroyHeldItems();
}

const wchar_t* AttrFactory::GetClassName()
{
    return L"s_xml_AttrFactory";
}

base::IObject* AttrFactory::NewInstance()
{
    return new (std::nothrow) AttrFactory();
}

void* AttrFactory::Generate()
{
    return std::calloc(1, sizeof(AttrRecord));
}

int32_t AttrFactory::GetItemSize(void*)
{
    return static_cast<int32_t>(sizeof(AttrRecord));
}

void AttrFactory::ResetItem(void* item)
{
    FreeTexts(static_cast<AttrRecord*>(item));
}

void AttrFactory::DestroyItem(void** slot)
{
    FreeRecord(static_cast<AttrRecord*>(*slot));
    *slot = nullptr;
}

AttrFactory* AttrFactory::Get()
{
    static AttrFactory factory;
    return &factory;
}

AttrRecord* AttrFactory::NewRecord(const wchar_t* name, uint32_t nameLength, const wchar_t* value,
                                   uint32_t valueLength)
{
    AttrRecord* record = static_cast<AttrRecord*>(Get()->Take());
    if (!record)
        return nullptr;
    record->name = CopyText(name, nameLength);
    record->value = CopyText(value, valueLength);
    if (!record->name || !record->value) {
        Get()->Give(record, -1);
        return nullptr;
    }
    record->nameLength = nameLength;
    record->valueLength = valueLength;
    return record;
}

void AttrFactory::FreeRecord(AttrRecord* record)
{
    if (!record)
        return;
    FreeTexts(record);
    std::free(record);
}

} // namespace xml
} // namespace s
