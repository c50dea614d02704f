// Every control of the dialogs in one window, with a skin manager and without: the skin's
// drawers taken when the native windows are made and replaced at each change of skin, the
// manager left when the window goes, and screenshots of both looks.
#include <windows.h>

#include <gtest/gtest.h>

#include "skins/ISkin.h"
#include "skins/Skinner.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/ShownWindow.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/CheckBox.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/Label.h"
#include "windowing/widgets/ProgressBar.h"
#include "windowing/widgets/RadioButton.h"
#include "windowing/widgets/Slider.h"
#include "windowing/widgets/TestSkins.h"
#include "windowing/widgets/TextField.h"

namespace {

using s::gui::IBox;
using s::gui::drawer::ISkin;
using s::gui::drawer::Skinner;
using s::gui::win::Box;
using s::gui::win::Button;
using s::gui::win::CheckBox;
using s::gui::win::GroupBox;
using s::gui::win::Label;
using s::gui::win::ProgressBar;
using s::gui::win::RadioButton;
using s::gui::win::Slider;
using s::gui::win::TextField;
using testing_support::ScreenImage;

const DWORD kBoundMillis = 5000;

// The controls of one window, as a dialog lays them out.
struct Gallery {
    Button* apply = nullptr;
    Button* toggle = nullptr;
    Button* grip = nullptr;
    CheckBox* check = nullptr;
    GroupBox* group = nullptr;
    RadioButton* radios[3] = {};
    Slider* slider = nullptr;
    ProgressBar* progress = nullptr;
    TextField* field = nullptr;
};

class SkinnedControlsTest : public testing_support::ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        skinner_ = Skinner::New();
        ASSERT_NE(nullptr, skinner_);
        skinner_->SetDrawerType(L"ThinWindow");
        ASSERT_TRUE(testing_support::AddSkin(skinner_, testing_support::kFirst));
        ASSERT_TRUE(testing_support::AddSkin(skinner_, testing_support::kSecond));
        skinner_->SelectSkinAt(0);
        window_->SetClientWidth(360);
        window_->SetClientHeight(330);
    }

    void TearDown() override
    {
        window_.reset();
        if (skinner_) {
            EXPECT_EQ(0u, skinner_->GetListenerCount()) << "a listener outlived its widget";
            skinner_->ReleaseToPool();
        }
    }

    void Build(Gallery* gallery)
    {
        Box* column = Box::Create(IBox::kColumn, 100, 100, 0, 0, 0, 0, 0, 0);
        ASSERT_NE(nullptr, column);
        column->SetMargins(8);
        column->SetVGap(6);
        window_->AddChild(column);

        Box* buttons = Box::Create(IBox::kRow, 100, -1, 0, 0, 0, 0, 0, 0);
        ASSERT_NE(nullptr, buttons);
        buttons->SetHGap(6);
        gallery->apply = Button::New();
        gallery->toggle = Button::New();
        gallery->grip = Button::New();
        ASSERT_NE(nullptr, gallery->grip);
        gallery->apply->SetCaption(L"Apply");
        gallery->toggle->SetCaption(L"Pinned");
        gallery->toggle->SetToggleMode(true, true, false, false);
        gallery->toggle->SetChecked(true);
        gallery->grip->SetCaption(Button::kResizerCaption);
        gallery->grip->SetFixedSize(16, 16);
        buttons->AddChild(gallery->apply);
        buttons->AddChild(gallery->toggle);
        buttons->AddChild(gallery->grip);
        column->AddChild(buttons);

        gallery->check = CheckBox::New();
        ASSERT_NE(nullptr, gallery->check);
        gallery->check->SetCaption(L"Keep on top & visible");
        gallery->check->SetChecked(true);
        column->AddChild(gallery->check);

        gallery->group = GroupBox::CreateWithBox(L"Refresh", 100, IBox::kColumn, 0, 2);
        ASSERT_NE(nullptr, gallery->group);
        column->AddChild(gallery->group);
        const wchar_t* choices[] = {L"Every second", L"Every 5 seconds", L"Every minute"};
        for (int i = 0; i < 3; ++i) {
            gallery->radios[i] = RadioButton::New();
            ASSERT_NE(nullptr, gallery->radios[i]);
            gallery->radios[i]->SetCaption(choices[i]);
            gallery->group->AddChild(gallery->radios[i]);
        }
        gallery->radios[1]->SetChecked(true, false);

        gallery->slider = Slider::Create(100, -1);
        ASSERT_NE(nullptr, gallery->slider);
        gallery->slider->SetPosition(70);
        gallery->slider->SetFixedHeight(24);
        column->AddChild(gallery->slider);

        gallery->progress = ProgressBar::New();
        ASSERT_NE(nullptr, gallery->progress);
        gallery->progress->SetWidthPercent(100);
        gallery->progress->SetFixedHeight(16);
        gallery->progress->SetPosition(40);
        column->AddChild(gallery->progress);

        gallery->field = TextField::New();
        ASSERT_NE(nullptr, gallery->field);
        gallery->field->SetText(L"Black Black", false);
        gallery->field->SetMinWidth(160);
        column->AddChild(gallery->field);
    }

    // Shows the window and saves what the display shows of it once the controls have painted:
    // the progress bar, the last but one, shows its bar beside its empty part.
    void Look(const wchar_t* name, HWND progress)
    {
        Show();
        ScreenImage image;
        EXPECT_TRUE(testing_support::WaitUntil(
            [&] {
                RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                if (!testing_support::CaptureWindow(frame_, &image))
                    return false;
                RECT bar = {};
                RECT outer = {};
                GetWindowRect(progress, &bar);
                GetWindowRect(frame_, &outer);
                const int32_t y = (bar.top + bar.bottom) / 2 - outer.top;
                const COLORREF filled = image.At(bar.left - outer.left + 4, y);
                const COLORREF empty = image.At(bar.right - outer.left - 4, y);
                return filled != CLR_INVALID && empty != CLR_INVALID && filled != empty;
            },
            kBoundMillis))
            << "the progress bar painted";
        EXPECT_FALSE(testing_support::SaveScreenshot(image, name).empty());
    }

    ISkin* SkinAt(uint32_t index) { return skinner_->GetSkinAt(index); }

    void ExpectDrawersOf(ISkin* skin, const Gallery& gallery)
    {
        EXPECT_EQ(skin->GetButtonDrawer(), gallery.apply->GetDrawer());
        EXPECT_EQ(skin->GetCheckBoxDrawer(), gallery.check->GetDrawer());
        EXPECT_EQ(skin->GetGroupBoxDrawer(), gallery.group->GetDrawer());
        EXPECT_EQ(skin->GetSliderDrawer(), gallery.slider->GetDrawer());
        for (RadioButton* radio : gallery.radios)
            EXPECT_EQ(skin->GetRadioButtonDrawer(), radio->GetDrawer());
    }

    Skinner* skinner_ = nullptr;
};

