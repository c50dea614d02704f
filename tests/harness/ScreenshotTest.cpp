// The screenshot helper of the window tests: what the display shows is read back and written
// as a PNG file under the build folder.
#include <windows.h>

#include <cstdio>
#include <vector>

#include <gtest/gtest.h>
#include <png.h>

#include "support/Screenshot.h"
#include "support/TestWindowClass.h"
#include "support/Wait.h"

namespace {

using namespace testing_support;

const wchar_t kClass[] = L"PulsegridScreenshotProbe";
const COLORREF kLeft = RGB(0xD0, 0x20, 0x30);
const COLORREF kRight = RGB(0x10, 0x40, 0xC0);
const int kWidth = 120, kHeight = 70;
const DWORD kPaintBoundMillis = 5000;

LRESULT CALLBACK TwoColourProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT left = {0, 0, kWidth / 2, kHeight};
    RECT right = {kWidth / 2, 0, kWidth, kHeight};
    HBRUSH leftBrush = CreateSolidBrush(kLeft);
    HBRUSH rightBrush = CreateSolidBrush(kRight);
    FillRect(dc, &left, leftBrush);
    FillRect(dc, &right, rightBrush);
    DeleteObject(leftBrush);
    DeleteObject(rightBrush);
    EndPaint(window, &paint);
    return 0;
}

// The width, height and first pixel of a PNG file, read back through libpng.
bool ReadPngHead(const std::wstring& path, png_uint_32* width, png_uint_32* height, png_byte firstPixel[3])
{
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_byte> row;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_read_info(png, info);
    *width = png_get_image_width(png, info);
    *height = png_get_image_height(png, info);
    row.resize(png_get_rowbytes(png, info));
    png_read_row(png, row.data(), nullptr);
    firstPixel[0] = row[0];
    firstPixel[1] = row[1];
    firstPixel[2] = row[2];
    png_destroy_read_struct(&png, &info, nullptr);
    fclose(file);
    return true;
}

TEST(Screenshot, WindowIsCapturedAndSavedAsPng)
{
    ASSERT_TRUE(RegisterTestWindowClass(kClass, &TwoColourProc));
    HWND window = CreateWindowExW(WS_EX_TOPMOST, kClass, L"probe", WS_POPUP | WS_VISIBLE, 200, 150, kWidth, kHeight,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    UpdateWindow(window);

    // The display may show the window a moment after it painted.
    ScreenImage image;
    const bool shown = WaitUntil(
        [&] {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            return CaptureWindow(window, &image) && image.At(10, 10) == kLeft &&
                   image.At(kWidth - 10, kHeight - 10) == kRight;
        },
        kPaintBoundMillis);
    EXPECT_TRUE(shown);
    EXPECT_EQ(kWidth, image.width);
    EXPECT_EQ(kHeight, image.height);
    EXPECT_EQ(CLR_INVALID, image.At(kWidth, 0));

    const std::wstring path = SaveScreenshot(image, L"screenshot-probe");
    ASSERT_FALSE(path.empty());
    EXPECT_NE(std::wstring::npos, path.find(L"\\screenshots\\screenshot-probe.png"));
    png_uint_32 width = 0, height = 0;
    png_byte first[3] = {};
    ASSERT_TRUE(ReadPngHead(path, &width, &height, first));
    EXPECT_EQ(static_cast<png_uint_32>(kWidth), width);
    EXPECT_EQ(static_cast<png_uint_32>(kHeight), height);
    EXPECT_EQ(RGB(first[0], first[1], first[2]), kLeft);

    // The whole display shows the window where it lies.
    ScreenImage screen;
    ASSERT_TRUE(CaptureScreen(&screen));
    EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), screen.width);
    EXPECT_EQ(kRight, screen.At(200 + kWidth - 5, 150 + 5));
    EXPECT_FALSE(SaveScreenshot(screen, L"screenshot-display").empty());
    DestroyWindow(window);
}

TEST(Screenshot, NothingToCaptureOrSaveIsRefused)
{
    ScreenImage image;
    const RECT empty = {10, 10, 10, 20};
    EXPECT_FALSE(CaptureScreenArea(empty, &image));
    EXPECT_FALSE(CaptureWindow(nullptr, &image));
    EXPECT_TRUE(SaveScreenshot(image, L"empty").empty());
}

} // namespace
