// The error report from the About menus, with a stand-in answering the save dialog: cancelled,
// saved, and a file that cannot be written.
#include <windows.h>

#include <commdlg.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MonitorSupport.h"
#include "app/monitor/MenuCommands.h"
#include "app/monitor/Monitor.h"
#include "app/monitor/UnknownLocale.h"
#include "measurement/counter/CounterNames.h"
#include "mfc/CommonDialogs.h"
#include "skins/Skinner.h"
#include "storage/file/ShellServices.h"
#include "storage/lang/Localizer.h"
#include "storage/settings/XmlMappedData.h"
#include "support/BoxRecorder.h"
#include "support/Wait.h"
#include "windowing/Window.h"

using s::system::gui::dialogs::monitor::Monitor;
namespace command = s::system::gui::dialogs::monitor::command;

namespace {

const wchar_t kSettingsName[] = L"pulsegrid-monitor-error-report-test.xml";

// What the save dialog was given, and the path it answers (none: cancelled).
struct SaveDialog {
    int calls = 0;
    bool save = false;
    std::wstring name;
    std::wstring folder;
    std::wstring filter;
    HWND owner = nullptr;
    std::wstring answer;
    DWORD thread = 0;
};
SaveDialog saveDialog;

BOOL Answer(bool save, OPENFILENAMEW* dialog)
{
    ++saveDialog.calls;
    saveDialog.thread = GetCurrentThreadId();
    saveDialog.save = save;
    saveDialog.name = dialog->lpstrFile;
    saveDialog.folder = dialog->lpstrInitialDir ? dialog->lpstrInitialDir : L"";
    saveDialog.filter.clear();
    for (const wchar_t* at = dialog->lpstrFilter; at && *at; at += wcslen(at) + 1)
        saveDialog.filter += std::wstring(at) + L"|";
    saveDialog.owner = dialog->hwndOwner;
    if (saveDialog.answer.empty())
        return FALSE;
    lstrcpynW(dialog->lpstrFile, saveDialog.answer.c_str(), static_cast<int>(dialog->nMaxFile));
    return TRUE;
}

BOOL WINAPI AnswerOpen(OPENFILENAMEW* dialog)
{
    return Answer(false, dialog);
}

BOOL WINAPI AnswerSave(OPENFILENAMEW* dialog)
{
    return Answer(true, dialog);
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class MonitorErrorReportTest : public monitor_testing::RunningMonitorTest {
protected:
    static void SetUpTestSuite()
    {
        PrepareMonitor(kSettingsName, false);
        StartMonitor();
    }
    static void TearDownTestSuite() { StopMonitor(); }
    void SetUp() override
    {
        RunningMonitorTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(monitor->GetWindow()->IsReady());
        saveDialog = SaveDialog{};
        AfxCommonDialogFunctions functions = {};
        functions.getOpenFileName = &AnswerOpen;
        functions.getSaveFileName = &AnswerSave;
        previous_ = AfxSetCommonDialogFunctions(functions);
        report_ = monitor_testing::TempSettingsPath(L"pulsegrid-error-report-test.txt");
        DeleteFileW(report_.c_str());
    }
    void TearDown() override
    {
        AfxSetCommonDialogFunctions(previous_);
        DeleteFileW(report_.c_str());
    }

    // As chosen from the About submenu.
    static void ChooseErrorReport() { Choose(command::kErrorReport); }

    // The boxes since the last look, without the one the system report's sensors may show once
    // on a machine without their library.
    static std::vector<testing_support::RecordedBox> ReportBoxes()
    {
        std::vector<testing_support::RecordedBox> boxes;
        for (const testing_support::RecordedBox& box : testing_support::BoxRecorder::Take()) {
            if (box.text.find(L"WinRing0") == std::wstring::npos)
                boxes.push_back(box);
        }
        return boxes;
    }

    AfxCommonDialogFunctions previous_ = {};
    std::wstring report_;
};

TEST_F(MonitorErrorReportTest, CancelledDialogWritesNothingAndShowsNothing)
{
    ChooseErrorReport();
    ASSERT_EQ(1, saveDialog.calls);
    // A save dialog over the monitor on the desktop, offering the report's name and text files.
    EXPECT_TRUE(saveDialog.save);
    EXPECT_EQ(L"Error Report.txt", saveDialog.name);
    EXPECT_EQ(s::system::win::GetCachedSpecialFolder(), saveDialog.folder);
    EXPECT_EQ(L"Text files (*.txt)|*.txt|", saveDialog.filter);
    EXPECT_EQ(monitor->GetWindow()->GetSafeHwnd(), saveDialog.owner);
    EXPECT_TRUE(testing_support::BoxRecorder::Take().empty());
    EXPECT_FALSE(Exists(report_));
    EXPECT_TRUE(IsWindowEnabled(monitor->GetWindow()->GetSafeHwnd()));
}

TEST_F(MonitorErrorReportTest, SavedReportIsUtf8LinesJoinedByCrLfThenTheSavedBox)
{
    saveDialog.answer = report_;
    ChooseErrorReport();
    const std::string bytes = monitor_testing::ReadStoredFile(report_);
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(0, bytes.compare(0, 3, "\xEF\xBB\xBF")) << "no byte-order mark";
    EXPECT_EQ(0u, bytes.find("[OS]"));
    EXPECT_NE(std::string::npos, bytes.find("\r\n[CodePage] "));
    EXPECT_NE(std::string::npos, bytes.find("\r\n[Performance Counter Objects] "));
    EXPECT_NE("\r\n", bytes.substr(bytes.size() - 2)) << "joined, not closed, by CR LF";
    for (size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1))
        ASSERT_TRUE(at > 0 && bytes[at - 1] == '\r') << "a line feed without its carriage return at " << at;
    EXPECT_NE(0, MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                     nullptr, 0))
        << "UTF-8 throughout";

