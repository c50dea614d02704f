#pragma once
// What start with Windows depends on, answered by the test: the system's version, User Account
// Control, the Startup folder and the Task Scheduler (the recording stand-in, or none at all), so
// that both ways are tried on any system and nothing of the user's is touched.
#include <windows.h>

#include <string>

#include "app/Autostart.h"
#include "app/FakeTaskScheduler.h"

namespace autostart_testing {

struct Answers {
    bool vista = true;
    bool uac = true;
    std::wstring startupFolder;
    // Without the service no task can be registered, found or deleted.
    bool serviceAvailable = false;
    int serviceRequests = 0;
};

inline Answers& TheAnswers()
{
    static Answers answers;
    return answers;
}

// Puts the answers in place of the system's; gives back the seams they replace.
inline s::app::win::Autostart::Seams InstallAnswers()
{
    return s::app::win::Autostart::SetSeams(
        {[] { return TheAnswers().vista; }, [] { return TheAnswers().uac; },
         []() -> const wchar_t* { return TheAnswers().startupFolder.c_str(); },
         []() -> ITaskService* {
             ++TheAnswers().serviceRequests;
             return TheAnswers().serviceAvailable ? new fake_tasks::FakeService : nullptr;
         }});
}

} // namespace autostart_testing
