// The counter widget on the virtual display: its graph behind the content on top, its back
// image, hiding and showing, margins, the mouse, and its size limits.
#include <windows.h>

#include <gtest/gtest.h>

#include "images/win/BufferedImage.h"
#include "skins/drawer/counter/Basic.h"
#include "support/RecordingListener.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/ShownWindow.h"
#include "windowing/box/Box.h"
#include "windowing/component/ComponentNative.h"
#include "windowing/paint/CounterData.h"
#include "windowing/widgets/Counter.h"

namespace {

using s::gui::IBox;
using s::gui::counter::CounterData;
using s::gui::win::Box;
using s::gui::win::Counter;
using testing_support::CaptureWindow;
using testing_support::RecordingListener;
using testing_support::ScreenImage;
using testing_support::ShownWindowTest;
using testing_support::WaitUntil;

const DWORD kBoundMillis = 5000;
const COLORREF kCounterBack = RGB(0x18, 0x28, 0x38);
const COLORREF kGraph = RGB(0x20, 0xD0, 0x40);
const COLORREF kSecondGraph = RGB(0xE0, 0x30, 0x30);
// The stand-in for the value label: a Box of its own colour on the content Box.
const COLORREF kLabel = RGB(0xF0, 0xE0, 0x90);
const int32_t kCounterHeight = 40;

// Where a child window stands in its parent's client area.
RECT PlaceInParent(HWND child)
{
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class CounterTest : public ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        window_->SetClientWidth(300);
        window_->SetClientHeight(200);
        counter_ = Counter::Create(100);
        ASSERT_NE(nullptr, counter_);
        counter_->SetHeightPixels(kCounterHeight);
        counter_->SetBackgroundColor(GetRValue(kCounterBack), GetGValue(kCounterBack), GetBValue(kCounterBack), false);
        s::gui::drawer::counter::win::Basic* drawer = s::gui::drawer::counter::win::Basic::New();
        ASSERT_NE(nullptr, drawer);
        drawer->SetFirstColor(GetRValue(kGraph), GetGValue(kGraph), GetBValue(kGraph));
        drawer->SetSecondColor(GetRValue(kSecondGraph), GetGValue(kSecondGraph), GetBValue(kSecondGraph));
        counter_->SetDrawer(drawer, true);
    }

    // A full history in the primary series: every column as high as the graph.
    void FillPrimary(int64_t value)
    {
        CounterData* data = counter_->GetPrimaryData();
        data->SetHistoryLength(400);
        for (int i = 0; i < 400; ++i)
            data->AddSample(value);
    }

    // Paints the counter and then its content, as a refresh does, until the condition holds.
    template <class Condition>
    bool RepaintUntil(Condition condition)
    {
        return WaitUntil(
            [&] {
                counter_->Redraw();
                if (counter_->GetContent())
                    counter_->GetContent()->Redraw();
                ScreenImage image;
                return CaptureWindow(counter_->m_hWnd, &image) && condition(image);
            },
            kBoundMillis);
    }

    Counter* counter_ = nullptr;
};

TEST_F(CounterTest, TheGraphShowsBehindTheLabelsOnItsContentBox)
{
    FillPrimary(75);
    Box* label = Box::Create(IBox::kColumn, -1, -1, 0, 0, 0, 0, 0, 0);
    label->SetWidthPixels(60, false);
    label->SetHeightPixels(14, false);
    label->SetBackgroundColor(GetRValue(kLabel), GetGValue(kLabel), GetBValue(kLabel), false);
    counter_->AddChild(label);
    ASSERT_EQ(label, counter_->GetContent()->GetChildAt(0)) << "children go into the content Box";
    window_->AddChild(counter_);
    Show();
    ASSERT_NE(nullptr, counter_->m_hWnd);
    EXPECT_EQ(0, GetDlgCtrlID(counter_->m_hWnd));
    EXPECT_EQ(300, counter_->GetWidth());
    EXPECT_EQ(kCounterHeight, counter_->GetHeight());
    EXPECT_EQ(300, counter_->GetContent()->GetWidth()) << "the content Box covers the counter";
    EXPECT_EQ(kCounterHeight, counter_->GetContent()->GetHeight());

    // The label stands centred at the top of the content, over the top of the graph's columns
    // (three quarters of the height, from the right edge); around it the content Box shows the
    // graph and the counter's background it takes from the counter's back image.
    ScreenImage image;
    const bool painted = RepaintUntil([](const ScreenImage& shot) {
        return shot.At(150, 5) == kLabel && shot.At(150, 12) == kLabel && shot.At(150, 20) == kGraph &&
               shot.At(299, 35) == kGraph && shot.At(10, 12) == kGraph && shot.At(10, 5) == kCounterBack;
    });
    ASSERT_TRUE(CaptureWindow(frame_, &image));
    testing_support::SaveScreenshot(image, L"CounterGraphBehindLabel");
    EXPECT_TRUE(painted) << "the graph and the label as the screenshot CounterGraphBehindLabel shows";
}

