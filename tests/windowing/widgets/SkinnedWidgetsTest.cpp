// Labels and counters in a window bound to a skin manager: they paint with the current skin's
// text and counter drawers, take the new skin's on their own thread at each change, and leave the
// manager's listeners when their native window goes; in a window without one they keep their own.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "skins/ISkin.h"
#include "skins/Skinner.h"
#include "skins/drawer/counter/Basic.h"
#include "skins/drawer/text/Basic.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/widgets/TestSkins.h"
#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"
#include "windowing/ShownWindow.h"
#include "windowing/box/Box.h"
#include "windowing/paint/CounterData.h"
#include "windowing/widgets/Counter.h"
#include "windowing/widgets/Label.h"

namespace {

using s::gui::drawer::ISkin;
using s::gui::drawer::Skinner;
using s::gui::win::Box;
using s::gui::win::Counter;
using s::gui::win::Label;
using testing_support::CaptureWindow;
using testing_support::ScreenImage;
using testing_support::ShownWindowTest;
using testing_support::WaitUntil;
using testing_support::SkinLook;
using testing_support::AddSkin;
using testing_support::kFirst;
using testing_support::kSecond;

const DWORD kBoundMillis = 5000;
// A bold 24-point font: strokes wide enough to hold pixels of the text colour itself.
const int32_t kLargeBold = 110;
const int32_t kCounterHeight = 60;

// Where a child window lies in a capture of its top-level window.
RECT PlaceInFrame(HWND child, HWND frame)
{
    RECT place = {};
    RECT outer = {};
    GetWindowRect(child, &place);
    GetWindowRect(frame, &outer);
    OffsetRect(&place, -outer.left, -outer.top);
    return place;
}

int32_t CountColor(const ScreenImage& image, const RECT& area, COLORREF color)
{
    int32_t count = 0;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            if (image.At(x, y) == color)
                ++count;
        }
    }
    return count;
}

// A text drawer that notes the threads it measures on; it belongs to the test, never to a pool.
class ThreadNotingTextDrawer : public s::gui::drawer::text::win::Basic {
public:
    void GetTextSizeLimits(CDC* dc, const wchar_t* text, s::gui::IFont* font, int32_t* minimumWidth,
                           int32_t* minimumHeight, int32_t* maximumWidth, int32_t* maximumHeight) override
    {
        {
            std::lock_guard<std::mutex> hold(lock_);
            threads_.insert(GetCurrentThreadId());
        }
        Basic::GetTextSizeLimits(dc, text, font, minimumWidth, minimumHeight, maximumWidth, maximumHeight);
    }
    void ReleaseToPool() override {}

    std::set<DWORD> Take()
    {
        std::lock_guard<std::mutex> hold(lock_);
        std::set<DWORD> threads;
        threads.swap(threads_);
        return threads;
    }

private:
    std::mutex lock_;
    std::set<DWORD> threads_;
};

// Everything a skin paints on the widgets of the window, read from the screen.
struct Seen {
    int32_t labelText = 0;
    int32_t labelBackground = 0;
    int32_t innerText = 0;
    bool graph = false;
    bool counterBackground = false;
};

void ExpectSeen(const Seen& seen, const char* skin)
{
    EXPECT_GT(seen.labelText, 20) << "the label's text in the colour of " << skin;
    EXPECT_GT(seen.labelBackground, 100) << "the label over the window colour of " << skin;
    EXPECT_GT(seen.innerText, 10) << "the counter's label in the colour of " << skin;
    EXPECT_TRUE(seen.graph) << "the graph in the counter colour of " << skin;
    EXPECT_TRUE(seen.counterBackground) << "the counter over the window colour of " << skin;
}

