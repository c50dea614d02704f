#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace reg {
namespace win {

// Writes the common text form of a security identifier ("S-1-5-21-...") into text, whose size in
// bytes is given. False for an invalid identifier; false with the required size stored in size
// and ERROR_INSUFFICIENT_BUFFER as the thread's last error when text is too small.
bool SidToText(PSID sid, wchar_t* text, uint32_t* size);

// Reads the identifier of the user this process runs as into the process-wide text and returns
// it; empty when it cannot be read. Each failure is shown in a message box (see below).
const wchar_t* GetCurrentUserSidText();

// Shows a failure of the identifier lookup; a message box without owner unless replaced.
typedef void (*LookupFailureBox)(const wchar_t* text, const wchar_t* caption);
// Replaces the box (null restores the message box) and returns the previous one.
LookupFailureBox SetLookupFailureBox(LookupFailureBox box);

} // namespace win
} // namespace reg
} // namespace s
