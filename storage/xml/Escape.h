#pragma once
#include <cstdint>

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace xml {

// The stored form of values. Attribute values escape LF, CR, the double quote, "&" and "<";
// element text escapes LF, CR, "&", "<", ">" and every space (as "&#160;", so that spaces at
// either end survive the parser's skipping of leading blanks and the reader's trimming).

// out is emptied, then receives text escaped by the attribute rules.
void EscapeAttributeValue(str::strbuffer::StrBuffer* out, const wchar_t* text);
// out is emptied, then receives text escaped by the element-text rules.
void EscapeText(str::strbuffer::StrBuffer* out, const wchar_t* text);
// Decodes stored (read up to its NUL) into out, replacing its content or appended to it. The
// length, or -1 to count it, only reserves room.
void UnescapeAttributeValue(str::strbuffer::StrBuffer* out, const wchar_t* stored, bool append,
                            uint32_t length);
// As UnescapeAttributeValue for element text: leading blanks are skipped and trailing white
// space is cut, except what a character reference produced.
void UnescapeText(str::strbuffer::StrBuffer* out, const wchar_t* stored, bool append, uint32_t length);

} // namespace xml
} // namespace s
