// The program's start-up run in this process: the refusal of unsupported Windows versions, the
// first-start hook and its skipping, the window shown in the holder's place until it is closed,
// and the settings file written at the end.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/AppTestSupport.h"
#include "app/PulsegridApp.h"
#include "app/monitor/UnknownLocale.h"
#include "measurement/win/OsVersion.h"
#include "storage/settings/XmlMappedData.h"
#include "support/BoxRecorder.h"
#include "support/Screenshot.h"
#include "support/Wait.h"

namespace {

using namespace app_testing;
using s::system::win::GetOsVersion;
using s::system::win::OsVersionInfo;

const DWORD kWindowBoundMillis = 20000;
const char kSeededVersion[] = "<savedata><Version>1.76</Version></savedata>";

// Puts a Windows version in the process's record for one test, and the real one back after it.
class ForcedWindowsVersion {
public:
    ForcedWindowsVersion(bool nt, int32_t major, int32_t minor)
    {
        OsVersionInfo& os = GetOsVersion();
        if (!os.done)
            s::system::win::LoadOsVersion();
        nt_ = os.isNtPlatform;
        major_ = os.major;
        minor_ = os.minor;
        os.isNtPlatform = nt;
        os.SetVersion(major, minor);
    }
    ~ForcedWindowsVersion()
    {
        OsVersionInfo& os = GetOsVersion();
        os.isNtPlatform = nt_;
        os.SetVersion(major_, minor_);
    }

private:
    bool nt_;
    int32_t major_;
    int32_t minor_;
};

// Watches for the program's window on another thread, notes where it was and what it showed,
// and closes it as a user would.
class WindowCloser {
public:
    explicit WindowCloser(const wchar_t* screenshotName)
        : thread_([this, screenshotName] { Run(screenshotName); })
    {
    }
    ~WindowCloser() { thread_.join(); }

    std::atomic<bool> found{false};
    std::wstring caption;
    RECT place = {};

private:
    void Run(const wchar_t* screenshotName)
    {
        HWND window = nullptr;
        testing_support::WaitUntil(
            [&] {
                std::vector<HWND> shown = ShownToolkitWindows(GetCurrentProcessId());
                window = shown.empty() ? nullptr : shown.front();
                return window != nullptr;
            },
            kWindowBoundMillis);
        if (!window)
            return;
        caption = WindowText(window);
        GetWindowRect(window, &place);
        Sleep(200);
        testing_support::ScreenImage image;
        if (testing_support::CaptureWindow(window, &image))
            testing_support::SaveScreenshot(image, screenshotName);
        found = true;
        PostMessageW(window, WM_CLOSE, 0, 0);
    }

    std::thread thread_;
};

class PulsegridAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(RemoveFolder(SettingsFolder()));
        DeleteSilent(kTestProgramKey);
        TakeOpenedPages();
        testing_support::BoxRecorder::Take();
    }
    void TearDown() override
    {
        RemoveFolder(SettingsFolder());
        DeleteSilent(kTestProgramKey);
    }

    bool HasGroup(const wchar_t* section)
    {
        s::xml::MappedData* store = s::xml::MappedData::OpenFile(SettingsFile().c_str());
        const bool has = store->SelectSection(section);
        store->ReleaseToPool();
        return has;
    }
};

TEST(PulsegridAppVersions, OnlyXpServer2003AndVistaOnAreSupported)
{
    struct Case {
        bool nt;
        int32_t major;
        int32_t minor;
        bool supported;
    };
    const Case cases[] = {
        {true, 5, 0, false},  {false, 5, 1, false}, {true, 4, 0, false}, {true, 5, 3, false},
        {true, 5, 1, true},   {true, 5, 2, true},   {true, 6, 0, true},  {true, 10, 0, true},
        {false, 6, 1, true},
    };
    for (const Case& c : cases) {
        ForcedWindowsVersion forced(c.nt, c.major, c.minor);
        EXPECT_EQ(c.supported, CPulsegridApp::IsSupportedWindows()) << c.major << "." << c.minor << " nt " << c.nt;
    }
}

