#pragma once
#include <windows.h>

namespace s {
namespace system {
namespace win {

// Shows a failure the user must know about (a run-time library that cannot be loaded) in an
// information box. Every such box of the measurement layer passes here, so the application can
// route it to the toolkit's box and a test program can record it instead of waiting for a person.
typedef void (*FailureBoxFunction)(const wchar_t* text);

void ShowFailureBox(const wchar_t* text);
// Installs a replacement and returns the one it replaces; null restores the application's box.
FailureBoxFunction SetFailureBox(FailureBoxFunction function);

} // namespace win
} // namespace system
} // namespace s
