#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testing_support {

struct RecordedBox {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT type;
    DWORD threadId;
};

// Stands in for every message box of a test program: records the box and answers at once, so
// no box ever waits for a person. The test programs' main installs it before any test runs.
class BoxRecorder {
public:
    static void Install();
    // The boxes shown since the last Take, oldest first; the record is emptied.
    static std::vector<RecordedBox> Take();
    // The answer to the next boxes; 0 answers as a person who declines would (Cancel, No, OK).
    static void SetAnswer(int answer);
};

} // namespace testing_support
