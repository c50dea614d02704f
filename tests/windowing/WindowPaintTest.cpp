// The window's back buffer replaced, kept or grown; painting through a drawer of the tests' own
// with the children left out; the drawer's region set after a size change; screenshots as GIF.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "images/codecs/gif/win/Gif.h"
#include "images/win/BufferedImage.h"
#include "storage/file/Pooled.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/ShownWindow.h"
#include "windowing/TestWindowDrawer.h"
#include "windowing/box/Box.h"

namespace {

using s::gui::IBox;
using s::gui::win::Box;
using testing_support::ShownWindowTest;
using testing_support::TestWindowDrawer;

struct BufferCase {
    const char* name;
    int32_t width;
    int32_t height;
    // What the buffer must be afterwards, and whether it is the same image as before.
    int32_t bufferWidth;
    int32_t bufferHeight;
    bool same;
};

class WindowPaintTest : public ShownWindowTest {};

TEST_F(WindowPaintTest, TheBackBufferIsReplacedKeptOrGrown)
{
    // Each case starts from a buffer of 1,000 x 1,000.
    const BufferCase cases[] = {
        {"64 % of the area: an exact buffer", 800, 800, 800, 800, false},
        {"81 %: kept", 900, 900, 1000, 1000, true},
        {"1,100 x 500 is 55 %: the area rule gives an exact buffer before any growth", 1100, 500, 1100, 500, false},
        {"108 %, wider: the width grows by 1.2, the height is kept", 1200, 900, 1200, 1000, true},
        {"taller and wider: both sides grow", 1001, 1300, 1200, 1440, true},
    };
    for (const BufferCase& c : cases) {
        // A buffer of 2,000 x 2,000 or more, then a rectangle of a quarter of its area, gives an
        // exact 1,000 x 1,000.
        ASSERT_TRUE(window_->EnsureBackBuffer(RECT{0, 0, 2000, 2000}));
        ASSERT_TRUE(window_->EnsureBackBuffer(RECT{0, 0, 1000, 1000}));
        s::image::win::BufferedImage* before = window_->GetBackBuffer(nullptr, nullptr);
        ASSERT_EQ(1000, before->GetWidth()) << c.name;
        ASSERT_EQ(1000, before->GetHeight()) << c.name;
        ASSERT_TRUE(window_->EnsureBackBuffer(RECT{5, 5, 5 + c.width, 5 + c.height})) << c.name;
        s::image::win::BufferedImage* after = window_->GetBackBuffer(nullptr, nullptr);
        EXPECT_EQ(c.bufferWidth, after->GetWidth()) << c.name;
        EXPECT_EQ(c.bufferHeight, after->GetHeight()) << c.name;
        if (c.same) {
            EXPECT_EQ(before, after) << c.name;
        }
    }
    EXPECT_FALSE(window_->EnsureBackBuffer(RECT{0, 0, 0, 10})) << "an empty rectangle";
}

TEST_F(WindowPaintTest, TheDrawerPaintsAndShapesTheWindowTheChildrenLeftOut)
{
    TestWindowDrawer drawer(RGB(30, 160, 90));
    window_->SetDrawer(&drawer);
    window_->SetSize(300, 220);
    EXPECT_GT(drawer.regions, 0);
    EXPECT_EQ(0, drawer.lastRegionRect.left);
    EXPECT_EQ(299, drawer.lastRegionRect.right) << "right and bottom inclusive";
    EXPECT_EQ(219, drawer.lastRegionRect.bottom);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(COMPLEXREGION, GetWindowRgn(frame_, region)) << "rounded corners";
    DeleteObject(region);

    Box* child = Box::Create(IBox::kColumn, -1, -1, 0, 0, 0, 0, 0, 0);
    child->SetWidthPixels(60, false);
    child->SetHeightPixels(40, false);
    child->SetBackgroundColor(200, 40, 40, false);
    window_->AddChild(child);
    Show();
    window_->Redraw();
    EXPECT_GT(drawer.frames, 0);

    POINT origin = {0, 0};
    ClientToScreen(frame_, &origin);
    RECT window;
    GetWindowRect(frame_, &window);
    const int32_t dx = origin.x - window.left;
    const int32_t dy = origin.y - window.top;
    // The window's thread paints in its own time.
    testing_support::ScreenImage image;
    testing_support::WaitUntil(
        [&] {
            return testing_support::CaptureWindow(frame_, &image) &&
                   image.At(dx + 150, dy + 100) == RGB(30, 160, 90) && image.At(dx + 20, dy + 20) == RGB(200, 40, 40);
        },
        5000);
    testing_support::SaveScreenshot(image, L"WindowPaintedByDrawer");
    EXPECT_EQ(RGB(30, 160, 90), image.At(dx + 150, dy + 100)) << "the client area";
    EXPECT_EQ(RGB(200, 40, 40), image.At(dx + 20, dy + 20)) << "the child's own colour, not the drawer's";
    EXPECT_EQ(RGB(30, 160, 90), image.At(window.right - window.left - 20, 3)) << "the frame through the drawer";

    // A change of activation, as when a dialog the window owns comes and goes, leaves the
    // drawer's frame: the system draws none of its own over it.
    EXPECT_EQ(1, SendMessageW(frame_, WM_NCACTIVATE, FALSE, 0));
    EXPECT_EQ(1, SendMessageW(frame_, WM_NCACTIVATE, TRUE, 0));
    ASSERT_TRUE(testing_support::CaptureWindow(frame_, &image));
    EXPECT_EQ(RGB(30, 160, 90), image.At(window.right - window.left - 20, 3)) << "the frame after activation";
    EXPECT_EQ(RGB(30, 160, 90), image.At(window.right - window.left - 20, 1)) << "the frame's edge after activation";
    // The caller gets no region back: the window owns the one it was given.
    window_->SetDrawer(nullptr);
}

// The skin draws the whole frame inside the window: with a drawer the system keeps no frame of its
// own around the client area, without one its frame comes back.
TEST_F(WindowPaintTest, WithADrawerTheWholeWindowIsClientArea)
{
    const auto sizes = [this](SIZE* outer, SIZE* inner) {
        RECT window;
        RECT client;
        GetWindowRect(frame_, &window);
        GetClientRect(frame_, &client);
        *outer = SIZE{window.right - window.left, window.bottom - window.top};
        *inner = SIZE{client.right, client.bottom};
    };
    window_->SetCaptionBar(true);
    window_->SetSize(300, 220);
    SIZE outer;
    SIZE plain;
    sizes(&outer, &plain);
    ASSERT_LT(plain.cy, outer.cy) << "a window with the system's caption";

    TestWindowDrawer drawer(RGB(30, 160, 90));
    window_->SetDrawer(&drawer);
    SIZE skinned;
    sizes(&outer, &skinned);
    EXPECT_EQ(outer.cx, skinned.cx);
    EXPECT_EQ(outer.cy, skinned.cy);

    window_->SetDrawer(nullptr);
    SIZE back;
    sizes(&outer, &back);
    EXPECT_EQ(plain.cx, back.cx);
    EXPECT_EQ(plain.cy, back.cy);
}

TEST_F(WindowPaintTest, AScreenshotGifReplacesTheFileAndReadsBack)
{
    Show();
    const std::wstring path = testing_support::ScreenshotFolder() + L"\\window-screenshot.gif";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, "old", 3, &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(window_->SaveScreenshotGif(path.c_str()));
    s::file::Pooled<s::image::gif::win::Gif> gif;
    ASSERT_TRUE(gif->LoadFromPath(path.c_str()));
    RECT window;
    GetWindowRect(frame_, &window);
    EXPECT_EQ(window.right - window.left, gif->GetWidth());
    EXPECT_EQ(window.bottom - window.top, gif->GetHeight());
    auto* picture = static_cast<s::image::win::BufferedImage*>(gif->ToBufferedImage(0, nullptr));
    ASSERT_NE(nullptr, picture);
    // Flattened onto white: nothing in it is transparent.
    EXPECT_FALSE(picture->HasAlpha());
    const std::wstring png = testing_support::ScreenshotFolder() + L"\\WindowScreenshotGifReadBack.png";
    DeleteFileW(png.c_str());
    picture->SaveAsPng(png.c_str(), false, false, 255, 255, 255);
    picture->ReleaseToPool();
    EXPECT_FALSE(window_->SaveScreenshotGif(L""));
    DeleteFileW(path.c_str());
}

} // namespace
