#pragma once
// The five integer arrays; the pointer array has its own header.
#include "core/col/TypedArray.h"

namespace s {
namespace col {
namespace _array {

class ArrayU08 : public TypedArray<ArrayU08, uint8_t, comp::CompU08> {
public:
    static constexpr const wchar_t* kClassName = L"s_col__array_ArrayU08";
    // An array from the pool with room for exactly n bytes.
    static ArrayU08* NewWithCapacity(uint32_t n);
};

class ArrayS08 : public TypedArray<ArrayS08, int8_t, comp::CompS08> {
public:
    static constexpr const wchar_t* kClassName = L"s_col__array_ArrayS08";
};

class ArrayS32 : public TypedArray<ArrayS32, int32_t, comp::CompS32> {
public:
    static constexpr const wchar_t* kClassName = L"s_col__array_ArrayS32";
    // Removes the first element equal to value; false when there is none.
    bool RemoveValue(int32_t value);
};

class ArrayU32 : public TypedArray<ArrayU32, uint32_t, comp::CompU32> {
public:
    static constexpr const wchar_t* kClassName = L"s_col__array_ArrayU32";
};

class ArrayS64 : public TypedArray<ArrayS64, int64_t, comp::CompS64> {
public:
    static constexpr const wchar_t* kClassName = L"s_col__array_ArrayS64";
};

} // namespace _array
} // namespace col
} // namespace s
