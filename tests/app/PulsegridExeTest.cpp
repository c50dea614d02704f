// The built program itself, started from a copy in a scratch folder as a user would start it:
// the gadget shows a row per chosen field with live readings, a close request ends it with exit
// code 0, and its settings file is written beside the copy.
#include <windows.h>

#include <cstdio>
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
// A few refreshes at the stored period of one second; then one period more.
const DWORD kFirstRefreshesMillis = 3500;
const DWORD kPeriodMillis = 1200;
// The embedded "Black Black" skin's windowBg and windowFg.
const COLORREF kDefaultSkinBackground = RGB(0, 0, 0);
const COLORREF kDefaultSkinEdge = RGB(0x33, 0x33, 0x33);
const int32_t kTitleText = 500000;
const int32_t kVersionText = 500010;
// The fields a user chose: the clock, processor, memory, computer name, a drive and a reading
// this machine cannot give (its dashes); every other field of the default choice switched off.
const char kChosenFields[] =
    "<Field DATE_TIME=\"1\" CPU_USAGE_TOTAL=\"1\" MEMORY_USAGE_TOTAL=\"1\" COMPUTER_NAME=\"1\" "
    "DRIVE_FREE_BYTES_0=\"1\" GPU_TEMP_C_1=\"1\" BOTTLENECK=\"0\" MAIN_VILLAIN=\"0\" CPU_VILLAIN=\"0\" "
    "CPU_TEMP_C_TOTAL=\"0\" GPU_USAGE_TOTAL=\"0\" MEMORY_FREE_BYTES_TOTAL=\"0\" DISK_IO_TOTAL=\"0\" "
    "DISK_SEEK_TOTAL=\"0\" DISK_BUSY_TOTAL=\"0\" HDD_VILLAIN=\"0\" HDD_TEMP_C_0=\"0\" NETWORK_IO_TOTAL=\"0\" "
    "NETWORK_GIP=\"0\" UPTIME_NORMAL=\"0\" BATTERY_LEFT_TOTAL=\"0\"></Field>";
const int32_t kChosenFieldCount = 6;
const wchar_t kUnknownLocaleText[] =
    L"Unknown Locale of Windows: Please send us the error report file so we can support this OS.";
// Without the hardware-access library (never there under Wine) the start tells so once; the
// error code follows.
const wchar_t kNoHardwareAccessText[] = L"Failed to Load WinRing0.dll!!\n";
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

// A message box of the process showing a text that begins with the given one, if one is up.
struct BoxSearch {
    DWORD processId;
    const wchar_t* text;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM lParam)
{
    BoxSearch* search = reinterpret_cast<BoxSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (owner != search->processId || wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    // The box's text is a child control of the dialog.
    BoxSearch inner = *search;
    inner.found = nullptr;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM p) -> BOOL {
            BoxSearch* box = reinterpret_cast<BoxSearch*>(p);
            wchar_t text[512] = {};
            GetWindowTextW(child, text, 512);
            if (wcsncmp(text, box->text, wcslen(box->text)) == 0) {
                box->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&inner));
    if (!inner.found)
        return TRUE;
    search->found = window;
    return FALSE;
}

