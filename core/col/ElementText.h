#pragma once
#include <cstdint>

#include "core/str/StrBuffer.h"

namespace s {
namespace col {
namespace _array {
namespace element_text {

// How one element of each typed array is written, chosen by the element type.
typedef str::strbuffer::StrBuffer StrBuffer;

inline StrBuffer* Append(StrBuffer* target, uint8_t value)
{
    return target->AppendUInt8(value);
}
inline StrBuffer* Append(StrBuffer* target, int8_t value)
{
    return target->AppendInt8(value);
}
inline StrBuffer* Append(StrBuffer* target, int32_t value)
{
    return target->AppendInt32(value);
}
inline StrBuffer* Append(StrBuffer* target, uint32_t value)
{
    return target->AppendUInt32(value);
}
inline StrBuffer* Append(StrBuffer* target, int64_t value)
{
    return target->AppendInt64(value);
}
// The pointed object's class name and the pointer's value; a null element has no class name.
inline StrBuffer* Append(StrBuffer* target, void* value)
{
    if (value)
        target->Append(static_cast<base::IObject*>(value)->GetClassName());
    target->AppendChar(L'(');
    target->AppendInt64(static_cast<int64_t>(reinterpret_cast<intptr_t>(value)));
    target->AppendChar(L')');
    return target;
}

// A run of n elements as fixed-width hex, most significant digit first.
inline void AppendHex(StrBuffer* target, const uint8_t* values, uint32_t n)
{
    target->AppendHexBytes(values, static_cast<int32_t>(n));
}
inline void AppendHex(StrBuffer* target, const int8_t* values, uint32_t n)
{
    target->AppendHexBytes(reinterpret_cast<const uint8_t*>(values), static_cast<int32_t>(n));
}
inline void AppendHex(StrBuffer* target, const int32_t* values, uint32_t n)
{
    target->AppendHex32s(reinterpret_cast<const uint32_t*>(values), static_cast<int32_t>(n));
}
inline void AppendHex(StrBuffer* target, const uint32_t* values, uint32_t n)
{
    target->AppendHex32s(values, static_cast<int32_t>(n));
}
inline void AppendHex(StrBuffer* target, const int64_t* values, uint32_t n)
{
    target->AppendHex64s(reinterpret_cast<const uint64_t*>(values), static_cast<int32_t>(n));
}
// Pointers have no hex form.
inline void AppendHex(StrBuffer*, void* const*, uint32_t) {}

} // namespace element_text
} // namespace _array
} // namespace col
} // namespace s
