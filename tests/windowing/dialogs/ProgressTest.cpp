// The progress dialog driven as a producer drives it: counters written from another thread, the
// dialog's labels and bars following, its times, pause, cancel and minimize with its owner.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "storage/archive/ProgressData.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "support/BoxRecorder.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/FakeApplication.h"
#include "windowing/Window.h"
#include "windowing/dialogs/Progress.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/Label.h"
#include "windowing/widgets/ProgressBar.h"

namespace {

using s::archive::ProgressData;
using s::gui::dialogs::Progress;
using testing_support::BoxRecorder;
using testing_support::FakeApplication;
using testing_support::WaitUntil;

const DWORD kBound = 5000;
const int64_t kStart = 1700000000;

struct PackText {
    int32_t id;
    const wchar_t* text;
};
const PackText kEnglish[] = {
    {901001, L"Copying Files"}, {901005, L"Preparing..."},   {901030, L"Current File"},
    {901040, L"Total"},         {901050, L"Elapsed Time:"},  {901060, L"Time Remaining:"},
    {901070, L"Pause"},         {901071, L"Resume"},         {901080, L"Cancel"},
    {901090, L"Minimize"},      {901095, L"Do you really want to cancel?"},
};

std::atomic<int64_t> fakeNow{kStart};

int64_t FakeNow()
{
    return fakeNow;
}

// Writes the counters from a thread of its own, as the copy that the dialog follows would.
void Produce(ProgressData* data, const std::function<void(ProgressData*)>& write)
{
    std::thread producer([&] { write(data); });
    producer.join();
}

std::wstring WindowText(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

class ProgressDialog : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        pack_ = s::lang::Localizer::New();
        s::lang::LangPack* english = s::lang::LangPack::New();
        for (const PackText& text : kEnglish)
            english->AddText(text.id, text.text);
        pack_->AddPack(english);
        pack_->SelectLanguageAt(0);
        owner_ = s::gui::win::Window::New();
        ASSERT_NE(nullptr, owner_);
        ASSERT_TRUE(owner_->IsReady());
        owner_->SetCaption(L"Owner");
        owner_->SetBounds(40, 40, 200, 120);
        owner_->SetVisible(true);
    }
    static void TearDownTestSuite()
    {
        if (owner_)
            owner_->ReleaseToPool();
        owner_ = nullptr;
        if (pack_)
            pack_->ReleaseToPool();
        pack_ = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, owner_);
        BoxRecorder::Take();
        BoxRecorder::SetAnswer(0);
        fakeNow = kStart;
        application_.pack = pack_;
        dialog_ = s::gui::dialogs::CreateProgressWindow(&application_);
        ASSERT_NE(nullptr, dialog_);
        dialog_->SetClock(&FakeNow);
        dialog_->Build(OwnerHandle(), nullptr);
        ASSERT_NE(nullptr, dialog_->GetWindow());
        data_ = dialog_->GetProgressData();
        // The first round shows the fresh counters: nothing done of 100.
        ASSERT_TRUE(WaitUntil([this] { return dialog_->IsRunning() && dialog_->GetTotalBar()->GetPosition() == 0; },
                              kBound));
    }
    void TearDown() override
    {
        if (dialog_)
            dialog_->ReleaseToPool();
        dialog_ = nullptr;
        BoxRecorder::SetAnswer(0);
        ShowWindow(OwnerHandle(), SW_SHOW);
        EnableWindow(OwnerHandle(), TRUE);
    }

    static HWND OwnerHandle() { return owner_->GetSafeHwnd(); }
    HWND DialogHandle() { return dialog_->GetWindow()->GetSafeHwnd(); }

    static void Click(s::gui::win::Button* button)
    {
        HWND control = button->GetSafeHwnd();
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }

    bool WaitForText(s::gui::win::Label* label, const wchar_t* text)
    {
        return WaitUntil([&] { return std::wstring(label->GetText()) == text; }, kBound);
    }

    static inline s::gui::win::Window* owner_ = nullptr;
    static inline s::lang::Localizer* pack_ = nullptr;
    FakeApplication application_;
    Progress* dialog_ = nullptr;
    ProgressData* data_ = nullptr;
};

