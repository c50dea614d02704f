#pragma once
#include <cstdint>

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace gui {
namespace listbox2 {

// Cell formatters over the value word. The painter recognises the last two by their address.

// The value is a StrBuffer (or null): its text is copied.
void FormatTextCell(uint64_t value, str::strbuffer::StrBuffer* out);
// The value is a transfer state 0 .. 8.
void FormatTransferStateCell(uint64_t value, str::strbuffer::StrBuffer* out);
// The value is a share in tenths of a percent.
void FormatPercentTenthsCell(uint64_t value, str::strbuffer::StrBuffer* out);

// Orders two StrBuffer values by their text, ignoring case; null before any text.
int32_t CompareTextCells(uint64_t a, uint64_t b, void* extra);

} // namespace listbox2
} // namespace gui
} // namespace s
