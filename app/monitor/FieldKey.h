#pragma once
#include "core/str/AsciiFold.h"

namespace s {
namespace system {
namespace counter {

// Field keys are compared whole, ignoring the case of A to Z, as stored settings may spell them.
inline bool SameFieldKey(const wchar_t* a, const wchar_t* b)
{
    if (!a || !b)
        return false;
    for (; *a && *b; ++a, ++b) {
        if (str::ToLowerAscii(*a) != str::ToLowerAscii(*b))
            return false;
    }
    return *a == *b;
}

} // namespace counter
} // namespace system
} // namespace s
