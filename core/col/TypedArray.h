#pragma once
#include <cstring>

#include "core/col/ArrayBase.h"
#include "core/col/Comparators.h"
#include "core/col/ElementText.h"
#include "core/thread/EasyPooler.h"

namespace s {
namespace col {
namespace _array {

// What differs between the six arrays: the element width of the one-element paths, the
// comparator, the sample elements and the class's pool.
template <class Self, class E, class Comparator>
class TypedArray : public ArrayBase {
public:
    typedef E Element;

    TypedArray() : ArrayBase(ShiftOf(sizeof(E))) {}

    const wchar_t* GetClassName() override { return Self::kClassName; }
    base::IObject* NewInstance() override { return New(); }
    void ReleaseToPool() override { GetPool()->Give(static_cast<Self*>(this)); }

    void AppendRaw(const void* source, uint32_t n, uint32_t sourceIndex) override
    {
        AppendRawAs<E>(source, n, sourceIndex);
    }
    void PopLast(void* dest, uint32_t n, uint32_t destIndex) override { PopLastAs<E>(dest, n, destIndex); }
    void SwapWithTemp(uint32_t i, uint32_t j, void* temporary) override { SwapWithTempAs<E>(i, j, temporary); }
    base::IComparator* GetComparator() override
    {
        static Comparator shared;
        return &shared;
    }
    const void* GetDefaultElement() override
    {
        static const E samples[5] = {E(0), E(1), E(2), E(3), E(4)};
        return samples;
    }

    str::strbuffer::StrBuffer* AppendElementText(str::strbuffer::StrBuffer* target, const void* element) override
    {
        E value;
        std::memcpy(&value, element, sizeof(E));
        return element_text::Append(target, value);
    }
    str::strbuffer::StrBuffer* AppendElementHex(str::strbuffer::StrBuffer* target, const void* element) override
    {
        element_text::AppendHex(target, static_cast<const E*>(element), 1);
        return target;
    }
    // One hex appender call over the whole storage.
    str::strbuffer::StrBuffer* ToHex(str::strbuffer::StrBuffer* target, bool append) override
    {
        target = str::strbuffer::StrBuffer::PrepareTarget(target, append);
        element_text::AppendHex(target, reinterpret_cast<const E*>(data_), count_);
        return target;
    }

    static thread::EasyPooler* GetPool() { return &thread::PoolOf<Self>(); }
    // An empty array from the class's pool; give it back with ReleaseToPool.
    static Self* New() { return thread::TakeFromPool<Self>(); }

    E Get(uint32_t index) const
    {
        E value;
        std::memcpy(&value, At(index), sizeof(E));
        return value;
    }
    void Set(uint32_t index, E value) { std::memcpy(At(index), &value, sizeof(E)); }
    // The one-element append most code uses: a growth step when full, then one typed store.
    void Append(E value)
    {
        if (count_ == capacity_)
            Grow();
        reinterpret_cast<E*>(data_)[count_++] = value;
    }

    // The element at index, taken out; the last one leaves without moving anything.
    E RemoveAt(uint32_t index)
    {
        const E value = Get(index);
        if (index + 1 != count_)
            CloseGap(index, 1);
        --count_;
        return value;
    }

    // The first index holding value: true, or false with -1 (written only when index is given).
    bool IndexOf(E value, int32_t* index)
    {
        for (uint32_t i = 0; i < count_; ++i) {
            if (Get(i) == value) {
                if (index)
                    *index = static_cast<int32_t>(i);
                return true;
            }
        }
        if (index)
            *index = -1;
        return false;
    }

private:
    static constexpr uint8_t ShiftOf(size_t size) { return size == 1 ? 0 : size == 4 ? 2 : 3; }
};

template <class E>
void ArrayBase::AppendRawAs(const void* source, uint32_t n, uint32_t sourceIndex)
{
    if (n == 1) {
        // Read before growing: the element may lie in the block that growing frees.
        E value;
        std::memcpy(&value, static_cast<const E*>(source) + sourceIndex, sizeof(E));
        if (count_ == capacity_)
            Grow();
        std::memcpy(At(count_), &value, sizeof(E));
        ++count_;
        return;
    }
    if (n == 0)
        return;
    OwnRun run(*this, static_cast<const uint8_t*>(source) + Bytes(sourceIndex), Bytes(n));
    if (capacity_ < count_ + n)
        EnsureCapacity(count_ + n);
    std::memcpy(At(count_), run.Get(), Bytes(n));
    count_ += n;
}

template <class E>
void ArrayBase::PopLastAs(void* dest, uint32_t n, uint32_t destIndex)
{
    count_ -= n;
    if (n == 1)
        std::memcpy(static_cast<E*>(dest) + destIndex, At(count_), sizeof(E));
    else if (n)
        std::memcpy(static_cast<uint8_t*>(dest) + Bytes(destIndex), At(count_), Bytes(n));
}

template <class E>
void ArrayBase::SwapWithTempAs(uint32_t i, uint32_t j, void* temporary)
{
    std::memcpy(temporary, At(i), sizeof(E));
    std::memcpy(At(i), At(j), sizeof(E));
    std::memcpy(At(j), temporary, sizeof(E));
}

} // namespace _array
} // namespace col
} // namespace s
