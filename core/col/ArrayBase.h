#pragma once
#include <cstdint>

#include "core/col/ICollection.h"
#include "core/col/IEnumerable.h"
#include "core/io/IInputStreamable.h"
#include "core/io/StreamFaces.h"

namespace s {
namespace col {
namespace _array {

// The collection and the two stream faces each have an operation named Clear with a meaning
// of its own (empty the array, or only rewind the stream); these faces keep them apart.
namespace face {
class Collection : public ICollection {
public:
    void Clear() override { ClearElements(); }

protected:
    virtual void ClearElements() = 0;
};
using Input = io::face::Input;
using Output = io::face::Output;
} // namespace face

// The one implementation of the six typed arrays: elements of 1 << sizeShift bytes, moved as raw
// bytes, never constructed or zero-filled. The array is also a seekable byte stream over its own
// storage, with a position in bytes that only reads, writes, Clear and FreeAll move.
class ArrayBase : public face::Collection,
                  public io::IInputStreamable,
                  public IEnumerable,
                  public face::Input,
                  public face::Output {
public:
    using face::Collection::Clear;

    explicit ArrayBase(uint8_t sizeShift);
    ~ArrayBase() override;

    int32_t CompareTo(base::IComparable* other, base::IComparator* comparator = nullptr) override;

    const wchar_t* GetName() override;
    void CopyTo(ICollection* target, uint32_t destIndex, uint32_t sourceIndex, uint32_t n) override;
    void CopyFrom(ICollection* source, uint32_t sourceIndex, uint32_t destIndex, uint32_t n) override;
    uint32_t GetCount() override;
    void SetCount(uint32_t n) override;
    uint32_t GetByteOffset(uint32_t index) override;
    void CopyOut(void* dest, uint32_t destIndex, uint32_t sourceIndex, uint32_t n) override;
    void WriteAt(const void* source, uint32_t n, uint32_t sourceIndex, uint32_t destIndex) override;
    void PrependRaw(const void* source, uint32_t n, uint32_t sourceIndex) override;
    void InsertRaw(uint32_t index, const void* source, uint32_t n, uint32_t sourceIndex) override;
    void DropLast(uint32_t n) override;
    void DropFirst(uint32_t n) override;
    void RemoveRange(uint32_t index, uint32_t n) override;
    void PopFirst(void* dest, uint32_t n, uint32_t destIndex) override;
    void TakeRange(uint32_t index, void* dest, uint32_t n, uint32_t destIndex) override;
    int32_t CompareRaw(uint32_t index, const void* buffer, uint32_t bufferCount, uint32_t bufferIndex,
                       uint32_t n) override;
    void FreeAll() override;
    void Swap(uint32_t i, uint32_t j) override;
    void Reverse() override;
    int32_t GetCollectionKind() override;

    // Text forms: ArrayForms.cpp; the per-element parts come from the typed arrays.
    str::strbuffer::StrBuffer* ToText(str::strbuffer::StrBuffer* target, bool append) override;
    str::strbuffer::StrBuffer* ToXml(str::strbuffer::StrBuffer* target, bool append) override;
    str::strbuffer::StrBuffer* DigestWith(digest::IDigester* digester, str::strbuffer::StrBuffer* target,
                                          bool append) override;

    void Reset() override;

    // Pooled iterators over the storage; the array must not be reallocated while one walks it.
    IteratorBase* GetIterator() override;
    IteratorBase* GetReverseIterator() override;
    IteratorBase* GetIteratorAt(uint32_t n) override;
    IteratorBase* GetReverseIteratorAt(uint32_t n) override;
    void* GetAt(uint32_t n) override;
    // A pooled CollectionInputStream over the elements.
    io::IInputStream* GetInputStream() override;

    bool Read(void* buffer, uint32_t count, uint32_t* done) override;
    bool Write(const void* buffer, uint32_t count, uint32_t* done) override;
    bool Flush() override;
    void Truncate() override;
    void Close() override;
    uint64_t GetPosition() override;
    bool IsSeekable() override;
    bool SeekToStart() override;
    int64_t SeekToEnd() override;
    bool SetPosition(uint64_t position) override;
    int64_t SeekFromEnd(uint64_t distance) override;
    bool SeekForward(uint64_t distance) override;
    bool SeekBackward(uint64_t distance) override;

    // Storage: exact sizes for callers that know what they need, the growth rule otherwise.
    void ReserveExact(uint32_t n);
    void Grow();
    void EnsureCapacity(uint32_t n);
    // Opens a one-element gap at index, reallocating to exactly count + 1 when full.
    void OpenGapAt(uint32_t index);
    // The next capacity of the growth rule, or c itself when the rule cannot grow further.
    static uint32_t GrowthStep(uint32_t c);

    uint32_t GetCapacity() const { return capacity_; }
    void* GetData() const { return data_; }
    uint8_t GetSizeShift() const { return sizeShift_; }

protected:
    void ClearElements() override;
    void Reallocate(uint32_t newCapacity);
    uint8_t* At(uint32_t index) const { return data_ + (index << sizeShift_); }
    uint32_t Bytes(uint32_t n) const { return n << sizeShift_; }
    // The tail from index + n moves down onto index; count is left to the caller.
    void CloseGap(uint32_t index, uint32_t n);

    // A run of elements to copy in that may lie in the array's own block: such a run is copied
    // aside first, since growing may free the block and moving the tail may shift the run.
    class OwnRun {
    public:
        OwnRun(const ArrayBase& array, const uint8_t* run, uint32_t bytes);
        ~OwnRun();
        const uint8_t* Get() const { return copy_ ? copy_ : run_; }

    private:
        OwnRun(const OwnRun&) = delete;
        OwnRun& operator=(const OwnRun&) = delete;
        const uint8_t* run_;
        uint8_t* copy_;
    };

    template <class E>
    void AppendRawAs(const void* source, uint32_t n, uint32_t sourceIndex);
    template <class E>
    void PopLastAs(void* dest, uint32_t n, uint32_t destIndex);
    template <class E>
    void SwapWithTempAs(uint32_t i, uint32_t j, void* temporary);

    uint8_t sizeShift_;
    uint8_t* data_;
    uint32_t count_;
    uint32_t capacity_;
    uint32_t position_;

private:
    ArrayBase(const ArrayBase&) = delete;
    ArrayBase& operator=(const ArrayBase&) = delete;
};

} // namespace _array
} // namespace col
} // namespace s
