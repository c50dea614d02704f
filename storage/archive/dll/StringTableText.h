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

// A STRING resource's bytes as text: each counted string in double quotes on a line of its own,
// an empty string as an empty line, lines ended by CR LF. A string whose count reaches past the
// bytes ends the text with an empty line. By the target rule of DialogTemplateText.
str::strbuffer::StrBuffer* StringTableText(const uint8_t* bytes, uint32_t count, str::strbuffer::StrBuffer* target,
                                           bool append);

} // namespace dll
} // namespace archive
} // namespace s