class SkinnedWidgetsTest : public ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        skinner_ = Skinner::New();
        ASSERT_NE(nullptr, skinner_);
        skinner_->SetDrawerType(L"ThinWindow");
        ASSERT_TRUE(AddSkin(skinner_, kFirst));
        ASSERT_TRUE(AddSkin(skinner_, kSecond));
        skinner_->SelectSkinAt(0);
        window_->SetClientWidth(300);
        window_->SetClientHeight(200);
    }

    void TearDown() override
    {
        // The window and its widgets go first: they leave the manager's listeners on their way.
        window_.reset();
        if (skinner_) {
            EXPECT_EQ(0u, skinner_->GetListenerCount()) << "a listener outlived its widget";
            skinner_->ReleaseToPool();
        }
    }

    ISkin* SkinAt(uint32_t index) { return skinner_->GetSkinAt(index); }

    Label* NewLabel(const wchar_t* text)
    {
        Label* label = Label::New();
        if (label) {
            label->SetFontPreset(kLargeBold);
            label->SetText(text, false);
        }
        return label;
    }

    // A counter whose graph fills the lower half of its area, with a label on its content.
    Counter* NewCounter(Label** inner)
    {
        Counter* counter = Counter::Create(100);
        if (!counter)
            return nullptr;
        counter->SetHeightPixels(kCounterHeight);
        s::gui::counter::CounterData* data = counter->GetPrimaryData();
        data->SetHistoryLength(400);
        for (int i = 0; i < 400; ++i)
            data->AddSample(50);
        *inner = NewLabel(L"50 %");
        if (*inner)
            counter->AddChild(*inner);
        return counter;
    }

    // A label, and a counter with a label on its content, made in the container.
    void AddWidgets(s::gui::IComponent* parent)
    {
        label_ = NewLabel(L"CPU Usage");
        ASSERT_NE(nullptr, label_);
        counter_ = NewCounter(&inner_);
        ASSERT_NE(nullptr, counter_);
        ASSERT_NE(nullptr, inner_);
        parent->AddChild(label_);
        parent->AddChild(counter_);
        ASSERT_NE(nullptr, label_->GetSafeHwnd());
        ASSERT_NE(nullptr, inner_->GetSafeHwnd());
    }

    // What the screen shows of the widgets, once it shows all of the skin or the bound has passed.
    Seen Look(const SkinLook& skin, const wchar_t* name)
    {
        Seen seen;
        ScreenImage image;
        WaitUntil(
            [&] {
                if (!CaptureWindow(frame_, &image))
                    return false;
                const RECT text = PlaceInFrame(label_->GetSafeHwnd(), frame_);
                const RECT innerText = PlaceInFrame(inner_->GetSafeHwnd(), frame_);
                const RECT graph = PlaceInFrame(counter_->GetSafeHwnd(), frame_);
                seen.labelText = CountColor(image, text, skin.text);
                seen.labelBackground = CountColor(image, text, skin.windowBg);
                seen.innerText = CountColor(image, innerText, skin.text);
                // The graph's columns stand in the lower half, the window's colour above them.
                seen.graph = image.At(graph.left + 2, graph.bottom - 3) == skin.counter01 &&
                             image.At(graph.right - 3, graph.bottom - 3) == skin.counter01;
                seen.counterBackground = image.At(graph.left + 2, graph.top + 2) == skin.windowBg;
                return seen.labelText > 20 && seen.labelBackground > 100 && seen.innerText > 10 && seen.graph &&
                       seen.counterBackground;
            },
            kBoundMillis);
        testing_support::SaveScreenshot(image, name);
        return seen;
    }

    Skinner* skinner_ = nullptr;
    Label* label_ = nullptr;
    Label* inner_ = nullptr;
    Counter* counter_ = nullptr;
};

