// The check box: who hears of a change, the enable links, and its sizes.
#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "mfc/DC.h"
#include "skins/drawer/checkbox/Thin.h"
#include "support/RecordingListener.h"
#include "windowing/widgets/CheckBox.h"
#include "windowing/widgets/TextField.h"
#include "windowing/widgets/TwoStateStage.h"

namespace {

using s::gui::ICheckBox;
using s::gui::win::CheckBox;
using s::gui::win::TextField;
using testing_support::RecordingListener;

class CheckBoxTest : public testing_support::TwoStateStage {
protected:
    CheckBox* NewBox(const wchar_t* caption, bool wordWrap = false)
    {
        CheckBox* box = CheckBox::New();
        if (!box)
            return nullptr;
        box->SetWordWrap(wordWrap);
        box->SetCaption(caption);
        box->AddCheckListener(&checks_);
        box->AddUncheckListener(&unchecks_);
        Add(box);
        return box;
    }

    RecordingListener checks_;
    RecordingListener unchecks_;
};

TEST_F(CheckBoxTest, ClicksAndChangesTellTheirListenersOnce)
{
    CheckBox* box = NewBox(L"Option");
    ASSERT_NE(nullptr, box);
    HWND control = box->GetSafeHwnd();
    Click(control);
    EXPECT_TRUE(box->IsChecked());
    EXPECT_EQ(BST_CHECKED, SendMessageW(control, BM_GETCHECK, 0, 0));
    Click(control);
    EXPECT_FALSE(box->IsChecked());
    ASSERT_EQ(1u, checks_.Count());
    ASSERT_EQ(1u, unchecks_.Count());
    EXPECT_EQ(ICheckBox::kEventChecked, checks_.Take()[0].code);
    EXPECT_EQ(ICheckBox::kEventUnchecked, unchecks_.Take()[0].code);

    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(1u, checks_.Count());
    EXPECT_EQ(BST_CHECKED, SendMessageW(control, BM_GETCHECK, 0, 0));
    box->SetCheckedQuietly(false);
    EXPECT_FALSE(box->IsChecked());
    EXPECT_EQ(0u, unchecks_.Count());
    EXPECT_EQ(BST_UNCHECKED, SendMessageW(control, BM_GETCHECK, 0, 0));
}

TEST_F(CheckBoxTest, LinkedTargetsFollowClicksAndSetChecked)
{
    CheckBox* box = NewBox(L"Link");
    ASSERT_NE(nullptr, box);
    TextField* whileChecked = NewTarget();
    TextField* whileUnchecked = NewTarget();
    ASSERT_NE(nullptr, whileUnchecked);
    box->AddEnabledWhileCheckedTarget(whileChecked);
    box->AddDisabledWhileCheckedTarget(whileUnchecked);
    Click(box->GetSafeHwnd());
    EXPECT_TRUE(whileChecked->IsEnabled());
    EXPECT_FALSE(whileUnchecked->IsEnabled());
    box->SetChecked(false);
    EXPECT_FALSE(whileChecked->IsEnabled());
    EXPECT_TRUE(whileUnchecked->IsEnabled());
    // Quietly, the targets stay as they are.
    box->SetCheckedQuietly(true);
    EXPECT_FALSE(whileChecked->IsEnabled());
}

TEST_F(CheckBoxTest, ANativeBoxIsMeasuredByItsTextAndTheBoxBesideIt)
{
    CheckBox* box = NewBox(L"Measured text");
    ASSERT_NE(nullptr, box);
    const SIZE extent = ExtentIn(box->GetSafeHwnd(), L"Measured text");
    EXPECT_EQ(extent.cy, box->GetMinHeight());
    EXPECT_EQ(extent.cx + extent.cy + extent.cy / 6, box->GetMinWidth());
    EXPECT_EQ(box->GetMinWidth(), box->GetMaxWidth());
}

TEST_F(CheckBoxTest, AWrappedCaptionBreaksIntoLinesAtANarrowWidth)
{
    CheckBox* box = NewBox(L"one two three four", true);
    ASSERT_NE(nullptr, box);
    EXPECT_NE(0, GetWindowLongW(box->GetSafeHwnd(), GWL_STYLE) & BS_MULTILINE);
    const int32_t line = box->GetMinHeight();
    ASSERT_GT(line, 0);
    EXPECT_LT(box->GetMinWidth(), box->GetMaxWidth());
    box->SetLayoutSize(box->GetMaxWidth(), 0);
    EXPECT_EQ(line, box->GetHeight());
    // Narrower than the box allowance: one word a line.
    box->SetLayoutSize(1, 0);
    EXPECT_GE(box->GetHeight(), 4 * line);
}

TEST_F(CheckBoxTest, ADrawerMeasuresTheBoxInItsStead)
{
    CheckBox* box = NewBox(L"Drawn option");
    ASSERT_NE(nullptr, box);
    auto* drawer = s::gui::drawer::checkbox::win::Thin::New();
    ASSERT_NE(nullptr, drawer);
    box->SetDrawer(drawer, true);
    box->SetCaption(L"Drawn option");
    HWND control = box->GetSafeHwnd();
    int32_t limits[4] = {};
    {
        HDC dc = GetDC(control);
        CDC context;
        context.Attach(dc);
        drawer->GetSizeLimits(&context, L"Drawn option", box->GetFont(), &limits[0], &limits[1],
                              &limits[2], &limits[3]);
        context.Detach();
        ReleaseDC(control, dc);
    }
    EXPECT_EQ(limits[0], box->GetMinWidth());
    EXPECT_EQ(limits[1], box->GetMinHeight());
    EXPECT_EQ(std::max(limits[0], limits[2]), box->GetMaxWidth());
}

TEST_F(CheckBoxTest, FontSettingsReachTheCaptionFontAndMeasureAgain)
{
    CheckBox* box = NewBox(L"Styled caption");
    ASSERT_NE(nullptr, box);
    const int32_t plain = box->GetMinWidth();
    box->SetFaceName(L"Courier New");
    box->SetItalic(true);
    box->SetUnderline(true);
    box->SetStrikeOut(true);
    box->SetWeight(FW_BOLD);
    box->SetFontHeight(-30);
    EXPECT_STREQ(L"Courier New", box->GetFaceName());
    EXPECT_TRUE(box->IsItalic());
    EXPECT_TRUE(box->IsUnderline());
    EXPECT_TRUE(box->IsStrikeOut());
    EXPECT_EQ(FW_BOLD, box->GetWeight());
    EXPECT_EQ(-30, box->GetFontHeight());
    EXPECT_GT(box->GetMinWidth(), plain) << "measured again in the larger font";
    EXPECT_GT(box->GetMinHeight(), 20);
    box->SetTextColor(10, 20, 30);
    EXPECT_EQ(RGB(10, 20, 30), box->GetTextColor());
}

TEST_F(CheckBoxTest, DetachingANeverAttachedBoxDoesNothing)
{
    CheckBox* box = CheckBox::New();
    ASSERT_NE(nullptr, box);
    EXPECT_TRUE(box->CreateWindowIn(nullptr));
    box->SetChecked(true);
    EXPECT_TRUE(box->IsChecked());
    box->ReleaseToPool();
}

} // namespace
