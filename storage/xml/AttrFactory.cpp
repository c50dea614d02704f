#include "storage/xml/AttrFactory.h"

#include <cstring>

#include "core/str/Utf8Codec.h"
#include "storage/xml/SlabHeap.h"
#include "storage/xml/TextRoom.h"

namespace s {
namespace xml {

namespace {

// Name and value share one block, the value right after the name's terminator: a document
// holds tens of thousands of records, and every allocation counts when it is read.
wchar_t* CopyTexts(const wchar_t* name, uint32_t nameLength, const wchar_t* value, uint32_t valueLength,
                   TextOrigin origin)
{
    const size_t units = static_cast<size_t>(nameLength) + 1 + valueLength + 1;
    wchar_t* block = NewTextRoom(units, origin);
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

wchar_t* DecodeTexts(const char* name, uint32_t nameBytes, const char* value, uint32_t valueBytes,
                     uint32_t* nameLength, uint32_t* valueLength)
{
    *nameLength = str::Utf16Units(name, nameBytes);
    *valueLength = str::Utf16Units(value, valueBytes);
    const size_t units = static_cast<size_t>(*nameLength) + 1 + *valueLength + 1;
    wchar_t* block = NewTextRoom(units, TextOrigin::kParse);
    if (!block)
        return nullptr;
    block[str::DecodeUtf8(name, nameBytes, block)] = 0;
    wchar_t* copy = block + *nameLength + 1;
    copy[str::DecodeUtf8(value, valueBytes, copy)] = 0;
    return block;
}

// A record from the pool holding the block; the block is freed when no record is left.
AttrRecord* Fill(wchar_t* block, uint32_t nameLength, uint32_t valueLength)
{
    if (!block)
        return nullptr;
    AttrRecord* record = static_cast<AttrRecord*>(AttrFactory::Get()->Take());
    if (!record) {
        FreeTextRoom(block);
        return nullptr;
    }
    record->name = block;
    record->value = block + nameLength + 1;
    record->nameLength = nameLength;
    record->valueLength = valueLength;
    return record;
}

const uint32_t kRecordsPerSlab = 512;

// Never torn down: the records of static trees are freed by their destructors at exit, after
// every static object may have gone.
SlabHeap& RecordHeap()
{
    static SlabHeap* heap = new SlabHeap(sizeof(AttrRecord), kRecordsPerSlab, alignof(AttrRecord));
    return *heap;
}

void FreeTexts(AttrRecord* record)
{
    // The value lives in the name's block.
    FreeTextRoom(record->name);
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
    AttrRecord* record = static_cast<AttrRecord*>(RecordHeap().Allocate());
    if (record)
        *record = AttrRecord();
    return record;
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
                                   uint32_t valueLength, TextOrigin origin)
{
    return Fill(CopyTexts(name, nameLength, value, valueLength, origin), nameLength, valueLength);
}

AttrRecord* AttrFactory::NewRecordUtf8(const char* name, uint32_t nameBytes, const char* value, uint32_t valueBytes)
{
    uint32_t nameLength;
    uint32_t valueLength;
    wchar_t* block = DecodeTexts(name, nameBytes, value, valueBytes, &nameLength, &valueLength);
    return Fill(block, nameLength, valueLength);
}

void AttrFactory::GiveBack(AttrRecord* record)
{
    void* slot = record;
    Get()->Destroy(&slot);
}

void AttrFactory::FreeRecord(AttrRecord* record)
{
    if (!record)
        return;
    FreeTexts(record);
    RecordHeap().Free(record);
}

} // namespace xml
} // namespace s
