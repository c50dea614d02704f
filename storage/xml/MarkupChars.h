#pragma once

namespace s {
namespace xml {

// The characters the XML dialect's grammar looks at, all ASCII, so that one scan serves UTF-16
// text and UTF-8 bytes alike.

// Blanks, wherever the grammar skips them: exactly space, TAB, LF and CR.
template <class C>
inline bool IsBlank(C c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace xml
} // namespace s
