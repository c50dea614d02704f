// The owner-drawn bar's mouse: held arrows and pages repeating, thumb drags to both ends, the
// hover look with its capture, a press ending wherever the button goes up, and hiding.
#include "lists/ScrollStage.h"
#include "support/Wait.h"

namespace scrolltest {
namespace {

class ScrollBarTest : public ScrollStage {
protected:
    // A scroll box whose vertical bar has room to repeat for a while.
    ScrollBar* TallBar()
    {
        ScrollBox* scrollBox = AddScrollBox(200, 20000);
        EXPECT_NE(nullptr, scrollBox);
        ScrollBar* bar = scrollBox ? scrollBox->GetVerticalBar() : nullptr;
        EXPECT_TRUE(bar && bar->IsShown());
        return bar;
    }
    static void Press(ScrollBar* bar, POINT client)
    {
        // The repeat steps follow the cursor, so it stands where the press is.
        const POINT screen = ToScreen(bar->GetSafeHwnd(), client);
        PlaceCursor(screen.x, screen.y);
        ::SendMessageW(bar->GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, ClientParam(client));
    }
    static void Release(ScrollBar* bar, POINT client)
    {
        ::SendMessageW(bar->GetSafeHwnd(), WM_LBUTTONUP, 0, ClientParam(client));
    }
};

TEST_F(ScrollBarTest, AHeldArrowStepsAtOnceThenAfterHalfASecondThenEveryTenth)
{
    ScrollBar* bar = TallBar();
    ASSERT_NE(nullptr, bar);
    const POINT arrow = PartPoint(bar, ScrollBar::kSecondArrow);
    const DWORD start = ::GetTickCount();
    Press(bar, arrow);
    EXPECT_EQ(ScrollInfo::kLineStep, Position(bar));
    ::Sleep(250);
    if (::GetTickCount() - start < 450) {
        EXPECT_EQ(ScrollInfo::kLineStep, Position(bar)) << "no repeat before half a second";
    }
    ::Sleep(1050);
    Release(bar, arrow);
    const DWORD held = ::GetTickCount() - start;
    const int32_t steps = Position(bar) / ScrollInfo::kLineStep;
    // 1 at once, 1 at 500 ms, then one per 100 ms; the bounds allow a slow machine.
    EXPECT_GE(steps, 3);
    EXPECT_LE(steps, 2 + static_cast<int32_t>((held - 500) / 100) + 1);
    const int32_t released = Position(bar);
    ::Sleep(300);
    EXPECT_EQ(released, Position(bar)) << "the release stops the repeat";
    EXPECT_FALSE(bar->IsPressed());
}

TEST_F(ScrollBarTest, APageHeldThenMovedOntoAnArrowRepeatsByLines)
{
    ScrollBar* bar = TallBar();
    ASSERT_NE(nullptr, bar);
    const int32_t page = *bar->GetScrollInfo()->GetPage();
    Press(bar, PartPoint(bar, ScrollBar::kPageAfter));
    EXPECT_EQ(page, Position(bar));
    const POINT arrow = PartPoint(bar, ScrollBar::kSecondArrow);
    const POINT screen = ToScreen(bar->GetSafeHwnd(), arrow);
    PlaceCursor(screen.x, screen.y);
    ASSERT_TRUE(testing_support::WaitUntil([&] { return Position(bar) > page; }, 3000));
    EXPECT_EQ(0, (Position(bar) - page) % ScrollInfo::kLineStep) << "lines, not pages";
    Release(bar, arrow);
}

TEST_F(ScrollBarTest, APagePressTakesTheMouseAndEndsWhenTheCaptureGoes)
{
    ScrollBar* bar = TallBar();
    ASSERT_NE(nullptr, bar);
    Press(bar, PartPoint(bar, ScrollBar::kPageAfter));
    HWND captured = nullptr;
    OnUi([&] { captured = ::GetCapture(); });
    EXPECT_EQ(bar->GetSafeHwnd(), captured) << "a release outside the bar reaches it";
    OnUi([&] { ::ReleaseCapture(); });
    EXPECT_FALSE(bar->IsPressed());
    const int32_t stopped = Position(bar);
    ::Sleep(700);
    EXPECT_EQ(stopped, Position(bar)) << "no scrolling on after the press ended";
}

TEST_F(ScrollBarTest, DraggingTheThumbPastEitherEndReachesTheEnds)
{
    ScrollBar* bar = TallBar();
    ASSERT_NE(nullptr, bar);
    const POINT thumb = PartPoint(bar, ScrollBar::kThumb);
    Press(bar, thumb);
    EXPECT_TRUE(bar->IsDraggingThumb());
    RECT client;
    ::GetClientRect(bar->GetSafeHwnd(), &client);
    ::SendMessageW(bar->GetSafeHwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thumb.x, client.bottom + 200));
    EXPECT_EQ(Largest(bar), Position(bar));
    ::SendMessageW(bar->GetSafeHwnd(), WM_MOUSEMOVE, MK_LBUTTON,
                   MAKELPARAM(thumb.x, static_cast<WORD>(static_cast<int16_t>(-200))));
    EXPECT_EQ(0, Position(bar));
    Release(bar, thumb);
    EXPECT_FALSE(bar->IsDraggingThumb());
}

TEST_F(ScrollBarTest, HoveringTheThumbLightsItAndTakesTheMouseUntilAPageArea)
{
    ScrollBar* bar = TallBar();
    ASSERT_NE(nullptr, bar);
    HWND captured = nullptr;
    ::SendMessageW(bar->GetSafeHwnd(), WM_MOUSEMOVE, 0, ClientParam(PartPoint(bar, ScrollBar::kThumb)));
    OnUi([&] { captured = ::GetCapture(); });
    EXPECT_EQ(ScrollBar::kThumb, bar->GetActivePart());
    EXPECT_EQ(ScrollBar::kHot, bar->GetPartState());
    EXPECT_EQ(bar->GetSafeHwnd(), captured);
    ::SendMessageW(bar->GetSafeHwnd(), WM_MOUSEMOVE, 0, ClientParam(PartPoint(bar, ScrollBar::kPageAfter)));
    OnUi([&] { captured = ::GetCapture(); });
    EXPECT_EQ(ScrollBar::kNormal, bar->GetPartState());
    EXPECT_EQ(nullptr, captured);
}

TEST_F(ScrollBarTest, HidingMovesTheBarAwayAndADisabledBarStaysHidden)
{
    ScrollBox* scrollBox = AddScrollBox(1000, 1000);
    ASSERT_NE(nullptr, scrollBox);
    ScrollBar* vertical = scrollBox->GetVerticalBar();
    OnUi([&] {
        ASSERT_TRUE(vertical->IsShown());
        ASSERT_TRUE(scrollBox->GetHorizontalBar()->IsShown());
        vertical->SetVisible(false, false);
        RECT rect;
        ::GetWindowRect(vertical->GetSafeHwnd(), &rect);
        POINT origin = {rect.left, rect.top};
        ::ScreenToClient(::GetParent(vertical->GetSafeHwnd()), &origin);
        EXPECT_EQ(-10000, origin.x);
        EXPECT_EQ(10000, origin.y);
        EXPECT_EQ(0, vertical->GetWidth());

        vertical->GetScrollInfo()->SetDisabled(scrollBox->GetContentBox(), true);
        vertical->SetVisible(true, false);
        EXPECT_FALSE(vertical->IsShown());
    });
}

TEST_F(ScrollBarTest, TheSkinGivesTheDrawerAndItsThickness)
{
    ScrollBox* scrollBox = AddScrollBox(1000, 1000);
    ASSERT_NE(nullptr, scrollBox);
    ScrollBar* vertical = scrollBox->GetVerticalBar();
    OnUi([&] {
        EXPECT_EQ(skinner_->GetCurrentSkin()->GetScrollBarDrawer(), vertical->GetDrawer());
        EXPECT_EQ(vertical->GetDrawer()->GetBarWidth(), vertical->GetThickness());
    });
    skinner_->SelectSkinAt(1);
    OnUi([&] { EXPECT_EQ(skinner_->GetCurrentSkin()->GetScrollBarDrawer(), vertical->GetDrawer()); });
}

} // namespace
} // namespace scrolltest
