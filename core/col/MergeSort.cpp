#include "core/col/MergeSort.h"

#include <cstdlib>
#include <cstring>

#include "core/col/ArrayP.h"

namespace s {
namespace col {

namespace {

// Equal elements count as in order both ways, which keeps the sort stable.
inline bool InOrder(int32_t result, bool ascending)
{
    return ascending ? result <= 0 : result >= 0;
}

void MergeSort(void** source, void** dest, int32_t low, int32_t high, int32_t offset, SortCompare compare,
               void* userData, bool ascending)
{
    const int32_t length = high - low;
    if (length < 7) {
        for (int32_t i = low; i < high; ++i) {
            for (int32_t j = i; j > low && !InOrder(compare(dest[j - 1], dest[j], userData), ascending); --j) {
                void* t = dest[j - 1];
                dest[j - 1] = dest[j];
                dest[j] = t;
            }
        }
        return;
    }
    const int32_t lowS = low + offset;
    const int32_t highS = high + offset;
    const int32_t mid = (lowS + highS) >> 1;
    MergeSort(dest, source, lowS, mid, -offset, compare, userData, ascending);
    MergeSort(dest, source, mid, highS, -offset, compare, userData, ascending);

    if (InOrder(compare(source[mid - 1], source[mid], userData), ascending)) {
        std::memcpy(dest + low, source + lowS, static_cast<size_t>(length) * sizeof(void*));
        return;
    }
    int32_t p = lowS;
    int32_t q = mid;
    for (int32_t i = low; i < high; ++i) {
        if (q >= highS || (p < mid && InOrder(compare(source[p], source[q], userData), ascending)))
            dest[i] = source[p++];
        else
            dest[i] = source[q++];
    }
}

} // namespace

void MergeSortAscending(void** source, void** dest, int32_t low, int32_t high, int32_t offset,
                        SortCompare compare, void* userData)
{
    MergeSort(source, dest, low, high, offset, compare, userData, true);
}

void MergeSortDescending(void** source, void** dest, int32_t low, int32_t high, int32_t offset,
                         SortCompare compare, void* userData)
{
    MergeSort(source, dest, low, high, offset, compare, userData, false);
}

void SortArray(_array::ArrayP* array, SortCompare compare, void* userData, bool descending)
{
    const uint32_t count = array->GetCount();
    if (count < 2)
        return;
    const size_t bytes = static_cast<size_t>(count) * sizeof(void*);
    void** temporary = static_cast<void**>(std::malloc(bytes));
    if (!temporary)
        return;
    std::memcpy(temporary, array->GetSlots(), bytes);
    if (descending)
        MergeSortDescending(temporary, array->GetSlots(), 0, static_cast<int32_t>(count), 0, compare, userData);
    else
        MergeSortAscending(temporary, array->GetSlots(), 0, static_cast<int32_t>(count), 0, compare, userData);
    std::free(temporary);
}

} // namespace col
} // namespace s
