// The bitmap filled from GDI objects and copied into them.
#include <cstring>

#include "images/bmp/win/Bitmap.h"
#include "images/win/BitmapDc.h"

namespace s {
namespace image {
namespace bmp {
namespace win {

namespace {

using image::win::BitmapDc;

// An icon's transparent parts keep this colour when it has no alpha of its own.
const int32_t kMarkerRed = 254;
const int32_t kMarkerGreen = 253;
const int32_t kMarkerBlue = 252;
const int32_t kDefaultIconSide = 16;

int32_t DibDepthFor(int32_t bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return bitsPerPixel;
    default:
        return 32;
    }
}

// Deletes the icon's two bitmaps that GetIconInfo hands over.
struct IconBitmaps {
    ICONINFO info = {};
    ~IconBitmaps()
    {
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
    }
};

} // namespace

HBITMAP Bitmap::FromBitmapHandle(HBITMAP source)
{
    std::memset(&record_, 0, sizeof(record_));
    if (!source || !GetObjectW(source, sizeof(record_), &record_)) {
        Reset();
        return nullptr;
    }
    if (!CreateDib(record_.bmWidth, record_.bmHeight, DibDepthFor(record_.bmBitsPixel * record_.bmPlanes)))
        return nullptr;
    // GetDIBits converts device-dependent bitmaps and DIB sections of either row order alike, and
    // fills the colour table of a palette depth.
    // GetDIBits writes its own image size into the header it is given; ours stays.
    const BITMAPINFOHEADER header = info_.header;
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, source, 0, static_cast<UINT>(GetHeight()), bits_,
                               reinterpret_cast<BITMAPINFO*>(&info_), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    info_.header = header;
    if (rows != GetHeight()) {
        Reset();
        return nullptr;
    }
    ApplyColorTable();
    return handle_;
}

void Bitmap::ApplyColorTable()
{
    if (!HasColorTable() || GetBitCount() > 8 || !handle_)
        return;
    BitmapDc memory(handle_);
    if (memory.IsReady())
        SetDIBColorTable(memory.GetSafeHdc(), 0, static_cast<UINT>(colorCount_), info_.colors);
}

HBITMAP Bitmap::FromIcon(HICON icon)
{
    IconBitmaps bitmaps;
    if (!icon || !GetIconInfo(icon, &bitmaps.info)) {
        Reset();
        return nullptr;
    }
    BITMAP size = {};
    HBITMAP measured = bitmaps.info.hbmColor ? bitmaps.info.hbmColor : bitmaps.info.hbmMask;
    int32_t width = kDefaultIconSide;
    int32_t height = kDefaultIconSide;
    if (measured && GetObjectW(measured, sizeof(size), &size)) {
        width = size.bmWidth;
        // A mask without colour holds the AND and XOR halves one above the other.
        height = bitmaps.info.hbmColor ? size.bmHeight : size.bmHeight / 2;
    }
    if (width <= 0)
        width = kDefaultIconSide;
    if (height <= 0)
        height = kDefaultIconSide;
    transparentColor_ = kNoTransparentColor;
    if (!CreateDib(width, height, 32))
        return nullptr;
    auto* pixels = reinterpret_cast<uint32_t*>(bits_);
    for (int64_t i = 0, n = int64_t(width) * height; i < n; ++i)
        pixels[i] = 0x00FFFFFFu;
    {
        BitmapDc memory(handle_);
        if (!memory.IsReady() || !DrawIconEx(memory.GetSafeHdc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL)) {
            Reset();
            return nullptr;
        }
    }
    GdiFlush();
    for (int64_t i = 0, n = int64_t(width) * height; i < n; ++i) {
        if (pixels[i] >> 24)
            return handle_;
    }
    // No alpha of its own: drawn again over the marker colour, which then stands for transparency.
    if (!CreateDib(width, height, 24))
        return nullptr;
    BitmapDc memory(handle_);
    HBRUSH marker = CreateSolidBrush(RGB(kMarkerRed, kMarkerGreen, kMarkerBlue));
    RECT all = {0, 0, width, height};
    const bool drawn = memory.IsReady() && marker && FillRect(memory.GetSafeHdc(), &all, marker) &&
                       DrawIconEx(memory.GetSafeHdc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    if (marker)
        DeleteObject(marker);
    if (!drawn) {
        Reset();
        return nullptr;
    }
    GdiFlush();
    SetTransparentColor(kMarkerRed, kMarkerGreen, kMarkerBlue);
    return handle_;
}

bool Bitmap::CopyTo(HBITMAP target)
{
    if (!target || !handle_)
        return false;
    ApplyColorTable();
    BitmapDc to(target);
    BitmapDc from(handle_);
    if (!to.IsReady() || !from.IsReady())
        return false;
    const bool copied =
        BitBlt(to.GetSafeHdc(), 0, 0, GetWidth(), GetHeight(), from.GetSafeHdc(), 0, 0, SRCCOPY) != FALSE;
    GdiFlush();
    return copied;
}

} // namespace win
} // namespace bmp
} // namespace image
} // namespace s
