#include "support/ChildRole.h"

#include <shellapi.h>

#include <map>

namespace testing_support {

namespace {

const wchar_t kRoleSwitch[] = L"--child-role=";

// Filled by static objects of other files: built on first use, whatever their order.
std::map<std::wstring, ChildRoleMain>& Roles()
{
    static std::map<std::wstring, ChildRoleMain> roles;
    return roles;
}

std::wstring OwnPath()
{
    std::vector<wchar_t> path(32768);
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return std::wstring(path.data(), length < path.size() ? length : 0);
}

std::wstring Quoted(const std::wstring& text)
{
    return L"\"" + text + L"\"";
}

} // namespace

ChildRoleRegistration::ChildRoleRegistration(const wchar_t* name, ChildRoleMain run)
{
    Roles()[name] = run;
}

bool RunChildRoleIfAsked(int* exitCode)
{
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words)
        return false;
    const size_t switchLength = wcslen(kRoleSwitch);
    ChildRoleMain run = nullptr;
    std::vector<std::wstring> arguments;
    if (count >= 2 && wcsncmp(words[1], kRoleSwitch, switchLength) == 0) {
        auto found = Roles().find(words[1] + switchLength);
        if (found != Roles().end()) {
            run = found->second;
            arguments.assign(words + 2, words + count);
        }
    }
    LocalFree(words);
    if (!run)
        return false;
    *exitCode = run(arguments);
    return true;
}

bool StartChildRole(const wchar_t* name, const std::vector<std::wstring>& arguments, PROCESS_INFORMATION* process)
{
    const std::wstring program = OwnPath();
    std::wstring commandLine = Quoted(program) + L" " + kRoleSwitch + name;
    for (const std::wstring& argument : arguments)
        commandLine += L" " + Quoted(argument);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    *process = PROCESS_INFORMATION{};
    return CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          process) != FALSE;
}

} // namespace testing_support
