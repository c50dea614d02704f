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
namespace drawer {
class Skinner;
}
} // namespace gui
namespace xml {
class MappedData;
}
} // namespace s

namespace monitor_testing {

// The built program beside the test folder.
std::wstring ProgramPath();
// The program's own language packs, read from the built program, with English chosen; null when
// the program cannot be read.
s::lang::Localizer* LoadProgramLanguages();
// Runs the work on the window's own thread and returns when it has run.
void OnWindowThread(s::gui::win::Window* window, const std::function<void()>& work);
// A settings file of the test in the temporary folder, and its whole text as stored.
std::wstring TempSettingsPath(const wchar_t* name);
std::string ReadStoredFile(const std::wstring& path);
// A value of the test's settings file as the file holds it now (opened afresh); "(missing)" when
// the file has none.
std::wstring StoredText(const wchar_t* name, const wchar_t* section, const wchar_t* key);
// The built-in thin-window skins with the first one chosen, as the program starts with them.
s::gui::drawer::Skinner* NewProgramSkinner();
// The test's settings file, made anew, with a refresh period (300 s) that keeps the rows' values
// still while a test runs.
s::xml::MappedData* OpenStillSettings(const wchar_t* name);

} // namespace monitor_testing
