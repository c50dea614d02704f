// Screen captures: a window's colour read back opaque, rectangles cut to the virtual screen or refused.
#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include "images/win/BufferedImage.h"
#include "windowing/paint/PaintWindow.h"
#include "windowing/paint/ScreenCapture.h"
#include "windowing/paint/ShiftKey.h"

namespace {

using s::image::win::BufferedImage;

const COLORREF kFill = RGB(0x3C, 0xA0, 0x5A);

struct Releaser {
    void operator()(BufferedImage* image) const
    {
        if (image)
            image->ReleaseToPool();
    }
};

TEST(ScreenCapture, AWindowReadsBackItsColourFullyOpaque)
{
    paint_test::PaintWindow window(400, 300, 70, 50, kFill);
    ASSERT_NE(nullptr, window.Get());
    std::unique_ptr<BufferedImage, Releaser> image(s::system::monitor::CaptureWindow(window.Get()));
    ASSERT_TRUE(image);
    EXPECT_EQ(70, image->GetWidth());
    EXPECT_EQ(50, image->GetHeight());
    EXPECT_FALSE(image->HasAlpha());
    const uint32_t expected = 0xFF000000u | GetRValue(kFill) << 16 | GetGValue(kFill) << 8 | GetBValue(kFill);
    for (int32_t y = 0; y < 50; y += 7) {
        for (int32_t x = 0; x < 70; x += 9)
            ASSERT_EQ(expected, image->GetRow(y)[x]) << x << "," << y;
    }
}

TEST(ScreenCapture, RectanglesAreCutToTheVirtualScreen)
{
    const int32_t left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int32_t top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int32_t width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int32_t height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    struct Case {
        int32_t x, y, w, h;
        int32_t resultWidth, resultHeight;
    };
    const Case cases[] = {
        {left - 40, top + 10, 80, 30, 40, 30},               // half left of the screen
        {left + width - 25, top, 50, 20, 25, 20},            // half right
        {left + 10, top - 15, 20, 30, 20, 15},               // half above
        {left + 10, top + height - 5, 20, 30, 20, 5},        // half below
        {left - 100, top - 100, width + 200, 50, width, 0},  // wholly above: nothing
        {left - 100, top + 10, 60, 20, 0, 0},                // wholly left: nothing
        {left + width, top, 10, 10, 0, 0},                   // starts at the right edge
        {left + 5, top + 5, 0, 10, 0, 0},
        {left + 5, top + 5, 10, -10, 0, 0},
        {INT32_MAX - 10, top, INT32_MAX, 10, 0, 0},          // too far to add up
    };
    for (const Case& c : cases) {
        std::unique_ptr<BufferedImage, Releaser> image(s::system::monitor::CaptureScreenRect(c.x, c.y, c.w, c.h));
        if (c.resultWidth == 0 || c.resultHeight == 0) {
            EXPECT_FALSE(image) << c.x << "," << c.y << " " << c.w << " x " << c.h;
            continue;
        }
        ASSERT_TRUE(image) << c.x << "," << c.y;
        EXPECT_EQ(c.resultWidth, image->GetWidth()) << c.x << "," << c.y;
        EXPECT_EQ(c.resultHeight, image->GetHeight()) << c.x << "," << c.y;
        EXPECT_EQ(0xFFu, image->GetRow(0)[0] >> 24);
    }
}

TEST(ScreenCapture, AHandleThatIsNotAWindowGivesNull)
{
    EXPECT_EQ(nullptr, s::system::monitor::CaptureWindow(nullptr));
    EXPECT_EQ(nullptr, s::system::monitor::CaptureWindow(reinterpret_cast<HWND>(0x7FFF1234)));
    HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, gone);
    DestroyWindow(gone);
    EXPECT_EQ(nullptr, s::system::monitor::CaptureWindow(gone));
}

TEST(ShiftKey, FollowsEitherShiftKey)
{
    EXPECT_FALSE(s::image::IsShiftKeyDown());
    for (BYTE key : {static_cast<BYTE>(VK_LSHIFT), static_cast<BYTE>(VK_RSHIFT)}) {
        INPUT press[2] = {};
        press[0].type = INPUT_KEYBOARD;
        press[0].ki.wVk = key;
        press[1] = press[0];
        press[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ASSERT_EQ(1u, SendInput(1, &press[0], sizeof(INPUT)));
        EXPECT_TRUE(s::image::IsShiftKeyDown()) << int(key);
        ASSERT_EQ(1u, SendInput(1, &press[1], sizeof(INPUT)));
        EXPECT_FALSE(s::image::IsShiftKeyDown()) << int(key);
    }
}

} // namespace
