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

// A VERSION resource's bytes as text: the text strings of the first string table of the string
// block that directly follows the fixed file information, one line each ("CompanyName: Zorv").
// Anything else gives no text; a table cut by the end of the bytes gives its strings that are
// whole. By the target rule of DialogTemplateText.
str::strbuffer::StrBuffer* VersionText(const uint8_t* bytes, uint32_t count, str::strbuffer::StrBuffer* target,
                                       bool append);

} // namespace dll
} // namespace archive
} // namespace s
