#include "windowing/WaitAnsweringSends.h"

namespace s {
namespace gui {
namespace win {

namespace {

const DWORD kPollMillis = 10;

} // namespace

bool WaitAnsweringSends(const std::function<bool()>& condition, DWORD boundMillis)
{
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        if (condition())
            return true;
        const ULONGLONG spent = GetTickCount64() - start;
        if (spent >= boundMillis)
            return condition();
        const DWORD left = static_cast<DWORD>(boundMillis - spent);
        // Wakes for a sent message at once; peeking for sent messages only delivers them.
        MsgWaitForMultipleObjectsEx(0, nullptr, left < kPollMillis ? left : kPollMillis, QS_SENDMESSAGE, 0);
        MSG ignored;
        PeekMessageW(&ignored, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

} // namespace win
} // namespace gui
} // namespace s
