#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "mfc/DC.h"

namespace testing_support {

// A 32-bit top-down DIB section selected into a memory device context: drawers paint into it
// headless and the test reads the pixels back as GDI colours.
class Canvas {
public:
    Canvas(int32_t width, int32_t height, COLORREF background = RGB(0x20, 0x40, 0x60))
        : width_(width), height_(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<uint32_t*>(bits);
        dc.Attach(CreateCompatibleDC(nullptr));
        previous_ = SelectObject(dc, bitmap_);
        Clear(background);
    }
    ~Canvas()
    {
        SelectObject(dc, previous_);
        DeleteDC(dc.Detach());
        DeleteObject(bitmap_);
    }

    bool IsReady() const { return bits_ != nullptr && dc.GetSafeHdc() != nullptr; }

    void Clear(COLORREF color)
    {
        GdiFlush();
        const uint32_t word = (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
        for (int32_t i = 0; i < width_ * height_; ++i)
            bits_[i] = word;
    }

    // The pixel as a GDI colour; CLR_INVALID outside.
    COLORREF At(int32_t x, int32_t y) const
    {
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            return CLR_INVALID;
        GdiFlush();
        const uint32_t word = bits_[y * width_ + x];
        return RGB((word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF);
    }

    std::vector<COLORREF> Pixels() const
    {
        std::vector<COLORREF> pixels;
        for (int32_t y = 0; y < height_; ++y)
            for (int32_t x = 0; x < width_; ++x)
                pixels.push_back(At(x, y));
        return pixels;
    }

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }

    CDC dc;

private:
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int32_t width_;
    int32_t height_;
    HBITMAP bitmap_ = nullptr;
    uint32_t* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

} // namespace testing_support
