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

// An ACCELERATOR resource's bytes as text: for each whole 8-byte record its modifier keys and key
// ("Key: Ctrl + F1 key") and its command ("Action ID: 100"), then an empty line. Bytes after the
// last whole record are ignored. By the target rule of DialogTemplateText.
str::strbuffer::StrBuffer* AcceleratorText(const uint8_t* bytes, uint32_t count, str::strbuffer::StrBuffer* target,
                                           bool append);

// The name of a virtual-key code as the accelerator text writes it; "Unknown key" for a code
// without one.
str::strbuffer::StrBuffer* AppendVirtualKeyName(str::strbuffer::StrBuffer* out, uint16_t key);

} // namespace dll
} // namespace archive
} // namespace s
