// Start with Windows, with the version and User Account Control tests and the Startup folder
// replaced, so that both the logon task and the shortcut are tried on any system and nothing is
// left in the prefix's own Startup folder or task list.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <taskschd.h>

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "app/AppTestSupport.h"
#include "app/Autostart.h"
#include "app/AutostartSeams.h"
#include "app/FakeTaskScheduler.h"
#include "measurement/report/CurrentUser.h"

namespace {

using app_testing::FileExists;
using app_testing::ProgramFolder;
using app_testing::ReadFileBytes;
using app_testing::RemoveFolder;
using app_testing::WriteFileBytes;
using autostart_testing::TheAnswers;
using s::app::win::Autostart;

const wchar_t kEntry[] = L"Pulsegrid Autostart Test 1.0";

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// The target and arguments of a shortcut file, through the shell's own object.
bool ReadShortcut(const std::wstring& link, std::wstring* target, std::wstring* arguments)
{
    IShellLinkW* shell = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shell))))
        return false;
    IPersistFile* file = nullptr;
    bool read = false;
    if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t text[MAX_PATH] = {};
        read = SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
               SUCCEEDED(shell->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH));
        *target = text;
        text[0] = 0;
        read = read && SUCCEEDED(shell->GetArguments(text, MAX_PATH));
        *arguments = text;
        file->Release();
    }
    shell->Release();
    return read;
}

class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        scratch_ = ProgramFolder() + L"\\autostart-scratch";
        RemoveFolder(scratch_);
        ASSERT_TRUE(CreateDirectoryW(scratch_.c_str(), nullptr));
        TheAnswers() = autostart_testing::Answers();
        TheAnswers().startupFolder = scratch_;
        fake_tasks::TheRecord() = fake_tasks::Record();
        previous_ = autostart_testing::InstallAnswers();
    }
    void TearDown() override
    {
        EXPECT_EQ(0, fake_tasks::TheRecord().liveObjects) << "a Task Scheduler object was not released";
        Autostart::SetSeams(previous_);
        RemoveFolder(scratch_);
        CoUninitialize();
    }
    std::wstring Shortcut(const wchar_t* name) const { return scratch_ + L"\\" + name + L".lnk"; }

    std::wstring scratch_;
    Autostart::Seams previous_;
};

// Without the elevated task (Windows XP, or User Account Control off) the Startup folder holds a
// shortcut that starts the program with "-startup"; on Vista and later a task is still looked for.
TEST_F(AutostartTest, WithoutTheTaskAStartupShortcutIsMadeFoundAndRemoved)
{
    struct Case {
        bool vista;
        bool uac;
        int taskTries; // when registered, asked, removed and asked again
    };
    const Case cases[] = {{false, true, 0}, {false, false, 0}, {true, false, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "vista " << c.vista << " uac " << c.uac);
        TheAnswers().vista = c.vista;
        TheAnswers().uac = c.uac;
        TheAnswers().serviceRequests = 0;
        EXPECT_FALSE(Autostart::UsesLogonTask());
        Autostart::Register(kEntry, OwnPath().c_str());
        std::wstring target, arguments;
        ASSERT_TRUE(ReadShortcut(Shortcut(kEntry), &target, &arguments));
        EXPECT_EQ(0, _wcsicmp(OwnPath().c_str(), target.c_str())) << target;
        EXPECT_EQ(L"-startup", arguments);
        EXPECT_TRUE(Autostart::IsRegistered(kEntry, OwnPath().c_str()));
        Autostart::Unregister(kEntry);
        EXPECT_FALSE(FileExists(Shortcut(kEntry)));
        EXPECT_FALSE(Autostart::IsRegistered(kEntry, OwnPath().c_str()));
        EXPECT_EQ(c.taskTries, TheAnswers().serviceRequests);
    }
}

