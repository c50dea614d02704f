#include "app/PulsegridApp.h"

#include <windows.h>

#include <commctrl.h>

#include "app/AppBase.h"
#include "app/AppWindow.h"
#include "app/AppWindowDefaults.h"
#include "app/CommandLine.h"
#include "app/InstanceFinder.h"
#include "app/monitor/Monitor.h"
#include "images/settings/InstallEncodeSettings.h"
#include "measurement/win/OsVersion.h"
#include "skins/Skinner.h"
#include "windowing/MessageBoxW.h"
#include "windowing/Window.h"

namespace {

using s::app::win::AppBase;
using s::app::win::AppWindow;
using s::app::win::InstanceFinder;

const DWORD kAllControlClasses = 0xFF;
const wchar_t kDrawerType[] = L"ThinWindow";

} // namespace

const wchar_t CPulsegridApp::kUnsupportedWindowsText[] =
    L"This Operating System is currently not supported by this Application. We are sorry for the inconvenience.";

CPulsegridApp::CPulsegridApp() {}

bool CPulsegridApp::IsSupportedWindows()
{
    s::system::win::OsVersionInfo& os = s::system::win::GetOsVersion();
    if (!os.done)
        s::system::win::LoadOsVersion();
    if (os.isVistaOrLater)
        return true;
    return os.isNtPlatform && os.major == 5 && (os.minor == 1 || os.minor == 2);
}

BOOL CPulsegridApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, kAllControlClasses};
    InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    s::image::settings::InstallEncodeSettings();
    AppBase* app = AppBase::Create(this);
    if (!app)
        return FALSE;
    // The main window's skins: the built-in ones, then the embedded skin set in their place.
    s::gui::drawer::Skinner* skinner = s::gui::drawer::Skinner::New();
    if (skinner) {
        skinner->SetDrawerType(kDrawerType);
        skinner->AddBuiltInSkins(0);
    }
    // The holder owns the skin manager from here on.
    AppWindow* holder = s::app::win::CreateAppWindow(app, s::app::win::kMainWindowDefaults, skinner);
    if (!holder && skinner)
        skinner->ReleaseToPool();
    if (!IsSupportedWindows()) {
        s::gui::win::MessageBoxW* box = s::gui::win::MessageBoxW::New();
        if (box) {
            box->ShowInfo(kUnsupportedWindowsText);
            box->ReleaseToPool();
        }
    } else {
        // The start-with-Windows entries pass "-startup": any argument skips the hook.
        s::process::commandline::win::CommandLine* arguments = app->GetCommandLine();
        if (!arguments || arguments->GetCount() == 0)
            app->RunFirstStartHook();
        // Another running instance is told to show itself instead of a second window.
        if (!app->SignalOtherInstance(true, false, true) && holder) {
            s::system::gui::dialogs::monitor::Monitor* monitor = s::system::gui::dialogs::monitor::Monitor::New();
            if (monitor) {
                InstanceFinder::AcceptSignalsFromUnelevated();
                monitor->SetAppWindow(holder);
                monitor->Init();
                if (monitor->GetWindow())
                    monitor->GetWindow()->WaitUntilClosed();
                monitor->ReleaseToPool();
            }
        }
    }
    // The base's reset writes the settings file.
    if (holder)
        holder->ReleaseToPool();
    app->ReleaseToPool();
    return FALSE;
}
