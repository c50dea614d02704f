#include "core/col/Iterator.h"

#include "core/col/ArrayBase.h"

namespace s {
namespace col {
namespace _array {

Iterator::Iterator() : index_(-1), collection_(nullptr), cursor_(nullptr) {}

const wchar_t* Iterator::GetClassName()
{
    return L"s_col_array_Iterator";
}

base::IObject* Iterator::NewInstance()
{
    return thread::TakeFromPool<Iterator>();
}

int32_t Iterator::GetIndex()
{
    return index_;
}

void Iterator::SetIndex(int32_t index)
{
    index_ = index;
}

bool Iterator::HasNext()
{
    return index_ < static_cast<int32_t>(collection_->GetCount()) - 1;
}

bool Iterator::HasPrevious()
{
    return index_ > 0;
}

uint32_t Iterator::ElementSize() const
{
    return 1u << collection_->GetSizeShift();
}

void Iterator::SkipForward(uint32_t n)
{
    index_ += static_cast<int32_t>(n);
    cursor_ += static_cast<size_t>(n) * ElementSize();
}

void Iterator::SkipBackward(uint32_t n)
{
    index_ -= static_cast<int32_t>(n);
    cursor_ -= static_cast<size_t>(n) * ElementSize();
}

void* Iterator::Next()
{
    uint8_t* element = cursor_;
    cursor_ += ElementSize();
    ++index_;
    return element;
}

void* Iterator::Previous()
{
    cursor_ -= ElementSize();
    --index_;
    return cursor_;
}

void Iterator::Release()
{
    ReleaseToPool();
}

void Iterator::Reset()
{
    index_ = -1;
    collection_ = nullptr;
    cursor_ = nullptr;
}

void Iterator::ReleaseToPool()
{
    GetPool()->Give(this);
}

thread::EasyPooler* Iterator::GetPool()
{
    return &thread::PoolOf<Iterator>();
}

Iterator* Iterator::New(ArrayBase* array, uint32_t offset, int32_t index)
{
    Iterator* iterator = thread::TakeFromPool<Iterator>();
    if (iterator) {
        iterator->collection_ = array;
        iterator->cursor_ = static_cast<uint8_t*>(array->GetData()) + offset;
        iterator->index_ = index;
    }
    return iterator;
}

} // namespace _array
} // namespace col
} // namespace s
