// A test program that faults is reported as failed within seconds: the project's Wine prefix
// reports a crash without the dialog that would otherwise wait until the test's time-out.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "storage/TestFiles.h"

namespace {

// Generous: the fault takes milliseconds, Wine's report of it a few seconds on a busy machine.
const DWORD kReportBoundMillis = 60000;

struct Outcome {
    bool ended = false;
    DWORD exitCode = STILL_ACTIVE;
    std::string output;
};

// Runs the faulting program with its output in a file.
Outcome RunFaulting(const char* how)
{
    Outcome outcome;
    wchar_t folder[MAX_PATH], log[MAX_PATH];
    if (!GetTempPathW(MAX_PATH, folder) || !GetTempFileNameW(folder, L"flt", 0, log))
        return outcome;
    SECURITY_ATTRIBUTES inherited = {sizeof(inherited), nullptr, TRUE};
    HANDLE output = CreateFileW(log, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (output == INVALID_HANDLE_VALUE)
        return outcome;
    const std::wstring program = testfiles::BesideTestProgram(L"FaultingProgram.exe");
    std::wstring commandLine = L"\"" + program + L"\" " + std::wstring(how, how + std::strlen(how));
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(output);
    if (started) {
        CloseHandle(process.hThread);
        outcome.ended = WaitForSingleObject(process.hProcess, kReportBoundMillis) == WAIT_OBJECT_0;
        if (!outcome.ended)
            TerminateProcess(process.hProcess, 1);
        GetExitCodeProcess(process.hProcess, &outcome.exitCode);
        CloseHandle(process.hProcess);
        HANDLE input = CreateFileW(log, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
        char chunk[4096];
        DWORD read = 0;
        while (input != INVALID_HANDLE_VALUE && ReadFile(input, chunk, sizeof(chunk), &read, nullptr) && read > 0)
            outcome.output.append(chunk, read);
        if (input != INVALID_HANDLE_VALUE)
            CloseHandle(input);
    }
    DeleteFileW(log);
    return outcome;
}

// The fault and its address go to the error output of the Wine session (see the ctest entries
// faulting_program_fails_*); the program that started the faulting one sees it end with the fault.
// (A stack overflow is left to those entries: this Wine gives its parent the exit code 0 for it,
// while the session itself ends with a failure.)
TEST(FaultingProgram, EndsAtOnceWithTheFaultAsItsExitCode)
{
    struct Row {
        const char* how;
        DWORD code;
    };
    const Row rows[] = {
        {"read", EXCEPTION_ACCESS_VIOLATION},
        {"write", EXCEPTION_ACCESS_VIOLATION},
        {"trap", EXCEPTION_ILLEGAL_INSTRUCTION},
        {"divide", EXCEPTION_INT_DIVIDE_BY_ZERO},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.how);
        const Outcome outcome = RunFaulting(row.how);
        ASSERT_TRUE(outcome.ended) << "still running after " << kReportBoundMillis << " ms";
        EXPECT_EQ(row.code, outcome.exitCode);
        EXPECT_NE(std::string::npos, outcome.output.find(std::string("faulting program: ") + row.how))
            << outcome.output;
    }
}

TEST(FaultingProgram, EndsWithZeroWhenItDoesNotFault)
{
    const Outcome outcome = RunFaulting("none");
    ASSERT_TRUE(outcome.ended);
    EXPECT_EQ(0u, outcome.exitCode);
}

} // namespace
