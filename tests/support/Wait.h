#pragma once
#include <windows.h>

namespace testing_support {

// Polls the condition every 10 ms until it holds or the bound has passed; the last answer.
template <class Condition>
bool WaitUntil(Condition condition, DWORD boundMillis)
{
    const ULONGLONG end = GetTickCount64() + boundMillis;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= end)
            return condition();
        Sleep(10);
    }
}

} // namespace testing_support
