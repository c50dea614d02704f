#include "core/map/MapTable.h"

namespace s {
namespace map {

namespace {
void DisposeEntry(base::IDestructor* keyCleaner, base::IDestructor* valueCleaner, MapTableNode* node)
{
    if (keyCleaner) {
        void* key = node->object;
        keyCleaner->Destroy(&key);
    }
    if (valueCleaner) {
        void* value = reinterpret_cast<void*>(static_cast<uintptr_t>(node->value));
        valueCleaner->Destroy(&value);
    }
}
} // namespace

MapTable::MapTable() : MapTable(nullptr, nullptr, nullptr, nullptr) {}

MapTable::MapTable(base::IDestructor* resetKeyCleaner, base::IDestructor* destroyKeyCleaner,
                   base::IDestructor* resetValueCleaner, base::IDestructor* destroyValueCleaner)
    : resetKeyCleaner_(resetKeyCleaner),
      destroyKeyCleaner_(destroyKeyCleaner),
      resetValueCleaner_(resetValueCleaner),
      destroyValueCleaner_(destroyValueCleaner),
      ignoreCase_(0)
{
}

MapTable::~MapTable()
{
    ClearFreeing(destroyKeyCleaner_, destroyValueCleaner_);
    chains_.FreeBuckets();
}

const wchar_t* MapTable::GetClassName()
{
    return L"s_map_MapTable";
}

base::IObject* MapTable::NewInstance()
{
    return New();
}

thread::EasyPooler* MapTable::GetPool()
{
    return &thread::PoolOf<MapTable>();
}

MapTable* MapTable::New()
{
    return thread::TakeFromPool<MapTable>();
}

thread::EasyPooler* MapTable::GetNodePool()
{
    static thread::EasyPooler pool(kNodePoolCapacity, &chains::CreateNode<MapTableNode>, &chains::FreeNode,
                                   &chains::ZeroNode<MapTableNode>);
    return &pool;
}

void MapTable::ReleaseToPool()
{
    GetPool()->Give(this);
}

void MapTable::Reset()
{
    Clear(resetKeyCleaner_, resetValueCleaner_);
    chains_.FreeBuckets();
    resetKeyCleaner_ = nullptr;
    destroyKeyCleaner_ = nullptr;
    resetValueCleaner_ = nullptr;
    destroyValueCleaner_ = nullptr;
    ignoreCase_ = 0;
}

bool MapTable::Put(uint32_t hash, base::IObject* key, uint64_t value)
{
    MapTableNode* node = chains_.Insert(hash, key, ignoreCase_ != 0);
    if (!node)
        return false;
    node->value = value;
    return true;
}

MapTableNode* MapTable::FindNode(base::IObject* key)
{
    const uint32_t hash = ignoreCase_ ? key->HashCodeIgnoreCase() : key->HashCode();
    return chains_.Find(hash, key, ignoreCase_ != 0);
}

uint64_t MapTable::Get(base::IObject* key)
{
    MapTableNode* node = FindNode(key);
    return node ? node->value : 0;
}

bool MapTable::Contains(base::IObject* key)
{
    return FindNode(key) != nullptr;
}

void MapTable::Clear(base::IDestructor* keyCleaner, base::IDestructor* valueCleaner)
{
    chains_.Clear([=](MapTableNode* node) { DisposeEntry(keyCleaner, valueCleaner, node); }, true);
}

void MapTable::ClearFreeing(base::IDestructor* keyCleaner, base::IDestructor* valueCleaner)
{
    chains_.Clear([=](MapTableNode* node) { DisposeEntry(keyCleaner, valueCleaner, node); }, false);
}

void MapTable::Rehash(int32_t level)
{
    chains_.Rehash(level);
}

} // namespace map
} // namespace s
