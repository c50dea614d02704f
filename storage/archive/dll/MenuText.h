#pragma once
#include <cstdint>

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace archive {
namespace dll {

// A MENU resource's bytes (the standard template; an extended one gives no text) as text: each
// item's text on a line, a separator as a line of hyphens, the command id on the next line, a
// popup's items one tab deeper than the popup. A text cut by the end of the bytes ends the
// text. By the target rule of DialogTemplateText.
str::strbuffer::StrBuffer* MenuText(const uint8_t* bytes, uint32_t count, str::strbuffer::StrBuffer* target,
                                    bool append);

} // namespace dll
} // namespace archive
} // namespace s
