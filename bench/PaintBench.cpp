// Times one widget paint as the toolkit does it (an image from the pool at a label's size, a
// MemDC over it, a fill, one BitBlt to a window, release) against the same fill and BitBlt through
// one kept memory context; and a back buffer following a creeping size by the capacity rule
// against a new DIB section for every size.
#include "BenchClock.h"

#include <windows.h>

#include <cstdio>

#include "images/ImageCapacity.h"
#include "images/win/BufferedImage.h"
#include "windowing/paint/MemDC.h"

using s::gui::win::MemDC;
using s::image::win::BufferedImage;

namespace {

const int kPaints = 5000;
const int kLabelWidth = 120;
const int kLabelHeight = 18;
const int kCreepSteps = 400;
const int kCreepStart = 100;
const int kCreepHeight = 200;
const COLORREF kFill = RGB(0x30, 0x60, 0x90);

void Report(const char* what, double ours, double baseline)
{
    std::printf("%-58s %8.2f ms, baseline %8.2f ms, ratio %.2f\n", what, ours * 1e3, baseline * 1e3,
                ours / baseline);
}

HWND MakeWindow()
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"PulsegridPaintBench";
    RegisterClassExW(&windowClass);
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"bench", WS_POPUP | WS_VISIBLE, 50,
                                  50, kLabelWidth, kLabelHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    return window;
}

void WidgetPaint(HWND window)
{
    const RECT area = {0, 0, kLabelWidth, kLabelHeight};
    HDC windowDc = GetDC(window);
    CDC screen;
    screen.Attach(windowDc);
    const double ours = Best([&] {
        for (int i = 0; i < kPaints; ++i) {
            BufferedImage* image = s::image::win::NewBufferedImage(kLabelWidth, kLabelHeight);
            MemDC* memory = MemDC::Create(nullptr, image, true);
            memory->FillSolidRect(area, kFill);
            screen.BitBlt(0, 0, kLabelWidth, kLabelHeight, memory, 0, 0, SRCCOPY);
            memory->ReleaseToPool();
        }
        GdiFlush();
    });
    BufferedImage* kept = s::image::win::NewBufferedImage(kLabelWidth, kLabelHeight);
    MemDC* keptDc = MemDC::Create(nullptr, kept, true);
    const double baseline = Best([&] {
        for (int i = 0; i < kPaints; ++i) {
            keptDc->FillSolidRect(area, kFill);
            screen.BitBlt(0, 0, kLabelWidth, kLabelHeight, keptDc, 0, 0, SRCCOPY);
        }
        GdiFlush();
    });
    // The same with the image kept, as a widget keeps its back buffer: what the MemDC alone costs.
    BufferedImage* back = s::image::win::NewBufferedImage(kLabelWidth, kLabelHeight);
    const double keptImage = Best([&] {
        for (int i = 0; i < kPaints; ++i) {
            MemDC* memory = MemDC::Create(nullptr, back, false);
            memory->FillSolidRect(area, kFill);
            screen.BitBlt(0, 0, kLabelWidth, kLabelHeight, memory, 0, 0, SRCCOPY);
            memory->ReleaseToPool();
        }
        GdiFlush();
    });
    back->ReleaseToPool();
    keptDc->ReleaseToPool();
    screen.Detach();
    ReleaseDC(window, windowDc);
    Report("widget paint: pooled image + MemDC per paint vs kept context", ours, baseline);
    Report("widget paint: MemDC per paint over a kept image vs kept context", keptImage, baseline);
}

void CreepingBackBuffer()
{
    BufferedImage* image = BufferedImage::New();
    const double ours = Best([&] {
        image->Reset();
        for (int i = 0; i < kCreepSteps; ++i)
            s::image::FitImageSize(image, kCreepStart + i, kCreepHeight, false);
    });
    const double baseline = Best([&] {
        for (int i = 0; i < kCreepSteps; ++i)
            image->Create(kCreepStart + i, kCreepHeight);
    });
    image->ReleaseToPool();
    Report("creeping back buffer: capacity rule vs new DIB each size", ours, baseline);
}

} // namespace

int main()
{
    HWND window = MakeWindow();
    if (!window) {
        std::printf("no window could be made\n");
        return 1;
    }
    WidgetPaint(window);
    CreepingBackBuffer();
    DestroyWindow(window);
    return 0;
}
