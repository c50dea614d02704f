#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/map/HashChains.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ObjLocker.h"

namespace s {
namespace map {

struct MapNode {
    uint32_t hash;
    base::IObject* object;
    MapNode* next;
};

// A hash set of library objects, hashed and compared by the objects themselves. It takes no lock
// of its own: users that share it take GetLocker's lock around each operation.
class Map : public base::IObject, public thread::IPoolable {
public:
    Map();
    // The reset cleaner disposes of the objects when the map goes back to its pool, the destroy
    // cleaner when it is destroyed; either may be null (the map then owns nothing).
    Map(base::IDestructor* resetCleaner, base::IDestructor* destroyCleaner);
    ~Map() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // The caller hashes: HashCodeIgnoreCase when the map ignores case, else HashCode.
    // False when an equal object is already stored.
    bool Add(uint32_t hash, base::IObject* object);
    // Unlinks the stored object equal to object and hands it to removed (when given); the map
    // does not dispose of it.
    bool Remove(uint32_t hash, base::IObject* object, base::IObject** removed);
    bool Contains(base::IObject* object);
    // Empties the map, handing each object to the cleaner when one is given.
    void Clear(base::IDestructor* cleaner);
    // As Clear, but frees the nodes instead of giving them back to their pool.
    void ClearFreeing(base::IDestructor* cleaner);
    void Rehash(int32_t level);

    uint32_t GetCount() const { return chains_.GetCount(); }
    uint32_t GetBucketCount() { return chains_.GetBucketCount(); }
    int32_t GetLevel() const { return chains_.GetLevel(); }
    bool IsIgnoreCase() const { return ignoreCase_ != 0; }
    void SetIgnoreCase(bool on) { ignoreCase_ = on ? 1 : 0; }
    thread::ObjLocker& GetLocker() { return locker_; }

    static thread::EasyPooler* GetPool();
    static Map* New();
    static thread::EasyPooler* GetNodePool();

private:
    Map(const Map&) = delete;
    Map& operator=(const Map&) = delete;

    thread::ObjLocker locker_;
    chains::HashChains<MapNode, &Map::GetNodePool> chains_;
    base::IDestructor* resetCleaner_;
    base::IDestructor* destroyCleaner_;
    uint8_t ignoreCase_;
};

} // namespace map
} // namespace s