TEST_F(ProgressDialog, BuildShowsTheDialogForItsOwnerAndDisablesTheOwner)
{
    ASSERT_EQ(1u, application_.names.size());
    EXPECT_EQ(L"ProgressWindow", application_.names[0]);
    EXPECT_EQ(L"Copying Files", WindowText(DialogHandle()));
    EXPECT_TRUE(IsWindowVisible(DialogHandle()));
    EXPECT_FALSE(IsWindowEnabled(OwnerHandle()));
    EXPECT_EQ(reinterpret_cast<INT_PTR>(DialogHandle()), static_cast<INT_PTR>(data_->secondValue.load()));
    EXPECT_STREQ(L"Preparing...", dialog_->GetNameLabel()->GetText());
    EXPECT_STREQ(L"0%", dialog_->GetEntryPercentLabel()->GetText());
    EXPECT_STREQ(L"00:00:00", dialog_->GetElapsedLabel()->GetText());
    EXPECT_STREQ(L"00:00:00", dialog_->GetRemainingLabel()->GetText());
    EXPECT_EQ(L"Pause", WindowText(dialog_->GetPauseButton()->GetSafeHwnd()));
    EXPECT_EQ(L"Cancel", WindowText(dialog_->GetCancelButton()->GetSafeHwnd()));
    EXPECT_EQ(L"Minimize", WindowText(dialog_->GetMinimizeButton()->GetSafeHwnd()));

    // A producer enabled the owner meanwhile; "Modal" disables it again.
    EnableWindow(OwnerHandle(), TRUE);
    dialog_->GetWindow()->SendEvent(s::gui::dialogs::kModal, 0, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(OwnerHandle()));

    // The next operation gets a new window with its own title; the old loop has ended.
    HWND first = DialogHandle();
    dialog_->Build(OwnerHandle(), L"Exporting 3 Skins");
    EXPECT_NE(first, DialogHandle());
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(L"Exporting 3 Skins", WindowText(DialogHandle()));
    EXPECT_TRUE(WaitUntil([this] { return dialog_->IsRunning(); }, kBound));
}

TEST_F(ProgressDialog, PercentagesAndBarsFollowTheProducer)
{
    struct Case {
        const wchar_t* name;
        int64_t entrySize;
        int64_t entryOffset;
        int64_t totalSize;
        int64_t doneBefore;
        // A size of 0 or below shows nothing: the values of the case before stay.
        const wchar_t* entryPercent;
        int32_t entryBar;
        const wchar_t* totalPercent;
        int32_t totalBar;
    };
    const Case cases[] = {
        {L"a quarter of the entry", 200, 50, 1000, 200, L"25%", 50, L"25%", 50},
        {L"past the middle", 400, 300, 1000, 300, L"75%", 150, L"60%", 120},
        {L"an entry size of 0", 0, 7, 1000, 600, L"75%", 150, L"60%", 121},
        {L"sizes below 0", -5, 7, -1000, 600, L"75%", 150, L"60%", 121},
        {L"a total of 0", 100, 10, 0, 0, L"10%", 20, L"60%", 121},
        {L"an offset beyond the size", 100, 150, 100, 0, L"100%", 200, L"100%", 200},
        {L"exabytes", 4000000000000000000LL, 1000000000000000000LL, 8000000000000000000LL,
         3000000000000000000LL, L"25%", 50, L"50%", 100},
        {L"nothing done", 100, 0, 100, 0, L"0%", 0, L"0%", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name);
        Produce(data_, [&](ProgressData* data) {
            data->SetEntryProgress(c.entrySize, c.entryOffset);
            data->SetTotalProgress(c.totalSize, c.doneBefore);
        });
        // What shows nothing gives the test nothing to wait for: the loop gets a few rounds.
        if (c.entrySize <= 0 || c.totalSize <= 0)
            Sleep(3 * Progress::kRefreshMillis);
        EXPECT_TRUE(WaitUntil([&] { return dialog_->GetEntryBar()->GetPosition() == c.entryBar; }, kBound));
        EXPECT_TRUE(WaitUntil([&] { return dialog_->GetTotalBar()->GetPosition() == c.totalBar; }, kBound));
        EXPECT_TRUE(WaitForText(dialog_->GetEntryPercentLabel(), c.entryPercent));
        EXPECT_TRUE(WaitForText(dialog_->GetTotalPercentLabel(), c.totalPercent));
        EXPECT_EQ(c.entryBar, dialog_->GetEntryBar()->GetPosition());
        EXPECT_EQ(c.totalBar, dialog_->GetTotalBar()->GetPosition());
    }
}

