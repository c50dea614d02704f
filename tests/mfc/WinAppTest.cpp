// The application object and the program's entry: start-up runs once on the calling thread, a
// failed start-up ends with the exit code of ExitInstance and never pumps messages.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mfc/CommandLineInfo.h"
#include "mfc/WinApp.h"

namespace {

class ProbeApp : public CWinApp {
public:
    explicit ProbeApp(BOOL result) : result_(result) {}
    BOOL InitInstance() override
    {
        ++starts;
        CWinApp::InitInstance();
        startThread = GetCurrentThreadId();
        if (result_)
            PostQuitMessage(7);
        return result_;
    }
    int ExitInstance() override
    {
        ++exits;
        return result_ ? 7 : 0;
    }
    int starts = 0;
    int exits = 0;
    DWORD startThread = 0;

private:
    BOOL result_;
};

struct Recorder : CCommandLineInfo {
    void ParseParam(const wchar_t* param, BOOL flag, BOOL last) override
    {
        params.push_back(std::wstring(flag ? L"flag:" : L"") + param + (last ? L":last" : L""));
    }
    std::vector<std::wstring> params;
};

TEST(WinApp, AFailedStartUpEndsWithTheExitCodeAndNoLoop)
{
    ProbeApp app(FALSE);
    ASSERT_EQ(&app, AfxGetApp());
    EXPECT_EQ(0, AfxWinMain(GetModuleHandleW(nullptr), L"-startup", SW_SHOW));
    EXPECT_EQ(1, app.starts);
    EXPECT_EQ(1, app.exits);
    EXPECT_EQ(GetCurrentThreadId(), app.startThread);
    EXPECT_STREQ(L"-startup", app.m_lpCmdLine);
}

TEST(WinApp, ASuccessfulStartUpRunsTheLoopUntilItQuits)
{
    ProbeApp app(TRUE);
    EXPECT_EQ(7, AfxWinMain(GetModuleHandleW(nullptr), nullptr, SW_SHOW));
    EXPECT_EQ(1, app.exits);
    EXPECT_STREQ(L"", app.m_lpCmdLine);
}

TEST(WinApp, TheApplicationObjectLeavesWithItsLifetime)
{
    {
        CWinApp app;
        EXPECT_EQ(&app, AfxGetApp());
    }
    EXPECT_EQ(nullptr, AfxGetApp());
    EXPECT_EQ(-1, AfxWinMain(GetModuleHandleW(nullptr), L"", SW_SHOW));
}

TEST(CommandLineInfo, TheParserMarksFlagsAndTheLastArgument)
{
    Recorder recorder;
    AfxParseCommandLine(&recorder, L"-a /B c");
    const std::vector<std::wstring> expected = {L"flag:a", L"flag:B", L"c:last"};
    EXPECT_EQ(expected, recorder.params);
    Recorder none;
    AfxParseCommandLine(&none, nullptr);
    EXPECT_TRUE(none.params.empty());
}

} // namespace
