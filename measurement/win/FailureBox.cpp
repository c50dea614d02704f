#include "measurement/win/FailureBox.h"

#include <atomic>

#include "core/base/ApplicationBox.h"

namespace s {
namespace system {
namespace win {

namespace {
// The application's box, which every box of the process goes through; a null caption shows the
// application's title.
void SystemInformationBox(const wchar_t* text)
{
    base::ShowApplicationBox(nullptr, text, nullptr, MB_OK | MB_ICONINFORMATION);
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
