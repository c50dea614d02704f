#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/map/HashChains.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ObjLocker.h"

namespace s {
namespace map {

struct MapTableNode {
    uint32_t hash;
    base::IObject* object;
    uint64_t value;
    MapTableNode* next;
};

// A hash table of key objects with a 64-bit value beside each (a pointer or a number, as the user
// chooses). Like Map it takes no lock of its own: sharing users take GetLocker's lock.
class MapTable : public base::IObject, public thread::IPoolable {
public:
    MapTable();
    // The reset pair disposes of keys and values when the table goes back to its pool, the destroy
    // pair when it is destroyed; each may be null.
    MapTable(base::IDestructor* resetKeyCleaner, base::IDestructor* destroyKeyCleaner,
             base::IDestructor* resetValueCleaner, base::IDestructor* destroyValueCleaner);
    ~MapTable() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // The caller hashes the key as for Map::Add. False, and the stored value kept, when an equal
    // key is already there.
    bool Put(uint32_t hash, base::IObject* key, uint64_t value);
    // The value of the equal stored key, or 0.
    uint64_t Get(base::IObject* key);
    // Whether an equal key is stored, which Get cannot tell for a value of 0.
    bool Contains(base::IObject* key);
    void Clear(base::IDestructor* keyCleaner, base::IDestructor* valueCleaner);
    // As Clear, but frees the nodes instead of giving them back to their pool.
    void ClearFreeing(base::IDestructor* keyCleaner, base::IDestructor* valueCleaner);
    void Rehash(int32_t level);

    uint32_t GetCount() const { return chains_.GetCount(); }
    uint32_t GetBucketCount() { return chains_.GetBucketCount(); }
    int32_t GetLevel() const { return chains_.GetLevel(); }
    bool IsIgnoreCase() const { return ignoreCase_ != 0; }
    void SetIgnoreCase(bool on) { ignoreCase_ = on ? 1 : 0; }
    thread::ObjLocker& GetLocker() { return locker_; }

    static thread::EasyPooler* GetPool();
    static MapTable* New();
    static thread::EasyPooler* GetNodePool();

private:
    MapTable(const MapTable&) = delete;
    MapTable& operator=(const MapTable&) = delete;

    MapTableNode* FindNode(base::IObject* key);

    thread::ObjLocker locker_;
    chains::HashChains<MapTableNode, &MapTable::GetNodePool> chains_;
    base::IDestructor* resetKeyCleaner_;
    base::IDestructor* destroyKeyCleaner_;
    base::IDestructor* resetValueCleaner_;
    base::IDestructor* destroyValueCleaner_;
    uint8_t ignoreCase_;
};

} // namespace map
} // namespace s
