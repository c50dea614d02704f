#pragma once
#include <cstdint>

namespace s {
namespace xml {

// Whether an element or attribute name of length units reads back from the written document
// as itself: not empty, not starting with "!" or "?" (a comment or declaration to the reader),
// and free of blanks, control characters, "=", "<", ">", "/", quotes and halves of a surrogate
// pair (which the UTF-8 writer cannot encode).
bool IsWritableName(const wchar_t* name, uint32_t length);

} // namespace xml
} // namespace s