TEST_F(CounterTest, AnInheritedBackgroundIsCapturedFromTheParentsBackImage)
{
    FillPrimary(50);
    // A counter on the first one's content, inheriting its background: its own (empty) graph
    // lies over the picture of the outer graph under it.
    Counter* inner = Counter::Create(-1);
    ASSERT_NE(nullptr, inner);
    inner->SetWidthPixels(40);
    inner->SetHeightPixels(kCounterHeight);
    counter_->AddChild(inner);
    window_->AddChild(counter_);
    Show();
    ASSERT_NE(nullptr, inner->m_hWnd);
    const RECT place = PlaceInParent(inner->m_hWnd);
    EXPECT_EQ(130, place.left);
    EXPECT_TRUE(RepaintUntil([&](const ScreenImage& shot) {
        inner->Redraw();
        ScreenImage innerShot;
        return shot.At(150, 30) == kGraph && CaptureWindow(inner->m_hWnd, &innerShot) &&
               innerShot.At(20, 30) == kGraph && innerShot.At(20, 10) == kCounterBack;
    }));
}

TEST_F(CounterTest, WithoutAContentBoxTheWholeGraphIsCopied)
{
    FillPrimary(100);
    counter_->RemoveAllChildren(true);
    EXPECT_EQ(nullptr, counter_->GetContent());
    window_->AddChild(counter_);
    Show();
    EXPECT_TRUE(RepaintUntil(
        [](const ScreenImage& shot) { return shot.At(0, 0) == kGraph && shot.At(299, 39) == kGraph; }));
}

TEST_F(CounterTest, TheBackImageIsKeptWhileTheSizeStaysAndMadeAnewWhenItChanges)
{
    FillPrimary(100);
    window_->AddChild(counter_);
    Show();
    ASSERT_TRUE(RepaintUntil([](const ScreenImage& shot) { return shot.At(0, 39) == kGraph; }));
    s::image::win::BufferedImage* first = counter_->GetBackImage();
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(300, first->GetCapacityWidth());
    EXPECT_EQ(kCounterHeight, first->GetCapacityHeight());
    counter_->Redraw();
    EXPECT_EQ(first, counter_->GetBackImage());

    counter_->SetHeightPixels(60);
    window_->RequestLayout();
    EXPECT_EQ(60, counter_->GetHeight());
    ASSERT_TRUE(RepaintUntil([](const ScreenImage& shot) { return shot.height == 60 && shot.At(0, 59) == kGraph; }));
    ASSERT_NE(nullptr, counter_->GetBackImage());
    EXPECT_EQ(60, counter_->GetBackImage()->GetCapacityHeight());
}

TEST_F(CounterTest, AHiddenCounterWaitsAwayWithoutItsBackImageAndComesBackThroughALayout)
{
    FillPrimary(100);
    window_->AddChild(counter_);
    Show();
    ASSERT_TRUE(RepaintUntil([](const ScreenImage& shot) { return shot.At(0, 39) == kGraph; }));
    const RECT placed = PlaceInParent(counter_->m_hWnd);

    counter_->SetVisible(false, true);
    EXPECT_EQ(nullptr, counter_->GetBackImage());
    EXPECT_FALSE(IsWindowVisible(counter_->m_hWnd));
    const RECT away = PlaceInParent(counter_->m_hWnd);
    EXPECT_EQ(-10000, away.left);
    EXPECT_EQ(10000, away.top);
    EXPECT_FALSE(IsWindowVisible(s::gui::win::NativeWindowOf(counter_->GetContent())));

    counter_->SetVisible(true, true);
    EXPECT_TRUE(IsWindowVisible(counter_->m_hWnd));
    const RECT back = PlaceInParent(counter_->m_hWnd);
    EXPECT_EQ(placed.left, back.left);
    EXPECT_EQ(placed.top, back.top);
}

