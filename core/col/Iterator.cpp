#include "core/col/Iterator.h"

#include "core/col/ArrayBase.h"

namespace s {
namespace col {
namespace _array {

uint32_t Iterator::StepOf(ArrayBase* array)
{
    return 1u << array->GetSizeShift();
}

uint32_t Iterator::CountOf(ArrayBase* array)
{
    return array->GetCount();
}

} // namespace _array
} // namespace col
} // namespace s
