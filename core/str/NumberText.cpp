#include "core/str/NumberText.h"

#include <cstdio>
#include <cstdlib>

namespace s {
namespace str {
namespace numtext {

namespace {

const wchar_t kHexDigits[] = L"0123456789abcdef";
const uint32_t kDecimalBase = 10;

inline bool IsAsciiSpace(wchar_t c)
{
    return c == L' ' || (c >= L'\t' && c <= L'\r');
}

inline bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

} // namespace

uint32_t WriteUInt64(wchar_t* out, uint64_t value)
{
    wchar_t reversed[kIntegerRoom];
    uint32_t n = 0;
    do {
        reversed[n++] = static_cast<wchar_t>(L'0' + value % kDecimalBase);
        value /= kDecimalBase;
    } while (value != 0);
    for (uint32_t i = 0; i < n; ++i)
        out[i] = reversed[n - 1 - i];
    out[n] = L'\0';
    return n;
}

uint32_t WriteInt64(wchar_t* out, int64_t value)
{
    if (value >= 0)
        return WriteUInt64(out, static_cast<uint64_t>(value));
    // The magnitude in unsigned arithmetic, so the 64-bit minimum has one too.
    out[0] = L'-';
    return 1 + WriteUInt64(out + 1, 0 - static_cast<uint64_t>(value));
}

uint32_t WriteFixed(wchar_t* out, double value)
{
    // mingw-w64's own formatter (exact digits, correctly rounded), not the C runtime's, whose
    // digits differ between msvcrt.dll versions and Wine.
    char narrow[kFixedRoom];
    int n = __mingw_snprintf(narrow, sizeof narrow, "%f", value);
    if (n < 0)
        n = 0;
    if (static_cast<uint32_t>(n) >= kFixedRoom)
        n = static_cast<int>(kFixedRoom - 1);
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<wchar_t>(static_cast<unsigned char>(narrow[i]));
    out[n] = L'\0';
    return static_cast<uint32_t>(n);
}

void WriteHex(wchar_t* out, uint64_t value, uint32_t digits)
{
    for (uint32_t i = digits; i-- > 0;) {
        out[i] = kHexDigits[value & 0xF];
        value >>= 4;
    }
}

int64_t ParseInteger(const wchar_t* text, int64_t low, int64_t high)
{
    if (!text)
        return 0;
    while (IsAsciiSpace(*text))
        ++text;
    bool negative = false;
    if (*text == L'-' || *text == L'+') {
        negative = *text == L'-';
        ++text;
    }
    // The magnitude may reach one past high on the negative side (the minimum's magnitude).
    const uint64_t limit = negative ? 0 - static_cast<uint64_t>(low) : static_cast<uint64_t>(high);
    uint64_t magnitude = 0;
    bool saturated = false;
    for (; IsDigit(*text); ++text) {
        const uint64_t digit = static_cast<uint64_t>(*text - L'0');
        if (saturated)
            continue;
        if (magnitude > (limit - digit) / kDecimalBase) {
            saturated = true;
            magnitude = limit;
        } else {
            magnitude = magnitude * kDecimalBase + digit;
        }
    }
    if (!negative)
        return static_cast<int64_t>(magnitude);
    return magnitude == 0 ? 0 : static_cast<int64_t>(0 - magnitude);
}

double ParseDouble(const wchar_t* text)
{
    if (!text)
        return 0.0;
    while (IsAsciiSpace(*text))
        ++text;
    // mingw-w64's own conversion: correctly rounded and the same on every Windows.
    return __mingw_wcstod(text, nullptr);
}

int32_t HexValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

} // namespace numtext
} // namespace str
} // namespace s
