// The label: text changes from other threads, temporary texts, the link's mouse, painting over
// the parent's buffered background, and bad input.
#include <windows.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "images/win/BufferedImage.h"
#include "mfc/DC.h"
#include "mfc/PaintDC.h"
#include "skins/drawer/text/Basic.h"
#include "storage/lang/LangPack.h"
#include "storage/lang/Localizer.h"
#include "support/BoxRecorder.h"
#include "support/RecordingListener.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/Messages.h"
#include "windowing/paint/MemDC.h"
#include "windowing/widgets/Label.h"
#include "windowing/widgets/WidgetStage.h"

namespace {

using s::gui::ILabel;
using s::gui::win::Label;
using testing_support::BoxRecorder;
using testing_support::RecordingListener;
using testing_support::WaitUntil;

const DWORD kBoundMillis = 5000;

// The real drawer, noting each text it paints and the thread it paints on.
class RecordingTextDrawer : public s::gui::drawer::text::win::Basic {
public:
    struct Drawn {
        std::wstring text;
        DWORD threadId;
    };

    void DrawText(CDC* dc, int32_t left, int32_t top, int32_t right, int32_t bottom, const wchar_t* text,
                  s::gui::IFont* font) override
    {
        {
            std::lock_guard<std::mutex> hold(lock_);
            drawn_.push_back(Drawn{text ? text : L"(null)", GetCurrentThreadId()});
        }
        Basic::DrawText(dc, left, top, right, bottom, text, font);
    }

    std::vector<Drawn> Take()
    {
        std::lock_guard<std::mutex> hold(lock_);
        std::vector<Drawn> drawn;
        drawn.swap(drawn_);
        return drawn;
    }

private:
    std::mutex lock_;
    std::vector<Drawn> drawn_;
};

class LabelTest : public testing_support::WidgetStage {
protected:
    void SetUp() override
    {
        WidgetStage::SetUp();
        label_ = Label::New();
        ASSERT_NE(nullptr, label_);
        label_->SetTextDrawer(&drawer_, false);
        label_->SetText(L"first", false);
        Add(label_);
        ASSERT_NE(nullptr, label_->GetSafeHwnd());
        ASSERT_TRUE(WaitUntil([this] { return IsWindowVisible(label_->GetSafeHwnd()) != FALSE; }, kBoundMillis));
        Settle();
    }

