#pragma once
#include <windows.h>

#include <cstdint>

namespace testing_support {

// Moves the cursor until the system keeps reporting it there. The X server reports a warp of the
// pointer later, and a window thread that reads those reports after a second move brings back the
// place before it; settle lets the window threads read them before the check.
template <class Settle>
bool PlaceCursor(POINT screen, Settle settle)
{
    for (int tries = 0; tries < 50; ++tries) {
        ::SetCursorPos(screen.x, screen.y);
        settle();
        ::Sleep(20);
        POINT now;
        if (::GetCursorPos(&now) && now.x == screen.x && now.y == screen.y)
            return true;
    }
    return false;
}

inline bool PlaceCursor(int32_t x, int32_t y)
{
    return PlaceCursor(POINT{x, y}, [] {});
}

} // namespace testing_support
