#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

// The test side of the stand-in Pdh.dll (tests/fixtures/FakePdh.cpp): loads it by its path, so
// that the counter layer's LoadLibraryW("Pdh.dll") finds it already loaded, and scripts it.
class FakePdh {
public:
    // True when the stand-in is the Pdh.dll of this process: loaded here before the counter layer
    // bound anything else. False in a process that bound another library first.
    static bool Install();

    static void Reset();
    static void SetCounter(const wchar_t* path, long long value, DWORD status = 0);
    static void FailCounter(const wchar_t* path);
    static void SetValid(const wchar_t* path);
    // Validation fails for the path, whether or not it can be added.
    static void SetInvalid(const wchar_t* path);
    // The expanded paths of a wildcard path.
    static void SetExpansion(const wchar_t* wildcard, const std::vector<std::wstring>& paths);
    static void SetIndexName(DWORD index, const wchar_t* name);
    static void SetOpenFails(bool fails);

    static long Calls(const char* function);
    static long Adds(const wchar_t* path);
    static long CollectThreads();
    // The priority of the thread of the last collection.
    static int CollectPriority();
    static DWORD LastFormat();
    static std::vector<std::wstring> Validated();
};

// Polls until the condition holds or the time is up; generous bounds, never a timing test.
template <class F>
bool WaitFor(F condition, DWORD timeoutMs = 20000)
{
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > end)
            return false;
        Sleep(20);
    }
    return true;
}

} // namespace testing_support
