#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace str {
namespace strarray {
class StrArray;
}
} // namespace str
namespace gui {
namespace win {

// Appends the paths of a dropped-file block (CF_HDROP: a DROPFILES header, then the paths, wide
// or ANSI, each closed by a NUL and the list by one more) to paths, each at its full length, and
// returns how many were appended. The block comes from another program: a list whose offset or
// end lies outside the block yields no path, and nothing past the block is read.
uint32_t ReadDropFileList(HGLOBAL block, str::strarray::StrArray* paths);

} // namespace win
} // namespace gui
} // namespace s