    const std::vector<testing_support::RecordedBox> boxes = ReportBoxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(localizer->GetText(109100), boxes[0].text);
    EXPECT_FALSE(boxes[0].text.empty());
    EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), boxes[0].type & MB_ICONMASK);
}

TEST_F(MonitorErrorReportTest, ReportThatCannotBeWrittenShowsAnErrorNamingThePath)
{
    // A folder stands where the file would go.
    const std::wstring unwritable = monitor_testing::TempSettingsPath(L"pulsegrid-error-report-folder.txt");
    CreateDirectoryW(unwritable.c_str(), nullptr);
    saveDialog.answer = unwritable;
    ChooseErrorReport();
    const DWORD attributes = GetFileAttributesW(unwritable.c_str());
    RemoveDirectoryW(unwritable.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    const std::vector<testing_support::RecordedBox> boxes = ReportBoxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), boxes[0].type & MB_ICONMASK);
    EXPECT_EQ(std::wstring(localizer->GetText(109200)) + L"\n" + unwritable, boxes[0].text);
    EXPECT_FALSE(std::wstring(localizer->GetText(109200)).empty());
}

// When the counters speak no known language and nothing was repaired, the worker says so before its
// first refresh and then offers the report, on its own thread.
TEST_F(MonitorErrorReportTest, UnknownLocaleAtStartOffersTheReportFromTheWorker)
{
    namespace counters = s::system::counter::win;
    const bool missing = counters::CounterNamesMissing, repaired = counters::CounterRepairMade;
    counters::CounterNamesMissing = true;
    counters::CounterRepairMade = false;
    saveDialog.answer = report_;
    Monitor* starting = Monitor::New();
    starting->SetServices(localizer, settings, skinner);
    starting->Init();
    EXPECT_TRUE(testing_support::WaitUntil([this]() { return Exists(report_); }, 30000));
    std::vector<testing_support::RecordedBox> boxes;
    testing_support::WaitUntil(
        [&boxes]() {
            for (const testing_support::RecordedBox& box : ReportBoxes())
                boxes.push_back(box);
            return boxes.size() >= 2;
        },
        10000);
    const DWORD windowThread = GetWindowThreadProcessId(starting->GetWindow()->GetSafeHwnd(), nullptr);
    starting->ReleaseToPool();
    counters::CounterNamesMissing = missing;
    counters::CounterRepairMade = repaired;

    EXPECT_EQ(1, saveDialog.calls);
    EXPECT_NE(windowThread, saveDialog.thread);
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ(s::gui::dialogs::monitor::kUnknownLocaleText, boxes[0].text);
    EXPECT_EQ(localizer->GetText(109100), boxes[1].text);
}

} // namespace
