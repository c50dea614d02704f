#pragma once
#include <cstdint>

#include "core/col/CursorIterator.h"

namespace s {
namespace col {
namespace _array {

class ArrayBase;

// The iterator of every array: steps by the array's element size.
class Iterator : public CursorIterator<Iterator, ArrayBase> {
public:
    static constexpr const wchar_t* kClassName = L"s_col_array_Iterator";
    static uint32_t StepOf(ArrayBase* array);
    static uint32_t CountOf(ArrayBase* array);
};

} // namespace _array
} // namespace col
} // namespace s
