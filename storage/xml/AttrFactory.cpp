#include "storage/xml/AttrFactory.h"

#include <cstdlib>
#include <cstring>

namespace s {
namespace xml {

namespace {

// Name and value share one block, the value right after the name's terminator: a document
// holds tens of thousands of records, and every allocation counts when it is read.
wchar_t* CopyTexts(const wchar_t* name, uint32_t nameLength, const wchar_t* value, uint32_t valueLength)
{
    const size_t units = static_cast<size_t>(nameLength) + 1 + valueLength + 1;
    wchar_t* block = static_cast<wchar_t*>(std::malloc(units * sizeof(wchar_t)));
    if (!block)
        return nullptr;
    if (nameLength)
        std::memcpy(block, name, static_cast<size_t>(nameLength) * sizeof(wchar_t));
    block[nameLength] = 0;
    wchar_t* copy = block + nameLength + 1;
    if (valueLength)
        std::memcpy(copy, value, static_cast<size_t>(valueLength) * sizeof(wchar_t));
    copy[valueLength] = 0;
    return block;
}

void FreeTexts(AttrRecord* record)
{
    // The value lives in the name's block.
    std::free(record->name);
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
    wchar_t* block = CopyTexts(name, nameLength, value, valueLength);
    if (!block) {
        Get()->Give(record, -1);
        return nullptr;
    }
    record->name = block;
    record->value = block + nameLength + 1;
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
