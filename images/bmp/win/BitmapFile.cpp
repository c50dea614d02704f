// The BMP file form of the bitmap: the file header, the packed DIB, and reading both back.
#include <cstring>

#include "core/io/IInputStream.h"
#include "core/io/IOutputStream.h"
#include "core/io/StreamCopy.h"
#include "images/bmp/win/Bitmap.h"
#include "images/bmp/win/DibLayout.h"
#include "images/codecs/DecodeLimits.h"

namespace s {
namespace image {
namespace bmp {
namespace win {

namespace {

const uint32_t kInfoHeaderSize = sizeof(BITMAPINFOHEADER);
// The longest header Windows defines is 124 bytes; anything far beyond is not a bitmap.
const uint32_t kMaxHeaderSize = 1024;
// Red, green and blue masks of a bit-field DIB, in the table's first three places.
const uint32_t kMaskBytes = 12;

bool IsKnownLayout(const BITMAPINFOHEADER& header)
{
    switch (header.biCompression) {
    case BI_RGB:
        return header.biBitCount == 1 || header.biBitCount == 4 || header.biBitCount == 8 || header.biBitCount == 16 ||
               header.biBitCount == 24 || header.biBitCount == 32;
    case BI_BITFIELDS:
        return header.biBitCount == 16 || header.biBitCount == 32;
    default:
        // Run-length and embedded JPEG or PNG pixels are not read.
        return false;
    }
}

bool SkipForward(io::IInputStream* in, uint64_t distance)
{
    if (distance == 0)
        return true;
    const uint64_t target = in->GetPosition() + distance;
    return in->SeekForward(distance) && in->GetPosition() == target;
}

} // namespace

bool Bitmap::Encode(io::IOutputStream* out)
{
    if (!out || !bits_)
        return false;
    return io::WriteAll(out, &fileHeader_, sizeof(fileHeader_)) && WritePackedDib(out);
}

bool Bitmap::WritePackedDib(io::IOutputStream* out)
{
    if (!out || !bits_)
        return false;
    if (!io::WriteAll(out, &info_.header, kInfoHeaderSize))
        return false;
    if (colorTableSize_ != 0 && !io::WriteAll(out, info_.colors, static_cast<uint32_t>(colorTableSize_)))
        return false;
    return io::WriteAll(out, bits_, static_cast<uint32_t>(int64_t(stride_) * GetHeight()));
}

bool Bitmap::Decode(io::IInputStream* in)
{
    DeleteDib();
    ForgetSize();
    if (!in)
        return false;
    const uint64_t start = in->GetPosition();
    BITMAPFILEHEADER fileHeader;
    // An offset of 0 would point at the file header itself.
    if (!io::ReadAll(in, &fileHeader, sizeof(fileHeader)) || fileHeader.bfOffBits == 0 ||
        !ReadDib(in, start, fileHeader.bfOffBits)) {
        Reset();
        return false;
    }
    return true;
}

bool Bitmap::ReadPackedDib(io::IInputStream* in)
{
    DeleteDib();
    ForgetSize();
    if (!in || !ReadDib(in, 0, 0)) {
        Reset();
        return false;
    }
    return true;
}

bool Bitmap::ReadDib(io::IInputStream* in, uint64_t start, uint32_t pixelOffset)
{
    BITMAPINFOHEADER header;
    if (!io::ReadAll(in, &header, kInfoHeaderSize))
        return false;
    // Core headers (12 bytes) and top-down rows are not this holder's layout.
    if (header.biSize < kInfoHeaderSize || header.biSize > kMaxHeaderSize || header.biPlanes != 1 ||
        !IsKnownLayout(header) || !IsDecodableSize(header.biWidth, header.biHeight))
        return false;
    const bool bitFields = header.biCompression == BI_BITFIELDS;
    const int64_t listed = DibColorCount(header);
    if (listed > kMaxColorTableEntries)
        return false;
    std::memset(info_.colors, 0, sizeof(info_.colors));
    // The masks of a bit-field DIB sit in the longer headers, or follow the 40-byte one.
    uint32_t extra = header.biSize - kInfoHeaderSize;
    bool masksRead = false;
    if (bitFields && extra >= kMaskBytes) {
        if (!io::ReadAll(in, info_.colors, kMaskBytes))
            return false;
        extra -= kMaskBytes;
        masksRead = true;
    }
    if (!SkipForward(in, extra))
        return false;
    if (bitFields && !masksRead && !io::ReadAll(in, info_.colors, kMaskBytes))
        return false;
    // Above 8 bits a listed table only suggests a palette; the pixels need none.
    const uint32_t tableEntries = header.biBitCount <= 8 ? static_cast<uint32_t>(listed) : 0;
    if (tableEntries != 0 && !io::ReadAll(in, info_.colors, tableEntries * 4))
        return false;
    if (pixelOffset != 0) {
        const uint64_t position = in->GetPosition();
        if (start + pixelOffset < position || !SkipForward(in, start + pixelOffset - position))
            return false;
    } else if (header.biBitCount > 8 && !SkipForward(in, uint64_t(listed) * 4)) {
        return false;
    }
    header.biSize = kInfoHeaderSize;
    if (header.biBitCount > 8)
        header.biClrUsed = 0;
    info_.header = header;
    colorCount_ = bitFields ? 3 : static_cast<int32_t>(tableEntries);
    colorTableSize_ = bitFields ? static_cast<int32_t>(kMaskBytes) : colorCount_ * 4;
    if (!MakeDibFromHeader())
        return false;
    DeriveFileHeader();
    return io::ReadAll(in, bits_, static_cast<uint32_t>(int64_t(stride_) * GetHeight()));
}

bool Bitmap::MakeDibFromHeader()
{
    const int64_t stride = DibStride(info_.header.biWidth, info_.header.biBitCount);
    if (stride * info_.header.biHeight > kMaxImageBytes)
        return false;
    void* bits = nullptr;
    handle_ = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info_), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle_ || !bits) {
        DeleteDib();
        return false;
    }
    bits_ = static_cast<uint8_t*>(bits);
    stride_ = static_cast<int32_t>(stride);
    return true;
}

// The file header of what Encode writes: the pixels right behind the 40-byte header and table.
void Bitmap::DeriveFileHeader()
{
    fileHeader_.bfType = kBitmapType;
    fileHeader_.bfReserved1 = 0;
    fileHeader_.bfReserved2 = 0;
    fileHeader_.bfOffBits = kHeadersSize + static_cast<DWORD>(colorTableSize_);
    fileHeader_.bfSize = static_cast<DWORD>(int64_t(stride_) * GetHeight()) + kHeadersSize +
                         static_cast<DWORD>(colorTableSize_);
}

} // namespace win
} // namespace bmp
} // namespace image
} // namespace s