TEST_F(SkinnedWidgetsTest, LabelsAndCountersPaintWithTheCurrentSkinAndFollowANewOne)
{
    window_->SetSkinner(skinner_);
    Box* column = Box::Create(s::gui::IBox::kColumn, 100, 100, 0, 0, 0, 0, 0, 0);
    ASSERT_NE(nullptr, column);
    window_->AddChild(column);
    ASSERT_NO_FATAL_FAILURE(AddWidgets(column));
    Label* label = label_;
    Label* inner = inner_;
    Counter* counter = counter_;
    EXPECT_EQ(SkinAt(0)->GetTextDrawer(), label->GetTextDrawer());
    EXPECT_EQ(SkinAt(0)->GetTextDrawer(), inner->GetTextDrawer());
    EXPECT_EQ(SkinAt(0)->GetCounterDrawer(), counter->GetDrawer());
    Show();

    ExpectSeen(Look(kFirst, L"SkinnedWidgetsFirst"), "the first skin");

    // Told on this thread, taken on the window's own before the selection returns.
    skinner_->SelectSkinAt(1);
    EXPECT_EQ(SkinAt(1)->GetTextDrawer(), label->GetTextDrawer());
    EXPECT_EQ(SkinAt(1)->GetTextDrawer(), inner->GetTextDrawer());
    EXPECT_EQ(SkinAt(1)->GetCounterDrawer(), counter->GetDrawer());
    ExpectSeen(Look(kSecond, L"SkinnedWidgetsSecond"), "the second skin");
}

// The widgets copy their background from the window's picture: when the window alone takes a new
// drawer, they paint again over it.
TEST_F(SkinnedWidgetsTest, WidgetsPaintAgainOverTheWindowsNewDrawer)
{
    window_->SetSkinner(skinner_);
    Box* column = Box::Create(s::gui::IBox::kColumn, 100, 100, 0, 0, 0, 0, 0, 0);
    ASSERT_NE(nullptr, column);
    window_->AddChild(column);
    ASSERT_NO_FATAL_FAILURE(AddWidgets(column));
    Show();
    ExpectSeen(Look(kFirst, L"SkinnedWidgetsBeforeNewDrawer"), "the first skin");
    // Only the window takes the second skin's drawer; nothing tells the widgets.
    s::gui::drawer::IWindow* second = SkinAt(1)->GetWindowDrawer();
    const std::function<void()> take = [&] { window_->SetDrawer(second); };
    ::SendMessageW(frame_, s::gui::msg::kRunOnOwnThread, reinterpret_cast<WPARAM>(&take), s::gui::win::ProcessKey());
    SkinLook secondBackground = kFirst;
    secondBackground.windowBg = kSecond.windowBg;
    const Seen seen = Look(secondBackground, L"SkinnedWidgetsAfterNewDrawer");
    EXPECT_GT(seen.labelBackground, 100) << "the label over the new window colour";
    EXPECT_TRUE(seen.counterBackground) << "the counter over the new window colour";
    // The skin manager's own drawer again before the window goes.
    const std::function<void()> back = [&] { window_->SetDrawer(SkinAt(0)->GetWindowDrawer()); };
    ::SendMessageW(frame_, s::gui::msg::kRunOnOwnThread, reinterpret_cast<WPARAM>(&back), s::gui::win::ProcessKey());
}

