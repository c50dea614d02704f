#pragma once
#include <windows.h>

namespace s {
namespace app {
namespace win {

class AppBase;

// The program's icon for a side of 16 pixels or less (small) or more (big): from the base's icon
// archive, else from the executable's icon group as the system loads it, so that no window shows
// an empty icon. The caller destroys it; null only when both fail.
HICON CreateProgramIcon(AppBase* base, int side);

} // namespace win
} // namespace app
} // namespace s
