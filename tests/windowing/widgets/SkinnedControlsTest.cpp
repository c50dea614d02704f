// Every control of the dialogs in one window, with a skin manager and without: the skin's
// drawers taken when the native windows are made and replaced at each change of skin, the
// manager left when the window goes, screenshots of both looks, and what the skin paints of a
// checked toggle button and of a drawn slider, read from the screen.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>

#include <gtest/gtest.h>

#include "skins/ISkin.h"
#include "skins/Skinner.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"
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

// The pixels of one colour in an area of a capture, and the columns they span.
struct Ink {
    int32_t count = 0;
    int32_t left = INT32_MAX;
    int32_t right = -1;
};

Ink InkOf(const ScreenImage& image, const RECT& area, COLORREF color)
{
    Ink ink;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            if (image.At(x, y) == color) {
                ++ink.count;
                ink.left = std::min<int32_t>(ink.left, x - area.left);
                ink.right = std::max<int32_t>(ink.right, x - area.left);
            }
        }
    }
    return ink;
}

// A component of the colour times the border drawer's factor, as it shades a raised thumb.
COLORREF Shade(COLORREF color, double factor)
{
    auto scale = [factor](int32_t component) { return std::min(255, static_cast<int32_t>(component * factor)); };
    return RGB(scale(GetRValue(color)), scale(GetGValue(color)), scale(GetBValue(color)));
}

// A text field shows as an edit box: its frame above its white inside, where no text runs.
bool FieldShows(const ScreenImage& image, const RECT& field)
{
    const int32_t middle = (field.top + field.bottom) / 2;
    const COLORREF inside = image.At(field.right - 4, middle);
    const COLORREF frame = image.At(field.right - 4, field.top);
    return inside == GetSysColor(COLOR_WINDOW) && frame != CLR_INVALID && frame != inside &&
           frame != image.At(field.right - 4, field.top - 1);
}

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
    // the progress bar, the last but one, shows its bar beside its empty part, and the text
    // field, the last, its box.
    void Look(const wchar_t* name, const Gallery& gallery)
    {
        Show();
        ScreenImage image;
        EXPECT_TRUE(testing_support::WaitUntil(
            [&] {
                RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
                if (!testing_support::CaptureWindow(frame_, &image))
                    return false;
                const RECT bar = PlaceInFrame(gallery.progress->GetSafeHwnd(), frame_);
                const int32_t y = (bar.top + bar.bottom) / 2;
                const COLORREF filled = image.At(bar.left + 4, y);
                const COLORREF empty = image.At(bar.right - 4, y);
                return filled != CLR_INVALID && empty != CLR_INVALID && filled != empty &&
                       FieldShows(image, PlaceInFrame(gallery.field->GetSafeHwnd(), frame_));
            },
            kBoundMillis))
            << "the progress bar and the text field painted";
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
    Look(L"WidgetsSkinned", gallery);

    skinner_->SelectSkinAt(1);
    ExpectDrawersOf(SkinAt(1), gallery);
    Look(L"WidgetsSkinnedSecond", gallery);

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
    Look(L"WidgetsNative", gallery);
    // The window painted again alone, as a change of its own asks, leaves its controls shown:
    // its background goes around them, not over them.
    const std::function<void()> redraw = [&] { window_->Redraw(); };
    ::SendMessageW(frame_, s::gui::msg::kRunOnOwnThread, reinterpret_cast<WPARAM>(&redraw), s::gui::win::ProcessKey());
    ScreenImage after;
    ASSERT_TRUE(testing_support::CaptureWindow(frame_, &after));
    EXPECT_TRUE(FieldShows(after, PlaceInFrame(gallery.field->GetSafeHwnd(), frame_)));
    EXPECT_GT(InkOf(after, PlaceInFrame(gallery.field->GetSafeHwnd(), frame_), RGB(0, 0, 0)).count, 20)
        << "the field's text";
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

TEST_F(SkinnedControlsTest, ACheckedToggleButtonShowsItsWholeCaptionOverTheDownFace)
{
    window_->SetSkinner(skinner_);
    Box* row = Box::Create(IBox::kRow, 100, -1, 0, 0, 0, 0, 0, 0);
    ASSERT_NE(nullptr, row);
    row->SetMargins(8);
    row->SetHGap(8);
    window_->AddChild(row);
    Button* buttons[2] = {};
    for (Button*& button : buttons) {
        button = Button::New();
        ASSERT_NE(nullptr, button);
        button->SetCaption(L"Pinned");
        button->SetToggleMode(true, true, false, false);
        row->AddChild(button);
    }
    buttons[1]->SetChecked(true);
    Show();

    // The same caption in the same font: the checked one in the checked colour over the down
    // face, as many pixels and as wide as the resting one's in the text colour.
    const testing_support::SkinLook& look = testing_support::kFirst;
    Ink resting;
    Ink checked;
    int32_t face = 0;
    ScreenImage image;
    testing_support::WaitUntil(
        [&] {
            if (!testing_support::CaptureWindow(frame_, &image))
                return false;
            resting = InkOf(image, PlaceInFrame(buttons[0]->GetSafeHwnd(), frame_), look.text);
            const RECT down = PlaceInFrame(buttons[1]->GetSafeHwnd(), frame_);
            checked = InkOf(image, down, look.listHeaderFont);
            face = InkOf(image, down, look.listHeaderBg).count;
            return resting.count > 20 && checked.count == resting.count;
        },
        kBoundMillis);
    testing_support::SaveScreenshot(image, L"WidgetsCheckedToggle");
    EXPECT_GT(resting.count, 20) << "the resting caption";
    EXPECT_EQ(resting.count, checked.count) << "the checked caption whole, in its own colour";
    EXPECT_EQ(resting.right - resting.left, checked.right - checked.left) << "no ellipsis";
    EXPECT_GT(face, checked.count) << "the down face";
}

TEST_F(SkinnedControlsTest, ADrawnSliderShowsItsRaisedThumbAtItsPosition)
{
    window_->SetSkinner(skinner_);
    Slider* slider = Slider::Create(100, -1);
    ASSERT_NE(nullptr, slider);
    slider->SetPosition(70);
    slider->SetFixedHeight(24);
    Box* column = Box::Create(IBox::kColumn, 100, 100, 0, 0, 0, 0, 0, 0);
    ASSERT_NE(nullptr, column);
    column->SetMargins(8);
    window_->AddChild(column);
    column->AddChild(slider);
    Show();

    // The thumb is lit on its top and left edges and shaded on its right, across the sunken
    // channel drawn in the plain colour.
    const COLORREF frame = testing_support::kFirst.compFg;
    ScreenImage image;
    RECT place = {};
    int32_t thumb = 0;
    const auto seen = [&] {
        return image.At(place.left + thumb + 4, place.top) == Shade(frame, 1.15) &&
               image.At(place.left + thumb, place.top + 8) == Shade(frame, 1.05) &&
               image.At(place.left + thumb + 9, place.top + 8) == Shade(frame, 0.7) &&
               image.At(place.left + thumb / 2, place.top) == frame;
    };
    testing_support::WaitUntil(
        [&] {
            if (!testing_support::CaptureWindow(frame_, &image))
                return false;
            place = PlaceInFrame(slider->GetSafeHwnd(), frame_);
            thumb = (place.right - place.left - 10) * 70 / 100;
            return seen();
        },
        kBoundMillis);
    testing_support::SaveScreenshot(image, L"WidgetsDrawnSlider");
    EXPECT_TRUE(seen()) << "the thumb at " << thumb << " of a slider " << place.right - place.left << " wide";
}

} // namespace