    // Lets every paint that is due happen, then forgets what was drawn.
    void Settle()
    {
        RedrawWindow(window_->GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(50);
        SendMessageW(LabelWindow(), WM_NULL, 0, 0);
        drawer_.Take();
    }

    HWND LabelWindow() { return label_->GetSafeHwnd(); }
    DWORD WindowThread() { return GetWindowThreadProcessId(LabelWindow(), nullptr); }

    RecordingTextDrawer drawer_;
    Label* label_ = nullptr;
};

TEST_F(LabelTest, ItsWindowIsMadeHiddenAndOnlyPlacingShowsIt)
{
    Label* label = Label::New();
    ASSERT_NE(nullptr, label);
    label->SetText(L"placed", false);
    // Marked hidden, the layout places it without showing it: the creation itself shows nothing.
    label->SetVisible(false, false);
    Add(label);
    HWND window = label->GetSafeHwnd();
    ASSERT_NE(nullptr, window);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    EXPECT_FALSE(IsWindowVisible(window));
    label->SetVisible(true, false);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_GT(label->GetWidth(), 0);
    EXPECT_GT(label->GetHeight(), 0);
}

TEST_F(LabelTest, TextFromAWorkerIsAppliedOnTheWindowThreadBeforeTheCallReturns)
{
    std::atomic<bool> changed{false};
    std::wstring seenAfterReturn;
    std::thread worker([&] {
        changed = label_->SetText(L"42 %", true);
        seenAfterReturn = label_->GetText();
    });
    worker.join();
    EXPECT_TRUE(changed);
    EXPECT_EQ(L"42 %", seenAfterReturn);
    const std::vector<RecordingTextDrawer::Drawn> drawn = drawer_.Take();
    // The old text goes first: the empty label is painted, then the new text (again when the
    // layout resized the label), all on the window's thread and before SetText returned.
    ASSERT_GE(drawn.size(), 2u);
    EXPECT_EQ(L"", drawn[0].text);
    for (size_t i = 1; i < drawn.size(); ++i)
        EXPECT_EQ(L"42 %", drawn[i].text);
    for (const RecordingTextDrawer::Drawn& d : drawn)
        EXPECT_EQ(WindowThread(), d.threadId);
}

TEST_F(LabelTest, TheTextAlreadyShownGivesFalseAndNoRepaint)
{
    EXPECT_FALSE(label_->SetText(L"first", true));
    std::thread worker([this] { EXPECT_FALSE(label_->SetText(L"first", true)); });
    worker.join();
    SendMessageW(LabelWindow(), WM_NULL, 0, 0);
    EXPECT_TRUE(drawer_.Take().empty());
    // Null is the empty text.
    EXPECT_TRUE(label_->SetText(nullptr, false));
    EXPECT_STREQ(L"", label_->GetText());
    EXPECT_FALSE(label_->SetText(L"", true));
}

TEST_F(LabelTest, ATextChangeMeasuresAgainAndTheLayoutFollows)
{
    const int32_t shortWidth = label_->GetWidth();
    label_->SetText(L"a much longer value text", true);
    EXPECT_GT(label_->GetMaxWidth(), shortWidth);
    EXPECT_GT(label_->GetWidth(), shortWidth);
}

class TemporaryTextTest : public LabelTest {};

TEST_F(TemporaryTextTest, ASecondTemporaryTextRestartsTheTimerAndTheFirstKeptTextComesBack)
{
    const UINT period = 700;
    const ULONGLONG start = GetTickCount64();
    label_->ShowTemporaryText(L"one", period);
    EXPECT_STREQ(L"one", label_->GetText());
    Sleep(400);
    label_->ShowTemporaryText(L"two", period);
    const ULONGLONG second = GetTickCount64();
    EXPECT_STREQ(L"two", label_->GetText());
    Sleep(450);
    // Past the first period and within the second: still the second text, when the machine
    // kept to the schedule.
    const ULONGLONG now = GetTickCount64();
    if (now - start > period + 50 && now - second < period - 100) {
        EXPECT_STREQ(L"two", label_->GetText());
    }
    EXPECT_TRUE(WaitUntil([this] { return std::wcscmp(label_->GetText(), L"first") == 0; }, kBoundMillis));
    // And it stays: no temporary text is left to come back.
    Sleep(2 * period);
    EXPECT_STREQ(L"first", label_->GetText());
}

TEST_F(TemporaryTextTest, ASetTextMeanwhileShowsAndTheKeptTextStillReturns)
{
    label_->ShowTemporaryText(L"saved!", 400);
    EXPECT_TRUE(label_->SetText(L"second", true));
    EXPECT_STREQ(L"second", label_->GetText());
    EXPECT_TRUE(WaitUntil([this] { return std::wcscmp(label_->GetText(), L"first") == 0; }, kBoundMillis));
}

TEST_F(TemporaryTextTest, AnEmptyTextIsKeptAsWellAsAnyOther)
{
    label_->SetText(L"", true);
    label_->ShowTemporaryText(L"one", 400);
    label_->ShowTemporaryText(L"two", 400);
    EXPECT_TRUE(WaitUntil([this] { return label_->GetText()[0] == L'\0'; }, kBoundMillis));
    Sleep(800);
    EXPECT_STREQ(L"", label_->GetText());
}

TEST_F(TemporaryTextTest, APeriodOfZeroRestoresAtOnce)
{
    label_->ShowTemporaryText(L"flash", 0);
    EXPECT_TRUE(WaitUntil([this] { return std::wcscmp(label_->GetText(), L"first") == 0; }, kBoundMillis));
}

TEST(LabelWithoutWindow, TemporaryTextIsIgnoredAndTextsApplyAtOnce)
{
    Label* label = Label::New();
    ASSERT_NE(nullptr, label);
    label->ShowTemporaryText(L"ignored", 100);
    EXPECT_STREQ(L"", label->GetText());
    EXPECT_TRUE(label->SetText(L"direct", true));
    EXPECT_STREQ(L"direct", label->GetText());
    EXPECT_FALSE(label->SetText(L"direct", true));
    label->ReleaseToPool();
}

// The shell call of the link, replaced for the tests.
std::mutex openedLock;
std::vector<std::wstring> opened;

bool RecordOpen(const wchar_t* target)
{
    std::lock_guard<std::mutex> hold(openedLock);
    opened.push_back(target);
    return true;
}

std::vector<std::wstring> TakeOpened()
{
    std::lock_guard<std::mutex> hold(openedLock);
    std::vector<std::wstring> taken;
    taken.swap(opened);
    return taken;
}

LPARAM At(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(static_cast<SHORT>(y)));
}

class LinkTest : public LabelTest {
protected:
    void SetUp() override
    {
        LabelTest::SetUp();
        previousOpener_ = Label::SetShellOpener(&RecordOpen);
        TakeOpened();
        label_->SetLink(true);
        label_->SetLinkTarget(L"https://pulsegrid.invalid/");
        label_->AddClickListener(&listener_);
        // The click listener notes what had been opened when it was told.
        listener_.action = [this](int32_t) { openedWhenTold_ = TakeOpened().size(); };
    }
    void TearDown() override
    {
        Label::SetShellOpener(previousOpener_);
        LabelTest::TearDown();
    }