TEST_F(AutostartTest, AnExistingShortcutIsLeftAsItIs)
{
    TheAnswers().uac = false;
    ASSERT_TRUE(WriteFileBytes(Shortcut(kEntry), "the user's own"));
    Autostart::Register(kEntry, OwnPath().c_str());
    EXPECT_EQ("the user's own", ReadFileBytes(Shortcut(kEntry)));
    EXPECT_TRUE(Autostart::IsRegistered(kEntry, OwnPath().c_str()));
}

// A missing program, a missing Startup folder or a refused task leave nothing registered.
TEST_F(AutostartTest, WhatCannotBeRegisteredLeavesNothingBehind)
{
    TheAnswers().uac = false;
    Autostart::Register(kEntry, (scratch_ + L"\\gone.exe").c_str());
    EXPECT_FALSE(FileExists(Shortcut(kEntry)));
    EXPECT_FALSE(Autostart::IsRegistered(kEntry, OwnPath().c_str()));

    TheAnswers().startupFolder.clear();
    Autostart::Register(kEntry, OwnPath().c_str());
    EXPECT_FALSE(Autostart::IsRegistered(kEntry, OwnPath().c_str()));
    TheAnswers().startupFolder = scratch_ + L"\\missing";
    Autostart::Register(kEntry, OwnPath().c_str());
    EXPECT_FALSE(Autostart::IsRegistered(kEntry, OwnPath().c_str()));

    TheAnswers().startupFolder = scratch_;
    TheAnswers().uac = true;
    EXPECT_FALSE(Autostart::RegisterLogonTask(kEntry, OwnPath().c_str(), L"-startup"));
    EXPECT_FALSE(Autostart::DeleteLogonTask(kEntry));
    bool found = true;
    Autostart::FindLogonTask(kEntry, &found);
    EXPECT_FALSE(found);
    // With the task chosen, a refused task makes no shortcut either.
    Autostart::Register(kEntry, OwnPath().c_str());
    EXPECT_FALSE(FileExists(Shortcut(kEntry)));
    EXPECT_FALSE(Autostart::IsRegistered(kEntry, OwnPath().c_str()));
}

TEST_F(AutostartTest, ATitleWithCharactersNoFileNameHoldsStillNamesTheShortcut)
{
    TheAnswers().vista = false;
    Autostart::Register(L"Pulse:grid <1.0>", OwnPath().c_str());
    EXPECT_TRUE(FileExists(Shortcut(L"Pulse_grid _1.0_")));
    EXPECT_TRUE(Autostart::IsRegistered(L"Pulse:grid <1.0>", OwnPath().c_str()));
    Autostart::Unregister(L"Pulse:grid <1.0>");
    EXPECT_FALSE(FileExists(Shortcut(L"Pulse_grid _1.0_")));
}

// The task's name follows the shortcut's rule: every character a task name cannot hold, control
// characters included, becomes "_".
TEST_F(AutostartTest, ATitleWithCharactersNoTaskNameHoldsStillNamesTheTask)
{
    TheAnswers().serviceAvailable = true;
    const wchar_t title[] = L"P\\u/l:s*e?g\"r<i>d|\x01 1.0";
    const std::wstring safe = L"P_u_l_s_e_g_r_i_d__ 1.0";
    Autostart::Register(title, OwnPath().c_str());
    EXPECT_EQ(std::set<std::wstring>{safe}, fake_tasks::TheRecord().registered);
    EXPECT_TRUE(Autostart::IsRegistered(title, OwnPath().c_str()));
    Autostart::Unregister(title);
    EXPECT_TRUE(fake_tasks::TheRecord().registered.empty());
    EXPECT_FALSE(FileExists(Shortcut(safe.c_str())));
}

