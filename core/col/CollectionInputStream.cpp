#include "core/col/CollectionInputStream.h"

#include <cstring>

#include "core/col/ArrayBase.h"

namespace s {
namespace col {

CollectionInputStream::CollectionInputStream() : collection_(nullptr), iterator_(nullptr) {}

CollectionInputStream::~CollectionInputStream()
{
    // The iterator pool may already be gone at exit; an iterator owns nothing, so plain delete.
    delete iterator_;
}

const wchar_t* CollectionInputStream::GetClassName()
{
    return L"s_col_CollectionInputStream";
}

base::IObject* CollectionInputStream::NewInstance()
{
    return thread::TakeFromPool<CollectionInputStream>();
}

void CollectionInputStream::ReleaseToPool()
{
    GetPool()->Give(this);
}

void CollectionInputStream::Reset()
{
    Clear();
}

bool CollectionInputStream::Read(void* buffer, uint32_t count, uint32_t* done)
{
    uint32_t ignored;
    if (!done)
        done = &ignored;
    *done = 0;
    if (!collection_)
        return false;
    if (!iterator_) {
        iterator_ = collection_->GetIterator();
        if (!iterator_)
            return false;
    }
    const uint32_t size = collection_->GetByteOffset(1);
    uint8_t* out = static_cast<uint8_t*>(buffer);
    uint32_t taken = 0;
    while (count - taken >= size && iterator_->HasNext()) {
        std::memcpy(out + taken, iterator_->Next(), size);
        taken += size;
    }
    *done = taken;
    return taken > 0;
}

void CollectionInputStream::Close()
{
    if (iterator_) {
        iterator_->Release();
        iterator_ = nullptr;
    }
}

uint64_t CollectionInputStream::GetPosition()
{
    return 0;
}

bool CollectionInputStream::IsSeekable()
{
    return false;
}

bool CollectionInputStream::SeekToStart()
{
    return false;
}

int64_t CollectionInputStream::SeekToEnd()
{
    return -1;
}

bool CollectionInputStream::SetPosition(uint64_t)
{
    return false;
}

int64_t CollectionInputStream::SeekFromEnd(uint64_t)
{
    return -1;
}

bool CollectionInputStream::SeekForward(uint64_t)
{
    return false;
}

bool CollectionInputStream::SeekBackward(uint64_t)
{
    return false;
}

void CollectionInputStream::Clear()
{
    Close();
    collection_ = nullptr;
}

void CollectionInputStream::Dispose()
{
    Close();
    ReleaseToPool();
}

thread::EasyPooler* CollectionInputStream::GetPool()
{
    return &thread::PoolOf<CollectionInputStream>();
}

CollectionInputStream* CollectionInputStream::New(_array::ArrayBase* array)
{
    CollectionInputStream* stream = thread::TakeFromPool<CollectionInputStream>();
    if (stream)
        stream->collection_ = array;
    return stream;
}

} // namespace col
} // namespace s