TEST_F(SkinnedWidgetsTest, WidgetsLeaveTheManagerWhenTheirWindowGoes)
{
    const uint32_t before = skinner_->GetListenerCount();
    window_->SetSkinner(skinner_);
    const uint32_t bound = skinner_->GetListenerCount();
    EXPECT_EQ(before + 1, bound) << "the window itself";

    Label* label = NewLabel(L"Memory");
    Label* inner = nullptr;
    Counter* counter = NewCounter(&inner);
    ASSERT_NE(nullptr, label);
    ASSERT_NE(nullptr, counter);
    EXPECT_EQ(bound, skinner_->GetListenerCount()) << "nobody joins before a native window exists";
    window_->AddChild(label);
    window_->AddChild(counter);
    EXPECT_EQ(bound + 3, skinner_->GetListenerCount()) << "the label, the counter and its label";

    // A label whose native window goes keeps no drawer of the skin.
    label->CreateWindowIn(nullptr);
    EXPECT_EQ(bound + 2, skinner_->GetListenerCount());
    EXPECT_NE(SkinAt(0)->GetTextDrawer(), label->GetTextDrawer());
    skinner_->SelectSkinAt(1);
    EXPECT_NE(SkinAt(1)->GetTextDrawer(), label->GetTextDrawer()) << "no longer told";
    EXPECT_EQ(SkinAt(1)->GetCounterDrawer(), counter->GetDrawer());
    // Made again in the window, it follows again.
    window_->RemoveChild(label, false);
    label = NewLabel(L"Memory");
    ASSERT_NE(nullptr, label);
    window_->AddChild(label);
    EXPECT_EQ(SkinAt(1)->GetTextDrawer(), label->GetTextDrawer());
    EXPECT_EQ(bound + 3, skinner_->GetListenerCount());

    // Given back with its children, the counter takes its label along; the pooled objects come
    // back as widgets of no skin.
    window_->RemoveChild(counter, true);
    EXPECT_EQ(bound + 1, skinner_->GetListenerCount());
    skinner_->SelectSkinAt(0);
    Counter* again = Counter::Create(100);
    ASSERT_NE(nullptr, again);
    EXPECT_NE(SkinAt(0)->GetCounterDrawer(), again->GetDrawer());
    EXPECT_NE(SkinAt(1)->GetCounterDrawer(), again->GetDrawer());
    again->ReleaseToPool();

    // The window given back takes the rest along.
    window_.reset();
    EXPECT_EQ(before, skinner_->GetListenerCount());
    skinner_->SelectSkinAt(1);
    skinner_->NotifyListeners();
}

TEST_F(SkinnedWidgetsTest, WidgetsInAWindowWithoutAManagerKeepTheirOwnDrawers)
{
    ASSERT_NO_FATAL_FAILURE(AddWidgets(window_.get()));
    Label* label = label_;
    s::gui::drawer::IText* ownText = label->GetTextDrawer();
    s::gui::drawer::IText* innerText = inner_->GetTextDrawer();
    s::gui::drawer::ICounter* ownGraph = counter_->GetDrawer();
    for (uint32_t i = 0; i < 2; ++i) {
        EXPECT_NE(SkinAt(i)->GetTextDrawer(), ownText);
        EXPECT_NE(SkinAt(i)->GetTextDrawer(), innerText);
        EXPECT_NE(SkinAt(i)->GetCounterDrawer(), ownGraph);
    }
    skinner_->SelectSkinAt(1);
    skinner_->NotifyListeners();
    EXPECT_EQ(ownText, label->GetTextDrawer());
    EXPECT_EQ(innerText, inner_->GetTextDrawer());
    EXPECT_EQ(ownGraph, counter_->GetDrawer());
    EXPECT_EQ(0u, skinner_->GetListenerCount());

    // A drawer the caller gives stays as well.
    s::gui::drawer::text::win::Basic* given = s::gui::drawer::text::win::Basic::New();
    ASSERT_NE(nullptr, given);
    label->SetTextDrawer(given, true);
    skinner_->SelectSkinAt(0);
    EXPECT_EQ(given, label->GetTextDrawer());
}

TEST_F(SkinnedWidgetsTest, TheSkinsDrawerTakesThePlaceOfTheCallersAtCreationAndAtEachNewSkin)
{
    window_->SetSkinner(skinner_);
    Label* label = NewLabel(L"Network");
    ASSERT_NE(nullptr, label);
    s::gui::drawer::text::win::Basic* given = s::gui::drawer::text::win::Basic::New();
    ASSERT_NE(nullptr, given);
    label->SetTextDrawer(given, true);
    window_->AddChild(label);
    EXPECT_EQ(SkinAt(0)->GetTextDrawer(), label->GetTextDrawer());

    // One given after creation stays until the next skin, and an owned one then goes back to its
    // pool (the label lets go of it).
    given = s::gui::drawer::text::win::Basic::New();
    ASSERT_NE(nullptr, given);
    label->SetTextDrawer(given, true);
    EXPECT_EQ(given, label->GetTextDrawer());
    skinner_->SelectSkinAt(1);
    EXPECT_EQ(SkinAt(1)->GetTextDrawer(), label->GetTextDrawer());

    // The colours of the current skin changed: told again with the same skin, the widgets take
    // the same drawer again and keep it.
    skinner_->NotifyListeners();
    EXPECT_EQ(SkinAt(1)->GetTextDrawer(), label->GetTextDrawer());
}

