#pragma once
#include <windows.h>

namespace s {
namespace gui {
namespace win {

// The state of a mouse button or key as GetAsyncKeyState gives it, through one replaceable reader
// so that a test can hold a button without the real mouse.
using AsyncKeyReader = SHORT (*)(int key);
SHORT ReadAsyncKey(int key);
bool IsKeyHeld(int key);
// The previous reader; null puts the system's back.
AsyncKeyReader SetAsyncKeyReader(AsyncKeyReader reader);

} // namespace win
} // namespace gui
} // namespace s
