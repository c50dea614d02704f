#include "MonitorSupport.h"

#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/lang/Localizer.h"
#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"
#include "windowing/Window.h"

namespace monitor_testing {

s::lang::Localizer* LoadProgramLanguages()
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self);
    folder = folder.substr(0, folder.find_last_of(L'\\'));
    const std::wstring program = folder.substr(0, folder.find_last_of(L'\\')) + L"\\pulsegrid.exe";
    s::file::win::PathWin* path = s::file::win::PathWin::CreateFromText(program.c_str());
    s::archive::dll::win::Archive* archive = s::archive::dll::win::Archive::OpenModule(path);
    s::lang::Localizer* localizer =
        archive ? s::lang::Localizer::CreateFromResource(archive, L"IDR_XML", 130) : nullptr;
    if (localizer)
        localizer->SelectLanguage(L"English");
    if (archive)
        archive->ReleaseToPool();
    path->ReleaseToPool();
    return localizer;
}

void OnWindowThread(s::gui::win::Window* window, const std::function<void()>& work)
{
    SendMessageW(window->GetSafeHwnd(), s::gui::msg::kRunOnOwnThread, reinterpret_cast<WPARAM>(&work),
                 s::gui::win::ProcessKey());
}

std::wstring TempSettingsPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

std::string ReadStoredFile(const std::wstring& path)
{
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

} // namespace monitor_testing
