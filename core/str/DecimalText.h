#pragma once
#include <cstdint>

#include "core/str/StrBuffer.h"

namespace s {
namespace str {

// Appends a whole number in plain decimal ("%I64d"). Stands in for the string's number appends,
// which are built with the number-text operations; callers move to them when those land.
inline strbuffer::StrBuffer* AppendDecimal(strbuffer::StrBuffer* out, int64_t value)
{
    wchar_t digits[24];
    uint32_t n = 0;
    uint64_t rest = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    do {
        digits[n++] = static_cast<wchar_t>(L'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (value < 0)
        out->AppendChar(L'-');
    while (n != 0)
        out->AppendChar(digits[--n]);
    return out;
}

} // namespace str
} // namespace s
