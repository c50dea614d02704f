#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../network/ScriptedNetwork.h"
#include "measurement/network/NicConns.h"
#include "measurement/report/CurrentUser.h"
#include "measurement/report/OsReport.h"
#include "measurement/report/SystemReport.h"
#include "measurement/win/OsVersion.h"
#include "storage/lang/UiLanguage.h"

namespace sw = s::system::win;
namespace nw = s::system::network::win;

namespace {
std::vector<std::wstring> Lines(s::str::strarray::StrArray* lines)
{
    std::vector<std::wstring> out;
    for (uint32_t i = 0; lines && i < lines->GetCount(); ++i)
        out.push_back(lines->Get(i)->GetText());
    if (lines)
        lines->ReleaseToPool();
    return out;
}

TEST(SystemReport, SectionsComeInTheirOrder)
{
    const std::vector<std::wstring> lines = Lines(sw::BuildSystemReport());
    ASSERT_FALSE(lines.empty());
    const wchar_t* headers[] = {L"[OS] ", L"[CodePage] Code: ", L"[CPU]", L"[Chips]", L"[HDD]", L"[NIC]",
                                L"[WSA Initializer]", L"[Packet Watcher]", L"[Performance Counter Objects] "};
    size_t at = 0;
    for (const wchar_t* header : headers) {
        const std::wstring wanted = header;
        while (at < lines.size() && lines[at].compare(0, wanted.size(), wanted) != 0)
            ++at;
        ASSERT_LT(at, lines.size()) << "missing or out of order: " << std::string(wanted.begin(), wanted.end());
        ++at;
    }
    // Winsock is never started: its status line is empty, and nothing fills the watcher's log.
    size_t wsa = 0;
    while (lines[wsa] != L"[WSA Initializer]")
        ++wsa;
    EXPECT_EQ(L"", lines[wsa + 1]);
    EXPECT_EQ(L"[Packet Watcher]", lines[wsa + 2]);
    EXPECT_EQ(L"[Performance Counter Objects] ", lines[wsa + 3]);
}

TEST(SystemReport, TheOsLineNamesTheVersionRecord)
{
    sw::OsVersionInfo& version = sw::GetOsVersion();
    sw::LoadOsVersion();
    std::wstring expected = L"[OS] (64 bit) (" + std::wstring(s::lang::GetUserUiLanguageName()) +
                            L") Major Version: " + std::to_wstring(version.major) +
                            L", Minor Version: " + std::to_wstring(version.minor) +
                            L", Build Number: " + std::to_wstring(version.build) +
                            L", Service Pack: " + version.servicePack;
    s::str::strbuffer::StrBuffer* line = sw::BuildOsReport();
    ASSERT_NE(nullptr, line);
    EXPECT_EQ(expected, line->GetText());
    line->ReleaseToPool();
}

TEST(SystemReport, TheNicSectionListsTheValidConnectionsDescriptions)
{
    ScriptedNetworkScope scope;
    scope.AddRegistryConnection(L"{GONE}", L"PCI\\GONE", L"Unplugged");
    ScriptedAdapter first, second;
    first.name = "{A}";
    first.description = "Intel(R) Ethernet Connection  ";
    first.index = 1;
    second.name = "{B}";
    second.description = "Wireless LAN";
    second.index = 2;
    Scripted().adapters = {first, second};
    nw::NicConnList list;
    nw::LoadNicConns(&list);
    EXPECT_EQ((std::vector<std::wstring>{L"[NIC]", L"Intel(R) Ethernet Connection", L"Wireless LAN"}),
              Lines(sw::BuildNicReport(&list)));
    list.Clear();
    Scripted().adapters.clear();
    nw::LoadNicConns(&list);
    EXPECT_EQ(std::vector<std::wstring>{L"[NIC]"}, Lines(sw::BuildNicReport(&list)));
    list.Clear();
}

TEST(CurrentUser, TheNameIsReadOnceAndKept)
{
    const wchar_t* name = sw::GetCurrentUserName();
    ASSERT_NE(nullptr, name);
    EXPECT_EQ(name, sw::GetCurrentUserName());
    wchar_t expected[257] = {};
    DWORD length = 257;
    if (GetUserNameW(expected, &length)) {
        EXPECT_STREQ(expected, name);
    }
}
} // namespace
