// The radio button: the group's notifications, the links it drives and its size.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "support/RecordingListener.h"
#include "windowing/widgets/RadioButton.h"
#include "windowing/widgets/TextField.h"
#include "windowing/widgets/TwoStateStage.h"

namespace {

using s::gui::IRadioButton;
using s::gui::win::RadioButton;
using s::gui::win::TextField;
using testing_support::RecordingListener;

class RadioButtonTest : public testing_support::TwoStateStage {
protected:
    // A button whose check and uncheck listeners are the index's recorders.
    RadioButton* NewButton(const wchar_t* caption, size_t index)
    {
        RadioButton* button = RadioButton::New();
        if (!button)
            return nullptr;
        button->SetCaption(caption);
        button->AddCheckListener(&checks_[index]);
        button->AddUncheckListener(&unchecks_[index]);
        Add(button);
        return button;
    }

    void ForgetHeard()
    {
        for (size_t i = 0; i < 3; ++i) {
            checks_[i].Take();
            unchecks_[i].Take();
        }
    }

    RecordingListener checks_[3];
    RecordingListener unchecks_[3];
};

TEST_F(RadioButtonTest, AClickInAGroupOfThreeChecksOneAndUnchecksTheOthers)
{
    RadioButton* buttons[3] = {NewButton(L"Low", 0), NewButton(L"Medium", 1), NewButton(L"High", 2)};
    for (RadioButton* button : buttons)
        ASSERT_NE(nullptr, button);
    buttons[0]->SetChecked(true, false);
    ForgetHeard();

    Click(buttons[1]->GetSafeHwnd());
    EXPECT_FALSE(buttons[0]->IsChecked());
    EXPECT_TRUE(buttons[1]->IsChecked());
    EXPECT_FALSE(buttons[2]->IsChecked());
    const std::vector<RecordingListener::Heard> checked = checks_[1].Take();
    ASSERT_EQ(1u, checked.size());
    EXPECT_EQ(IRadioButton::kEventChanged, checked[0].code);
    EXPECT_EQ(buttons[1], checked[0].source);
    EXPECT_EQ(0u, unchecks_[1].Count());
    for (size_t other : {size_t(0), size_t(2)}) {
        EXPECT_EQ(0u, checks_[other].Count()) << other;
        EXPECT_EQ(1u, unchecks_[other].Count()) << other;
    }
}

TEST_F(RadioButtonTest, SetCheckedTellsOnlyWhenAskedAndEvenWithoutAChange)
{
    RadioButton* button = NewButton(L"Choice", 0);
    ASSERT_NE(nullptr, button);
    button->SetChecked(true, false);
    EXPECT_TRUE(button->IsChecked());
    EXPECT_EQ(BST_CHECKED, SendMessageW(button->GetSafeHwnd(), BM_GETCHECK, 0, 0));
    EXPECT_EQ(0u, checks_[0].Count());
    button->SetChecked(true, true);
    button->SetChecked(true, true);
    EXPECT_EQ(2u, checks_[0].Count());
    button->SetChecked(false, true);
    EXPECT_EQ(1u, unchecks_[0].Count());
    EXPECT_FALSE(button->IsChecked());
}

TEST_F(RadioButtonTest, LinkedTargetsFollowTheChoice)
{
    RadioButton* custom = NewButton(L"Custom", 0);
    RadioButton* preset = NewButton(L"Preset", 1);
    ASSERT_NE(nullptr, custom);
    ASSERT_NE(nullptr, preset);
    TextField* text = NewTarget();
    TextField* list = NewTarget();
    TextField* hint = NewTarget();
    ASSERT_NE(nullptr, hint);
    custom->AddEditableWhileCheckedTarget(text);
    custom->AddEnabledWhileCheckedTarget(list);
    custom->AddDisabledWhileCheckedTarget(hint);

    Click(custom->GetSafeHwnd());
    EXPECT_TRUE(text->IsEditable());
    EXPECT_TRUE(list->IsEnabled());
    EXPECT_FALSE(hint->IsEnabled());
    Click(preset->GetSafeHwnd());
    EXPECT_FALSE(text->IsEditable());
    EXPECT_FALSE(list->IsEnabled());
    EXPECT_TRUE(hint->IsEnabled());
}

TEST_F(RadioButtonTest, ItIsMeasuredByItsTextAndTheCircleBesideIt)
{
    RadioButton* empty = NewButton(L"", 0);
    RadioButton* worded = NewButton(L"Measured text", 1);
    ASSERT_NE(nullptr, empty);
    ASSERT_NE(nullptr, worded);
    EXPECT_EQ(0, empty->GetMinWidth());
    EXPECT_EQ(0, empty->GetMinHeight());

    const SIZE extent = ExtentIn(worded->GetSafeHwnd(), L"Measured text");
    EXPECT_EQ(extent.cx + RadioButton::kCircleAllowance, worded->GetMinWidth());
    EXPECT_EQ(extent.cy, worded->GetMinHeight());
    EXPECT_EQ(worded->GetMinWidth(), worded->GetMaxWidth());
    // A layout's offer is not taken: the button keeps its measured size.
    worded->SetLayoutSize(500, 90);
    EXPECT_EQ(worded->GetMinWidth(), worded->GetWidth());
    EXPECT_EQ(worded->GetMinHeight(), worded->GetHeight());
    // A bolder font measures again.
    const int32_t regular = worded->GetMinWidth();
    worded->SetPointSize(20);
    EXPECT_GT(worded->GetMinWidth(), regular);
}

TEST_F(RadioButtonTest, AStateSetBeforeTheControlExistsIsShownByIt)
{
    RadioButton* button = RadioButton::New();
    ASSERT_NE(nullptr, button);
    button->SetCaption(L"Early");
    button->SetChecked(true, false);
    button->SetEnabled(false);
    Add(button);
    ASSERT_NE(nullptr, button->GetSafeHwnd());
    EXPECT_EQ(BST_CHECKED, SendMessageW(button->GetSafeHwnd(), BM_GETCHECK, 0, 0));
    EXPECT_FALSE(IsWindowEnabled(button->GetSafeHwnd()));
    EXPECT_TRUE(button->IsChecked());
}

} // namespace
