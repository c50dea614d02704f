#include "storage/xml/WritableName.h"

namespace s {
namespace xml {

namespace {

const wchar_t kFirstC1Control = 0x80;
const wchar_t kLastC1Control = 0x9F;
const wchar_t kDelete = 0x7F;

bool IsHighSurrogate(wchar_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

bool EndsOrBreaksName(wchar_t c)
{
    switch (c) {
    case L' ':
    case L'=':
    case L'<':
    case L'>':
    case L'/':
    case L'"':
    case L'\'':
        return true;
    default:
        return c < L' ' || c == kDelete || (c >= kFirstC1Control && c <= kLastC1Control);
    }
}

} // namespace

bool IsWritableName(const wchar_t* name, uint32_t length)
{
    if (!name || length == 0 || name[0] == L'!' || name[0] == L'?')
        return false;
    for (uint32_t i = 0; i < length; ++i) {
        const wchar_t c = name[i];
        if (EndsOrBreaksName(c))
            return false;
        if (IsHighSurrogate(c)) {
            if (i + 1 == length || !IsLowSurrogate(name[i + 1]))
                return false;
            ++i;
        } else if (IsLowSurrogate(c)) {
            return false;
        }
    }
    return true;
}

} // namespace xml
} // namespace s
