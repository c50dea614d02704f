#pragma once
#include <windows.h>

#include <string>
#include <vector>

// What the application tests share: the record of every page the program opens, the settings
// file beside the test program, the test language pack's registry key, and the window finder.
namespace app_testing {

// Every ShellOpen of the test program lands here (installed before any test runs).
std::vector<std::wstring> TakeOpenedPages();

// The folder of the running test program, without a trailing backslash.
std::wstring ProgramFolder();
// The settings file the application base of the test program uses, and its folder.
std::wstring SettingsFile();
std::wstring SettingsFolder();
// Deletes the folder and everything in it; true when it is gone.
bool RemoveFolder(const std::wstring& folder);
bool FileExists(const std::wstring& path);
std::string ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

// The key of the program named by the text 300000 of a pack, below HKEY_CURRENT_USER.
extern const wchar_t kTestProgramKey[];
extern const wchar_t kRealProgramKey[];
void SetSilentDword(const wchar_t* key, DWORD value);
void SetSilentText(const wchar_t* key, const wchar_t* value);
void DeleteSilent(const wchar_t* key);
// The value, or -1 when absent or not a number.
long ReadSilentDword(const wchar_t* key);

// The shown top-level windows of the process, of the toolkit's class.
std::vector<HWND> ShownToolkitWindows(DWORD processId);
std::wstring WindowText(HWND window);

} // namespace app_testing
