#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// Pixels read from the display, top row first.
struct ScreenImage {
    int32_t width = 0;
    int32_t height = 0;
    // One 0x00RRGGBB word per pixel.
    std::vector<uint32_t> pixels;

    // The pixel as a GDI colour, for comparison with what was painted; CLR_INVALID outside.
    COLORREF At(int32_t x, int32_t y) const;
};

// What the display shows in an area of the virtual screen, of the whole virtual screen, or
// where a window lies (the window must be shown and not covered).
bool CaptureScreenArea(const RECT& area, ScreenImage* image);
bool CaptureScreen(ScreenImage* image);
bool CaptureWindow(HWND window, ScreenImage* image);

// The folder "screenshots" beside the test program, in the build folder; made when missing.
std::wstring ScreenshotFolder();

// Writes the image as "<name>.png" in the screenshot folder; the full path, empty on failure.
std::wstring SaveScreenshot(const ScreenImage& image, const wchar_t* name);

} // namespace testing_support
