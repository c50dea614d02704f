// The command line as the program keeps it: every argument after the program name, in order, a
// leading "-" or "/" stored as "-".
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "mfc/WinApp.h"

namespace {

using s::process::commandline::win::CommandLine;

std::vector<std::wstring> Parse(const wchar_t* arguments)
{
    CommandLine* line = CommandLine::New();
    AfxParseCommandLine(line, arguments);
    std::vector<std::wstring> parsed;
    for (uint32_t i = 0; i < line->GetCount(); ++i)
        parsed.push_back(line->GetAt(i));
    line->Walk();
    line->ReleaseToPool();
    return parsed;
}

TEST(CommandLine, KeepsEveryArgumentWithItsFlagWrittenAsDash)
{
    struct Case {
        const wchar_t* arguments;
        std::vector<std::wstring> expected;
    };
    const Case cases[] = {
        {L"", {}},
        {L"   ", {}},
        {L"-startup", {L"-startup"}},
        {L"/STARTUP", {L"-STARTUP"}},
        {L"-", {L"-"}},
        {L"/", {L"-"}},
        {L"\"C:\\Program Files\\a b.txt\" plain", {L"C:\\Program Files\\a b.txt", L"plain"}},
        {L"\"-quoted flag\"", {L"-quoted flag"}},
        {L"Größe /日本語 -Привет", {L"Größe", L"-日本語", L"-Привет"}},
        {L"--double x", {L"--double", L"x"}},
        {L"a  \t b", {L"a", L"b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Parse(c.arguments)) << "arguments: " << std::wstring(c.arguments).c_str();
}

TEST(CommandLine, AResetListGoesBackEmpty)
{
    CommandLine* line = CommandLine::New();
    AfxParseCommandLine(line, L"-startup extra");
    ASSERT_EQ(2u, line->GetCount());
    line->ReleaseToPool();
    CommandLine* again = CommandLine::New();
    EXPECT_EQ(0u, again->GetCount());
    EXPECT_STREQ(L"s_process_commandline_win_CommandLine", again->GetClassName());
    again->ReleaseToPool();
}

TEST(CommandLine, TheApplicationObjectParsesWhatFollowsTheProgramName)
{
    CWinApp app;
    app.m_lpCmdLine = L"/startup \"two words\"";
    CommandLine* line = CommandLine::New();
    app.ParseCommandLine(*line);
    ASSERT_EQ(2u, line->GetCount());
    EXPECT_STREQ(L"-startup", line->GetAt(0));
    EXPECT_STREQ(L"two words", line->GetAt(1));
    line->ReleaseToPool();
}

} // namespace
