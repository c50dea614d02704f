#include "images/bmp/win/Bitmap.h"

#include <cstring>

#include "images/bmp/win/DibLayout.h"

namespace s {
namespace image {
namespace bmp {
namespace win {

namespace {

// Pixel bytes without the row padding, as the info header counts them.
int64_t ImageBytes(int64_t pixels, int32_t bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 32:
        return pixels * 4;
    case 24:
        return pixels * 3;
    case 16:
        return pixels * 2;
    case 4:
        return (pixels + 1) / 2;
    case 1:
        return (pixels + 7) / 8;
    default:
        return pixels;
    }
}

} // namespace

Bitmap::Bitmap()
    : handle_(nullptr), bits_(nullptr), stride_(0), colorCount_(0), colorTableSize_(0), transparentColor_(-1)
{
    std::memset(&info_, 0, sizeof(info_));
    Reset();
}

Bitmap::~Bitmap()
{
    DeleteDib();
}

thread::EasyPooler* Bitmap::GetPool()
{
    return &thread::PoolOf<Bitmap>();
}

Bitmap* Bitmap::New()
{
    return thread::TakeFromPool<Bitmap>();
}

const wchar_t* Bitmap::GetClassName()
{
    return kClassName;
}

base::IObject* Bitmap::NewInstance()
{
    return New();
}

void Bitmap::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Bitmap::Reset()
{
    DeleteDib();
    if (colorCount_ != 0)
        std::memset(info_.colors, 0, sizeof(info_.colors));
    BITMAPINFOHEADER& header = info_.header;
    std::memset(&header, 0, sizeof(header));
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    stride_ = 0;
    colorCount_ = 0;
    colorTableSize_ = 0;
    std::memset(&record_, 0, sizeof(record_));
    transparentColor_ = kNoTransparentColor;
    std::memset(&fileHeader_, 0, sizeof(fileHeader_));
    fileHeader_.bfType = kBitmapType;
    fileHeader_.bfOffBits = kHeadersSize;
    fileHeader_.bfSize = kHeadersSize;
}

int32_t Bitmap::GetWidth()
{
    return info_.header.biWidth;
}

int32_t Bitmap::GetHeight()
{
    return info_.header.biHeight;
}

void Bitmap::DeleteDib()
{
    if (handle_)
        DeleteObject(handle_);
    handle_ = nullptr;
    bits_ = nullptr;
}

void Bitmap::ForgetSize()
{
    info_.header.biWidth = 0;
    info_.header.biHeight = 0;
    info_.header.biSizeImage = 0;
    stride_ = 0;
}

HBITMAP Bitmap::CreateDib(int32_t width, int32_t height, int32_t bitsPerPixel)
{
    DeleteDib();
    BITMAPINFOHEADER& header = info_.header;
    // Sizes in 64 bits: a width and height whose byte count does not fit the headers are refused,
    // never wrapped into a small section that later writes would overrun.
    const int64_t stride =
        width > 0 && bitsPerPixel > 0 ? DibStride(width, bitsPerPixel) : 0;
    if (width <= 0 || height <= 0 || bitsPerPixel <= 0 || bitsPerPixel > 32 || stride * height > kMaxImageBytes) {
        ForgetSize();
        return nullptr;
    }
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bitsPerPixel);
    header.biCompression = BI_RGB;
    header.biXPelsPerMeter = 0;
    header.biYPelsPerMeter = 0;
    header.biSizeImage = static_cast<DWORD>(ImageBytes(int64_t(width) * height, bitsPerPixel));
    header.biClrUsed = bitsPerPixel <= 8 ? (1u << bitsPerPixel) : 0;
    header.biClrImportant = header.biClrUsed;
    if (colorCount_ != 0)
        std::memset(info_.colors, 0, sizeof(info_.colors));
    stride_ = static_cast<int32_t>(stride);
    colorCount_ = static_cast<int32_t>(DibColorCount(header));
    colorTableSize_ = 4 * colorCount_;
    fileHeader_.bfType = kBitmapType;
    fileHeader_.bfReserved1 = 0;
    fileHeader_.bfReserved2 = 0;
    fileHeader_.bfOffBits = kHeadersSize + colorTableSize_;
    fileHeader_.bfSize = static_cast<DWORD>(stride * height) + kHeadersSize + colorTableSize_;

    void* bits = nullptr;
    handle_ = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info_), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle_ || !bits) {
        DeleteDib();
        ForgetSize();
        return nullptr;
    }
    bits_ = static_cast<uint8_t*>(bits);
    return handle_;
}

uint8_t* Bitmap::GetRow(int32_t y)
{
    const int32_t height = info_.header.biHeight;
    if (!bits_ || y < 0 || y >= height)
        return nullptr;
    return bits_ + static_cast<size_t>(height - 1 - y) * static_cast<size_t>(stride_);
}

void Bitmap::SetTransparentColor(int32_t red, int32_t green, int32_t blue)
{
    transparentColor_ = (red & 0xFF) << 16 | (green & 0xFF) << 8 | (blue & 0xFF);
}

} // namespace win
} // namespace bmp
} // namespace image
} // namespace s
