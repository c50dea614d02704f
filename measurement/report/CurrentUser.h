#pragma once

namespace s {
namespace system {
namespace win {

// The current user's name, read once and kept for the life of the process; empty when the
// system cannot tell it.
const wchar_t* GetCurrentUserName();

} // namespace win
} // namespace system
} // namespace s
