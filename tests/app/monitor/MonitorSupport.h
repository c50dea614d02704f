#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

class FakeSourcesScope;

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
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {
class Monitor;
}
} // namespace dialogs
} // namespace gui
} // namespace system
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

// A suite over one running monitor on the virtual display, with fake readings, the program's
// packs and skins and a still settings file of the suite's own: made before the suite's first
// test, given back after its last.
class RunningMonitorTest : public ::testing::Test {
protected:
    using Monitor = s::system::gui::dialogs::monitor::Monitor;

    // The readings, packs, skins and settings (with autoSave every change written at once); what
    // the monitor must find at its start is set between this and StartMonitor.
    static void PrepareMonitor(const wchar_t* name, bool autoSave);
    static void StartMonitor();
    static void StopMonitor();
    // The packs read and the window made; boxes shown before the test are forgotten.
    void SetUp() override;

    static HWND Frame();
    // As a choice from a menu: the window offers the command to its menus.
    static void Choose(int32_t id);
    // The suite's settings file as it is stored now, whole or one value (StoredText).
    static std::string StoredBytes();
    static std::wstring StoredText(const wchar_t* section, const wchar_t* key);

    static inline FakeSourcesScope* scope = nullptr;
    static inline s::lang::Localizer* localizer = nullptr;
    static inline s::gui::drawer::Skinner* skinner = nullptr;
    static inline s::xml::MappedData* settings = nullptr;
    static inline Monitor* monitor = nullptr;
    static inline const wchar_t* settingsName = nullptr;
};

} // namespace monitor_testing
