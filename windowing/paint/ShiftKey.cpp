#include "windowing/paint/ShiftKey.h"

#include <windows.h>

namespace s {
namespace image {

namespace {

const SHORT kKeyDown = static_cast<SHORT>(0x8000);

} // namespace

bool IsShiftKeyDown()
{
    return (GetAsyncKeyState(VK_LSHIFT) & kKeyDown) != 0 || (GetAsyncKeyState(VK_RSHIFT) & kKeyDown) != 0;
}

} // namespace image
} // namespace s
