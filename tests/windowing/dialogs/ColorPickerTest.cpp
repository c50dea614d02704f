// The colour dialog front: colours across the COLORREF edge, cancelling, and what a reused picker
// holds.
#include <windows.h>

#include <gtest/gtest.h>

#include "windowing/dialogs/SystemDialogCloser.h"
#include "mfc/CommonDialogs.h"
#include "windowing/ShownWindow.h"
#include "windowing/dialogs/ColorPicker.h"

namespace {

using s::gui::dialogs::win::ColorPicker;

// What the stand-in dialog saw and answers.
struct Scripted {
    CHOOSECOLORW seen;
    BOOL confirm;
    COLORREF answer;
    int calls;
};
Scripted scripted;

BOOL WINAPI ScriptedChooseColor(CHOOSECOLORW* dialog)
{
    ++scripted.calls;
    scripted.seen = *dialog;
    if (scripted.confirm)
        dialog->rgbResult = scripted.answer;
    return scripted.confirm;
}

class ColorPickerTest : public testing_support::ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        scripted = Scripted{};
        AfxCommonDialogFunctions functions = {};
        functions.chooseColor = &ScriptedChooseColor;
        previous_ = AfxSetCommonDialogFunctions(functions);
        picker_ = ColorPicker::New();
    }
    void TearDown() override
    {
        picker_->ReleaseToPool();
        AfxSetCommonDialogFunctions(previous_);
    }

    AfxCommonDialogFunctions previous_ = {};
    ColorPicker* picker_ = nullptr;
};

TEST_F(ColorPickerTest, RedAndBlueTradePlacesBothWays)
{
    struct Case {
        uint32_t red, green, blue;
        COLORREF opensWith;
        COLORREF confirmed;
        uint32_t color, chosenRed, chosenGreen, chosenBlue;
    };
    const Case cases[] = {
        {255, 128, 0, 0x0080FF, 0xFF0000, 0x0000FF, 0, 0, 255},
        {0, 0, 255, 0xFF0000, 0x0000FF, 0xFF0000, 255, 0, 0},
        {0x12, 0x34, 0x56, 0x563412, 0x112233, 0x332211, 0x33, 0x22, 0x11},
    };
    for (const Case& c : cases) {
        picker_->SetInitialColor(c.red, c.green, c.blue);
        scripted.confirm = TRUE;
        scripted.answer = c.confirmed;
        EXPECT_TRUE(picker_->Run(window_.get()));
        EXPECT_EQ(c.opensWith, scripted.seen.rgbResult);
        EXPECT_EQ(c.color, picker_->GetColor());
        EXPECT_EQ(c.chosenRed, picker_->GetRed());
        EXPECT_EQ(c.chosenGreen, picker_->GetGreen());
        EXPECT_EQ(c.chosenBlue, picker_->GetBlue());
    }
    // Fully open, starting on the given colour, over the owner's frame.
    EXPECT_EQ(static_cast<DWORD>(CC_FULLOPEN | CC_RGBINIT), scripted.seen.Flags & (CC_FULLOPEN | CC_RGBINIT));
    EXPECT_EQ(frame_, scripted.seen.hwndOwner);
    EXPECT_NE(nullptr, scripted.seen.lpCustColors);
}

TEST_F(ColorPickerTest, CancelChangesNothingAndResetGivesWhite)
{
    picker_->SetInitialColor(10, 20, 30);
    scripted.confirm = TRUE;
    scripted.answer = RGB(1, 2, 3);
    ASSERT_TRUE(picker_->Run(nullptr));
    EXPECT_EQ(nullptr, scripted.seen.hwndOwner);

    scripted.confirm = FALSE;
    EXPECT_FALSE(picker_->Run(nullptr));
    EXPECT_EQ(0x010203u, picker_->GetColor());
    EXPECT_EQ(1u, picker_->GetRed());
    EXPECT_EQ(2u, picker_->GetGreen());
    EXPECT_EQ(3u, picker_->GetBlue());

    // A reused picker agrees with its white colour in every component.
    picker_->ReleaseToPool();
    picker_ = ColorPicker::New();
    EXPECT_EQ(ColorPicker::kWhite, picker_->GetColor());
    EXPECT_EQ(ColorPicker::kWhite, picker_->GetInitialColor());
    EXPECT_EQ(255u, picker_->GetRed());
    EXPECT_EQ(255u, picker_->GetGreen());
    EXPECT_EQ(255u, picker_->GetBlue());
}

TEST(ColorPickerSystemDialogTest, CancelledDialogChangesNothing)
{
    testing_support::SystemDialogs systemDialogs;
    ColorPicker* picker = ColorPicker::New();
    picker->SetInitialColor(255, 128, 0);
    testing_support::SystemDialogCloser closer(GetCurrentThreadId(), [](HWND dialog) {
        testing_support::SystemDialogCloser::Press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(picker->Run(nullptr));
    EXPECT_TRUE(closer.Found());
    EXPECT_EQ(ColorPicker::kWhite, picker->GetColor());
    EXPECT_EQ(255u, picker->GetRed());
    EXPECT_EQ(255u, picker->GetBlue());
    picker->ReleaseToPool();
}

} // namespace
