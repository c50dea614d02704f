#pragma once
#include <windows.h>

struct ITaskService;

namespace s {
namespace app {
namespace win {

// Starting the monitor at logon: a logon task with the highest run level where User Account
// Control would otherwise ask at every start, else a shortcut in the user's Startup folder. Both
// pass "-startup". COM must be initialised on the calling thread. No message is shown here.
class Autostart {
public:
    static void Register(const wchar_t* entryName, const wchar_t* executable);
    static bool IsRegistered(const wchar_t* entryName, const wchar_t* executable);
    static void Unregister(const wchar_t* entryName);

    // Whether the entry is the logon task (Windows 6.0 or later with User Account Control on), which
    // the menu offers with a way to check it in the Task Scheduler.
    static bool UsesLogonTask();

    static bool RegisterLogonTask(const wchar_t* entryName, const wchar_t* executable, const wchar_t* arguments);
    // True when the task folder could be reached; the delete itself may fail.
    static bool DeleteLogonTask(const wchar_t* entryName);
    static void FindLogonTask(const wchar_t* entryName, bool* found);

    // What the choice between task and shortcut depends on, replaceable so both ways can be tried
    // on any system. A null member keeps the system's own answer.
    struct Seams {
        bool (*isVistaOrLater)();
        bool (*isUacOn)();
        // The Startup folder's path; empty when the system has none.
        const wchar_t* (*startupFolder)();
        // A new reference to the Task Scheduler service object, or null.
        ITaskService* (*createTaskService)();
    };
    // Installs the seams (null: the system's own) and gives back the ones they replace.
    static Seams SetSeams(const Seams& seams);

    static const wchar_t kStartupArgument[];
};

} // namespace win
} // namespace app
} // namespace s
