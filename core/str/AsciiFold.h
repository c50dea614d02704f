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

} // namespace str
} // namespace s
