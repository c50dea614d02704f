#pragma once
#include <cstddef>
#include <cstdint>

#include "core/col/IteratorBase.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace col {

// The pooled cursor that the array and string iterators share: it steps by adding the element
// size to a raw address, so the collection must not be reallocated while it is walked. Self
// names the class (kClassName) and says how to read the collection's element size (StepOf) and
// element count (CountOf); both are read at each call.
template <class Self, class Collection>
class CursorIterator : public IteratorBase, public thread::IPoolable {
public:
    CursorIterator() : index_(-1), collection_(nullptr), cursor_(nullptr) {}

    const wchar_t* GetClassName() override { return Self::kClassName; }
    base::IObject* NewInstance() override { return thread::TakeFromPool<Self>(); }

    int32_t GetIndex() override { return index_; }
    void SetIndex(int32_t index) override { index_ = index; }
    // Signed: true at -1 on a non-empty collection.
    bool HasNext() override { return index_ < static_cast<int32_t>(Self::CountOf(collection_)) - 1; }
    bool HasPrevious() override { return index_ > 0; }
    void SkipForward(uint32_t n) override
    {
        index_ += static_cast<int32_t>(n);
        cursor_ += static_cast<size_t>(n) * Self::StepOf(collection_);
    }
    void SkipBackward(uint32_t n) override
    {
        index_ -= static_cast<int32_t>(n);
        cursor_ -= static_cast<size_t>(n) * Self::StepOf(collection_);
    }
    // The address of the element, not its value.
    void* Next() override
    {
        uint8_t* element = cursor_;
        cursor_ += Self::StepOf(collection_);
        ++index_;
        return element;
    }
    void* Previous() override
    {
        cursor_ -= Self::StepOf(collection_);
        --index_;
        return cursor_;
    }
    void Release() override { ReleaseToPool(); }
    void Reset() override
    {
        index_ = -1;
        collection_ = nullptr;
        cursor_ = nullptr;
    }
    void ReleaseToPool() override { GetPool()->Give(static_cast<Self*>(this)); }

    static thread::EasyPooler* GetPool() { return &thread::PoolOf<Self>(); }
    // An iterator from the pool over collection, with its cursor and index as given.
    static Self* New(Collection* collection, void* cursor, int32_t index)
    {
        Self* iterator = thread::TakeFromPool<Self>();
        if (iterator) {
            iterator->collection_ = collection;
            iterator->cursor_ = static_cast<uint8_t*>(cursor);
            iterator->index_ = index;
        }
        return iterator;
    }

protected:
    int32_t index_;
    Collection* collection_;
    uint8_t* cursor_;
};

} // namespace col
} // namespace s
