#include "core/str/Iterator.h"

#include "core/str/StrBuffer.h"

namespace s {
namespace str {
namespace strbuffer {

Iterator::Iterator() : index_(-1), string_(nullptr), pointer_(nullptr) {}

const wchar_t* Iterator::GetClassName()
{
    return L"s_str_strbuffer_Iterator";
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
    return index_ < static_cast<int32_t>(string_->GetLength()) - 1;
}

bool Iterator::HasPrevious()
{
    return index_ > 0;
}

void Iterator::SkipForward(uint32_t n)
{
    index_ += static_cast<int32_t>(n);
    pointer_ += n;
}

void Iterator::SkipBackward(uint32_t n)
{
    index_ -= static_cast<int32_t>(n);
    pointer_ -= n;
}

void* Iterator::Next()
{
    ++index_;
    return pointer_++;
}

void* Iterator::Previous()
{
    --index_;
    return --pointer_;
}

void Iterator::Release()
{
    ReleaseToPool();
}

void Iterator::Reset()
{
    index_ = -1;
    string_ = nullptr;
    pointer_ = nullptr;
}

void Iterator::ReleaseToPool()
{
    GetPool()->Give(this);
}

thread::EasyPooler* Iterator::GetPool()
{
    return &thread::PoolOf<Iterator>();
}

Iterator* Iterator::New(StrBuffer* string, wchar_t* pointer, int32_t index)
{
    Iterator* iterator = thread::TakeFromPool<Iterator>();
    if (iterator) {
        iterator->string_ = string;
        iterator->pointer_ = pointer;
        iterator->index_ = index;
    }
    return iterator;
}

} // namespace strbuffer
} // namespace str
} // namespace s
