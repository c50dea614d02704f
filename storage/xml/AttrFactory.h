#pragma once
#include <cstdint>

#include "core/thread/PoolerBase.h"
#include "storage/xml/AttrRecord.h"
#include "storage/xml/TextRoom.h"

namespace s {
namespace xml {

// The process-wide pool of attribute records, built on first use and torn down at exit.
class AttrFactory : public thread::Factory {
public:
    AttrFactory();
    ~AttrFactory() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void* Generate() override;

    int32_t GetItemSize(void* item) override;
    void ResetItem(void* item) override;
    void DestroyItem(void** slot) override;

    static AttrFactory* Get();
    // A record from the pool holding fresh copies of name and value, in room for their origin.
    static AttrRecord* NewRecord(const wchar_t* name, uint32_t nameLength, const wchar_t* value,
                                 uint32_t valueLength, TextOrigin origin = TextOrigin::kSetter);
    // The same from the UTF-8 bytes of a parse, decoded into the copies.
    static AttrRecord* NewRecordUtf8(const char* name, uint32_t nameBytes, const char* value, uint32_t valueBytes);
    // Gives a record back to the pool, as an element's list does with one it lets go.
    static void GiveBack(AttrRecord* record);
    // Frees a record without the pool: for destructors, which may run after the pool is gone.
    static void FreeRecord(AttrRecord* record);
};

} // namespace xml
} // namespace s
