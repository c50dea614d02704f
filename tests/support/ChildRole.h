#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A test program can start itself once more to play a part other than running its tests: the
// second process is then the same executable at the same path, as a second start of a program is.
namespace testing_support {

// What the second process runs instead of the tests; its result is the process's exit code.
typedef int (*ChildRoleMain)(const std::vector<std::wstring>& arguments);

// Registers a role under its name; meant for a static object of the test file that plays it.
struct ChildRoleRegistration {
    ChildRoleRegistration(const wchar_t* name, ChildRoleMain run);
};

// When this process was started in a role, runs it and gives its result; false otherwise.
bool RunChildRoleIfAsked(int* exitCode);

// Starts this program in the role with the arguments (none may hold a double quote); the caller
// closes both handles. False when the process could not be started.
bool StartChildRole(const wchar_t* name, const std::vector<std::wstring>& arguments, PROCESS_INFORMATION* process);

} // namespace testing_support