TEST_F(CounterTest, MarginsShapeTheGraphRectangle)
{
    counter_->SetMargins(2, 3, 4, 5);
    const RECT graph = counter_->GraphRect(100, 20);
    EXPECT_EQ(2, graph.left);
    EXPECT_EQ(3, graph.top);
    EXPECT_EQ(96, graph.right);
    EXPECT_EQ(15, graph.bottom);
    // The callers' -1 for "the default" is no margin.
    counter_->SetMargins(-1, -1, -1, -1);
    const RECT whole = counter_->GraphRect(100, 20);
    EXPECT_EQ(0, whole.left);
    EXPECT_EQ(20, whole.bottom);

    // A full column stops at the bottom margin and leaves the right margin alone.
    counter_->SetMargins(0, 10, 6, 8);
    FillPrimary(100);
    window_->AddChild(counter_);
    Show();
    EXPECT_TRUE(RepaintUntil([](const ScreenImage& shot) {
        return shot.At(293, 10) == kGraph && shot.At(293, 31) == kGraph && shot.At(293, 9) == kCounterBack &&
               shot.At(293, 32) == kCounterBack && shot.At(294, 20) == kCounterBack;
    }));

    // Margins larger than the counter leave no graph at all.
    counter_->SetMargins(200, 30, 200, 30);
    EXPECT_TRUE(RepaintUntil([](const ScreenImage& shot) { return shot.At(293, 20) == kCounterBack; }));
}

TEST_F(CounterTest, TheSecondSeriesAndTheSwapFollowTheirFlags)
{
    FillPrimary(100);
    CounterData* second = counter_->GetSecondaryData();
    second->SetHistoryLength(400);
    for (int i = 0; i < 400; ++i)
        second->AddSample(50);
    window_->AddChild(counter_);
    Show();
    // Off: the second series is not drawn although it holds samples.
    EXPECT_TRUE(RepaintUntil([](const ScreenImage& shot) { return shot.At(200, 35) == kGraph; }));
    counter_->ShowSecondaryData(true);
    EXPECT_TRUE(RepaintUntil([](const ScreenImage& shot) {
        return shot.At(200, 35) == kSecondGraph && shot.At(200, 5) == kGraph;
    }));
    EXPECT_TRUE(counter_->ToggleFlag());
    EXPECT_TRUE(RepaintUntil([](const ScreenImage& shot) {
        return shot.At(200, 35) == kGraph && shot.At(200, 5) == kSecondGraph;
    }));
    EXPECT_FALSE(counter_->ToggleFlag());
}

TEST_F(CounterTest, AClickGoesToTheWindowBeneathAndTheWheelToTheContentBox)
{
    RecordingListener wheel;
    window_->AddChild(counter_);
    ASSERT_NE(nullptr, counter_->GetContent());
    counter_->GetContent()->AddWheelListener(&wheel);
    Show();
    POINT inside = {20, 20};
    ClientToScreen(counter_->m_hWnd, &inside);
    const LPARAM at = MAKELPARAM(inside.x, inside.y);
    EXPECT_EQ(HTTRANSPARENT, static_cast<int>(SendMessageW(counter_->m_hWnd, WM_NCHITTEST, 0, at)));

    SendMessageW(counter_->m_hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), at);
    ASSERT_EQ(1u, wheel.Count());
    EXPECT_EQ(IBox::kEventWheel, wheel.Take()[0].code);
}

