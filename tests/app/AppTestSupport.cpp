#include "app/AppTestSupport.h"

#include <mutex>

#include <gtest/gtest.h>

#include "storage/file/ShellServices.h"

namespace app_testing {

namespace {

std::mutex pagesLock;
std::vector<std::wstring> pages;

bool RecordPage(const wchar_t* target)
{
    std::lock_guard<std::mutex> hold(pagesLock);
    pages.push_back(target ? target : L"");
    return true;
}

// Before any test: no browser may ever start from a test of the program's start-up.
struct PageRecorderInstaller {
    PageRecorderInstaller() { s::system::win::SetShellOpenHandler(&RecordPage); }
} installer;

const wchar_t kSilent[] = L"Silent";

HKEY CreateKey(const wchar_t* key)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return nullptr;
    return handle;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM context)
{
    auto* found = reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (owner == found->first && IsWindowVisible(window) && std::wstring(className) == L"KevrelWindowClass")
        found->second.push_back(window);
    return TRUE;
}

} // namespace

const wchar_t kTestProgramKey[] = L"Software\\Zorv\\Zorv Pulsegrid Test";
const wchar_t kRealProgramKey[] = L"Software\\Zorv\\Zorv Pulsegrid";

std::vector<std::wstring> TakeOpenedPages()
{
    std::lock_guard<std::mutex> hold(pagesLock);
    std::vector<std::wstring> taken;
    taken.swap(pages);
    return taken;
}

std::wstring ProgramFolder()
{
    std::vector<wchar_t> path(32768);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring text(path.data(), length);
    return text.substr(0, text.find_last_of(L'\\'));
}

std::wstring SettingsFolder()
{
    return ProgramFolder() + L"\\savedata";
}

std::wstring SettingsFile()
{
    return SettingsFolder() + L"\\SaveData.xml";
}

bool RemoveFolder(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolder(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
    return GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    CreateDirectoryW(path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool complete = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                          written == bytes.size();
    CloseHandle(file);
    return complete;
}

void SetSilentDword(const wchar_t* key, DWORD value)
{
    HKEY handle = CreateKey(key);
    ASSERT_NE(nullptr, handle);
    RegSetValueExW(handle, kSilent, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(handle);
}

void SetSilentText(const wchar_t* key, const wchar_t* value)
{
    HKEY handle = CreateKey(key);
    ASSERT_NE(nullptr, handle);
    RegSetValueExW(handle, kSilent, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

void DeleteSilent(const wchar_t* key)
{
    HKEY handle = CreateKey(key);
    if (!handle)
        return;
    RegDeleteValueW(handle, kSilent);
    RegCloseKey(handle);
}

long ReadSilentDword(const wchar_t* key)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key, kSilent, RRF_RT_ANY, &type, &value, &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return -1;
    return static_cast<long>(value);
}

std::vector<HWND> ShownToolkitWindows(DWORD processId)
{
    std::pair<DWORD, std::vector<HWND>> found(processId, {});
    EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found.second;
}

std::wstring WindowText(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

} // namespace app_testing
