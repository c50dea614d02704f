#include "MonitorSupport.h"

#include "FakeSources.h"
#include "app/monitor/Monitor.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "skins/Skinner.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/XmlMappedData.h"
#include "support/BoxRecorder.h"
#include "support/Release.h"
#include "support/WindowThread.h"
#include "windowing/Window.h"

namespace monitor_testing {

std::wstring ProgramPath()
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self);
    folder = folder.substr(0, folder.find_last_of(L'\\'));
    return folder.substr(0, folder.find_last_of(L'\\')) + L"\\pulsegrid.exe";
}

s::lang::Localizer* LoadProgramLanguages()
{
    s::file::win::PathWin* path = s::file::win::PathWin::CreateFromText(ProgramPath().c_str());
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
    testing_support::RunOnWindowThread(window->GetSafeHwnd(), work);
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

std::wstring StoredText(const wchar_t* name, const wchar_t* section, const wchar_t* key)
{
    s::xml::MappedData* data = s::xml::MappedData::OpenFile(TempSettingsPath(name).c_str());
    if (!data)
        return L"(no file)";
    std::wstring text = data->HasValue(section, key) ? data->GetString(section, key, L"", nullptr, false) : L"(missing)";
    data->ReleaseToPool();
    return text;
}

s::gui::drawer::Skinner* NewProgramSkinner()
{
    s::gui::drawer::Skinner* skinner = s::gui::drawer::Skinner::New();
    skinner->SetDrawerType(L"ThinWindow");
    skinner->AddBuiltInSkins();
    skinner->SelectSkinAt(0);
    return skinner;
}

s::xml::MappedData* OpenStillSettings(const wchar_t* name)
{
    const std::wstring path = TempSettingsPath(name);
    DeleteFileW(path.c_str());
    s::xml::MappedData* settings = s::xml::MappedData::OpenFile(path.c_str());
    settings->SetInt32(L"MainWindow\\View", L"RefreshFrequency", 300000);
    return settings;
}

void RunningMonitorTest::PrepareMonitor(const wchar_t* name, bool autoSave)
{
    settingsName = name;
    scope = new FakeSourcesScope();
    localizer = LoadProgramLanguages();
    skinner = NewProgramSkinner();
    settings = OpenStillSettings(name);
    if (autoSave)
        settings->SetAutoSave(true);
}

void RunningMonitorTest::StartMonitor()
{
    monitor = Monitor::New();
    monitor->SetServices(localizer, settings, skinner);
    monitor->Init();
}

void RunningMonitorTest::StopMonitor()
{
    testing_support::ReleaseAndForget(monitor);
    testing_support::ReleaseAndForget(settings);
    testing_support::ReleaseAndForget(skinner);
    testing_support::ReleaseAndForget(localizer);
    delete scope;
    scope = nullptr;
    DeleteFileW(TempSettingsPath(settingsName).c_str());
}

void RunningMonitorTest::SetUp()
{
    ASSERT_NE(nullptr, localizer) << "the built program's language packs";
    ASSERT_NE(nullptr, monitor->GetWindow());
    testing_support::BoxRecorder::Take();
}

HWND RunningMonitorTest::Frame()
{
    return monitor->GetWindow()->GetSafeHwnd();
}

void RunningMonitorTest::Choose(int32_t id)
{
    SendMessageW(Frame(), WM_COMMAND, static_cast<WPARAM>(id), 0);
}

std::string RunningMonitorTest::StoredBytes()
{
    return ReadStoredFile(TempSettingsPath(settingsName));
}

std::wstring RunningMonitorTest::StoredText(const wchar_t* section, const wchar_t* key)
{
    return monitor_testing::StoredText(settingsName, section, key);
}

} // namespace monitor_testing
