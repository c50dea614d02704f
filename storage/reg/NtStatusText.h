#pragma once
#include <windows.h>
#include <winternl.h>

namespace s {
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str

namespace reg {
namespace win {

// "Error( <decimal> [0x<hex>L] ) - " and ntdll's message for the status, or "No NT Error Data was
// returned??" when it has none. Written into out (emptied unless append; a pooled string the
// caller gives back when out is null), which is returned.
str::strbuffer::StrBuffer* FormatNtError(NTSTATUS status, str::strbuffer::StrBuffer* out = nullptr,
                                         bool append = false);

} // namespace win
} // namespace reg
} // namespace s
