#include "core/col/ArrayBase.h"

#include <cstdlib>
#include <cstring>

#include "core/col/CollectionInputStream.h"
#include "core/col/Iterator.h"

namespace s {
namespace col {
namespace _array {

namespace {
// The last byte position a stream write may reach: room is kept for the element the end falls
// in, so that its size in bytes still fits in 32 bits for every element width.
const uint64_t kMaxStreamBytes = 0xFFFFFFF0ull;
} // namespace

ArrayBase::ArrayBase(uint8_t sizeShift) : sizeShift_(sizeShift), data_(nullptr), count_(0), capacity_(0), position_(0)
{
}

ArrayBase::~ArrayBase()
{
    ArrayBase::FreeAll();
}

int32_t ArrayBase::CompareTo(base::IComparable* other, base::IComparator* comparator)
{
    if (comparator)
        return comparator->Compare(static_cast<base::IComparable*>(this), other);
    ArrayBase* that = dynamic_cast<ArrayBase*>(other);
    if (!that)
        return base::IComparable::CompareTo(other, nullptr);
    if (count_ != that->count_)
        return count_ < that->count_ ? -1 : 1;
    base::IComparator* elements = GetComparator();
    for (uint32_t i = 0; i < count_; ++i) {
        const int32_t result = elements->Compare(At(i), that->At(i));
        if (result != 0)
            return result;
    }
    return 0;
}

const wchar_t* ArrayBase::GetName()
{
    return GetClassName();
}

void ArrayBase::CopyTo(ICollection* target, uint32_t destIndex, uint32_t sourceIndex, uint32_t n)
{
    if (n == 0xFFFFFFFFu)
        n = count_ - sourceIndex;
    target->WriteAt(data_, n, sourceIndex, destIndex);
}

void ArrayBase::CopyFrom(ICollection* source, uint32_t sourceIndex, uint32_t destIndex, uint32_t n)
{
    ArrayBase* from = static_cast<ArrayBase*>(static_cast<face::Collection*>(source));
    if (n == 0xFFFFFFFFu)
        n = from->count_ - sourceIndex;
    WriteAt(from->data_, n, sourceIndex, destIndex);
}

uint32_t ArrayBase::GetCount()
{
    return count_;
}

void ArrayBase::SetCount(uint32_t n)
{
    if (capacity_ < n)
        Reallocate(n);
    count_ = n;
}

uint32_t ArrayBase::GetByteOffset(uint32_t index)
{
    return Bytes(index == 0xFFFFFFFFu ? count_ : index);
}

void ArrayBase::CopyOut(void* dest, uint32_t destIndex, uint32_t sourceIndex, uint32_t n)
{
    if (n == 0xFFFFFFFFu)
        n = count_ - sourceIndex;
    if (n)
        std::memmove(static_cast<uint8_t*>(dest) + Bytes(destIndex), At(sourceIndex), Bytes(n));
}

void ArrayBase::WriteAt(const void* source, uint32_t n, uint32_t sourceIndex, uint32_t destIndex)
{
    if (n == 0)
        return;
    const uint32_t end = destIndex + n;
    OwnRun run(*this, static_cast<const uint8_t*>(source) + Bytes(sourceIndex), Bytes(n));
    if (capacity_ < end)
        Reallocate(end);
    std::memmove(At(destIndex), run.Get(), Bytes(n));
    if (count_ < end)
        count_ = end;
}

void ArrayBase::PrependRaw(const void* source, uint32_t n, uint32_t sourceIndex)
{
    InsertRaw(0, source, n, sourceIndex);
}

void ArrayBase::InsertRaw(uint32_t index, const void* source, uint32_t n, uint32_t sourceIndex)
{
    if (index == count_ && index != 0) {
        AppendRaw(source, n, sourceIndex);
        return;
    }
    if (n == 0)
        return;
    OwnRun run(*this, static_cast<const uint8_t*>(source) + Bytes(sourceIndex), Bytes(n));
    if (n == 1) {
        if (count_ == capacity_)
            Grow();
    } else if (capacity_ < count_ + n) {
        EnsureCapacity(count_ + n);
    }
    std::memmove(At(index + n), At(index), Bytes(count_ - index));
    std::memcpy(At(index), run.Get(), Bytes(n));
    count_ += n;
}

void ArrayBase::DropLast(uint32_t n)
{
    count_ -= n;
}

void ArrayBase::DropFirst(uint32_t n)
{
    CloseGap(0, n);
    count_ -= n;
}

void ArrayBase::RemoveRange(uint32_t index, uint32_t n)
{
    if (index + n != count_)
        CloseGap(index, n);
    count_ -= n;
}

void ArrayBase::PopFirst(void* dest, uint32_t n, uint32_t destIndex)
{
    TakeRange(0, dest, n, destIndex);
}

void ArrayBase::TakeRange(uint32_t index, void* dest, uint32_t n, uint32_t destIndex)
{
    if (n == 0)
        return;
    std::memcpy(static_cast<uint8_t*>(dest) + Bytes(destIndex), At(index), Bytes(n));
    RemoveRange(index, n);
}

int32_t ArrayBase::CompareRaw(uint32_t index, const void* buffer, uint32_t bufferCount, uint32_t bufferIndex,
                              uint32_t n)
{
    const uint32_t remaining = count_ - index;
    const uint32_t bufferRemaining = bufferCount - bufferIndex;
    uint32_t m = remaining < bufferRemaining ? remaining : bufferRemaining;
    uint32_t wanted = n;
    if (n == 0xFFFFFFFFu)
        wanted = remaining > bufferRemaining ? remaining : bufferRemaining;
    else if (n < m)
        m = n;
    if (m) {
        const int result = std::memcmp(At(index), static_cast<const uint8_t*>(buffer) + Bytes(bufferIndex), Bytes(m));
        if (result != 0)
            return result < 0 ? -1 : 1;
    }
    // Runs that end together are equal, however many elements were asked for.
    if (wanted == m || remaining == bufferRemaining)
        return 0;
    return remaining < bufferRemaining ? -1 : 1;
}

void ArrayBase::ClearElements()
{
    count_ = 0;
    position_ = 0;
}

void ArrayBase::FreeAll()
{
    if (data_) {
        std::free(data_);
        data_ = nullptr;
        capacity_ = 0;
    }
    position_ = 0;
    count_ = 0;
}

void ArrayBase::Swap(uint32_t i, uint32_t j)
{
    uint64_t temporary[4];
    SwapWithTemp(i, j, temporary);
}

void ArrayBase::Reverse()
{
    if (count_ < 2)
        return;
    uint64_t temporary;
    for (uint32_t k = 0; k < count_ / 2; ++k)
        SwapWithTemp(k, count_ - 1 - k, &temporary);
}

int32_t ArrayBase::GetCollectionKind()
{
    return 5;
}

void ArrayBase::Reset()
{
    FreeAll();
}

IteratorBase* ArrayBase::GetIterator()
{
    return Iterator::New(this, data_, -1);
}

IteratorBase* ArrayBase::GetReverseIterator()
{
    return Iterator::New(this, At(count_), static_cast<int32_t>(count_));
}

IteratorBase* ArrayBase::GetIteratorAt(uint32_t n)
{
    return Iterator::New(this, At(n), static_cast<int32_t>(n) - 1);
}

IteratorBase* ArrayBase::GetReverseIteratorAt(uint32_t n)
{
    return Iterator::New(this, At(count_ - n), static_cast<int32_t>(count_ - n));
}

void* ArrayBase::GetAt(uint32_t n)
{
    return At(n);
}

io::IInputStream* ArrayBase::GetInputStream()
{
    return CollectionInputStream::New(this);
}

bool ArrayBase::Read(void* buffer, uint32_t count, uint32_t* done)
{
    uint32_t ignored;
    if (!done)
        done = &ignored;
    *done = 0;
    if (count == 0)
        return true;
    const uint32_t size = Bytes(count_);
    if (position_ >= size)
        return false;
    const uint32_t k = size - position_ < count ? size - position_ : count;
    std::memcpy(buffer, data_ + position_, k);
    position_ += k;
    *done = k;
    return true;
}

bool ArrayBase::Write(const void* buffer, uint32_t count, uint32_t* done)
{
    uint32_t ignored;
    if (!done)
        done = &ignored;
    *done = 0;
    // The position and the storage size are 32-bit; past this they would wrap and the copy
    // would land outside the block.
    if (static_cast<uint64_t>(position_) + count > kMaxStreamBytes)
        return false;
    const uint32_t needed = ((position_ + count) >> sizeShift_) + 1;
    if (capacity_ < needed)
        EnsureCapacity(needed);
    if (count)
        std::memcpy(data_ + position_, buffer, count);
    position_ += count;
    *done = count;
    // Only whole elements count.
    if (count_ < (position_ >> sizeShift_))
        count_ = position_ >> sizeShift_;
    return true;
}

bool ArrayBase::Flush()
{
    return true;
}

void ArrayBase::Truncate() {}

void ArrayBase::Close()
{
    position_ = 0;
}

uint64_t ArrayBase::GetPosition()
{
    return position_;
}

bool ArrayBase::IsSeekable()
{
    return true;
}

bool ArrayBase::SeekToStart()
{
    position_ = 0;
    return true;
}

int64_t ArrayBase::SeekToEnd()
{
    position_ = Bytes(count_);
    return position_;
}

bool ArrayBase::SetPosition(uint64_t position)
{
    position_ = static_cast<uint32_t>(position);
    return true;
}

int64_t ArrayBase::SeekFromEnd(uint64_t distance)
{
    position_ = Bytes(count_) - static_cast<uint32_t>(distance);
    return position_;
}

bool ArrayBase::SeekForward(uint64_t distance)
{
    position_ += static_cast<uint32_t>(distance);
    return true;
}

bool ArrayBase::SeekBackward(uint64_t distance)
{
    position_ -= static_cast<uint32_t>(distance);
    return true;
}

uint32_t ArrayBase::GrowthStep(uint32_t c)
{
    uint64_t next;
    if (c < 100u)
        next = 100u;
    else if (c < 10000000u)
        next = 3ull * c;
    else if (c < 50000000u)
        next = 2ull * c;
    else if (c < 100000000u)
        next = static_cast<uint64_t>(c * 1.5);
    else
        next = static_cast<uint64_t>(c * 1.2);
    const uint32_t held = static_cast<uint32_t>(next);
    return held > c ? held : c;
}

void ArrayBase::Grow()
{
    const uint32_t next = GrowthStep(capacity_);
    if (next > capacity_)
        Reallocate(next);
}

void ArrayBase::EnsureCapacity(uint32_t n)
{
    if (capacity_ >= n)
        return;
    uint32_t working = capacity_;
    while (working < n) {
        const uint32_t next = GrowthStep(working);
        if (next <= working) {
            working = n;
            break;
        }
        working = next;
    }
    Reallocate(working);
}

void ArrayBase::ReserveExact(uint32_t n)
{
    if (capacity_ < n)
        Reallocate(n);
}

void ArrayBase::OpenGapAt(uint32_t index)
{
    if (capacity_ < count_ + 1)
        Reallocate(count_ + 1);
    std::memmove(At(index + 1), At(index), Bytes(count_ - index));
    ++count_;
}

void ArrayBase::Reallocate(uint32_t newCapacity)
{
    // realloc carries the first count elements over; what lies beyond them stays uninitialised.
    void* block = std::realloc(data_, Bytes(newCapacity));
    if (!block)
        std::abort();
    data_ = static_cast<uint8_t*>(block);
    capacity_ = newCapacity;
}

ArrayBase::OwnRun::OwnRun(const ArrayBase& array, const uint8_t* run, uint32_t bytes) : run_(run), copy_(nullptr)
{
    const uintptr_t start = reinterpret_cast<uintptr_t>(array.data_);
    const uintptr_t at = reinterpret_cast<uintptr_t>(run);
    if (!array.data_ || at < start || at >= start + array.Bytes(array.capacity_))
        return;
    copy_ = static_cast<uint8_t*>(std::malloc(bytes));
    if (!copy_)
        std::abort();
    std::memcpy(copy_, run, bytes);
}

ArrayBase::OwnRun::~OwnRun()
{
    std::free(copy_);
}

void ArrayBase::CloseGap(uint32_t index, uint32_t n)
{
    std::memmove(At(index), At(index + n), Bytes(count_ - index - n));
}

} // namespace _array
} // namespace col
} // namespace s
