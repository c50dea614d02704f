#pragma once
#include <cstdint>

#include "core/str/StrBuffer.h"

namespace s {
namespace system {
namespace win {

// The bytes of a fixed-size system field up to its first NUL, never past the field, read in the
// system's ANSI code page into out (replacing its text).
void AssignAnsi(str::strbuffer::StrBuffer* out, const char* bytes, uint32_t size);

} // namespace win
} // namespace system
} // namespace s