std::vector<std::wstring> RegistrationSteps(const std::wstring& exe)
{
    const std::wstring name = kEntry;
    return {L"Connect (empty) (empty) (empty) (empty)",
            L"GetFolder \\",
            L"DeleteTask " + name,
            L"NewTask",
            L"RegistrationInfo",
            L"Author RunAsAdministratorWhenLoggedOn",
            L"Principal",
            L"PrincipalId RunAsAdministratorWhenLoggedOn_Principal",
            L"LogonType 3",
            L"RunLevel 1",
            L"Settings",
            L"StartWhenAvailable -1",
            L"DisallowStartIfOnBatteries 0",
            L"StopIfGoingOnBatteries 0",
            L"Triggers",
            L"CreateTrigger 9",
            L"QueryLogonTrigger",
            L"TriggerId RunAsAdministratorWhenLoggedOn_Trigger",
            L"UserId " + std::wstring(s::system::win::GetCurrentUserName()),
            L"Delay PT0S",
            L"Actions",
            L"CreateAction 0",
            L"QueryExecAction",
            L"Path " + exe,
            L"Arguments -startup",
            L"Register " + name + L" flags 6 user (empty) password (empty) logon 3 sddl \"\""};
}

std::wstring Joined(const std::vector<std::wstring>& calls)
{
    std::wstring text;
    for (const std::wstring& call : calls)
        text += call + L"\n";
    return text;
}

// With User Account Control on, the elevated logon task is registered with every value, found,
// registered again over itself and removed; no shortcut is made.
TEST_F(AutostartTest, WithUserAccountControlTheElevatedLogonTaskIsRegisteredFoundAndRemoved)
{
    TheAnswers().serviceAvailable = true;
    EXPECT_TRUE(Autostart::UsesLogonTask());
    Autostart::Register(kEntry, OwnPath().c_str());
    EXPECT_EQ(Joined(RegistrationSteps(OwnPath())), Joined(fake_tasks::TheRecord().calls));
    EXPECT_FALSE(FileExists(Shortcut(kEntry)));
    EXPECT_TRUE(Autostart::IsRegistered(kEntry, OwnPath().c_str()));
    EXPECT_TRUE(Autostart::RegisterLogonTask(kEntry, OwnPath().c_str(), L"-startup"));
    EXPECT_EQ(1u, fake_tasks::TheRecord().registered.size());

    Autostart::Unregister(kEntry);
    EXPECT_TRUE(fake_tasks::TheRecord().registered.empty());
    EXPECT_FALSE(Autostart::IsRegistered(kEntry, OwnPath().c_str()));
    EXPECT_TRUE(Autostart::DeleteLogonTask(kEntry)) << "the folder was reached, though nothing was there";
}

// A failure at any step of the registration ends it quietly with nothing registered and no
// shortcut in its place.
TEST_F(AutostartTest, AFailureAtAnyStepOfTheTaskRegistrationLeavesNothingRegistered)
{
    TheAnswers().serviceAvailable = true;
    const std::vector<std::wstring> steps = RegistrationSteps(OwnPath());
    for (size_t failing = 1; failing <= steps.size(); ++failing) {
        SCOPED_TRACE(testing::Message() << "failing at " << failing);
        fake_tasks::TheRecord() = fake_tasks::Record();
        fake_tasks::TheRecord().failAt = failing;
        const bool registered = Autostart::RegisterLogonTask(kEntry, OwnPath().c_str(), L"-startup");
        const std::vector<std::wstring>& calls = fake_tasks::TheRecord().calls;
        // A failed delete of an older task does not stop the registration.
        if (steps[failing - 1].rfind(L"DeleteTask", 0) == 0) {
            EXPECT_TRUE(registered);
            EXPECT_EQ(steps.size(), calls.size());
            continue;
        }
        EXPECT_FALSE(registered);
        const size_t expected = failing;
        EXPECT_EQ(expected, calls.size()) << Joined(calls).c_str();
        EXPECT_TRUE(fake_tasks::TheRecord().registered.empty());
        EXPECT_EQ(0, fake_tasks::TheRecord().liveObjects);
        fake_tasks::TheRecord().failAt = failing;
        fake_tasks::TheRecord().calls.clear();
        Autostart::Register(kEntry, OwnPath().c_str());
        EXPECT_FALSE(FileExists(Shortcut(kEntry)));
    }
}

} // namespace
