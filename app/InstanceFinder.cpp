#include "app/InstanceFinder.h"

#include <tlhelp32.h>

#include <memory>

#include "core/str/AsciiFold.h"
#include "core/str/StrBuffer.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"

namespace s {
namespace app {
namespace win {

namespace {

const UINT kRestoreMessage = WM_USER + 3;
const UINT kNotifyMessage = WM_USER + 7;
const UINT kSendFlags = SMTO_BLOCK | SMTO_ABORTIFHUNG | SMTO_NOTIMEOUTIFNOTHUNG;
// Room for long paths: a module snapshot gives at most MAX_PATH, the image query more.
const DWORD kPathCapacity = 32768;
const int kTextCapacity = 256;

typedef BOOL(WINAPI* QueryImageNameFunction)(HANDLE, DWORD, LPWSTR, PDWORD);
typedef BOOL(WINAPI* MessageFilterFunction)(UINT, DWORD);
// Not on Windows XP, which the program still starts on: looked up, never imported.
const char kQueryImageName[] = "QueryFullProcessImageNameW";
const char kMessageFilter[] = "ChangeWindowMessageFilter";
const DWORD kFilterAdd = 1;

template <typename Function>
Function SystemFunction(const wchar_t* module, const char* name)
{
    HMODULE loaded = GetModuleHandleW(module);
    return loaded ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(loaded, name))) : nullptr;
}

struct Handle {
    explicit Handle(HANDLE h) : h(h) {}
    ~Handle()
    {
        if (h && h != INVALID_HANDLE_VALUE)
            CloseHandle(h);
    }
    bool Valid() const { return h && h != INVALID_HANDLE_VALUE; }
    HANDLE h;
};

// The running executable's whole path and a buffer for another process's, kept for one search.
struct PathPair {
    PathPair() : own(new wchar_t[kPathCapacity]), other(new wchar_t[kPathCapacity])
    {
        const DWORD length = GetModuleFileNameW(nullptr, own.get(), kPathCapacity);
        if (length == 0 || length >= kPathCapacity)
            own[0] = 0;
    }
    std::unique_ptr<wchar_t[]> own;
    std::unique_ptr<wchar_t[]> other;
};

bool IsOtherInstance(DWORD processId, PathPair* paths)
{
    if (processId == 0 || processId == GetCurrentProcessId() || !paths->own[0])
        return false;
    InstanceFinder::GetProcessPath(processId, paths->other.get(), kPathCapacity);
    return paths->other[0] && str::EqualsIgnoreCaseAscii(paths->other.get(), paths->own.get());
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* wantedTitle;
    HWND found;
};

BOOL CALLBACK TakeProcessWindow(HWND window, LPARAM parameter)
{
    WindowSearch* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId)
        return TRUE;
    // Read with room for one character more than a text may have: a longer text, cut where the
    // read ends, would qualify for every title that begins with the part read.
    wchar_t text[kTextCapacity + 1] = {};
    if (GetWindowTextW(window, text, kTextCapacity + 1) >= kTextCapacity)
        return TRUE;
    if (!InstanceFinder::TitleMatches(text, search->wantedTitle))
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* wantedTitle)
{
    Handle process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId));
    // A process that cannot be opened is searched without the wait.
    if (process.Valid())
        WaitForInputIdle(process.h, InstanceFinder::kIdleWaitMillis);
    WindowSearch search = {processId, wantedTitle, nullptr};
    EnumWindows(&TakeProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Send(HWND window, UINT message)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, message, 0, 0, kSendFlags, InstanceFinder::kSendTimeoutMillis, &ignored);
}

void SignalWindowTitled(DWORD processId, const wchar_t* wantedTitle, bool alsoNotify)
{
    HWND window = FindProcessWindow(processId, wantedTitle);
    if (window)
        Send(window, kRestoreMessage);
    if (!alsoNotify)
        return;
    window = FindProcessWindow(processId, wantedTitle);
    if (window)
        Send(window, kNotifyMessage);
}

