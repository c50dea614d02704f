#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

#include "images/win/BufferedImage.h"

namespace images_test {

struct ImageReleaser {
    void operator()(s::image::win::BufferedImage* image) const
    {
        if (image)
            image->ReleaseToPool();
    }
};
using ImagePtr = std::unique_ptr<s::image::win::BufferedImage, ImageReleaser>;

inline ImagePtr MakeImage(int32_t width, int32_t height)
{
    return ImagePtr(s::image::win::NewBufferedImage(width, height));
}

// Every logical pixel of the image set to one value.
inline void Fill(s::image::IImageBuffer* image, uint32_t pixel)
{
    for (int32_t y = 0; y < image->GetHeight(); ++y) {
        uint32_t* row = image->GetRow(y);
        for (int32_t x = 0; x < image->GetWidth(); ++x)
            row[x] = pixel;
    }
}

// A value telling each logical position apart, so that a moved row shows.
inline uint32_t Marker(int32_t x, int32_t y)
{
    return 0xFF000000u | static_cast<uint32_t>(y) << 12 | static_cast<uint32_t>(x);
}

inline void FillMarkers(s::image::IImageBuffer* image)
{
    for (int32_t y = 0; y < image->GetHeight(); ++y) {
        uint32_t* row = image->GetRow(y);
        for (int32_t x = 0; x < image->GetWidth(); ++x)
            row[x] = Marker(x, y);
    }
}

// A screen-compatible memory context over a 32-bit DIB section of its own, for reading back
// what was drawn. Pixel (x, y) counted from the top.
class Canvas {
public:
    Canvas(int32_t width, int32_t height, uint32_t fill) : width_(width), height_(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<uint32_t*>(bits);
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, bitmap_);
        for (int32_t i = 0; i < width * height; ++i)
            bits_[i] = fill;
    }
    ~Canvas()
    {
        if (dc_) {
            SelectObject(dc_, previous_);
            DeleteDC(dc_);
        }
        DeleteObject(bitmap_);
    }
    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    // Gives the context away (a printer stand-in deletes it); the pixels stay readable.
    HDC DetachDc()
    {
        HDC dc = dc_;
        dc_ = nullptr;
        return dc;
    }
    uint32_t At(int32_t x, int32_t y) const
    {
        GdiFlush();
        return bits_[y * width_ + x];
    }

private:
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    int32_t width_;
    int32_t height_;
    HBITMAP bitmap_;
    uint32_t* bits_;
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace images_test
