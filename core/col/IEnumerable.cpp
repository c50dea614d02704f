#include "core/col/IEnumerable.h"

namespace s {
namespace col {

IteratorBase* IEnumerable::GetIteratorAt(uint32_t n)
{
    IteratorBase* iterator = GetIterator();
    if (iterator)
        iterator->SkipForward(n);
    return iterator;
}

IteratorBase* IEnumerable::GetReverseIteratorAt(uint32_t n)
{
    IteratorBase* iterator = GetReverseIterator();
    if (iterator)
        iterator->SkipBackward(n);
    return iterator;
}

void* IEnumerable::GetAt(uint32_t n)
{
    IteratorBase* iterator = GetIteratorAt(n);
    if (!iterator)
        return nullptr;
    void* element = iterator->Next();
    iterator->Release();
    return element;
}

} // namespace col
} // namespace s
