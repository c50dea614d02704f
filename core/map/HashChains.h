#pragma once
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/base/IObject.h"
#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"

namespace s {
namespace map {

// Bucket counts, one per growth level; a table grows one level when it is half full.
constexpr int32_t kLevelCount = 20;
extern const uint32_t kBucketPrimes[kLevelCount];
constexpr int32_t kTopLevel = kLevelCount - 1;
// Nodes are many and small: their pools keep more idle ones than a class pool does.
constexpr int32_t kNodePoolCapacity = 10000;

namespace chains {

// The node pools hold raw nodes: zero-filled on creation and on return, freed with free.
template <class Node>
void* CreateNode()
{
    return std::calloc(1, sizeof(Node));
}
template <class Node>
void ZeroNode(void* node)
{
    if (node)
        std::memset(node, 0, sizeof(Node));
}
void FreeNode(void* node);

inline bool StoredEquals(base::IObject* stored, base::IObject* object, bool ignoreCase)
{
    return ignoreCase ? stored->EqualsIgnoreCase(object, nullptr) : stored->Equals(object, nullptr);
}

// The chained bucket array that the set and the keyed table share: a Node has hash, object and
// next; NodePool hands out and takes back raw Nodes.
template <class Node, thread::EasyPooler* (*NodePool)()>
class HashChains {
public:
    HashChains() : level_(0), count_(0) {}

    uint32_t GetCount() const { return count_; }
    int32_t GetLevel() const { return level_; }
    uint32_t GetBucketCount() { return buckets_.GetCount(); }

    // The stored node equal to object under hash, or null; previous gets its predecessor in the
    // chain (null at the head).
    Node* Find(uint32_t hash, base::IObject* object, bool ignoreCase, Node** previous = nullptr)
    {
        if (buckets_.GetCount() == 0)
            return nullptr;
        Node* before = nullptr;
        for (Node* node = Head(hash); node; before = node, node = node->next) {
            if (node->hash == hash && StoredEquals(node->object, object, ignoreCase)) {
                if (previous)
                    *previous = before;
                return node;
            }
        }
        return nullptr;
    }

    // A new node at the tail of the object's chain, or null when an equal object is stored (or
    // no node could be had).
    Node* Insert(uint32_t hash, base::IObject* object, bool ignoreCase)
    {
        if (buckets_.GetCount() == 0)
            MakeBuckets(level_);
        else if (count_ >= kBucketPrimes[level_] / 2)
            Rehash(level_ + 1);
        Node** link = reinterpret_cast<Node**>(buckets_.GetSlots()) + hash % kBucketPrimes[level_];
        for (; *link; link = &(*link)->next) {
            if ((*link)->hash == hash && StoredEquals((*link)->object, object, ignoreCase))
                return nullptr;
        }
        Node* node = static_cast<Node*>(NodePool()->Take());
        if (!node)
            return nullptr;
        node->hash = hash;
        node->object = object;
        node->next = nullptr;
        *link = node;
        ++count_;
        return node;
    }

    // Unlinks the stored object equal to object and gives its node back; null when none is.
    base::IObject* Remove(uint32_t hash, base::IObject* object, bool ignoreCase)
    {
        Node* previous = nullptr;
        Node* node = Find(hash, object, ignoreCase, &previous);
        if (!node)
            return nullptr;
        if (previous)
            previous->next = node->next;
        else
            buckets_.Set(hash % kBucketPrimes[level_], node->next);
        base::IObject* stored = node->object;
        NodePool()->Give(node);
        --count_;
        return stored;
    }

    void Rehash(int32_t n)
    {
        if (n > kTopLevel)
            n = kTopLevel;
        if (buckets_.GetCount() == 0) {
            MakeBuckets(n);
            return;
        }
        if (level_ >= kTopLevel || level_ >= n)
            return;
        col::_array::ArrayP* nodes = col::_array::ArrayP::New();
        if (!nodes)
            return;
        nodes->ReserveExact(count_);
        const uint32_t buckets = buckets_.GetCount();
        for (uint32_t i = 0; i < buckets; ++i) {
            for (Node* node = static_cast<Node*>(buckets_.Get(i)); node; node = node->next)
                nodes->Append(node);
        }
        MakeBuckets(n);
        // Appending at the tails keeps the relative order of nodes that share a new bucket.
        Node** tails = reinterpret_cast<Node**>(buckets_.GetSlots());
        const uint32_t prime = kBucketPrimes[level_];
        const uint32_t collected = nodes->GetCount();
        for (uint32_t i = 0; i < collected; ++i) {
            Node* node = static_cast<Node*>(nodes->Get(i));
            node->next = nullptr;
            Node** link = tails + node->hash % prime;
            while (*link)
                link = &(*link)->next;
            *link = node;
        }
        nodes->ReleaseToPool();
    }

    // Hands every node, in bucket order and head to tail, to dispose, then gives it back to the
    // node pool (or frees it, when the pools may already be gone).
    template <class Dispose>
    void Clear(Dispose dispose, bool toPool)
    {
        const uint32_t buckets = buckets_.GetCount();
        for (uint32_t i = 0; i < buckets; ++i) {
            Node* node = static_cast<Node*>(buckets_.Get(i));
            while (node) {
                Node* next = node->next;
                dispose(node);
                if (toPool)
                    NodePool()->Give(node);
                else
                    FreeNode(node);
                node = next;
            }
            buckets_.Set(i, nullptr);
        }
        count_ = 0;
    }

    // Drops the bucket array; the chains must have been cleared.
    void FreeBuckets()
    {
        buckets_.FreeAll();
        level_ = 0;
        count_ = 0;
    }

private:
    HashChains(const HashChains&) = delete;
    HashChains& operator=(const HashChains&) = delete;

    Node* Head(uint32_t hash) { return static_cast<Node*>(buckets_.Get(hash % kBucketPrimes[level_])); }

    void MakeBuckets(int32_t level)
    {
        const uint32_t n = kBucketPrimes[level];
        // The old chains are kept by the caller; nothing of the old array needs carrying over.
        buckets_.FreeAll();
        buckets_.ReserveExact(n);
        buckets_.SetCount(n);
        std::memset(buckets_.GetData(), 0, n * sizeof(void*));
        level_ = level;
    }

    col::_array::ArrayP buckets_;
    int32_t level_;
    uint32_t count_;
};

} // namespace chains
} // namespace map
} // namespace s
