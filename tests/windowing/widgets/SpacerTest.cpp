// The spacer's size rules by orientation and the parent's layout kind, its hiding place and its
// background.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/Wait.h"
#include "windowing/widgets/Spacer.h"
#include "windowing/widgets/WidgetStage.h"

namespace {

using s::gui::IBox;
using s::gui::ISpacer;
using s::gui::win::Spacer;

enum Length { kFree, kPixels, kPercent };

struct Case {
    const char* name;
    int32_t parentKind;
    int32_t orientation;
    Length length;
    int32_t value;
    // Stored sizes: the minimum width the spacer was given.
    int32_t minWidth;
    // Expected limits; -1 stands for "percent of the parent's client size along that axis".
    int32_t minW;
    int32_t maxW;
    int32_t minH;
    int32_t maxH;
};

const int32_t kOfParent = -1;

const Case kCases[] = {
    {"horizontal pixels in a row", IBox::kRow, ISpacer::kHorizontal, kPixels, 30, 0, 30, 30, 0, 0},
    {"horizontal percent in a row", IBox::kRow, ISpacer::kHorizontal, kPercent, 50, 0, 0, kOfParent, 0, 0},
    {"horizontal stored width in a row", IBox::kRow, ISpacer::kHorizontal, kFree, 0, 12, 12, 12, 0, 0},
    {"horizontal stored width under a percent", IBox::kRow, ISpacer::kHorizontal, kPercent, 100, 12, 12,
     kOfParent, 0, 0},
    {"vertical pixels in a row takes no width", IBox::kRow, ISpacer::kVertical, kPixels, 30, 12, 0, 0, 30, 30},
    {"vertical percent in a row", IBox::kRow, ISpacer::kVertical, kPercent, 50, 0, 0, 0, 0, kOfParent},
    {"horizontal pixels in a column takes no height", IBox::kColumn, ISpacer::kHorizontal, kPixels, 30, 0, 30, 30,
     0, 0},
    {"vertical pixels in a column", IBox::kColumn, ISpacer::kVertical, kPixels, 30, 0, 0, 0, 30, 30},
    {"vertical percent in a column", IBox::kColumn, ISpacer::kVertical, kPercent, 25, 0, 0, 0, 0, kOfParent},
    {"vertical stored width in a column", IBox::kColumn, ISpacer::kVertical, kFree, 0, 12, 12, 12, 0, 0},
    {"horizontal percent in a pile keeps both axes", IBox::kPile, ISpacer::kHorizontal, kPercent, 50, 0, 0,
     kOfParent, 0, 0},
};

class SpacerTest : public testing_support::WidgetStage {};

TEST_F(SpacerTest, SizeRulesFollowOrientationAndParentKind)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        s::gui::win::Box* parent = s::gui::win::Box::Create(c.parentKind, 100, 100, 0, 0, 0, 0, 0, 0);
        ASSERT_NE(nullptr, parent);
        Add(parent);
        Spacer* spacer = Spacer::Create(c.orientation, c.length == kFree ? -1 : c.value, c.length == kPercent);
        ASSERT_NE(nullptr, spacer);
        if (c.minWidth > 0)
            spacer->SetMinWidth(c.minWidth);
        parent->AddChild(spacer);
        ASSERT_TRUE(spacer->IsShown());
        const int32_t widthOfParent = parent->GetClientWidth() * c.value / 100;
        const int32_t heightOfParent = parent->GetClientHeight() * c.value / 100;
        EXPECT_EQ(c.minW, spacer->GetMinWidth());
        EXPECT_EQ(c.minW, spacer->GetMinClientWidth());
        EXPECT_EQ(c.maxW == kOfParent ? widthOfParent : c.maxW, spacer->GetMaxWidth());
        EXPECT_EQ(c.maxW == kOfParent ? widthOfParent : c.maxW, spacer->GetMaxClientWidth());
        EXPECT_EQ(c.minH, spacer->GetMinHeight());
        EXPECT_EQ(c.minH, spacer->GetMinClientHeight());
        EXPECT_EQ(c.maxH == kOfParent ? heightOfParent : c.maxH, spacer->GetMaxHeight());
        EXPECT_EQ(c.maxH == kOfParent ? heightOfParent : c.maxH, spacer->GetMaxClientHeight());
        box_->RemoveChild(parent, true);
    }
}

TEST_F(SpacerTest, AFullSpacerPushesTheNextChildToTheEndOfTheRow)
{
    Spacer* left = Spacer::Create(ISpacer::kHorizontal, 20, false);
    Spacer* fill = Spacer::Create(ISpacer::kHorizontal, 100, true);
    Spacer* right = Spacer::Create(ISpacer::kHorizontal, 20, false);
    ASSERT_TRUE(left && fill && right);
    Add(left);
    Add(fill);
    Add(right);
    box_->DoLayout();
    EXPECT_EQ(0, left->GetX());
    EXPECT_EQ(box_->GetClientWidth() - 20, right->GetX());
    EXPECT_GT(fill->GetWidth(), box_->GetClientWidth() / 2);
}

TEST_F(SpacerTest, AHiddenSpacerWaitsBelowTheScreensAndTakesNoRoom)
{
    Spacer* spacer = Spacer::Create(ISpacer::kHorizontal, 40, false);
    ASSERT_NE(nullptr, spacer);
    Add(spacer);
    spacer->SetVisible(false, false);
    EXPECT_EQ(-10000, spacer->GetX());
    EXPECT_EQ(10000, spacer->GetY());
    EXPECT_FALSE(IsWindowVisible(spacer->GetSafeHwnd()));
    EXPECT_EQ(0, spacer->GetMinWidth());
    EXPECT_EQ(HTTRANSPARENT, SendMessageW(spacer->GetSafeHwnd(), WM_NCHITTEST, 0, 0));
}

TEST_F(SpacerTest, ItsOwnBackgroundIsPaintedWhenNotInherited)
{
    Spacer* spacer = Spacer::Create(ISpacer::kHorizontal, 40, false);
    ASSERT_NE(nullptr, spacer);
    spacer->SetBackgroundColor(200, 30, 60, false);
    Add(spacer);
    // Across its axis a spacer takes no room: given some here, to be seen.
    spacer->SetBounds(0, 0, 40, 20);
    HWND window = spacer->GetSafeHwnd();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(window);
    const COLORREF seen = GetPixel(dc, 5, 5);
    ReleaseDC(window, dc);
    EXPECT_EQ(RGB(200, 30, 60), seen);
}

} // namespace