    void Send(UINT message, WPARAM wParam, LPARAM point) { SendMessageW(LabelWindow(), message, wParam, point); }

    Label::ShellOpener previousOpener_ = nullptr;
    RecordingListener listener_;
    size_t openedWhenTold_ = 0;
};

TEST_F(LinkTest, PressingInsideAndReleasingOutsideDoesNothing)
{
    Send(WM_MOUSEMOVE, 0, At(2, 2));
    EXPECT_EQ(ILabel::kHoverOver, label_->GetHoverState());
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(2, 2));
    EXPECT_EQ(ILabel::kHoverPressed, label_->GetHoverState());
    Send(WM_MOUSEMOVE, MK_LBUTTON, At(-8, -8));
    EXPECT_EQ(ILabel::kHoverNormal, label_->GetHoverState());
    Send(WM_LBUTTONUP, 0, At(-8, -8));
    EXPECT_EQ(0u, listener_.Count());
    EXPECT_TRUE(TakeOpened().empty());
    EXPECT_EQ(ILabel::kHoverNormal, label_->GetHoverState());
}

TEST_F(LinkTest, PressAndReleaseInsideOpenTheTargetAndThenTellTheListeners)
{
    Send(WM_MOUSEMOVE, 0, At(3, 3));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
    // The right and bottom edges still count as inside.
    Send(WM_LBUTTONUP, 0, At(label_->GetWidth(), label_->GetHeight()));
    const std::vector<RecordingListener::Heard> heard = listener_.Take();
    ASSERT_EQ(1u, heard.size());
    EXPECT_EQ(ILabel::kEventClick, heard[0].code);
    EXPECT_EQ(static_cast<s::base::IObject*>(label_), heard[0].source);
    EXPECT_EQ(WindowThread(), heard[0].threadId);
    EXPECT_EQ(1u, openedWhenTold_);
    EXPECT_EQ(ILabel::kHoverNormal, label_->GetHoverState());
}

TEST_F(LinkTest, WithoutATargetOnlyTheListenersAreTold)
{
    label_->SetLinkTarget(nullptr);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, At(1, 1));
    Send(WM_LBUTTONUP, 0, At(1, 1));
    EXPECT_EQ(1u, listener_.Count());
    EXPECT_EQ(0u, openedWhenTold_);
}

TEST_F(LinkTest, HoverStatesPaintWithTheirOwnFonts)
{
    EXPECT_NE(label_->GetLinkFont(), label_->GetHoverFont());
    EXPECT_NE(label_->GetHoverFont(), label_->GetPressedFont());
    // The default drawer underlines links and colours them.
    EXPECT_TRUE(label_->GetLinkFont()->IsUnderline());
    EXPECT_NE(label_->GetFont()->GetColor(), label_->GetLinkFont()->GetColor());
}

TEST_F(LinkTest, OwnLinkColoursStayOverEveryNewDrawer)
{
    const COLORREF normal = RGB(0, 170, 0);
    const COLORREF hover = RGB(170, 170, 0);
    label_->SetLinkColors(normal, hover);
    EXPECT_EQ(normal, label_->GetLinkFont()->GetColor());
    EXPECT_EQ(hover, label_->GetHoverFont()->GetColor());
    EXPECT_EQ(hover, label_->GetPressedFont()->GetColor());
    // A new drawer, as at a change of skin, colours the fonts anew; the label's own colours win.
    s::gui::drawer::text::win::Basic* drawer = s::gui::drawer::text::win::Basic::New();
    ASSERT_NE(nullptr, drawer);
    label_->SetTextDrawer(drawer, true);
    EXPECT_EQ(normal, label_->GetLinkFont()->GetColor());
    EXPECT_EQ(hover, label_->GetHoverFont()->GetColor());
    EXPECT_EQ(hover, label_->GetPressedFont()->GetColor());
    EXPECT_TRUE(label_->GetLinkFont()->IsUnderline()) << "the drawer's other choices stay";
}

