// The memory device context over an image: what it gives back, what it leaves, and painting
// through it into a shown window.
#include <windows.h>

#include <gtest/gtest.h>

#include "images/win/BufferedImage.h"
#include "support/Screenshot.h"
#include "support/Wait.h"
#include "windowing/paint/MemDC.h"
#include "windowing/paint/PaintWindow.h"

namespace {

using s::gui::win::MemDC;
using s::image::win::BufferedImage;

const COLORREF kWindowColour = RGB(0x20, 0x20, 0x20);
const COLORREF kPainted = RGB(0xE0, 0x60, 0x10);
const COLORREF kBand = RGB(0x10, 0x90, 0xD0);
const DWORD kBoundMillis = 10000;

// Whether the bitmap is free to be selected elsewhere: a bitmap lives in one context at a time.
bool BitmapIsFree(HBITMAP bitmap)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    const bool free = previous != nullptr;
    if (free)
        SelectObject(dc, previous);
    DeleteDC(dc);
    return free;
}

TEST(MemDC, AnOwnedImageGoesBackToItsPoolWhenReleased)
{
    BufferedImage* image = s::image::win::NewBufferedImage(8, 8);
    ASSERT_NE(nullptr, image);
    const uint32_t idle = BufferedImage::GetPool()->GetIdleCount();
    MemDC* memory = MemDC::Create(nullptr, image, true);
    ASSERT_NE(nullptr, memory);
    EXPECT_STREQ(L"s_gui_win_MemDC", memory->GetClassName());
    EXPECT_EQ(image, memory->GetImage());
    EXPECT_TRUE(memory->OwnsImage());
    EXPECT_FALSE(BitmapIsFree(image->GetBitmapHandle()));
    memory->ReleaseToPool();
    EXPECT_EQ(idle + 1, BufferedImage::GetPool()->GetIdleCount());
    // The pool keeps no MemDC.
    EXPECT_EQ(0u, MemDC::GetPool()->GetIdleCount());
}

TEST(MemDC, AForeignImageIsLeftWithItsSelectionUndone)
{
    BufferedImage* image = s::image::win::NewBufferedImage(8, 8);
    ASSERT_NE(nullptr, image);
    const uint32_t idle = BufferedImage::GetPool()->GetIdleCount();
    MemDC* memory = MemDC::Create(nullptr, image, false);
    ASSERT_NE(nullptr, memory);
    EXPECT_FALSE(memory->OwnsImage());
    memory->ReleaseToPool();
    EXPECT_EQ(idle, BufferedImage::GetPool()->GetIdleCount());
    EXPECT_NE(nullptr, image->GetBits());
    EXPECT_TRUE(BitmapIsFree(image->GetBitmapHandle()));
    image->ReleaseToPool();

    MemDC* bare = MemDC::Create(nullptr, nullptr, true);
    ASSERT_NE(nullptr, bare);
    EXPECT_FALSE(bare->OwnsImage());
    EXPECT_NE(nullptr, bare->GetSafeHdc());
    bare->ReleaseToPool();
}

TEST(MemDC, PaintingThroughItReachesAShownWindowInOneTransfer)
{
    const int kWidth = 160;
    const int kHeight = 90;
    paint_test::PaintWindow window(120, 140, kWidth, kHeight, kWindowColour);
    ASSERT_NE(nullptr, window.Get());

    // A widget's paint: an image of the client size from the pool, a MemDC over it, fills, one BitBlt.
    BufferedImage* image = s::image::win::NewBufferedImage(kWidth, kHeight);
    ASSERT_NE(nullptr, image);
    HDC windowDc = GetDC(window.Get());
    ASSERT_NE(nullptr, windowDc);
    CWnd* noWindow = nullptr;
    MemDC* memory = MemDC::Create(noWindow, image, true);
    ASSERT_NE(nullptr, memory);
    memory->FillSolidRect(RECT{0, 0, kWidth, kHeight}, kPainted);
    memory->FillSolidRect(RECT{20, 30, 140, 60}, kBand);
    CDC screen;
    screen.Attach(windowDc);
    EXPECT_TRUE(screen.BitBlt(0, 0, kWidth, kHeight, memory, 0, 0, SRCCOPY));
    // The image's pixels belong to the MemDC until it is released: the image cannot draw itself.
    EXPECT_FALSE(image->Draw(&screen, 0, 0, kWidth, kHeight, false));
    screen.Detach();
    ReleaseDC(window.Get(), windowDc);
    memory->ReleaseToPool();
    GdiFlush();

    // The display shows the window's surface once the system has passed it on.
    testing_support::ScreenImage shot;
    EXPECT_TRUE(testing_support::WaitUntil(
        [&] {
            paint_test::PaintWindow::Pump();
            return testing_support::CaptureWindow(window.Get(), &shot) && shot.At(80, 45) == kBand;
        },
        kBoundMillis));
    EXPECT_FALSE(testing_support::SaveScreenshot(shot, L"memdc-paint").empty());
    EXPECT_EQ(kPainted, shot.At(5, 5));
    EXPECT_EQ(kBand, shot.At(80, 45));
    EXPECT_EQ(kPainted, shot.At(kWidth - 1, kHeight - 1));
}

} // namespace
