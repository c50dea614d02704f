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

// A DIALOG resource's bytes, standard or extended template, as readable text: the dialog's
// header, font, position, size and style names, then each control with the same details, lines
// ended by CR LF. Other bytes give no text. No read goes past count: a truncated or hostile
// template yields what could be read. The target rule of every text operation: with no target a
// string from the pool that the caller owns, emptied first unless append.
str::strbuffer::StrBuffer* DialogTemplateText(const uint8_t* bytes, uint32_t count, str::strbuffer::StrBuffer* target,
                                              bool append);

} // namespace dll
} // namespace archive
} // namespace s
