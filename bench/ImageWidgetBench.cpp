// The image widget on a display (xvfb-run): an animated 256 x 256 set played for 1,000 frames, and
// a sequence of 1,000 sizes painted one after another, each against BitBlt of a same-size image
// in the same run. The resize sequence must reuse the widget's back image, not make one per paint.
#include "BenchClock.h"
#include "BenchWindow.h"

#include <cstdint>
#include <cstdio>

#include "images/win/BufferedImage.h"
#include "images/win/BufferedImageSet.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/Image.h"

using s::gui::win::Box;
using s::gui::win::Image;
using s::gui::win::Window;
using s::image::win::BufferedImage;
using s::image::win::BufferedImageSet;

namespace {

const int32_t kSide = 256;
const int32_t kFrames = 1000;
const int32_t kSetFrames = 8;
const int32_t kSizes = 1000;
const int32_t kFrameDelay = 40;

int64_t benchNow = 0;
int64_t BenchClock()
{
    return benchNow;
}

BufferedImageSet* AnimatedSet()
{
    BufferedImageSet* set = BufferedImageSet::New();
    for (int32_t f = 0; f < kSetFrames; ++f) {
        BufferedImage* frame = s::image::win::NewBufferedImage(kSide, kSide);
        for (int32_t y = 0; y < kSide; ++y) {
            uint32_t* row = frame->GetRow(y);
            for (int32_t x = 0; x < kSide; ++x)
                row[x] = 0xFF000000u | uint32_t((x + f * 32) & 0xFF) << 16 | uint32_t(y & 0xFF) << 8 | uint32_t(f * 30);
        }
        set->AddImage(frame, 32, kFrameDelay, 0);
    }
    set->SetAnimation(true, 0);
    return set;
}

// One BitBlt of width x height from a memory context to the window, repeated.
double BlitSeconds(HWND window, const int32_t* widths, const int32_t* heights, int32_t count)
{
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 600, 600);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const double seconds = Best([&] {
        for (int32_t i = 0; i < count; ++i)
            BitBlt(screen, 0, 0, widths[i], heights[i], memory, 0, 0, SRCCOPY);
    });
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return seconds;
}

} // namespace

int main()
{
    Window* window = NewShownWindow(20, 20, 640, 640);
    if (!window)
        return 1;
    Box* row = Box::Create(0, 100, 100, 0, 0, 0, 0, 0, 0);
    window->AddChild(row);
    Image* image = Image::New();
    row->AddChild(image);
    Image::SetClock(BenchClock);
    image->SetImageSet(AnimatedSet(), true, false, true, false, -1, -1);
    row->RequestLayout();
    image->StartAnimation();
    HWND widget = image->GetSafeHwnd();

    // Every step is due at once; each repaints the widget.
    const double frames = Best([&] {
        for (int32_t i = 0; i < kFrames; ++i) {
            benchNow += kFrameDelay;
            image->StepFrame(benchNow);
        }
    });
    image->StopAnimation(true);
    static int32_t sideWidths[kFrames];
    static int32_t sideHeights[kFrames];
    for (int32_t i = 0; i < kFrames; ++i)
        sideWidths[i] = sideHeights[i] = kSide;
    const double frameBlits = BlitSeconds(widget, sideWidths, sideHeights, kFrames);
    std::printf("animated %dx%d frame through the widget: %.2f us, one BitBlt of its size: %.2f us, ratio %.1f\n",
                kSide, kSide, frames / kFrames * 1e6, frameBlits / kFrames * 1e6, frames / frameBlits);

    // Sizes that go up and down across the window; stretched, so each paint scales the picture.
    static int32_t widths[kSizes];
    static int32_t heights[kSizes];
    for (int32_t i = 0; i < kSizes; ++i) {
        widths[i] = 60 + (i * 37) % 540;
        heights[i] = 40 + (i * 53) % 560;
    }
    image->SetImageSet(AnimatedSet(), true, true, false, false, -1, -1);
    int32_t grown = 0;
    const double resizes = Best([&] {
        for (int32_t i = 0; i < kSizes; ++i) {
            BufferedImage* before = image->GetBackImage();
            const int32_t capacity = before ? before->GetCapacityWidth() * 10000 + before->GetCapacityHeight() : 0;
            image->SetSize(widths[i], heights[i]);
            RedrawWindow(widget, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            BufferedImage* after = image->GetBackImage();
            if (after != before || after->GetCapacityWidth() * 10000 + after->GetCapacityHeight() != capacity)
                ++grown;
        }
    });
    const double sizeBlits = BlitSeconds(widget, widths, heights, kSizes);
    std::printf("resize sequence of %d sizes: %.2f us per paint, BitBlt of the same sizes: %.2f us, ratio %.1f; "
                "back image grown %d times in %d paints\n",
                kSizes, resizes / kSizes * 1e6, sizeBlits / kSizes * 1e6, resizes / sizeBlits, grown, kSizes * 5);
    window->ReleaseToPool();
    Image::SetClock(nullptr);
    // A back image per paint would be a fault of the widget.
    return grown * 10 < kSizes ? 0 : 1;
}