TEST_F(LabelTest, APlainLabelLetsTheMouseThroughAndNeverHovers)
{
    POINT origin = {2, 2};
    ClientToScreen(LabelWindow(), &origin);
    EXPECT_EQ(HTTRANSPARENT, SendMessageW(LabelWindow(), WM_NCHITTEST, 0, At(origin.x, origin.y)));
    SendMessageW(LabelWindow(), WM_MOUSEMOVE, 0, At(2, 2));
    SendMessageW(LabelWindow(), WM_LBUTTONDOWN, MK_LBUTTON, At(2, 2));
    EXPECT_EQ(ILabel::kHoverNormal, label_->GetHoverState());
    SendMessageW(LabelWindow(), WM_LBUTTONUP, 0, At(2, 2));
    label_->SetLink(true);
    EXPECT_EQ(HTCLIENT, SendMessageW(LabelWindow(), WM_NCHITTEST, 0, At(origin.x, origin.y)));
}

TEST_F(LabelTest, AHiddenLabelWaitsFarAwayAndComesBackThroughTheLayout)
{
    label_->SetVisible(false, false);
    EXPECT_FALSE(IsWindowVisible(LabelWindow()));
    EXPECT_EQ(-10000, label_->GetX());
    EXPECT_EQ(-10000, label_->GetY());
    label_->SetVisible(true, false);
    EXPECT_TRUE(IsWindowVisible(LabelWindow()));
    EXPECT_EQ(0, label_->GetX());
}

TEST_F(LabelTest, ANegativeLayoutWidthIsMeasuredAsZero)
{
    label_->SetLayoutSize(-1, 0);
    const int32_t width = label_->GetWidth();
    const int32_t height = label_->GetHeight();
    label_->SetLayoutSize(0, 0);
    EXPECT_EQ(width, label_->GetWidth());
    EXPECT_EQ(height, label_->GetHeight());
    EXPECT_GT(height, 0);
}

TEST_F(LabelTest, WordWrapTakesMoreLinesAtANarrowWidth)
{
    label_->SetFontAttribute1(true);
    label_->SetText(L"one two three four five six", false);
    label_->SetLayoutSize(1000, 0);
    const int32_t oneLine = label_->GetHeight();
    label_->SetLayoutSize(40, 0);
    EXPECT_GT(label_->GetHeight(), oneLine);
    EXPECT_LT(label_->GetMinWidth(), label_->GetMaxWidth());
}

TEST_F(LabelTest, FontSettersReachTheStateFontsAndMeasureAgain)
{
    label_->SetLink(true);
    const int32_t before = label_->GetMaxHeight();
    label_->SetFontPreset(-103);
    EXPECT_TRUE(label_->GetFont()->IsBold());
    EXPECT_TRUE(label_->GetHoverFont()->IsBold());
    EXPECT_GT(label_->GetMaxHeight(), before);
    label_->SetFontAttribute2(true);
    EXPECT_TRUE(label_->GetPressedFont()->IsEndEllipsis());
    label_->SetFontOutline(7);
    EXPECT_EQ(7, label_->GetFont()->GetTextStyle());
    label_->SetFontSize(20);
    EXPECT_GT(label_->GetMaxHeight(), before);
}

TEST_F(LabelTest, ADisabledLabelPaintsWithTheDisabledFont)
{
    label_->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(LabelWindow()));
    ASSERT_NE(nullptr, label_->GetDisabledFont());
    EXPECT_NE(label_->GetFont()->GetColor(), label_->GetDisabledFont()->GetColor());
    EXPECT_FALSE(drawer_.Take().empty());
}

TEST_F(LabelTest, VeryLongTextsAndAmpersandsAreShownAsGiven)
{
    std::wstring longText(100000, L'8');
    EXPECT_TRUE(label_->SetText(longText.c_str(), true));
    EXPECT_EQ(longText.size(), std::wcslen(label_->GetText()));
    EXPECT_GT(label_->GetMaxWidth(), 1000);
    drawer_.Take();
    // "&" is no mnemonic: the text is measured with it.
    label_->SetText(L"R&D", true);
    const int32_t withAmpersand = label_->GetMaxWidth();
    label_->SetText(L"RD", true);
    EXPECT_GT(withAmpersand, label_->GetMaxWidth());
    const std::vector<RecordingTextDrawer::Drawn> drawn = drawer_.Take();
    ASSERT_FALSE(drawn.empty());
}

