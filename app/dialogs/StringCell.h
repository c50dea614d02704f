#pragma once
#include <cstdint>

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
namespace dialogs {

// The formatter of the dialogs' list cells whose value is a pooled StrBuffer (given back by the
// cell): the display text becomes a copy of it.
void FormatStringCell(uint64_t value, str::strbuffer::StrBuffer* out);

} // namespace dialogs
} // namespace gui
} // namespace s
