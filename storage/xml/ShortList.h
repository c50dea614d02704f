#pragma once
#include <cstdint>

#include "core/col/ArrayP.h"

namespace s {
namespace xml {

// Appends item to the records or children of one element. Most elements hold a handful of
// each, and the arrays' first growth step reserves a hundred slots: a document of thousands
// of small elements would allocate many times its own size. These lists start with a few
// slots and double until they reach that first step; beyond it the arrays grow as usual.
inline void AppendToShortList(col::_array::ArrayP* list, void* item)
{
    const uint32_t kFirstSlots = 4;
    const uint32_t kArrayFirstStep = 100;
    const uint32_t capacity = list->GetCapacity();
    if (list->GetCount() == capacity && capacity < kArrayFirstStep) {
        const uint32_t doubled = capacity ? capacity * 2 : kFirstSlots;
        list->ReserveExact(doubled < kArrayFirstStep ? doubled : kArrayFirstStep);
    }
    list->Append(item);
}

} // namespace xml
} // namespace s
