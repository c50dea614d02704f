#include "measurement/network/AddressText.h"

#include <cwchar>

namespace s {
namespace system {
namespace network {

namespace {
const int kIpv6Groups = 8;

bool IsHexDigit(wchar_t c)
{
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

// Four decimal parts of 0 to 255 without leading zeros, between begin and end.
bool IsIpv4(const wchar_t* begin, const wchar_t* end)
{
    int parts = 0;
    const wchar_t* p = begin;
    while (true) {
        int digits = 0;
        int value = 0;
        const wchar_t* start = p;
        while (p < end && *p >= L'0' && *p <= L'9' && digits < 4) {
            value = value * 10 + (*p - L'0');
            ++digits;
            ++p;
        }
        if (digits == 0 || digits > 3 || value > 255 || (digits > 1 && *start == L'0'))
            return false;
        ++parts;
        if (p == end)
            return parts == 4;
        if (*p != L'.' || parts == 4)
            return false;
        ++p;
    }
}

bool IsIpv6(const wchar_t* begin, const wchar_t* end)
{
    int groups = 0;
    bool compressed = false;
    const wchar_t* p = begin;
    if (end - p >= 2 && p[0] == L':' && p[1] == L':') {
        compressed = true;
        p += 2;
        if (p == end)
            return true;
    } else if (p < end && *p == L':') {
        return false;
    }
    while (p < end) {
        const wchar_t* start = p;
        while (p < end && IsHexDigit(*p) && p - start < 5)
            ++p;
        if (p < end && *p == L'.') {
            // An IPv4 tail takes the last two groups.
            if (!IsIpv4(start, end))
                return false;
            groups += 2;
            p = end;
            break;
        }
        const long digits = p - start;
        if (digits == 0 || digits > 4)
            return false;
        ++groups;
        if (p == end)
            break;
        if (*p != L':')
            return false;
        ++p;
        if (p < end && *p == L':') {
            if (compressed)
                return false;
            compressed = true;
            ++p;
        } else if (p == end) {
            return false;
        }
    }
    return compressed ? groups < kIpv6Groups : groups == kIpv6Groups;
}
} // namespace

bool IsAddressText(const wchar_t* text)
{
    if (!text)
        return false;
    const size_t length = std::wcslen(text);
    if (length == 0 || length > static_cast<size_t>(kMaxAddressChars))
        return false;
    const wchar_t* end = text + length;
    return IsIpv4(text, end) || IsIpv6(text, end);
}

} // namespace network
} // namespace system
} // namespace s