TEST_F(ProgressDialog, ElapsedAndRemainingTimeFollowTheClock)
{
    struct Case {
        int64_t elapsed;
        // Of a total of 1000.
        int64_t done;
        const wchar_t* elapsedText;
        const wchar_t* remainingText;
    };
    const Case cases[] = {
        {30, 250, L"00:00:30", L"00:01:30"},
        {36000, 900, L"10:00:00", L"01:06:40"},
        {400000, 500, L"111:06:40", L"111:06:40"},
        {500000, 1, L"138:53:20", L"138750:00:00"},
        {3725, 600, L"01:02:05", L"00:41:23"},
    };
    Produce(data_, [](ProgressData* data) {
        data->SetEntryName(L"Black Black.xml");
        data->SetEntryProgress(1000, 0);
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.elapsed << " s");
        Produce(data_, [&](ProgressData* data) { data->SetTotalProgress(1000, c.done); });
        fakeNow = kStart + c.elapsed;
        EXPECT_TRUE(WaitForText(dialog_->GetElapsedLabel(), c.elapsedText));
        EXPECT_TRUE(WaitForText(dialog_->GetRemainingLabel(), c.remainingText));
    }

    // Midway through a copy, as the user sees it.
    ASSERT_TRUE(WaitForText(dialog_->GetNameLabel(), L"Black Black.xml"));
    Produce(data_, [](ProgressData* data) { data->SetEntryProgress(1000, 450); });
    ASSERT_TRUE(WaitForText(dialog_->GetEntryPercentLabel(), L"45%"));
    ASSERT_TRUE(WaitForText(dialog_->GetTotalPercentLabel(), L"100%"));
    Produce(data_, [](ProgressData* data) { data->SetTotalProgress(1000, 150); });
    ASSERT_TRUE(WaitForText(dialog_->GetTotalPercentLabel(), L"60%"));
    Sleep(300);
    testing_support::ScreenImage shot;
    ASSERT_TRUE(testing_support::CaptureWindow(DialogHandle(), &shot));
    EXPECT_FALSE(testing_support::SaveScreenshot(shot, L"ProgressDialogMidway").empty());
}

TEST_F(ProgressDialog, TheElapsedClockStandsWhilePaused)
{
    fakeNow = kStart + 10;
    ASSERT_TRUE(WaitForText(dialog_->GetElapsedLabel(), L"00:00:10"));
    Click(dialog_->GetPauseButton());
    EXPECT_NE(0, data_->paused.load());
    EXPECT_EQ(L"Resume", WindowText(dialog_->GetPauseButton()->GetSafeHwnd()));
    EXPECT_FALSE(IsWindowEnabled(dialog_->GetMinimizeButton()->GetSafeHwnd()));

    fakeNow = kStart + 500;
    Sleep(4 * Progress::kRefreshMillis);
    EXPECT_STREQ(L"00:00:10", dialog_->GetElapsedLabel()->GetText());

    Click(dialog_->GetPauseButton());
    EXPECT_EQ(0, data_->paused.load());
    EXPECT_EQ(L"Pause", WindowText(dialog_->GetPauseButton()->GetSafeHwnd()));
    EXPECT_TRUE(IsWindowEnabled(dialog_->GetMinimizeButton()->GetSafeHwnd()));
    // It goes on from where it stood.
    fakeNow = kStart + 520;
    EXPECT_TRUE(WaitForText(dialog_->GetElapsedLabel(), L"00:00:30"));
}

