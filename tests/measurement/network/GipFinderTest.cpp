#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "measurement/network/AddressText.h"
#include "measurement/network/GipFinder.h"

namespace nw = s::system::network::win;
using s::str::strbuffer::StrBuffer;

namespace {
TEST(AddressText, OnlyCompleteIpv4AndIpv6TextsAreAddresses)
{
    struct Case {
        const wchar_t* text;
        bool address;
    } cases[] = {
        {L"203.0.113.7", true}, {L"0.0.0.0", true}, {L"255.255.255.255", true},
        {L"2001:db8::1", true}, {L"::1", true}, {L"::", true}, {L"fe80::", true},
        {L"1:2:3:4:5:6:7:8", true}, {L"::ffff:192.0.2.128", true},
        {L"ffff:ffff:ffff:ffff:ffff:ffff:255.255.255.255", true}, // the longest form, 45 characters
        {L"", false}, {L"256.1.1.1", false}, {L"1.2.3", false}, {L"1.2.3.4.5", false}, {L"01.2.3.4", false},
        {L"1.2.3.4 ", false}, {L"<html>", false}, {L"1:2:3:4:5:6:7:8:9", false}, {L"1::2::3", false},
        {L"12345::", false}, {L":1", false}, {L"1:", false}, {L"g::1", false}, {L"1.2.3.-4", false},
        {L"ffff:ffff:ffff:ffff:ffff:ffff:255.255.255.2555", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.address, s::system::network::IsAddressText(c.text)) << c.text;
}

TEST(GipFinderAnswer, OnlyAValidAddressWithinTheFirstHundredBytesIsTaken)
{
    struct Case {
        std::string answer;
        const wchar_t* address;
    } cases[] = {
        {"203.0.113.7", L"203.0.113.7"},
        {"  203.0.113.7\r\n", L"203.0.113.7"},
        {"2001:db8:85a3::8a2e:370:7334\n", L"2001:db8:85a3::8a2e:370:7334"},
        {"ffff:ffff:ffff:ffff:ffff:ffff:255.255.255.255", L"ffff:ffff:ffff:ffff:ffff:ffff:255.255.255.255"},
        {"<html><body>404 Not Found</body></html>", nullptr},
        {"Service Unavailable", nullptr},
        {"1.2.3.4\nsecond line", nullptr},
        {std::string(98, ' ') + "1.2.3.4", nullptr}, // the address lies beyond the 100 bytes
        {std::string(95, ' ') + "1.2.3.4", nullptr}, // cut by the 100 bytes
        {"", nullptr},
        {std::string("1.2.3.4\0garbage", 15), nullptr},
    };
    StrBuffer* address = StrBuffer::New();
    for (const Case& c : cases) {
        address->Assign(L"before");
        const bool found = nw::GipFinder::ReadAnswer(c.answer.data(), static_cast<uint32_t>(c.answer.size()), address);
        EXPECT_EQ(c.address != nullptr, found) << c.answer;
        EXPECT_STREQ(c.address ? c.address : L"before", address->GetText()) << c.answer;
    }
    // Megabytes of answer cost no more than the first 100 bytes.
    std::string huge(4 * 1024 * 1024, 'x');
    huge.replace(0, 9, "10.0.0.1\n");
    EXPECT_FALSE(nw::GipFinder::ReadAnswer(huge.data(), static_cast<uint32_t>(huge.size()), address));
    huge.replace(0, 100, std::string("10.0.0.1") + std::string(92, ' '));
    EXPECT_TRUE(nw::GipFinder::ReadAnswer(huge.data(), static_cast<uint32_t>(huge.size()), address));
    EXPECT_STREQ(L"10.0.0.1", address->GetText());
    address->ReleaseToPool();
}

// The scripted page: each download writes the next answer into a file of the test's own, fails,
// or waits until the finder cancels it.
struct ScriptedPage {
    enum Kind { kAnswer, kFail, kHang, kUnreadable };
    std::atomic<int32_t> downloads{0};
    std::atomic<int32_t> cancelled{0};
    Kind kind = kAnswer;
    std::string answer;
    bool connected = true;
    std::wstring lastUrl;
};

ScriptedPage page;

bool Connected()
{
    return page.connected;
}

bool Download(const wchar_t* url, wchar_t* path, uint32_t pathChars, const std::atomic<bool>* cancel)
{
    ++page.downloads;
    page.lastUrl = url;
    switch (page.kind) {
    case ScriptedPage::kFail:
        return false;
    case ScriptedPage::kHang:
        while (!cancel->load())
            Sleep(10);
        ++page.cancelled;
        return false;
    case ScriptedPage::kUnreadable:
        wcsncpy(path, L"C:\\no such folder\\answer.txt", pathChars);
        return true;
    case ScriptedPage::kAnswer:
        break;
    }
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"gip", 0, path);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, page.answer.data(), static_cast<DWORD>(page.answer.size()), &written, nullptr);
    CloseHandle(file);
    return true;
}

