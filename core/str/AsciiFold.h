#pragma once
#include <cstdint>

namespace s {
namespace str {

// Case folding of the whole library: only A-Z and a-z change; every other unit stands for itself.
inline wchar_t ToLowerAscii(wchar_t c)
{
    return static_cast<uint16_t>(c - L'A') < 26u ? static_cast<wchar_t>(c + 32) : c;
}

inline wchar_t ToUpperAscii(wchar_t c)
{
    return static_cast<uint16_t>(c - L'a') < 26u ? static_cast<wchar_t>(c - 32) : c;
}

// Two NUL-terminated texts equal under that folding.
inline bool EqualsIgnoreCaseAscii(const wchar_t* a, const wchar_t* b)
{
    for (;; ++a, ++b) {
        if (ToLowerAscii(*a) != ToLowerAscii(*b))
            return false;
        if (*a == 0)
            return true;
    }
}

} // namespace str
} // namespace s
