#include "core/col/Arrays.h"

namespace s {
namespace col {
namespace _array {

ArrayU08* ArrayU08::NewWithCapacity(uint32_t n)
{
    ArrayU08* array = New();
    if (array)
        array->ReserveExact(n);
    return array;
}

bool ArrayS32::RemoveValue(int32_t value)
{
    int32_t index;
    if (!IndexOf(value, &index))
        return false;
    RemoveAt(static_cast<uint32_t>(index));
    return true;
}

} // namespace _array
} // namespace col
} // namespace s