// Closes a box beginning with the text with its OK button, as a person would; true when there
// was one.
bool CloseBox(DWORD processId, const wchar_t* text)
{
    BoxSearch search = {processId, text, nullptr};
    EnumWindows(&FindBox, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return false;
    HWND ok = GetDlgItem(search.found, IDOK);
    if (ok)
        PostMessageW(ok, BM_CLICK, 0, 0);
    else
        PostMessageW(search.found, WM_COMMAND, IDOK, 0);
    return true;
}

// The error report's save dialog of the process, told by its file-name control, is cancelled as a
// person who does not want the report would; true when there was one.
bool CancelSaveDialog(DWORD processId)
{
    struct Search {
        DWORD processId;
        HWND found;
    } search = {processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM p) -> BOOL {
            Search* search = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t className[64] = {};
            GetClassNameW(window, className, 64);
            if (owner != search->processId || wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window))
                return TRUE;
            const int kFileNameCombo = 0x47C;
            const int kFileNameEdit = 0x480;
            if (!GetDlgItem(window, kFileNameCombo) && !GetDlgItem(window, kFileNameEdit))
                return TRUE;
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return false;
    PostMessageW(search.found, WM_COMMAND, IDCANCEL, 0);
    return true;
}

// Pixels of the two pictures that differ inside the rectangle.
int32_t DifferingPixels(const testing_support::ScreenImage& a, const testing_support::ScreenImage& b, const RECT& area)
{
    int32_t differing = 0;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x)
            differing += a.At(x, y) != b.At(x, y) ? 1 : 0;
    }
    return differing;
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

    // Copies the program into the folder (made as needed) with a settings file of its version
    // and the main window's groups given.
    std::wstring Install(const std::wstring& folder, const char* mainWindowGroups)
    {
        CreateDirectoryW(Long(folder).c_str(), nullptr);
        const std::wstring exe = folder + L"\\pulsegrid.exe";
        const std::wstring built = ProgramFolder().substr(0, ProgramFolder().find_last_of(L'\\')) + L"\\pulsegrid.exe";
        EXPECT_TRUE(CopyFileW(built.c_str(), Long(exe).c_str(), FALSE)) << GetLastError();
        const std::wstring version = ProgramText(exe, kVersionText);
        std::string seeded = "<savedata><Version>";
        seeded += std::string(version.begin(), version.end());
        seeded += "</Version><MainWindow>";
        seeded += mainWindowGroups;
        seeded += "</MainWindow></savedata>";
        CreateDirectoryW(Long(folder + L"\\savedata").c_str(), nullptr);
        EXPECT_TRUE(WriteFileBytes(Long(folder + L"\\savedata\\SaveData.xml"), seeded));
        return exe;
    }

    // Starts the program at the path given, as a user would.
    PROCESS_INFORMATION Start(const std::wstring& exe)
    {
        std::wstring commandLine = L"\"" + exe + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        EXPECT_TRUE(CreateProcessW(Long(exe).c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process))
            << GetLastError();
        return process;
    }

    // The gadget's window once it shows; null when none showed within the bound.
    HWND WaitForGadget(const PROCESS_INFORMATION& process)
    {
        HWND window = nullptr;
        testing_support::WaitUntil(
            [&] {
                // The start may tell of the missing hardware-access library before its window shows.
                if (CloseBox(process.dwProcessId, kNoHardwareAccessText))
                    closedHardwareNotice_ = true;
                std::vector<HWND> shown = ShownToolkitWindows(process.dwProcessId);
                window = shown.empty() ? nullptr : shown.front();
                return window != nullptr;
            },
            kWindowBoundMillis);
        EXPECT_NE(nullptr, window) << "no window appeared";
        return window;
    }

    // Closes the gadget's window and waits for the process's end; the exit code, 99 when it
    // had to be ended.
    DWORD CloseAndWait(const PROCESS_INFORMATION& process, HWND window)
    {
        if (window)
            PostMessageW(window, WM_CLOSE, 0, 0);
        const DWORD waited = WaitForSingleObject(process.hProcess, kExitBoundMillis);
        EXPECT_EQ(WAIT_OBJECT_0, waited) << "the program did not end after its window was closed";
        if (waited != WAIT_OBJECT_0)
            TerminateProcess(process.hProcess, 99);
        DWORD exitCode = 99;
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return exitCode;
    }

    // Starts the copy, looks at its gadget twice a period apart, closes it and waits for the
    // process's end.
    void RunAndClose(const std::wstring& exe)
    {
        PROCESS_INFORMATION process = Start(exe);
        ASSERT_NE(nullptr, process.hProcess);
        HWND window = WaitForGadget(process);
        if (window)
            LookAtTheGadget(window, process.dwProcessId);
        const DWORD exitCode = CloseAndWait(process, window);
        if (window) {
            EXPECT_EQ(0u, exitCode);
        }
    }

    // The start's notices are closed as a person would close them, for the time given.
    void CloseNotices(DWORD processId, DWORD millis)
    {
        const ULONGLONG settle = GetTickCount64() + millis;
        while (GetTickCount64() < settle) {
            if (CloseBox(processId, kUnknownLocaleText))
                closedNotice_ = true;
            if (CloseBox(processId, kNoHardwareAccessText))
                closedHardwareNotice_ = true;
            // After the counters' notice the start offers the error report's save dialog.
            if (CancelSaveDialog(processId))
                cancelledReport_ = true;
            Sleep(50);
        }
        // The save dialog may come up late after the notice; the refreshes start once it is gone.
        // A cancel posted while the dialog still builds itself can be lost: it is posted again
        // until the dialog is gone.
        if (closedNotice_) {
            testing_support::WaitUntil(
                [&] {
                    if (CancelSaveDialog(processId)) {
                        cancelledReport_ = true;
                        Sleep(500);
                        return false;
                    }
                    return cancelledReport_;
                },
                kWindowBoundMillis);
            Sleep(millis);
        }
    }

    void LookAtTheGadget(HWND window, DWORD processId)
    {
        EXPECT_EQ(ProgramText(exe_, kTitleText), WindowText(window));
        // The counters' notice, when the system's counter names are of no known language, is
        // closed as a person would close it; the refreshes start after it.
        CloseNotices(processId, kFirstRefreshesMillis);
        RECT place = {};
        GetWindowRect(window, &place);
        EXPECT_GT(place.right - place.left, 40);
        // Six rows of at least 30 pixels with their gaps.
        EXPECT_GT(place.bottom - place.top, kChosenFieldCount * 30);
        testing_support::ScreenImage first;
        ASSERT_TRUE(testing_support::CaptureWindow(window, &first));
        EXPECT_FALSE(testing_support::SaveScreenshot(first, L"pulsegrid_exe_gadget").empty());
        Sleep(kPeriodMillis);
        testing_support::ScreenImage second;
        ASSERT_TRUE(testing_support::CaptureWindow(window, &second));
        EXPECT_FALSE(testing_support::SaveScreenshot(second, L"pulsegrid_exe_gadget_later").empty());
        ASSERT_EQ(first.width, second.width);
        ASSERT_EQ(first.height, second.height);

        // Painted with the default skin, "Black Black": a dark grey edge around the rows, and
        // text and graphs in the skin's colours inside.
        const int32_t middle = first.width / 2;
        EXPECT_EQ(kDefaultSkinEdge, first.At(middle, 0)) << "the skin's window edge";
        int32_t painted = 0;
        for (int32_t y = 1; y + 1 < first.height; ++y) {
            for (int32_t x = 1; x + 1 < first.width; ++x) {
                const COLORREF pixel = first.At(x, y);
                if (pixel != kDefaultSkinBackground && pixel != kDefaultSkinEdge)
                    ++painted;
            }
        }
        EXPECT_GT(painted, 300) << "no rows";
        // The readings move on: a period later the graphs (and values) differ.
        POINT origin = {0, 0};
        ClientToScreen(window, &origin);
        RECT client = {};
        GetClientRect(window, &client);
        const RECT rows = {origin.x - place.left, origin.y - place.top, origin.x - place.left + client.right,
                           origin.y - place.top + client.bottom};
        EXPECT_GT(DifferingPixels(first, second, rows), 0) << "the graphs did not move in a period";
    }

    void ExpectStateStored(const std::wstring& folder)
    {
        const std::wstring file = folder + L"\\savedata\\SaveData.xml";
        const std::string bytes = ReadFileBytes(Long(file));
        EXPECT_EQ(0u, bytes.find("<savedata>")) << bytes;
        s::xml::MappedData* store = s::xml::MappedData::OpenFile(file.c_str());
        EXPECT_TRUE(store->HasValue(L"MainWindow\\View", L"X"));
        EXPECT_EQ(kChosenFieldCount, store->GetInt32(L"MainWindow\\LastVisible", L"count", -1)) << bytes;
        EXPECT_TRUE(store->GetBool(L"MainWindow\\Field", L"DATE_TIME", false));
        EXPECT_TRUE(store->SelectSection(L"Language"));
        store->ReleaseToPool();
    }

    std::wstring scratch_;
    std::wstring exe_;
    bool closedNotice_ = false;
    bool closedHardwareNotice_ = false;
    bool cancelledReport_ = false;
};

