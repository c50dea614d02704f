#pragma once
#include <windows.h>

#include <string>

#include "fixtures/FakeNvApiScript.h"

namespace testing_support {

// The test side of the stand-in nvapi64.dll (tests/fixtures/FakeNvApi.cpp): the loader's library
// call is replaced by one that counts the attempts and loads the stand-in by its path, and the
// stand-in reads this process's script.
class FakeNvApi {
public:
    // The script, reset to one working GPU: every id known, usage 37 %, sensor 0 at 65 of 95 °C,
    // the fan at 1,234 RPM, nothing blocking, no counts.
    static FakeNvApiScript& Reset();
    static FakeNvApiScript& Script();
    // Zeroes what the stand-in counted, keeping what it answers.
    static void ClearCounts();

    // Puts the counting library call in place: it loads the given build of the stand-in (1 or 2,
    // 0 for none: the system's own load, which finds no such library under Wine).
    static void Install(int image = 1);
    // The loader's own library call back.
    static void Uninstall();
    static long LoadAttempts();
    // The full path of a build of the stand-in.
    static std::wstring Path(int image);
    // Marks the entry known or unknown to the query.
    static void Know(FakeNvApiEntry entry, bool known);
};

} // namespace testing_support
