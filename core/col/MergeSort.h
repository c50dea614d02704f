#pragma once
#include <cstdint>

namespace s {
namespace col {
namespace _array {
class ArrayP;
}

// Compares two element values (the pointers themselves); userData is passed through unchanged.
typedef int32_t (*SortCompare)(void* a, void* b, void* userData);

// Stable top-down merge sort of dest[low, high). Source must hold a copy of dest on the
// top-level call (offset 0); the two buffers swap roles at each level.
void MergeSortAscending(void** source, void** dest, int32_t low, int32_t high, int32_t offset,
                        SortCompare compare, void* userData);
void MergeSortDescending(void** source, void** dest, int32_t low, int32_t high, int32_t offset,
                         SortCompare compare, void* userData);

// Sorts the elements of a pointer array in place, stable, through a temporary copy.
void SortArray(_array::ArrayP* array, SortCompare compare, void* userData, bool descending = false);

} // namespace col
} // namespace s
