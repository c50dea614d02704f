// Finding and signalling another instance's window, tried on windows of the test program itself.
#include <windows.h>

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "app/InstanceFinder.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/lang/Localizer.h"

namespace {

using s::app::win::InstanceFinder;

const int32_t kBaseTextId = 500000;
const UINT kRestore = WM_USER + 3;
const UINT kNotify = WM_USER + 7;

std::map<HWND, std::map<UINT, int>> gReceived;

LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kRestore || message == kNotify)
        ++gReceived[window][message];
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeWindow(const wchar_t* text)
{
    static ATOM registered = 0;
    if (!registered) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &Record;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"InstanceFinderTestWindow";
        registered = RegisterClassW(&windowClass);
    }
    return CreateWindowExW(0, L"InstanceFinderTestWindow", text, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

// The test program's own two-language pack: "Pulsegrid Test" and "Pulsegrid Versuch".
struct TestPack {
    TestPack()
    {
        wchar_t own[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, own, MAX_PATH);
        path = s::file::win::PathWin::CreateFromText(own);
        archive = s::archive::dll::win::Archive::OpenModule(path);
        pack = s::lang::Localizer::CreateFromResource(archive, L"IDR_XML", 130);
    }
    ~TestPack()
    {
        if (pack)
            pack->ReleaseToPool();
        archive->ReleaseToPool();
        path->ReleaseToPool();
    }
    s::file::win::PathWin* path;
    s::archive::dll::win::Archive* archive;
    s::lang::Localizer* pack;
};

TEST(InstanceFinderTest, AWindowQualifiesWhenTheWantedTitleBeginsWithItsText)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* wanted;
        bool qualifies;
    };
    const Case cases[] = {
        {L"Pulsegrid", L"Pulsegrid", true},
        {L"PULSEGRID", L"pulsegrid 1.7", true},
        {L"Pulse", L"Pulsegrid", true},
        {L"Pulsegrid 2", L"Pulsegrid", false},
        {L"Other", L"Pulsegrid", false},
        // The hidden owner window has no text and ignores the restore request.
        {L"", L"Pulsegrid", false},
        {L"", nullptr, false},
        {L"Anything", nullptr, true},
        // Only A-Z fold.
        {L"\u00C4", L"\u00E4", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.qualifies, InstanceFinder::TitleMatches(c.text, c.wanted))
            << "text \"" << testing::PrintToString(std::wstring(c.text)) << "\"";
}

// With the pack, each language's title is tried: a window whose text both titles begin with is
// told once per language; a window without text and one of another title are never told.
TEST(InstanceFinderTest, TheProcessWindowIsToldOncePerLanguageWhoseTitleMatches)
{
    gReceived.clear();
    HWND owner = MakeWindow(L"");
    HWND other = MakeWindow(L"Another Program");
    HWND frame = MakeWindow(L"PULSEGRID");
    ASSERT_TRUE(owner && other && frame);
    TestPack test;
    s::lang::Localizer* pack = test.pack;
    ASSERT_NE(nullptr, pack);
    ASSERT_EQ(2u, pack->GetPackCount());

    InstanceFinder::SignalProcess(GetCurrentProcessId(), pack, kBaseTextId, true);
    EXPECT_EQ(2, gReceived[frame][kRestore]);
    EXPECT_EQ(2, gReceived[frame][kNotify]);
    EXPECT_EQ(0u, gReceived[owner].size());
    EXPECT_EQ(0u, gReceived[other].size());

    gReceived.clear();
    InstanceFinder::SignalProcess(GetCurrentProcessId(), pack, kBaseTextId, false);
    EXPECT_EQ(2, gReceived[frame][kRestore]);
    EXPECT_EQ(0, gReceived[frame][kNotify]);

    DestroyWindow(frame);
    DestroyWindow(other);
    DestroyWindow(owner);
}

TEST(InstanceFinderTest, TheProgramItselfIsNoOtherInstance)
{
    wchar_t own[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, own, MAX_PATH);
    wchar_t read[MAX_PATH] = {};
    InstanceFinder::GetProcessPath(GetCurrentProcessId(), read, MAX_PATH);
    EXPECT_EQ(0, _wcsicmp(own, read));
    // A process that cannot be read has no path.
    InstanceFinder::GetProcessPath(0xFFFFFFF0u, read, MAX_PATH);
    EXPECT_STREQ(L"", read);
    DWORD found = 0;
    EXPECT_FALSE(InstanceFinder::FindProcess(&found));
    EXPECT_FALSE(InstanceFinder::HasOtherOnDesktop());
}

} // namespace
