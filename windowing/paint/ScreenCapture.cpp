#include "windowing/paint/ScreenCapture.h"

#include "images/Composition.h"
#include "images/win/BitmapDc.h"
#include "images/win/BufferedImage.h"

namespace s {
namespace system {
namespace monitor {

namespace {

// The screen's device context, given back when it goes.
class ScreenDc : public CDC {
public:
    ScreenDc() { Attach(GetDC(nullptr)); }
    ~ScreenDc() override
    {
        HDC dc = Detach();
        if (dc)
            ReleaseDC(nullptr, dc);
    }
};

} // namespace

image::win::BufferedImage* CaptureScreenRect(int32_t x, int32_t y, int32_t width, int32_t height)
{
    const int64_t screenLeft = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int64_t screenTop = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int64_t screenRight = screenLeft + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int64_t screenBottom = screenTop + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    // In 64 bits: a far position plus a large size must not wrap back onto the screen.
    int64_t left = x;
    int64_t top = y;
    int64_t right = left + width;
    int64_t bottom = top + height;
    if (left < screenLeft)
        left = screenLeft;
    if (right > screenRight)
        right = screenRight;
    if (top < screenTop)
        top = screenTop;
    if (bottom > screenBottom)
        bottom = screenBottom;
    if (right - left <= 0 || bottom - top <= 0)
        return nullptr;
    const int32_t cutWidth = static_cast<int32_t>(right - left);
    const int32_t cutHeight = static_cast<int32_t>(bottom - top);

    ScreenDc screen;
    if (!screen.GetSafeHdc())
        return nullptr;
    image::win::BufferedImage* image = image::win::NewBufferedImage(cutWidth, cutHeight);
    if (!image)
        return nullptr;
    {
        image::win::BitmapDc memory(image->GetBitmapHandle(), &screen);
        if (!memory.IsReady() || !memory.BitBlt(0, 0, cutWidth, cutHeight, &screen, static_cast<int>(left),
                                                static_cast<int>(top), SRCCOPY)) {
            image->ReleaseToPool();
            return nullptr;
        }
    }
    GdiFlush();
    // The screen has no alpha: what GDI left in those bytes means nothing.
    image::MakeOpaque(image);
    return image;
}

image::win::BufferedImage* CaptureWindow(HWND window)
{
    RECT rect;
    if (!window || !IsWindow(window) || !GetWindowRect(window, &rect))
        return nullptr;
    return CaptureScreenRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

} // namespace monitor
} // namespace system
} // namespace s
