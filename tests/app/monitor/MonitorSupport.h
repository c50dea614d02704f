#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace s {
namespace lang {
class Localizer;
}
namespace gui {
namespace win {
class Window;
}
} // namespace gui
} // namespace s

namespace monitor_testing {

// The program's own language packs, read from the built program beside the test folder, with
// English chosen; null when the program cannot be read.
s::lang::Localizer* LoadProgramLanguages();
// Runs the work on the window's own thread and returns when it has run.
void OnWindowThread(s::gui::win::Window* window, const std::function<void()>& work);
// A settings file of the test in the temporary folder, and its whole text as stored.
std::wstring TempSettingsPath(const wchar_t* name);
std::string ReadStoredFile(const std::wstring& path);

} // namespace monitor_testing
