#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace lang {
class Localizer;
}
namespace app {
namespace win {

// Another process of the same executable file and its window, found through snapshots and window
// enumeration only, so nothing is left behind by a process that dies.
class InstanceFinder {
public:
    // The first other process of this executable in snapshot order.
    static bool FindProcess(DWORD* processId);
    // Searches the top-level windows of the calling thread's desktop.
    static bool HasOtherOnDesktop();
    static bool FindOnDesktop(HDESK desktop, lang::Localizer* pack, int32_t baseTextId, bool alsoNotify);
    // Tells the process's window to restore itself (and its listeners, when asked). With a pack,
    // the window is searched by the title in each of its languages.
    static void SignalProcess(DWORD processId, lang::Localizer* pack, int32_t baseTextId, bool alsoNotify);

    // An instance started at logon runs elevated; a later start without elevation must still
    // reach its window, which the system's message filter would otherwise refuse.
    static void AcceptSignalsFromUnelevated();

    // The executable path of a process, empty when it cannot be read; |capacity| characters at most.
    static void GetProcessPath(DWORD processId, wchar_t* path, DWORD capacity);
    // Whether a window of that text qualifies for the wanted title (none: any window with a text).
    static bool TitleMatches(const wchar_t* windowText, const wchar_t* wantedTitle);

    // How long a send may take and how long the other process may take to become idle.
    static const UINT kSendTimeoutMillis = 3000;
    static const DWORD kIdleWaitMillis = 3000;
};

} // namespace win
} // namespace app
} // namespace s
