// The built program itself, started from a copy in a scratch folder as a user would start it:
// its window appears, a close request ends it with exit code 0, and its settings file is written
// beside the copy.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/AppTestSupport.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/XmlMappedData.h"
#include "support/Screenshot.h"
#include "support/Wait.h"

namespace {

using namespace app_testing;

const DWORD kWindowBoundMillis = 30000;
const DWORD kExitBoundMillis = 20000;
const DWORD kPaintBoundMillis = 10000;
// The embedded "Black Black" skin's windowBg and windowFg.
const COLORREF kDefaultSkinBackground = RGB(0, 0, 0);
const COLORREF kDefaultSkinEdge = RGB(0x33, 0x33, 0x33);
const int32_t kTitleText = 500000;
const int32_t kVersionText = 500010;
const wchar_t kLongForm[] = L"\\\\?\\";

std::wstring Long(const std::wstring& path)
{
    return kLongForm + path;
}

// The text of an id in the English pack of a program's own resources.
std::wstring ProgramText(const std::wstring& exe, int32_t id)
{
    s::file::win::PathWin* path = s::file::win::PathWin::CreateFromText(exe.c_str());
    s::archive::dll::win::Archive* archive = s::archive::dll::win::Archive::OpenModule(path);
    s::lang::Localizer* pack = s::lang::Localizer::CreateFromResource(archive, L"IDR_XML", 130);
    std::wstring text = pack ? pack->GetEnglishText(id) : L"";
    if (pack)
        pack->ReleaseToPool();
    archive->ReleaseToPool();
    path->ReleaseToPool();
    return text;
}

class PulsegridExeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        scratch_ = ProgramFolder() + L"\\exe-scratch";
        RemoveFolder(Long(scratch_));
        ASSERT_TRUE(CreateDirectoryW(scratch_.c_str(), nullptr));
        // No browser may start: the copy is seeded with the running version and asks for no page.
        DeleteSilent(kRealProgramKey);
    }
    void TearDown() override { RemoveFolder(Long(scratch_)); }

    // Copies the program into the folder (made as needed) with a settings file of its version.
    std::wstring Install(const std::wstring& folder)
    {
        CreateDirectoryW(Long(folder).c_str(), nullptr);
        const std::wstring exe = folder + L"\\pulsegrid.exe";
        const std::wstring built = ProgramFolder().substr(0, ProgramFolder().find_last_of(L'\\')) + L"\\pulsegrid.exe";
        EXPECT_TRUE(CopyFileW(built.c_str(), Long(exe).c_str(), FALSE)) << GetLastError();
        const std::wstring version = ProgramText(exe, kVersionText);
        std::string seeded = "<savedata><Version>";
        seeded += std::string(version.begin(), version.end());
        seeded += "</Version></savedata>";
        CreateDirectoryW(Long(folder + L"\\savedata").c_str(), nullptr);
        EXPECT_TRUE(WriteFileBytes(Long(folder + L"\\savedata\\SaveData.xml"), seeded));
        return exe;
    }

    // Starts the copy, looks at its window, closes it and waits for the process's end.
    void RunAndClose(const std::wstring& exe, const wchar_t* screenshotName)
    {
        std::wstring commandLine = L"\"" + exe + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        ASSERT_TRUE(CreateProcessW(Long(exe).c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process))
            << GetLastError();
        HWND window = nullptr;
        testing_support::WaitUntil(
            [&] {
                std::vector<HWND> shown = ShownToolkitWindows(process.dwProcessId);
                window = shown.empty() ? nullptr : shown.front();
                return window != nullptr;
            },
            kWindowBoundMillis);
        EXPECT_NE(nullptr, window) << "no window appeared";
        if (window) {
            EXPECT_EQ(ProgramText(exe, kTitleText), WindowText(window));
            RECT place = {};
            GetWindowRect(window, &place);
            EXPECT_GT(place.right - place.left, 0);
            // Painted with the default skin, "Black Black": a black client inside a dark grey edge.
            POINT origin = {0, 0};
            ClientToScreen(window, &origin);
            const int32_t clientX = origin.x - place.left + 10;
            const int32_t clientY = origin.y - place.top + 10;
            const int32_t middle = (place.right - place.left) / 2;
            testing_support::ScreenImage image;
            testing_support::WaitUntil(
                [&] {
                    return testing_support::CaptureWindow(window, &image) &&
                           image.At(clientX, clientY) == kDefaultSkinBackground &&
                           image.At(middle, 0) == kDefaultSkinEdge;
                },
                kPaintBoundMillis);
            EXPECT_FALSE(testing_support::SaveScreenshot(image, screenshotName).empty());
            EXPECT_EQ(kDefaultSkinBackground, image.At(clientX, clientY)) << "the skin's window background";
            EXPECT_EQ(kDefaultSkinEdge, image.At(middle, 0)) << "the skin's window edge";
            // The title and version label: text in the skin's colours inside the edge.
            int32_t textPixels = 0;
            for (int32_t y = 1; y + 1 < image.height; ++y) {
                for (int32_t x = 1; x + 1 < image.width; ++x) {
                    const COLORREF pixel = image.At(x, y);
                    if (pixel != kDefaultSkinBackground && pixel != kDefaultSkinEdge)
                        ++textPixels;
                }
            }
            EXPECT_GT(textPixels, 30) << "no title and version label";
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
        const DWORD waited = WaitForSingleObject(process.hProcess, kExitBoundMillis);
        EXPECT_EQ(WAIT_OBJECT_0, waited) << "the program did not end after its window was closed";
        if (waited != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 99);
        DWORD exitCode = 99;
        GetExitCodeProcess(process.hProcess, &exitCode);
        if (window) {
            EXPECT_EQ(0u, exitCode);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    void ExpectSettingsWritten(const std::wstring& folder)
    {
        const std::wstring file = folder + L"\\savedata\\SaveData.xml";
        const std::string bytes = ReadFileBytes(Long(file));
        EXPECT_EQ(0u, bytes.find("<savedata>")) << bytes;
        s::xml::MappedData* store = s::xml::MappedData::OpenFile(file.c_str());
        EXPECT_TRUE(store->SelectSection(L"MainWindow"));
        EXPECT_TRUE(store->SelectSection(L"MainWindow\\View"));
        EXPECT_TRUE(store->HasValue(L"MainWindow\\View", L"X"));
        EXPECT_TRUE(store->SelectSection(L"Language"));
        store->ReleaseToPool();
    }

    std::wstring scratch_;
};

TEST_F(PulsegridExeTest, TheWindowShowsAndACloseEndsTheProgramWithItsSettingsWritten)
{
    const std::wstring exe = Install(scratch_);
    RunAndClose(exe, L"pulsegrid_exe_window");
    ExpectSettingsWritten(scratch_);
}

} // namespace
