#include "measurement/win/FailureBoxRecorder.h"

#include <windows.h>

#include <mutex>

#include "measurement/win/FailureBox.h"

namespace testing_support {

namespace {
std::mutex gMutex;
std::vector<std::wstring>& Texts()
{
    static std::vector<std::wstring> texts;
    return texts;
}

void Record(const wchar_t* text)
{
    std::lock_guard<std::mutex> hold(gMutex);
    Texts().push_back(text ? text : L"");
}

// Installed before main, ahead of any test.
struct Installer {
    Installer() { s::system::win::SetFailureBox(&Record); }
} gInstaller;
} // namespace

std::vector<std::wstring> FailureBoxRecorder::Take()
{
    std::lock_guard<std::mutex> hold(gMutex);
    std::vector<std::wstring> taken;
    taken.swap(Texts());
    return taken;
}

} // namespace testing_support
