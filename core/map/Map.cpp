#include "core/map/Map.h"

namespace s {
namespace map {

namespace {
void DisposeObject(base::IDestructor* cleaner, MapNode* node)
{
    if (cleaner) {
        void* object = node->object;
        cleaner->Destroy(&object);
    }
}
} // namespace

Map::Map() : Map(nullptr, nullptr) {}

Map::Map(base::IDestructor* resetCleaner, base::IDestructor* destroyCleaner)
    : resetCleaner_(resetCleaner), destroyCleaner_(destroyCleaner), ignoreCase_(0)
{
}

Map::~Map()
{
    ClearFreeing(destroyCleaner_);
    chains_.FreeBuckets();
}

const wchar_t* Map::GetClassName()
{
    return L"s_map_Map";
}

base::IObject* Map::NewInstance()
{
    return New();
}

thread::EasyPooler* Map::GetPool()
{
    return &thread::PoolOf<Map>();
}

Map* Map::New()
{
    return thread::TakeFromPool<Map>();
}

thread::EasyPooler* Map::GetNodePool()
{
    static thread::EasyPooler pool(kNodePoolCapacity, &chains::CreateNode<MapNode>, &chains::FreeNode,
                                   &chains::ZeroNode<MapNode>);
    return &pool;
}

void Map::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Map::Reset()
{
    Clear(resetCleaner_);
    chains_.FreeBuckets();
    resetCleaner_ = nullptr;
    destroyCleaner_ = nullptr;
    ignoreCase_ = 0;
}

bool Map::Add(uint32_t hash, base::IObject* object)
{
    return chains_.Insert(hash, object, ignoreCase_ != 0) != nullptr;
}

bool Map::Remove(uint32_t hash, base::IObject* object, base::IObject** removed)
{
    base::IObject* stored = chains_.Remove(hash, object, ignoreCase_ != 0);
    if (!stored)
        return false;
    if (removed)
        *removed = stored;
    return true;
}

bool Map::Contains(base::IObject* object)
{
    const uint32_t hash = ignoreCase_ ? object->HashCodeIgnoreCase() : object->HashCode();
    return chains_.Find(hash, object, ignoreCase_ != 0) != nullptr;
}

void Map::Clear(base::IDestructor* cleaner)
{
    chains_.Clear([cleaner](MapNode* node) { DisposeObject(cleaner, node); }, true);
}

void Map::ClearFreeing(base::IDestructor* cleaner)
{
    chains_.Clear([cleaner](MapNode* node) { DisposeObject(cleaner, node); }, false);
}

void Map::Rehash(int32_t level)
{
    chains_.Rehash(level);
}

} // namespace map
} // namespace s
