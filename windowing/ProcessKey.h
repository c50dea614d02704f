#pragma once
#include <windows.h>

namespace s {
namespace gui {
namespace win {

// Any program on the desktop can send our private message numbers to our windows, and a number
// from another process is no address here: a message whose word is read as an address is
// honoured only with this process's random key in its other word.
LPARAM ProcessKey();
bool FromThisProcess(LPARAM key);
// The key with its low bit set: a posted record that belongs to the message and is freed once
// dispatched.
LPARAM OwnedRecordKey();

} // namespace win
} // namespace gui
} // namespace s
