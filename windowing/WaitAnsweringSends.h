#pragma once
#include <windows.h>

#include <functional>

namespace s {
namespace gui {
namespace win {

// Waits until the condition holds, at most the bound, looking every few milliseconds. Messages
// that other threads send to this thread's windows are handled meanwhile, so a worker that sits
// in a synchronous send to this thread can finish; posted messages stay queued. True when the
// condition held in time.
bool WaitAnsweringSends(const std::function<bool()>& condition, DWORD boundMillis);

} // namespace win
} // namespace gui
} // namespace s