struct DesktopSearch {
    PathPair paths;
    DWORD processId = 0;
};

BOOL CALLBACK TakeOtherInstanceWindow(HWND window, LPARAM parameter)
{
    DesktopSearch* search = reinterpret_cast<DesktopSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (!IsOtherInstance(owner, &search->paths))
        return TRUE;
    search->processId = owner;
    return FALSE;
}

DWORD FindOtherOnDesktop(HDESK desktop)
{
    DesktopSearch search;
    EnumDesktopWindows(desktop, &TakeOtherInstanceWindow, reinterpret_cast<LPARAM>(&search));
    return search.processId;
}

} // namespace

void InstanceFinder::GetProcessPath(DWORD processId, wchar_t* path, DWORD capacity)
{
    if (!path || capacity == 0)
        return;
    path[0] = 0;
    {
        Handle modules(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
        MODULEENTRY32W module = {};
        module.dwSize = sizeof module;
        if (modules.Valid() && Module32FirstW(modules.h, &module)) {
            lstrcpynW(path, module.szExePath, static_cast<int>(capacity));
            return;
        }
    }
    // An elevated instance refuses a module snapshot to a process without elevation; the limited
    // query still gives its path in the same form as the module path (a device path would not).
    QueryImageNameFunction queryImageName = SystemFunction<QueryImageNameFunction>(L"kernel32.dll", kQueryImageName);
    if (!queryImageName)
        return;
    Handle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    DWORD length = capacity;
    if (!process.Valid() || !queryImageName(process.h, 0, path, &length))
        path[0] = 0;
}

void InstanceFinder::AcceptSignalsFromUnelevated()
{
    MessageFilterFunction filter = SystemFunction<MessageFilterFunction>(L"user32.dll", kMessageFilter);
    if (!filter)
        return;
    filter(kRestoreMessage, kFilterAdd);
    filter(kNotifyMessage, kFilterAdd);
}

bool InstanceFinder::TitleMatches(const wchar_t* windowText, const wchar_t* wantedTitle)
{
    if (!windowText || !windowText[0])
        return false;
    if (!wantedTitle)
        return true;
    // The wanted title begins with the window's text.
    for (; *windowText; ++windowText, ++wantedTitle) {
        if (str::ToLowerAscii(*windowText) != str::ToLowerAscii(*wantedTitle))
            return false;
    }
    return true;
}

bool InstanceFinder::FindProcess(DWORD* processId)
{
    Handle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Valid())
        return false;
    PathPair paths;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.h, &entry); more; more = Process32NextW(snapshot.h, &entry)) {
        if (IsOtherInstance(entry.th32ProcessID, &paths)) {
            if (processId)
                *processId = entry.th32ProcessID;
            return true;
        }
    }
    return false;
}

bool InstanceFinder::HasOtherOnDesktop()
{
    return FindOtherOnDesktop(GetThreadDesktop(GetCurrentThreadId())) != 0;
}

bool InstanceFinder::FindOnDesktop(HDESK desktop, lang::Localizer* pack, int32_t baseTextId, bool alsoNotify)
{
    const DWORD processId = FindOtherOnDesktop(desktop);
    if (processId == 0)
        return false;
    SignalProcess(processId, pack, baseTextId, alsoNotify);
    return true;
}

void InstanceFinder::SignalProcess(DWORD processId, lang::Localizer* pack, int32_t baseTextId, bool alsoNotify)
{
    if (!pack) {
        SignalWindowTitled(processId, nullptr, alsoNotify);
        return;
    }
    for (uint32_t i = 0; i < pack->GetPackCount(); ++i) {
        lang::LangPack* language = pack->GetPack(i);
        str::strbuffer::StrBuffer* title = language ? language->FindText(baseTextId) : nullptr;
        // A language without a title would match any window of the process.
        if (!title || !title->GetText() || !title->GetText()[0])
            continue;
        SignalWindowTitled(processId, title->GetText(), alsoNotify);
    }
}

} // namespace win
} // namespace app
} // namespace s
