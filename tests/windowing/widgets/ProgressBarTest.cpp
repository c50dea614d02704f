// The progress bar: what it is told before its control exists, and the sizes it takes from a
// layout.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "windowing/widgets/ProgressBar.h"
#include "windowing/widgets/WidgetStage.h"

namespace {

using s::gui::win::ProgressBar;

class ProgressBarTest : public testing_support::WidgetStage {};

TEST_F(ProgressBarTest, RangeAndPositionSetBeforeTheControlAreShownByIt)
{
    ProgressBar* bar = ProgressBar::New();
    ASSERT_NE(nullptr, bar);
    bar->SetRange(0, 200);
    bar->SetPosition(50);
    bar->SetWidthPercent(100);
    bar->SetFixedHeight(16);
    Add(bar);
    HWND control = bar->GetSafeHwnd();
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(1007, GetDlgCtrlID(control));
    PBRANGE range = {};
    SendMessageW(control, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    EXPECT_EQ(0, range.iLow);
    EXPECT_EQ(200, range.iHigh);
    EXPECT_EQ(50, SendMessageW(control, PBM_GETPOS, 0, 0));
    // Later changes go straight to the control.
    bar->SetPosition(150);
    EXPECT_EQ(150, SendMessageW(control, PBM_GETPOS, 0, 0));
    EXPECT_TRUE(IsWindowVisible(control)) << "shown once the layout placed it";
    EXPECT_EQ(1, SendMessageW(control, WM_ERASEBKGND, 0, 0)) << "the control paints all of itself";
}

TEST_F(ProgressBarTest, ItsSizeComesFromAFixedSizeOrAPercentOnly)
{
    struct Case {
        int32_t widthPercent;
        int32_t fixedWidth;
        int32_t fixedHeight;
        int32_t offeredWidth;
        int32_t offeredHeight;
        int32_t expectedWidth; // -1: the parent's client width
        int32_t expectedHeight;
    };
    const Case cases[] = {
        {100, -1, 20, 5000, 10, -1, 20}, // the percent caps the width, the fixed height wins
        {-1, -1, -1, 300, 10, 0, 0},     // nothing to size it by
        {-1, 120, 8, 50, 50, 120, 8},    // fixed sizes whatever is offered
    };
    for (const Case& c : cases) {
        ProgressBar* bar = ProgressBar::New();
        ASSERT_NE(nullptr, bar);
        bar->SetWidthPercent(c.widthPercent);
        bar->SetFixedWidth(c.fixedWidth);
        bar->SetFixedHeight(c.fixedHeight);
        Add(bar);
        bar->SetLayoutSize(c.offeredWidth, c.offeredHeight);
        const int32_t width = c.expectedWidth < 0 ? box_->GetClientWidth() : c.expectedWidth;
        EXPECT_EQ(width, bar->GetWidth()) << c.offeredWidth;
        EXPECT_EQ(c.expectedHeight, bar->GetHeight()) << c.offeredHeight;
        box_->RemoveChild(bar, true);
    }
}

} // namespace