TEST_F(SkinnedWidgetsTest, WithoutACurrentSkinTheWidgetsGoBackToTheirOwnDrawers)
{
    window_->SetSkinner(skinner_);
    ASSERT_NO_FATAL_FAILURE(AddWidgets(window_.get()));
    Label* label = label_;
    Label* inner = inner_;
    Counter* counter = counter_;
    // The removed current skin's drawers go back to their pools; the next notification finds
    // no skin, and no widget may keep painting with them.
    skinner_->RemoveSkinAt(0);
    skinner_->NotifyListeners();
    for (Label* each : {label, inner}) {
        EXPECT_NE(nullptr, each->GetTextDrawer());
        EXPECT_NE(SkinAt(0)->GetTextDrawer(), each->GetTextDrawer());
    }
    EXPECT_NE(nullptr, counter->GetDrawer());
    EXPECT_NE(SkinAt(0)->GetCounterDrawer(), counter->GetDrawer());
    Show();
    label->Redraw();
    counter->Redraw();

    skinner_->SelectSkinAt(0);
    EXPECT_EQ(SkinAt(0)->GetTextDrawer(), label->GetTextDrawer()) << "the remaining skin";
    EXPECT_EQ(SkinAt(0)->GetCounterDrawer(), counter->GetDrawer());
}

TEST_F(SkinnedWidgetsTest, SkinChangesFromAnotherThreadAreTakenOnTheWindowsThread)
{
    // The second skin measures through a drawer that notes where it runs; it outlives every
    // widget that may still hold it when the test stops early.
    static ThreadNotingTextDrawer noting;
    noting.Take();
    s::gui::drawer::IText* built = SkinAt(1)->GetTextDrawer();
    SkinAt(1)->SetTextDrawer(&noting);
    window_->SetSkinner(skinner_);
    ASSERT_NO_FATAL_FAILURE(AddWidgets(window_.get()));
    Label* label = label_;
    Label* inner = inner_;
    Counter* counter = counter_;
    Show();

    // Each selection returns once every widget took the new skin's drawer on the window's
    // thread, while the window keeps painting.
    std::atomic<int> behind(0);
    std::thread changer([&] {
        for (int turn = 0; turn < 40; ++turn) {
            const uint32_t index = static_cast<uint32_t>(turn % 2);
            skinner_->SelectSkinAt(index);
            ISkin* skin = skinner_->GetSkinAt(index);
            if (label->GetTextDrawer() != skin->GetTextDrawer() || inner->GetTextDrawer() != skin->GetTextDrawer() ||
                counter->GetDrawer() != skin->GetCounterDrawer())
                ++behind;
        }
    });
    for (int i = 0; i < 20; ++i) {
        label->SetText(i % 2 ? L"41 C" : L"42 C", true);
        Sleep(5);
    }
    changer.join();
    EXPECT_EQ(0, behind.load());
    EXPECT_EQ(SkinAt(1)->GetTextDrawer(), label->GetTextDrawer());
    EXPECT_EQ(SkinAt(1)->GetCounterDrawer(), counter->GetDrawer());
    const std::set<DWORD> threads = noting.Take();
    const DWORD windowThread = GetWindowThreadProcessId(label->GetSafeHwnd(), nullptr);
    EXPECT_EQ(std::set<DWORD>{windowThread}, threads) << "measured on the window's thread only";

    // The skin's own drawer back before anything lets go of the test's.
    skinner_->SelectSkinAt(0);
    SkinAt(1)->SetTextDrawer(built);
}

} // namespace