// A finder of its own with the waits shortened: a retry after 300 ms in 20 ms steps.
class GipFinderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = nw::GetGipFinderCalls();
        page.downloads = 0;
        page.cancelled = 0;
        page.kind = ScriptedPage::kAnswer;
        page.connected = true;
        nw::GipFinderCalls& calls = nw::GetGipFinderCalls();
        calls.isConnected = Connected;
        calls.download = Download;
        calls.retryWaitMs = 300;
        calls.sleepStepMs = 20;
        finder = nw::GipFinder::New();
    }
    void TearDown() override
    {
        finder->ReleaseToPool();
        nw::GetGipFinderCalls() = saved_;
    }

    bool WaitFound(int32_t ms)
    {
        for (int32_t waited = 0; waited < ms && !finder->IsFound(); waited += 10)
            Sleep(10);
        return finder->IsFound();
    }
    void WaitDownloads(int32_t count)
    {
        for (int32_t waited = 0; waited < 20000 && page.downloads < count; waited += 10)
            Sleep(10);
    }

    nw::GipFinder* finder = nullptr;
    nw::GipFinderCalls saved_;
};

TEST_F(GipFinderTest, AnAddressIsFoundOnceAndKept)
{
    page.answer = "198.51.100.23\n";
    StrBuffer* address = StrBuffer::New();
    EXPECT_FALSE(finder->GetAddress(address));
    finder->Start();
    ASSERT_TRUE(WaitFound(20000));
    EXPECT_TRUE(finder->GetAddress(address));
    EXPECT_STREQ(L"198.51.100.23", address->GetText());
    EXPECT_STREQ(nw::kAddressPageUrl, page.lastUrl.c_str());
    // Found: starting again asks nothing more.
    finder->Start();
    Sleep(400);
    EXPECT_EQ(1, page.downloads);
    // Forgotten: the next start asks again.
    finder->ClearFound();
    EXPECT_FALSE(finder->GetAddress(address));
    page.answer = "198.51.100.24";
    finder->Start();
    ASSERT_TRUE(WaitFound(20000));
    finder->GetAddress(address);
    EXPECT_STREQ(L"198.51.100.24", address->GetText());
    address->ReleaseToPool();
}

TEST_F(GipFinderTest, AnythingButAnAddressIsAskedAgainAfterTheWait)
{
    struct Case {
        ScriptedPage::Kind kind;
        const char* answer;
        bool connected;
    } cases[] = {
        {ScriptedPage::kAnswer, "<html>500 Internal Server Error</html>", true},
        {ScriptedPage::kAnswer, "", true},
        {ScriptedPage::kFail, "", true},
        {ScriptedPage::kUnreadable, "", true},
    };
    for (const Case& c : cases) {
        page.kind = c.kind;
        page.answer = c.answer;
        page.downloads = 0;
        finder->Start();
        WaitDownloads(3);
        EXPECT_GE(page.downloads, 3) << c.answer << " " << c.kind;
        EXPECT_FALSE(finder->IsFound());
        finder->Stop(true);
    }
}

TEST_F(GipFinderTest, WithoutAConnectionNothingIsDownloaded)
{
    page.connected = false;
    finder->Start();
    Sleep(700);
    EXPECT_EQ(0, page.downloads);
    EXPECT_FALSE(finder->IsFound());
    page.connected = true;
    page.answer = "192.0.2.1";
    ASSERT_TRUE(WaitFound(20000));
}

TEST_F(GipFinderTest, StopEndsAHangingDownloadWithinItsBound)
{
    page.kind = ScriptedPage::kHang;
    finder->Start();
    WaitDownloads(1);
    ASSERT_EQ(1, page.downloads);
    const DWORD start = GetTickCount();
    finder->Stop(true);
    EXPECT_LT(GetTickCount() - start, static_cast<DWORD>(nw::GipFinder::kStopWaitMs) + 500);
    EXPECT_EQ(1, page.cancelled);
    // The finder starts again afterwards.
    page.kind = ScriptedPage::kAnswer;
    page.answer = "192.0.2.77";
    finder->Start();
    ASSERT_TRUE(WaitFound(20000));
}

TEST_F(GipFinderTest, StopDuringTheWaitReturnsPromptly)
{
    page.kind = ScriptedPage::kFail;
    nw::GetGipFinderCalls().retryWaitMs = 60000;
    nw::GetGipFinderCalls().sleepStepMs = 200;
    finder->Start();
    WaitDownloads(1);
    Sleep(100);
    const DWORD start = GetTickCount();
    finder->Stop(true);
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_EQ(1, page.downloads);
}
} // namespace