TEST_F(CounterTest, AFixedSizeWinsOverThePercent)
{
    window_->AddChild(counter_);
    Show();
    // Width percent 100 and no fixed width: as wide as the parent's client area at most.
    EXPECT_EQ(300, counter_->GetMaxWidth());
    counter_->SetWidthPixels(50);
    EXPECT_EQ(50, counter_->GetMinWidth());
    EXPECT_EQ(50, counter_->GetMaxWidth());
    counter_->SetWidthPercent(50);
    EXPECT_EQ(150, counter_->GetMaxWidth()) << "the percent clears the pixels";
    EXPECT_EQ(kCounterHeight, counter_->GetMinHeight());
    EXPECT_EQ(kCounterHeight, counter_->GetMaxHeight());
}

TEST_F(CounterTest, DeferredMovesWaitForTheEndOfTheLayoutPassAndEdgesCountAsInside)
{
    window_->AddChild(counter_);
    Show();
    const RECT placed = PlaceInParent(counter_->m_hWnd);
    counter_->SuspendBounds();
    EXPECT_TRUE(counter_->IsBoundsSuspended());
    counter_->SetBounds(10, 20, 120, 30);
    EXPECT_EQ(placed.left, PlaceInParent(counter_->m_hWnd).left) << "only stored while deferred";
    counter_->ResumeBounds();
    EXPECT_FALSE(counter_->IsBoundsSuspended());
    const RECT moved = PlaceInParent(counter_->m_hWnd);
    EXPECT_EQ(10, moved.left);
    EXPECT_EQ(20, moved.top);
    EXPECT_EQ(120, moved.right - moved.left);
    EXPECT_EQ(30, moved.bottom - moved.top);

    const int32_t x = counter_->GetScreenX();
    const int32_t y = counter_->GetScreenY();
    EXPECT_TRUE(counter_->ContainsScreenPoint(x + 120, y + 30));
    EXPECT_FALSE(counter_->ContainsScreenPoint(x + 121, y));
}

TEST(Counter, GoesBackToItsPoolReset)
{
    Counter* counter = Counter::Create(-1);
    ASSERT_NE(nullptr, counter);
    EXPECT_STREQ(L"s_gui_win_Counter", counter->GetClassName());
    ASSERT_NE(nullptr, counter->GetContent());
    EXPECT_EQ(1, counter->GetChildCount());
    ASSERT_NE(nullptr, counter->GetDrawer()) << "the default drawer";
    EXPECT_EQ(0, counter->GetDrawer()->GetFirstColorRed());
    EXPECT_EQ(0, counter->GetDrawer()->GetFirstColorBlue());
    counter->SetGraphMode(2);
    counter->ShowSecondaryData(true);
    counter->ToggleFlag();
    counter->GetPrimaryData()->SetHistoryLength(10);
    counter->SetWidthPixels(30);
    CounterData* primary = counter->GetPrimaryData();
    counter->ReleaseToPool();

    counter = Counter::Create(-1);
    ASSERT_NE(nullptr, counter);
    EXPECT_EQ(primary, counter->GetPrimaryData()) << "the series stay with the counter";
    EXPECT_EQ(0, counter->GetGraphMode());
    EXPECT_FALSE(counter->IsSecondaryShown());
    EXPECT_FALSE(counter->IsSwapped());
    EXPECT_EQ(0u, counter->GetPrimaryData()->Points.GetCount());
    EXPECT_EQ(1, counter->GetChildCount()) << "a new content Box, not a second one";
    EXPECT_EQ(nullptr, counter->GetBackImage());
    counter->ReleaseToPool();
}

TEST(Counter, AnOwnedDrawerHandedAgainIsKeptNotGivenBack)
{
    Counter* counter = Counter::Create(-1);
    ASSERT_NE(nullptr, counter);
    s::gui::drawer::counter::win::Basic* drawer = s::gui::drawer::counter::win::Basic::New();
    ASSERT_NE(nullptr, drawer);
    s::thread::EasyPooler* pool = s::gui::drawer::counter::win::Basic::GetPool();
    counter->SetDrawer(drawer, true);
    const uint32_t idle = pool->GetIdleCount();
    counter->SetDrawer(drawer, true);
    EXPECT_EQ(idle, pool->GetIdleCount()) << "the drawer in use went back to its pool";
    EXPECT_EQ(drawer, counter->GetDrawer());
    counter->ReleaseToPool();
    EXPECT_EQ(idle + 1, pool->GetIdleCount()) << "given back once, with the counter";
}

} // namespace
