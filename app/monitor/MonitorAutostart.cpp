#include "app/monitor/Monitor.h"

#include <string>

#include "app/AppBase.h"
#include "app/Autostart.h"
#include "app/monitor/MenuCommands.h"
#include "storage/file/PathWin.h"
#include "storage/file/ShellServices.h"
#include "windowing/menu/PopupMenu.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {

// The entry is named after the English title and the version, so each version has its own.
bool DescribeEntry(app::win::AppBase* app, std::wstring* entry, std::wstring* executable)
{
    if (!app || !app->GetModulePath())
        return false;
    const wchar_t* title = app->GetEnglishTitle();
    const wchar_t* version = app->GetVersion();
    *entry = std::wstring(title ? title : L"") + L" " + (version ? version : L"");
    *executable = app->GetModulePath()->GetText();
    return true;
}

} // namespace

void Monitor::ReadStartWithWindows(bool* throughScheduler, bool* registered)
{
    std::wstring entry;
    std::wstring executable;
    *throughScheduler = app::win::Autostart::UsesLogonTask();
    *registered = DescribeEntry(GetApp(), &entry, &executable) &&
                  app::win::Autostart::IsRegistered(entry.c_str(), executable.c_str());
}

// The tick shows what is registered afterwards, not merely the inverted click: a registration
// the system refused must not look like one that took.
void Monitor::OnStartWithWindowsCommand(::s::gui::IPopupMenu* menu)
{
    std::wstring entry;
    std::wstring executable;
    if (!DescribeEntry(GetApp(), &entry, &executable))
        return;
    if (menu && menu->IsChecked(command::kStartWithWindows))
        app::win::Autostart::Unregister(entry.c_str());
    else
        app::win::Autostart::Register(entry.c_str(), executable.c_str());
    if (menu)
        menu->SetChecked(command::kStartWithWindows,
                         app::win::Autostart::IsRegistered(entry.c_str(), executable.c_str()));
}

void Monitor::OpenTaskScheduler()
{
    const wchar_t* folder = system::win::GetSystemFolder();
    if (!folder || !folder[0])
        return;
    const std::wstring console = std::wstring(folder) + L"\\taskschd.msc";
    system::win::ShellOpen(console.c_str());
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