TEST_F(ProgressDialog, CancellingIsAskedOnceAndRefusedOrConfirmed)
{
    struct Case {
        const wchar_t* name;
        bool byButton;
        bool pausedBefore;
        int answer;
        bool cancelled;
        bool pausedAfter;
    };
    // A refused cancel leaves the dialog open for the next case; a confirmed one closes it.
    const Case cases[] = {
        {L"close refused", false, false, IDNO, false, false},
        {L"button refused while paused", true, true, IDNO, false, true},
        {L"close confirmed", false, false, IDYES, true, false},
        {L"button confirmed", true, false, IDYES, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name);
        if (dialog_->GetWindow()->IsClosed()) {
            dialog_->Build(OwnerHandle(), nullptr);
            ASSERT_TRUE(WaitUntil([this] { return dialog_->IsRunning(); }, kBound));
        }
        if (c.pausedBefore != (data_->paused != 0))
            Click(dialog_->GetPauseButton());
        ASSERT_EQ(c.pausedBefore, data_->paused != 0);
        BoxRecorder::Take();
        BoxRecorder::SetAnswer(c.answer);
        if (c.byButton)
            Click(dialog_->GetCancelButton());
        else
            dialog_->GetWindow()->Close();

        const std::vector<testing_support::RecordedBox> boxes = BoxRecorder::Take();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ(L"Do you really want to cancel?", boxes[0].text);
        EXPECT_EQ(c.cancelled, data_->cancelled != 0);
        EXPECT_EQ(c.pausedAfter, data_->paused != 0);
        EXPECT_EQ(c.cancelled, dialog_->GetWindow()->IsClosed());
        EXPECT_EQ(c.cancelled, IsWindowEnabled(OwnerHandle()) != FALSE);
        EXPECT_EQ(c.pausedAfter ? L"Resume" : L"Pause", WindowText(dialog_->GetPauseButton()->GetSafeHwnd()));
        EXPECT_TRUE(dialog_->IsRunning());
    }
}

TEST_F(ProgressDialog, AFinishedCopyClosesWithoutAsking)
{
    Produce(data_, [](ProgressData* data) { data->finished = 1; });
    BoxRecorder::SetAnswer(IDNO);
    dialog_->GetWindow()->Close();
    EXPECT_TRUE(BoxRecorder::Take().empty());
    EXPECT_TRUE(dialog_->GetWindow()->IsClosed());
    EXPECT_EQ(0, data_->cancelled.load());
    EXPECT_TRUE(IsWindowEnabled(OwnerHandle()));
}

TEST_F(ProgressDialog, MinimizingHidesTheOwnerAndRestoringShowsIt)
{
    ASSERT_TRUE(IsWindowVisible(OwnerHandle()));
    Click(dialog_->GetMinimizeButton());
    EXPECT_NE(0, data_->minimized.load());
    EXPECT_EQ(0, data_->paused.load());
    EXPECT_FALSE(IsWindowVisible(OwnerHandle()));
    EXPECT_TRUE(IsIconic(DialogHandle()) || !IsWindowVisible(DialogHandle()));

    dialog_->GetWindow()->Restore();
    EXPECT_TRUE(WaitUntil([] { return IsWindowVisible(OwnerHandle()) != FALSE; }, kBound));
    EXPECT_EQ(0, data_->minimized.load());
    EXPECT_FALSE(IsIconic(DialogHandle()));

    // Without hide owner the owner stays where it is.
    dialog_->SetHideOwner(false);
    Click(dialog_->GetMinimizeButton());
    EXPECT_TRUE(IsWindowVisible(OwnerHandle()));
    dialog_->GetWindow()->Restore();
}

