#pragma once

namespace s {
namespace system {
namespace win {

// The user's Explorer choices for hidden files, read afresh on every call; any thread may ask.
// Hidden files show unless "Hidden" is 2.
bool ShowsHiddenFiles();
// Protected operating-system files show when "ShowSuperHidden" is set and not 0.
bool ShowsSuperHiddenFiles();

} // namespace win
} // namespace system
} // namespace s
