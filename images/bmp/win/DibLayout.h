#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace image {
namespace bmp {
namespace win {

// The most colour-table entries a DIB holds; files asking for more are refused.
const int32_t kMaxColorTableEntries = 256;
const WORD kBitmapType = 0x4D42; // "BM"
const DWORD kHeadersSize = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
// Every size field of the headers is 32 bits: no DIB may hold more bytes than they can count.
const int64_t kMaxImageBytes = 0x7FFFFFFF - 0x10000;

// Table entries of a DIB: the used-colour count when set, else the full table of 1, 4 and 8 bits.
inline int64_t DibColorCount(const BITMAPINFOHEADER& header)
{
    if (header.biClrUsed != 0)
        return header.biClrUsed;
    switch (header.biBitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

// Bytes per row, padded to whole 32-bit words; in 64 bits so that no width wraps it.
inline int64_t DibStride(int64_t width, int64_t bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) >> 3) & ~int64_t{3};
}

} // namespace win
} // namespace bmp
} // namespace image
} // namespace s