TEST_F(LabelTest, AZeroSizeLabelPaintsNothing)
{
    Label* empty = Label::New();
    ASSERT_NE(nullptr, empty);
    RecordingTextDrawer drawer;
    empty->SetTextDrawer(&drawer, false);
    Add(empty);
    ASSERT_NE(nullptr, empty->GetSafeHwnd());
    EXPECT_EQ(0, empty->GetWidth());
    RedrawWindow(empty->GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    SendMessageW(empty->GetSafeHwnd(), WM_PAINT, 0, 0);
    EXPECT_TRUE(drawer.Take().empty());
    box_->RemoveChild(empty, false);
}

TEST_F(LabelTest, AReleasedLabelComesBackVisibleEnabledAndEmpty)
{
    label_->SetEnabled(false);
    label_->SetVisible(false, false);
    label_->SetLink(true);
    // Given back to its pool; the next label taken is likely this one.
    box_->RemoveChild(label_, false);
    label_ = Label::New();
    ASSERT_NE(nullptr, label_);
    EXPECT_EQ(nullptr, label_->GetSafeHwnd());
    EXPECT_TRUE(label_->IsEnabled());
    EXPECT_FALSE(label_->IsLink());
    EXPECT_STREQ(L"", label_->GetText());
    EXPECT_EQ(-1, label_->GetTextId());
    EXPECT_NE(static_cast<s::gui::drawer::IText*>(&drawer_), label_->GetTextDrawer());
    label_->SetText(L"again", false);
    Add(label_);
    EXPECT_TRUE(label_->IsShown());
    EXPECT_TRUE(IsWindowVisible(label_->GetSafeHwnd()));
    EXPECT_TRUE(IsWindowEnabled(label_->GetSafeHwnd()));
}

TEST_F(LabelTest, ANativeWindowThatCannotBeMadeIsReportedAndTextsApplyDirectly)
{
    // A parent whose native window is gone.
    HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, gone);
    DestroyWindow(gone);
    s::gui::win::Box* deadParent = s::gui::win::Box::Create(0, -1, -1, 0, 0, 0, 0, 0, 0);
    ASSERT_NE(nullptr, deadParent);
    ASSERT_TRUE(deadParent->Attach(gone));
    Label* label = Label::New();
    ASSERT_NE(nullptr, label);
    BoxRecorder::Take();
    EXPECT_FALSE(label->CreateWindowIn(deadParent));
    const std::vector<testing_support::RecordedBox> boxes = BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Window Creation Failed!", boxes[0].text);
    EXPECT_EQ(L"Error!", boxes[0].caption);
    EXPECT_EQ(nullptr, label->GetSafeHwnd());
    EXPECT_TRUE(label->SetText(L"direct", true));
    EXPECT_STREQ(L"direct", label->GetText());
    deadParent->Detach();
    label->ReleaseToPool();
    deadParent->ReleaseToPool();
}

TEST_F(LabelTest, TextIdsFollowTheWindowsLanguage)
{
    s::lang::Localizer* localizer = s::lang::Localizer::New();
    ASSERT_NE(nullptr, localizer);
    s::lang::LangPack* pack = s::lang::LangPack::New();
    ASSERT_NE(nullptr, pack);
    pack->AddText(500010, L"Processor");
    localizer->AddPack(pack);
    window_->SetLocalizer(localizer);

    Label* named = Label::Create(500010, false, -2);
    ASSERT_NE(nullptr, named);
    // No window yet: no language either.
    EXPECT_STREQ(L"", named->GetText());
    Add(named);
    EXPECT_STREQ(L"Processor", named->GetText());
    EXPECT_EQ(500010, named->GetTextId());
    // An id the pack lacks is the empty text.
    named->SetTextId(777);
    EXPECT_STREQ(L"", named->GetText());
    named->SetTextId(500010);
    EXPECT_STREQ(L"Processor", named->GetText());
    EXPECT_EQ(2u, localizer->GetListenerCount());

    box_->RemoveChild(named, false);
    EXPECT_EQ(1u, localizer->GetListenerCount());
    window_->SetLocalizer(nullptr);
    localizer->ReleaseToPool();
}

} // namespace