TEST_F(PulsegridExeTest, TheGadgetShowsLiveRowsAndACloseEndsItWithItsStateStored)
{
    exe_ = Install(scratch_, kChosenFields);
    RunAndClose(exe_);
    ExpectStateStored(scratch_);
    if (closedNotice_)
        std::printf("the counters' \"Unknown Locale\" notice came up and was closed\n");
    if (cancelledReport_)
        std::printf("the error report's save dialog that followed it was cancelled\n");
    if (closedHardwareNotice_)
        std::printf("the missing hardware-access library's notice came up and was closed\n");
}

// A second start of the same file, even under other letter case, brings the running gadget
// back and ends without a window of its own; a copy in another folder is another program.
TEST_F(PulsegridExeTest, ASecondStartRestoresTheRunningGadgetAndACopyElsewhereRunsBesideIt)
{
    exe_ = Install(scratch_, kChosenFields);
    PROCESS_INFORMATION first = Start(exe_);
    ASSERT_NE(nullptr, first.hProcess);
    HWND window = WaitForGadget(first);
    ASSERT_NE(nullptr, window);
    CloseNotices(first.dwProcessId, kFirstRefreshesMillis);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(testing_support::WaitUntil([&] { return IsIconic(window) != FALSE; }, kPaintBoundMillis));

    std::wstring otherCase = exe_;
    CharUpperBuffW(&otherCase[0], static_cast<DWORD>(otherCase.size()));
    ASSERT_NE(exe_, otherCase);
    PROCESS_INFORMATION second = Start(otherCase);
    ASSERT_NE(nullptr, second.hProcess);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(second.hProcess, kExitBoundMillis)) << "the second start went on";
    EXPECT_TRUE(testing_support::WaitUntil([&] { return !IsIconic(window) && IsWindowVisible(window); },
                                           kPaintBoundMillis))
        << "the running gadget was not restored";
    CloseAndWait(second, nullptr);

    const std::wstring elsewhere = Install(scratch_ + L"\\elsewhere", kChosenFields);
    PROCESS_INFORMATION beside = Start(elsewhere);
    ASSERT_NE(nullptr, beside.hProcess);
    HWND besideWindow = WaitForGadget(beside);
    EXPECT_NE(nullptr, besideWindow);
    CloseNotices(beside.dwProcessId, kFirstRefreshesMillis);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(first.hProcess, 0)) << "the first gadget ended";
    EXPECT_EQ(0u, CloseAndWait(beside, besideWindow));
    EXPECT_EQ(0u, CloseAndWait(first, window));
}

} // namespace
