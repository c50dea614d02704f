// Start with Windows through the running monitor's menu: the entry named by the program's English
// title and version, the tick showing what is registered after each choice (also when nothing
// could be), and the Task Scheduler console. The version and User Account Control tests, the
// Startup folder and the Task Scheduler are the test's own: nothing of the user's is changed.
#include <windows.h>

#include <shlobj.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeSources.h"
#include "MonitorSupport.h"
#include "ProgramApp.h"
#include "app/AppWindow.h"
#include "app/AppWindowDefaults.h"
#include "app/Autostart.h"
#include "app/AutostartSeams.h"
#include "app/FakeTaskScheduler.h"
#include "app/TextIds.h"
#include "app/monitor/MenuCommands.h"
#include "app/monitor/Monitor.h"
#include "skins/Skinner.h"
#include "storage/file/ShellServices.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/XmlMappedData.h"
#include "support/BoxRecorder.h"
#include "windowing/Window.h"
#include "windowing/menu/PopupMenu.h"

namespace {

using autostart_testing::TheAnswers;
using s::app::win::Autostart;
using s::system::gui::dialogs::monitor::Monitor;
namespace command = s::system::gui::dialogs::monitor::command;

const wchar_t kSettingsName[] = L"pulsegrid-monitor-autostart-test.xml";

std::vector<std::wstring> opened;
bool RecordOpen(const wchar_t* target)
{
    opened.push_back(target ? target : L"(null)");
    return true;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class MonitorAutostartTest : public ::testing::Test {
protected:
    // The seams are in place before the monitor builds its menu, which asks what is registered:
    // with User Account Control on, the item and the console's item share a submenu.
    static void SetUpTestSuite()
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        scratch = std::wstring(temp) + L"pulsegrid-autostart-startup";
        CreateDirectoryW(scratch.c_str(), nullptr);
        TheAnswers().startupFolder = scratch;
        TheAnswers().vista = true;
        TheAnswers().uac = true;
        TheAnswers().serviceAvailable = true;
        previousSeams = autostart_testing::InstallAnswers();
        previousOpener = s::system::win::SetShellOpenHandler(&RecordOpen);
        scope = new FakeSourcesScope();
        localizer = monitor_testing::LoadProgramLanguages();
        settings = monitor_testing::OpenStillSettings(kSettingsName);
        app = new monitor_testing::ProgramApp(localizer, settings);
        holder = s::app::win::CreateAppWindow(app, s::app::win::kMainWindowDefaults,
                                              monitor_testing::NewProgramSkinner());
        monitor = Monitor::New();
        monitor->SetAppWindow(holder);
        monitor->Init();
    }
    static void TearDownTestSuite()
    {
        monitor->ReleaseToPool();
        if (holder)
            holder->ReleaseToPool();
        delete app;
        settings->ReleaseToPool();
        if (localizer)
            localizer->ReleaseToPool();
        delete scope;
        s::system::win::SetShellOpenHandler(previousOpener);
        Autostart::SetSeams(previousSeams);
        DeleteFileW(Shortcut().c_str());
        RemoveDirectoryW(scratch.c_str());
        DeleteFileW(monitor_testing::TempSettingsPath(kSettingsName).c_str());
    }
    void SetUp() override
    {
        ASSERT_NE(nullptr, localizer) << "the built program's language packs";
        ASSERT_NE(nullptr, holder);
        ASSERT_NE(nullptr, monitor->GetWindow());
        ASSERT_TRUE(monitor->GetWindow()->IsReady());
        testing_support::BoxRecorder::Take();
        opened.clear();
    }

    static HWND Frame() { return monitor->GetWindow()->GetSafeHwnd(); }
    static void Choose(int32_t id) { SendMessageW(Frame(), WM_COMMAND, static_cast<WPARAM>(id), 0); }
    static bool Ticked() { return monitor->GetMenus().GetMainMenu()->IsChecked(command::kStartWithWindows); }
    // Named by the English title and the version of the pack, whatever language is shown.
    static std::wstring EntryName()
    {
        return std::wstring(localizer->GetEnglishText(s::app::kBaseTextId)) + L" " +
               localizer->GetText(s::app::kBaseTextId + s::app::kVersionOffset);
    }
    static std::wstring Shortcut() { return scratch + L"\\" + EntryName() + L".lnk"; }

    static inline std::wstring scratch;
    static inline Autostart::Seams previousSeams = {};
    static inline s::system::win::ShellOpenHandler previousOpener = nullptr;
    static inline FakeSourcesScope* scope = nullptr;
    static inline s::lang::Localizer* localizer = nullptr;
    static inline s::xml::MappedData* settings = nullptr;
    static inline monitor_testing::ProgramApp* app = nullptr;
    static inline s::app::win::AppWindow* holder = nullptr;
    static inline Monitor* monitor = nullptr;
};

// Each choice registers or removes the entry in the way the system calls for, and the tick then
// shows whether it is registered: a registration the system refused leaves it off.
TEST_F(MonitorAutostartTest, EachChoiceRegistersOrRemovesAndTheTickShowsWhatIsRegistered)
{
    ASSERT_STRNE(L"", localizer->GetEnglishText(s::app::kBaseTextId));
    EXPECT_TRUE(monitor->GetMenus().GetMainMenu()->ContainsCommand(command::kTaskScheduler))
        << "with User Account Control on, the console is offered";
    EXPECT_FALSE(Ticked()) << "nothing registered at the start";
    const std::wstring missing = scratch + L"\\missing";
    struct Case {
        const char* what;
        bool vista;
        bool uac;
        bool serviceAvailable;
        const std::wstring* startupFolder;
        bool ticked;
        bool shortcut;
        bool task;
    };
    const Case cases[] = {
        {"task registered", true, true, true, &scratch, true, false, true},
        {"task removed", true, true, true, &scratch, false, false, false},
        {"task refused", true, true, false, &scratch, false, false, false},
        {"shortcut made", true, false, true, &scratch, true, true, false},
        {"shortcut removed", true, false, true, &scratch, false, false, false},
        {"no Startup folder", false, true, true, &missing, false, false, false},
        {"shortcut made without the task", false, true, true, &scratch, true, true, false},
        {"shortcut removed without the task", false, true, true, &scratch, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TheAnswers().vista = c.vista;
        TheAnswers().uac = c.uac;
        TheAnswers().serviceAvailable = c.serviceAvailable;
        TheAnswers().startupFolder = *c.startupFolder;
        Choose(command::kStartWithWindows);
        EXPECT_EQ(c.ticked, Ticked());
        EXPECT_EQ(c.shortcut, Exists(Shortcut()));
        EXPECT_EQ(c.task ? 1u : 0u, fake_tasks::TheRecord().registered.count(EntryName()));
    }
    EXPECT_EQ(0, fake_tasks::TheRecord().liveObjects) << "a Task Scheduler object was not released";
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(testing_support::BoxRecorder::Take().empty()) << "start with Windows shows no message";
}

TEST_F(MonitorAutostartTest, TheConsoleCommandOpensTheTaskSchedulerOfTheSystemFolder)
{
    wchar_t system[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_SYSTEM, nullptr, SHGFP_TYPE_CURRENT, system)));
    Choose(command::kTaskScheduler);
    EXPECT_EQ(std::vector<std::wstring>{std::wstring(system) + L"\\taskschd.msc"}, opened);
    EXPECT_FALSE(Ticked()) << "the console leaves the entry alone";
}

} // namespace