TEST_F(PulsegridAppTest, AnUnsupportedWindowsIsToldAndStillGetsItsSettingsWritten)
{
    ForcedWindowsVersion forced(true, 5, 0);
    SetSilentDword(kTestProgramKey, 1);
    CPulsegridApp app;
    app.m_lpCmdLine = L"";
    EXPECT_FALSE(app.InitInstance());

    const std::vector<testing_support::RecordedBox> boxes = testing_support::BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(CPulsegridApp::kUnsupportedWindowsText, boxes[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), boxes[0].type & MB_ICONMASK);
    EXPECT_TRUE(ShownToolkitWindows(GetCurrentProcessId()).empty());
    // The hook never ran; only the update check of the first start opened the page.
    EXPECT_EQ(1u, TakeOpenedPages().size());
    EXPECT_EQ(1, ReadSilentDword(kTestProgramKey));
    ASSERT_TRUE(FileExists(SettingsFile()));
    EXPECT_TRUE(HasGroup(L"Version"));
    EXPECT_TRUE(HasGroup(L"MainWindow\\SoftwareType"));
}

TEST_F(PulsegridAppTest, TheWindowShowsUntilItIsClosedAndItsPlaceIsKept)
{
    ASSERT_TRUE(WriteFileBytes(SettingsFile(), "<savedata><Version>1.76</Version><MainWindow><View X=\"140\" "
                                               "Y=\"90\"></View></MainWindow></savedata>"));
    CPulsegridApp app;
    app.m_lpCmdLine = L"-startup";
    {
        WindowCloser closer(L"app_start_window");
        EXPECT_FALSE(app.InitInstance());
        // Start-up returns only once the window is closed.
        EXPECT_TRUE(closer.found);
        EXPECT_EQ(L"Pulsegrid Test", closer.caption);
        EXPECT_EQ(140, closer.place.left);
        EXPECT_EQ(90, closer.place.top);
    }
    EXPECT_TRUE(TakeOpenedPages().empty());
    // The only boxes a start may show: the counters' notice, when the system's counter names are
    // of no known language (Wine's are not), and the missing hardware-access library's (never
    // there under Wine).
    for (const testing_support::RecordedBox& box : testing_support::BoxRecorder::Take()) {
        const bool counters = box.text == s::gui::dialogs::monitor::kUnknownLocaleText;
        const bool hardware = box.text.rfind(L"Failed to Load WinRing0.dll!!\nError Code - ", 0) == 0;
        EXPECT_TRUE(counters || hardware) << box.text;
    }
    EXPECT_TRUE(ShownToolkitWindows(GetCurrentProcessId()).empty());
    EXPECT_TRUE(HasGroup(L"MainWindow\\View"));
    EXPECT_TRUE(HasGroup(L"MainWindow\\Version"));
    EXPECT_TRUE(HasGroup(L"Language"));
}

TEST_F(PulsegridAppTest, AnyArgumentSkipsTheFirstStartHook)
{
    struct Case {
        const wchar_t* arguments;
        size_t pages;
        long silentAfter;
    };
    const Case cases[] = {
        {L"-startup", 0, 1},
        {L"whatever", 0, 1},
        {L"", 1, 0},
    };
    for (const Case& c : cases) {
        RemoveFolder(SettingsFolder());
        ASSERT_TRUE(WriteFileBytes(SettingsFile(), kSeededVersion));
        SetSilentDword(kTestProgramKey, 1);
        CPulsegridApp app;
        app.m_lpCmdLine = c.arguments;
        {
            WindowCloser closer(L"app_start_window_arguments");
            EXPECT_FALSE(app.InitInstance());
            EXPECT_TRUE(closer.found);
        }
        EXPECT_EQ(c.pages, TakeOpenedPages().size()) << c.arguments;
        EXPECT_EQ(c.silentAfter, ReadSilentDword(kTestProgramKey)) << c.arguments;
    }
}

} // namespace
