// A window bound to a skin manager: painted with the current skin's window drawer, following each
// new skin told from another thread, and leaving the manager when unbound or released; a window
// without one keeps its background colour.
#include <windows.h>

#include <gtest/gtest.h>

#include "skins/ISkin.h"
#include "skins/Skinner.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/ShownWindow.h"

namespace {

using s::gui::drawer::Skinner;
using testing_support::ShownWindowTest;

// 45 values in builder order: windowBg and windowFg given, every other colour grey.
void SkinValues(COLORREF background, COLORREF foreground, int32_t* values)
{
    for (int32_t i = 0; i < 45; ++i)
        values[i] = 128;
    values[0] = GetRValue(background);
    values[1] = GetGValue(background);
    values[2] = GetBValue(background);
    values[3] = GetRValue(foreground);
    values[4] = GetGValue(foreground);
    values[5] = GetBValue(foreground);
}

const COLORREF kFirstBg = RGB(20, 30, 150);
const COLORREF kFirstFg = RGB(240, 200, 20);
const COLORREF kSecondBg = RGB(180, 40, 60);
const COLORREF kSecondFg = RGB(10, 220, 90);

class WindowSkinTest : public ShownWindowTest {
protected:
    void SetUp() override
    {
        ShownWindowTest::SetUp();
        skinner_ = Skinner::New();
        ASSERT_NE(nullptr, skinner_);
        skinner_->SetDrawerType(L"ThinWindow");
        int32_t values[45];
        SkinValues(kFirstBg, kFirstFg, values);
        ASSERT_TRUE(skinner_->AddSkinFromColors(L"First", values));
        SkinValues(kSecondBg, kSecondFg, values);
        ASSERT_TRUE(skinner_->AddSkinFromColors(L"Second", values));
        skinner_->SelectSkinAt(0);
    }

    void TearDown() override
    {
        // The window goes first: it leaves the manager's listeners on its way.
        window_.reset();
        if (skinner_)
            skinner_->ReleaseToPool();
    }

    s::gui::drawer::IWindow* WindowDrawerAt(uint32_t index)
    {
        return skinner_->GetSkinAt(index)->GetWindowDrawer();
    }

    // Waits until the client centre and the frame's top edge show the colours, and returns
    // whether they did; the picture is saved under the name.
    bool Shows(COLORREF client, COLORREF edge, const wchar_t* name)
    {
        POINT origin = {0, 0};
        ClientToScreen(frame_, &origin);
        RECT window;
        GetWindowRect(frame_, &window);
        const int32_t dx = origin.x - window.left;
        const int32_t dy = origin.y - window.top;
        const int32_t middle = (window.right - window.left) / 2;
        testing_support::ScreenImage image;
        const bool shown = testing_support::WaitUntil(
            [&] {
                return testing_support::CaptureWindow(frame_, &image) && image.At(dx + 150, dy + 100) == client &&
                       image.At(middle, 0) == edge;
            },
            5000);
        testing_support::SaveScreenshot(image, name);
        EXPECT_EQ(client, image.At(dx + 150, dy + 100)) << "the client area";
        EXPECT_EQ(edge, image.At(middle, 0)) << "the frame's top edge";
        return shown;
    }

    Skinner* skinner_ = nullptr;
};

TEST_F(WindowSkinTest, ABoundWindowPaintsWithTheCurrentSkinAndFollowsANewOne)
{
    EXPECT_FALSE(window_->HasSkinner());
    window_->SetSkinner(skinner_);
    EXPECT_TRUE(window_->HasSkinner());
    EXPECT_EQ(skinner_, window_->GetSkinner());
    EXPECT_EQ(WindowDrawerAt(0), window_->GetDrawer());
    Show();
    EXPECT_TRUE(Shows(kFirstBg, kFirstFg, L"WindowSkinFirst"));

    // Told on this thread, taken on the window's own before the selection returns.
    skinner_->SelectSkinAt(1);
    EXPECT_EQ(WindowDrawerAt(1), window_->GetDrawer());
    EXPECT_TRUE(Shows(kSecondBg, kSecondFg, L"WindowSkinSecond"));
}

TEST_F(WindowSkinTest, ARemovedCurrentSkinLeavesTheWindowNoDrawerOnceTold)
{
    window_->SetSkinner(skinner_);
    // The manager clears a removed current skin without telling; the next notification finds
    // no skin and the window falls back to its background colour.
    skinner_->RemoveSkinAt(0);
    skinner_->NotifyListeners();
    EXPECT_EQ(nullptr, window_->GetDrawer());
    skinner_->SelectSkinAt(0);
    EXPECT_EQ(WindowDrawerAt(0), window_->GetDrawer()) << "the remaining skin";
}

TEST_F(WindowSkinTest, AnUnboundWindowNoLongerFollowsTheManager)
{
    window_->SetSkinner(skinner_);
    window_->SetSkinner(nullptr);
    EXPECT_FALSE(window_->HasSkinner());
    EXPECT_EQ(nullptr, window_->GetDrawer()) << "the skin's drawer is not kept";
    skinner_->SelectSkinAt(1);
    EXPECT_EQ(nullptr, window_->GetDrawer());

    window_->SetSkinner(skinner_);
    window_->Reset();
    EXPECT_FALSE(window_->HasSkinner()) << "a window given back leaves the manager";
    skinner_->SelectSkinAt(0);
    EXPECT_EQ(nullptr, window_->GetDrawer());
}

TEST_F(WindowSkinTest, AReleasedWindowIsNeverToldAgain)
{
    window_->SetSkinner(skinner_);
    // The pool keeps no windows: the object is gone, and the manager must not reach it.
    window_.reset();
    skinner_->SelectSkinAt(1);
    skinner_->NotifyListeners();
    s::gui::win::Window* another = s::gui::win::Window::New();
    ASSERT_NE(nullptr, another);
    another->SetSkinner(skinner_);
    EXPECT_EQ(WindowDrawerAt(1), another->GetDrawer());
    another->ReleaseToPool();
    skinner_->SelectSkinAt(0);
}

TEST_F(WindowSkinTest, AWindowWithoutAManagerKeepsItsBackgroundColour)
{
    window_->SetBackgroundColor(60, 120, 60, true);
    skinner_->SelectSkinAt(1);
    EXPECT_EQ(nullptr, window_->GetDrawer());
    Show();
    POINT origin = {0, 0};
    ClientToScreen(frame_, &origin);
    RECT window;
    GetWindowRect(frame_, &window);
    testing_support::ScreenImage image;
    const int32_t x = origin.x - window.left + 150;
    const int32_t y = origin.y - window.top + 100;
    testing_support::WaitUntil(
        [&] { return testing_support::CaptureWindow(frame_, &image) && image.At(x, y) == RGB(60, 120, 60); }, 5000);
    EXPECT_EQ(RGB(60, 120, 60), image.At(x, y));
}

} // namespace