TEST_F(SkinnedControlsTest, ControlsTakeTheSkinsDrawersAndFollowEachChange)
{
    const uint32_t before = skinner_->GetListenerCount();
    window_->SetSkinner(skinner_);
    Gallery gallery;
    ASSERT_NO_FATAL_FAILURE(Build(&gallery));
    ExpectDrawersOf(SkinAt(0), gallery);
    Look(L"WidgetsSkinned", gallery.progress->GetSafeHwnd());

    skinner_->SelectSkinAt(1);
    ExpectDrawersOf(SkinAt(1), gallery);
    Look(L"WidgetsSkinnedSecond", gallery.progress->GetSafeHwnd());

    // Their native windows gone, the controls keep nothing of the skin.
    gallery.slider->CreateWindowIn(nullptr);
    EXPECT_EQ(nullptr, gallery.slider->GetDrawer());
    window_.reset();
    EXPECT_EQ(before, skinner_->GetListenerCount());
}

TEST_F(SkinnedControlsTest, WithoutAManagerTheSystemPaintsTheControls)
{
    Gallery gallery;
    ASSERT_NO_FATAL_FAILURE(Build(&gallery));
    EXPECT_EQ(nullptr, gallery.apply->GetDrawer());
    EXPECT_EQ(nullptr, gallery.check->GetDrawer());
    EXPECT_EQ(nullptr, gallery.slider->GetDrawer());
    EXPECT_NE(nullptr, gallery.group->GetDrawer()) << "the group box's own";
    Look(L"WidgetsNative", gallery.progress->GetSafeHwnd());
    // Every control stands inside the window.
    RECT client = {};
    GetWindowRect(frame_, &client);
    for (HWND control : {gallery.apply->GetSafeHwnd(), gallery.field->GetSafeHwnd(), gallery.progress->GetSafeHwnd()}) {
        RECT place = {};
        GetWindowRect(control, &place);
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_LE(place.bottom, client.bottom);
        EXPECT_LE(place.right, client.right);
    }
}

} // namespace