// Runs the work on the dialog window's own thread, while the worker waits there in a send.
class OnWindowThread : public s::gui::events::IEventListener {
public:
    static constexpr INT_PTR kToken = 0x5E7;

    void OnEvent(s::base::IObject*, int32_t code) override
    {
        if (code != s::gui::win::kEventUser || dialog->GetWindow()->GetEventData() != kToken)
            return;
        const ULONGLONG start = GetTickCount64();
        work();
        took = GetTickCount64() - start;
    }

    Progress* dialog = nullptr;
    std::function<void()> work;
    std::atomic<ULONGLONG> took{0};
};

// Keeps the worker busy writing the counters that the dialog's refresh follows, while the work
// runs on the dialog's own thread; false when the work did not end within the bound.
bool WhileTheWorkerIsBusy(Progress* dialog, ProgressData* data, const std::function<void()>& work,
                          ULONGLONG* took)
{
    std::atomic<bool> stop{false};
    std::thread producer([&] {
        for (int64_t i = 0; !stop; ++i) {
            data->SetEntryProgress(1000, i % 1000);
            Sleep(2);
        }
    });
    OnWindowThread runner;
    runner.dialog = dialog;
    runner.work = work;
    dialog->GetWindow()->AddUserEventListener(&runner);
    const bool posted = dialog->GetWindow()->PostEvent(OnWindowThread::kToken, 0, 0, 0);
    const bool ran = posted && WaitUntil([&] { return runner.took != 0; }, 3 * Progress::kStopBoundMillis);
    stop = true;
    producer.join();
    *took = runner.took;
    return ran;
}

TEST_F(ProgressDialog, ResetOnTheDialogsOwnThreadLetsTheBusyWorkerFinish)
{
    HWND window = DialogHandle();
    ULONGLONG took = 0;
    ASSERT_TRUE(WhileTheWorkerIsBusy(dialog_, data_, [this] { dialog_->Reset(); }, &took));
    // Well inside the bound after which a stuck loop would be ended by force.
    EXPECT_LT(took, static_cast<ULONGLONG>(Progress::kStopBoundMillis) - 1000);
    EXPECT_FALSE(dialog_->IsRunning());
    EXPECT_EQ(nullptr, dialog_->GetWindow());
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }, kBound));
    // A dialog given up while open frees its owner.
    EXPECT_TRUE(IsWindowEnabled(OwnerHandle()));
}

TEST_F(ProgressDialog, BuildOnTheDialogsOwnThreadLetsTheBusyWorkerFinishAndStartsAnew)
{
    HWND window = DialogHandle();
    ULONGLONG took = 0;
    ASSERT_TRUE(WhileTheWorkerIsBusy(dialog_, data_, [this] { dialog_->Build(OwnerHandle(), L"Once More"); }, &took));
    EXPECT_LT(took, static_cast<ULONGLONG>(Progress::kStopBoundMillis) - 1000);
    // A new window under the new title; the old one goes.
    ASSERT_NE(nullptr, dialog_->GetWindow());
    HWND rebuilt = DialogHandle();
    EXPECT_NE(window, rebuilt);
    EXPECT_EQ(L"Once More", WindowText(rebuilt));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }, kBound));
    EXPECT_TRUE(WaitUntil([this] { return dialog_->IsRunning(); }, kBound));
    EXPECT_FALSE(IsWindowEnabled(OwnerHandle())) << "the new dialog holds its owner";
    // The new window's bars follow the counters.
    Produce(data_, [](ProgressData* data) {
        data->SetEntryProgress(1000, 500);
        data->SetTotalProgress(10000, 500);
    });
    EXPECT_TRUE(WaitUntil([this] { return dialog_->GetEntryBar()->GetPosition() == 100; }, kBound));
    EXPECT_TRUE(WaitUntil([this] { return dialog_->GetTotalBar()->GetPosition() == 20; }, kBound));
}

} // namespace
