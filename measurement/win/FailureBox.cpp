#include "measurement/win/FailureBox.h"

#include <atomic>

namespace s {
namespace system {
namespace win {

namespace {
void SystemInformationBox(const wchar_t* text)
{
    ::MessageBoxW(nullptr, text, L"", MB_OK | MB_ICONINFORMATION);
}

std::atomic<FailureBoxFunction> gFailureBox{&SystemInformationBox};
} // namespace

void ShowFailureBox(const wchar_t* text)
{
    gFailureBox.load()(text);
}

FailureBoxFunction SetFailureBox(FailureBoxFunction function)
{
    return gFailureBox.exchange(function ? function : &SystemInformationBox);
}

} // namespace win
} // namespace system
} // namespace s
