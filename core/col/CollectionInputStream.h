#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/col/IteratorBase.h"
#include "core/io/IInputStream.h"
#include "core/thread/EasyPooler.h"

namespace s {
namespace col {
namespace _array {
class ArrayBase;
}

// Reads a collection's elements, whole and in order, as a byte stream. Not seekable; the
// position always reads 0. The normal end of a use is Dispose, which gives the stream back.
class CollectionInputStream : public base::IObject, public io::IInputStream {
public:
    CollectionInputStream();
    ~CollectionInputStream() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    void ReleaseToPool() override;
    void Reset() override;

    // Copies whole elements into buffer, never more than count bytes; done tells how many.
    // False with done 0 at the end, or when count is smaller than one element.
    bool Read(void* buffer, uint32_t count, uint32_t* done) override;
    // Releases the iterator: the next read starts again at the first element.
    void Close() override;
    uint64_t GetPosition() override;
    bool IsSeekable() override;
    bool SeekToStart() override;
    int64_t SeekToEnd() override;
    bool SetPosition(uint64_t position) override;
    int64_t SeekFromEnd(uint64_t distance) override;
    bool SeekForward(uint64_t distance) override;
    bool SeekBackward(uint64_t distance) override;
    // Forgets the collection; the iterator, when there is one, goes back to its pool.
    void Clear() override;
    void Dispose() override;

    static thread::EasyPooler* GetPool();
    // A stream from the pool over array, positioned at its first element.
    static CollectionInputStream* New(_array::ArrayBase* array);

private:
    CollectionInputStream(const CollectionInputStream&) = delete;
    CollectionInputStream& operator=(const CollectionInputStream&) = delete;

    _array::ArrayBase* collection_;
    IteratorBase* iterator_;
};

} // namespace col
} // namespace s
