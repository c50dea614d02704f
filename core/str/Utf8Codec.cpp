#include "core/str/Utf8Codec.h"

#include <windows.h>

#include <climits>
#include <cstring>

namespace s {
namespace str {

namespace {

const UINT kUtf8CodePage = 65001;

inline bool IsContinuation(uint8_t b)
{
    return (b & 0xC0) == 0x80;
}

// The length of the well-formed sequence at p (1 to 4), or 0 when it is malformed or cut off;
// code receives the code point it stands for.
inline uint32_t SequenceAt(const uint8_t* p, const uint8_t* end, uint32_t* code)
{
    const uint8_t b = p[0];
    if (b < 0x80) {
        *code = b;
        return 1;
    }
    const ptrdiff_t left = end - p;
    if (b >= 0xC2 && b <= 0xDF) {
        if (left < 2 || !IsContinuation(p[1]))
            return 0;
        *code = (static_cast<uint32_t>(b & 0x1F) << 6) | (p[1] & 0x3F);
        return 2;
    }
    if (b >= 0xE0 && b <= 0xEF) {
        if (left < 3 || !IsContinuation(p[1]) || !IsContinuation(p[2]))
            return 0;
        // Overlong forms and encoded surrogates are malformed.
        if ((b == 0xE0 && p[1] < 0xA0) || (b == 0xED && p[1] >= 0xA0))
            return 0;
        *code = (static_cast<uint32_t>(b & 0x0F) << 12) | (static_cast<uint32_t>(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        if (left < 4 || !IsContinuation(p[1]) || !IsContinuation(p[2]) || !IsContinuation(p[3]))
            return 0;
        if ((b == 0xF0 && p[1] < 0x90) || (b == 0xF4 && p[1] >= 0x90))
            return 0;
        *code = (static_cast<uint32_t>(b & 0x07) << 18) | (static_cast<uint32_t>(p[1] & 0x3F) << 12) |
                (static_cast<uint32_t>(p[2] & 0x3F) << 6) | (p[3] & 0x3F);
        return 4;
    }
    return 0;
}

// Units of well-formed bytes, or -1 at the first malformed sequence.
int64_t WellFormedUnits(const uint8_t* p, const uint8_t* end)
{
    int64_t units = 0;
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            ++units;
            continue;
        }
        uint32_t code;
        const uint32_t n = SequenceAt(p, end, &code);
        if (n == 0)
            return -1;
        p += n;
        units += code >= 0x10000 ? 2 : 1;
    }
    return units;
}

int SystemUnits(const char* bytes, uint32_t count, wchar_t* out, int room)
{
    if (count > static_cast<uint32_t>(INT_MAX))
        return 0;
    const int n = MultiByteToWideChar(kUtf8CodePage, 0, bytes, static_cast<int>(count), out, room);
    return n > 0 ? n : 0;
}

inline bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

inline bool IsLowSurrogate(wchar_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The system's bytes for a surrogate without its partner, at most four.
int LoneSurrogateBytes(wchar_t unit, char* out)
{
    char bytes[8];
    const int n = WideCharToMultiByte(kUtf8CodePage, 0, &unit, 1, bytes, sizeof bytes, nullptr, nullptr);
    if (n <= 0)
        return 0;
    if (out)
        std::memcpy(out, bytes, static_cast<size_t>(n));
    return n;
}

} // namespace

uint32_t Utf16Units(const char* bytes, uint32_t count)
{
    const uint8_t* p = reinterpret_cast<const uint8_t*>(bytes);
    const int64_t units = WellFormedUnits(p, p + count);
    if (units >= 0)
        return static_cast<uint32_t>(units);
    return static_cast<uint32_t>(SystemUnits(bytes, count, nullptr, 0));
}

uint32_t DecodeUtf8(const char* bytes, uint32_t count, wchar_t* out)
{
    const uint8_t* p = reinterpret_cast<const uint8_t*>(bytes);
    const uint8_t* end = p + count;
    wchar_t* to = out;
    while (p < end) {
        if (*p < 0x80) {
            *to++ = *p++;
            continue;
        }
        uint32_t code;
        const uint32_t n = SequenceAt(p, end, &code);
        if (n == 0) {
            // The room was sized by Utf16Units, which gave the system's count for these bytes.
            const uint32_t room = Utf16Units(bytes, count);
            return static_cast<uint32_t>(SystemUnits(bytes, count, out, static_cast<int>(room)));
        }
        p += n;
        if (code >= 0x10000) {
            code -= 0x10000;
            *to++ = static_cast<wchar_t>(0xD800 + (code >> 10));
            *to++ = static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
        } else {
            *to++ = static_cast<wchar_t>(code);
        }
    }
    return static_cast<uint32_t>(to - out);
}

bool IsWellFormedUtf8(const char* bytes, uint32_t count)
{
    const uint8_t* p = reinterpret_cast<const uint8_t*>(bytes);
    return WellFormedUnits(p, p + count) >= 0;
}

uint64_t Utf8Bytes(const wchar_t* units, uint32_t count)
{
    uint64_t bytes = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const wchar_t c = units[i];
        if (c < 0x80)
            bytes += 1;
        else if (c < 0x800)
            bytes += 2;
        else if (IsHighSurrogate(c) && i + 1 < count && IsLowSurrogate(units[i + 1])) {
            bytes += 4;
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c))
            bytes += static_cast<uint64_t>(LoneSurrogateBytes(c, nullptr));
        else
            bytes += 3;
    }
    return bytes;
}

char* EncodeUtf8(const wchar_t* units, uint32_t count, char* out)
{
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t c = units[i];
        if (c < 0x80) {
            *out++ = static_cast<char>(c);
        } else if (c < 0x800) {
            *out++ = static_cast<char>(0xC0 | (c >> 6));
            *out++ = static_cast<char>(0x80 | (c & 0x3F));
        } else if (IsHighSurrogate(units[i]) && i + 1 < count && IsLowSurrogate(units[i + 1])) {
            const uint32_t code = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
            *out++ = static_cast<char>(0xF0 | (code >> 18));
            *out++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            *out++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (code & 0x3F));
            ++i;
        } else if (IsHighSurrogate(units[i]) || IsLowSurrogate(units[i])) {
            out += LoneSurrogateBytes(units[i], out);
        } else {
            *out++ = static_cast<char>(0xE0 | (c >> 12));
            *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace str
} // namespace s
