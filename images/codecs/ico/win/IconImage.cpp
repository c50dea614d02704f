#include "images/codecs/ico/win/IconImage.h"

#include <cstring>

#include "core/io/IInputStream.h"
#include "core/io/IOutputStream.h"
#include "core/io/StreamCopy.h"
#include "images/AlphaOperations.h"
#include "images/Composition.h"
#include "images/IBufferedImage.h"
#include "images/Transforms.h"
#include "images/bmp/win/Bitmap.h"
#include "images/bmp/win/DibLayout.h"
#include "images/codecs/DecodeLimits.h"
#include "images/codecs/FlattenedImage.h"
#include "images/codecs/png/win/Png.h"
#include "images/filters/reduction/Quantizer.h"
#include "images/win/BufferedImage.h"
#include "storage/file/Pooled.h"

namespace s {
namespace image {
namespace ico {
namespace win {

namespace {

using bmp::win::DibColorCount;
using bmp::win::DibStride;
using image::win::BufferedImage;

const uint8_t kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
const uint32_t kInfoHeaderSize = sizeof(BITMAPINFOHEADER);
const uint32_t kMaxHeaderSize = 1024;
const DWORD kIconFormatVersion = 0x00030000;
// Alpha below it is transparent in a palette entry made from an image that keeps transparency.
const int32_t kPaletteAlphaThreshold = 32;

bool IsIconDepth(int32_t bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

BufferedImage* ThresholdedCopy(IImageBuffer* image)
{
    auto* copy = dynamic_cast<BufferedImage*>(CopyImage(image, nullptr));
    if (copy)
        ApplyAlphaThreshold(copy, kPaletteAlphaThreshold);
    return copy;
}

} // namespace

IconImage::IconImage() : picture_(bmp::win::Bitmap::New()), andStride_(0) {}

IconImage::~IconImage()
{
    delete picture_;
}

thread::EasyPooler* IconImage::GetPool()
{
    return &thread::PoolOf<IconImage>();
}

IconImage* IconImage::New()
{
    return thread::TakeFromPool<IconImage>();
}

const wchar_t* IconImage::GetClassName()
{
    return kClassName;
}

base::IObject* IconImage::NewInstance()
{
    return New();
}

void IconImage::ReleaseToPool()
{
    GetPool()->Give(this);
}

void IconImage::Reset()
{
    if (picture_)
        picture_->Reset();
    raw_.FreeAll();
    std::vector<uint8_t>().swap(mask_);
    andStride_ = 0;
}

int32_t IconImage::GetWidth()
{
    return picture_ ? picture_->GetWidth() : 0;
}

int32_t IconImage::GetHeight()
{
    return picture_ ? picture_->GetHeight() : 0;
}

int32_t IconImage::GetBitCount()
{
    return picture_ ? picture_->GetBitCount() : 0;
}

bool IconImage::HasColorTable()
{
    return picture_ && picture_->HasColorTable();
}

int32_t IconImage::GetColorCount()
{
    return picture_ ? picture_->GetColorCount() : 0;
}

int32_t IconImage::GetColorTableSize()
{
    return picture_ ? picture_->GetColorTableSize() : 0;
}

uint8_t* IconImage::GetXorRow(int32_t y)
{
    return picture_ ? picture_->GetRow(y) : nullptr;
}

uint8_t* IconImage::GetXorBits()
{
    return picture_ ? picture_->GetBits() : nullptr;
}

int32_t IconImage::GetXorStride()
{
    return picture_ ? picture_->GetStride() : 0;
}

uint8_t* IconImage::GetAndRow(int32_t y)
{
    const int32_t height = GetHeight();
    if (mask_.empty() || y < 0 || y >= height)
        return nullptr;
    return mask_.data() + static_cast<size_t>(height - 1 - y) * static_cast<size_t>(andStride_);
}

bool IconImage::CreateDib(int32_t width, int32_t height, int32_t bitsPerPixel)
{
    std::vector<uint8_t>().swap(mask_);
    andStride_ = 0;
    if (!picture_ || !IsIconDepth(bitsPerPixel) || !picture_->CreateDib(width, height, bitsPerPixel))
        return false;
    andStride_ = static_cast<int32_t>(DibStride(width, 1));
    mask_.assign(static_cast<size_t>(andStride_) * static_cast<size_t>(height), 0);
    return true;
}

bool IconImage::CopyTo(HBITMAP target)
{
    return picture_ && picture_->CopyTo(target);
}

bool IconImage::Decode(io::IInputStream* in)
{
    Reset();
    if (!in)
        return false;
    raw_.SetCount(0);
    io::CopyStream(in, &raw_);
    raw_.SeekToStart();
    const bool png = raw_.GetCount() >= sizeof(kPngSignature) &&
                     std::memcmp(raw_.GetData(), kPngSignature, sizeof(kPngSignature)) == 0;
    const bool decoded = png ? DecodePng() : DecodeDib();
    if (!decoded) {
        Reset();
        return false;
    }
    raw_.SeekToStart();
    return true;
}

bool IconImage::DecodePng()
{
    file::Pooled<png::win::Png> png;
    if (!png || !png->Decode(&raw_))
        return false;
    file::Pooled<BufferedImage> image(dynamic_cast<BufferedImage*>(png->ToBufferedImage(0, nullptr)));
    return image && ConvertFrom(image.get(), 32, true, 255, 255, 255);
}

bool IconImage::DecodeDib()
{
    BITMAPINFOHEADER header;
    if (!io::ReadAll(&raw_, &header, kInfoHeaderSize))
        return false;
    // The stored height counts the colour rows and the mask rows.
    const int32_t height = header.biHeight / 2;
    const int64_t listed = DibColorCount(header);
    if (header.biSize < kInfoHeaderSize || header.biSize > kMaxHeaderSize || header.biPlanes != 1 ||
        header.biCompression != BI_RGB || !IsIconDepth(header.biBitCount) || header.biHeight < 0 ||
        !IsDecodableSize(header.biWidth, height) || listed > bmp::win::kMaxColorTableEntries)
        return false;
    const uint32_t entries = header.biBitCount <= 8 ? static_cast<uint32_t>(listed) : 0;
    // Extra header bytes, and a palette a deep picture does not need, are passed over.
    const uint64_t skipped = (header.biSize - kInfoHeaderSize) + (header.biBitCount > 8 ? uint64_t(listed) * 4 : 0);
    if (raw_.GetPosition() + skipped > raw_.GetCount() || !raw_.SeekForward(skipped))
        return false;
    if (!CreateDib(header.biWidth, height, header.biBitCount))
        return false;
    if (entries != 0 && !io::ReadAll(&raw_, picture_->GetColorTable(), entries * 4))
        return false;
    if (!io::ReadAll(&raw_, picture_->GetBits(), static_cast<uint32_t>(int64_t(GetXorStride()) * height)))
        return false;
    // A 32-bit picture carries its own alpha: a missing mask leaves it fully drawn.
    return io::ReadAll(&raw_, mask_.data(), static_cast<uint32_t>(mask_.size())) || Is32Bit();
}

bool IconImage::Encode(io::IOutputStream* out)
{
    if (!out || !GetXorBits())
        return false;
    if (GetWidth() > kMaxDibSide || GetHeight() > kMaxDibSide)
        return EncodePng(out);
    return EncodeDib(out);
}

bool IconImage::EncodePng(io::IOutputStream* out)
{
    file::Pooled<BufferedImage> image(dynamic_cast<BufferedImage*>(ToBufferedImage(0, nullptr)));
    file::Pooled<png::win::Png> png;
    return image && png && png->ConvertFrom(image.get(), false, true, 255, 255, 255) && png->Encode(out);
}

bool IconImage::EncodeDib(io::IOutputStream* out)
{
    const int32_t bits = GetBitCount();
    BITMAPINFOHEADER header = {};
    header.biSize = kInfoHeaderSize;
    header.biWidth = GetWidth();
    header.biHeight = GetHeight() * 2;
    header.biPlanes = 1;
    header.biBitCount = static_cast<WORD>(bits);
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(int64_t(GetWidth()) * GetHeight());
    header.biClrUsed = bits <= 8 ? 1u << bits : 0;
    header.biClrImportant = header.biClrUsed;
    const uint32_t tableBytes = header.biClrUsed * 4;
    return io::WriteAll(out, &header, kInfoHeaderSize) &&
           (tableBytes == 0 || io::WriteAll(out, picture_->GetColorTable(), tableBytes)) &&
           io::WriteAll(out, GetXorBits(), static_cast<uint32_t>(int64_t(GetXorStride()) * GetHeight())) &&
           io::WriteAll(out, mask_.data(), static_cast<uint32_t>(mask_.size()));
}

HICON IconImage::CreateIcon()
{
    if (!GetXorBits())
        return nullptr;
    if (raw_.GetCount() == 0) {
        if (!EncodeDib(&raw_)) {
            raw_.SetCount(0);
            return nullptr;
        }
        raw_.SeekToStart();
    }
    auto* bytes = static_cast<PBYTE>(raw_.GetData());
    HICON icon = CreateIconFromResourceEx(bytes, raw_.GetCount(), TRUE, kIconFormatVersion, GetWidth(), GetHeight(), 0);
    if (icon || GetBitCount() == 16)
        return icon;
    return CreateIconFromResource(bytes, raw_.GetCount(), TRUE, kIconFormatVersion);
}

IBufferedImage* IconImage::ToBufferedImage(int32_t, IBufferedImage* target)
{
    if (!GetXorBits())
        return nullptr;
    IBufferedImage* image = picture_->ToBufferedImage(0, target);
    if (!image)
        return nullptr;
    if (Is32Bit()) {
        // A 32-bit picture with any alpha byte set is drawn by its alpha alone.
        for (int32_t y = 0; y < GetHeight(); ++y) {
            const uint8_t* row = GetXorRow(y);
            for (int32_t x = 0; x < GetWidth(); ++x) {
                if (row[x * 4 + 3] != 0)
                    return image;
            }
        }
    }
    MakeOpaque(image);
    ApplyMask(image);
    return image;
}

void IconImage::ApplyMask(IBufferedImage* image)
{
    bool any = false;
    for (int32_t y = 0; y < GetHeight() && !mask_.empty(); ++y) {
        const uint8_t* bits = GetAndRow(y);
        uint32_t* row = image->GetRow(y);
        for (int32_t x = 0; x < GetWidth(); ++x) {
            if (bits[x >> 3] & (0x80 >> (x & 7))) {
                row[x] &= 0x00FFFFFFu;
                any = true;
            }
        }
    }
    image->SetHasAlpha(any);
}

bool IconImage::ConvertFrom(IBufferedImage* image, int32_t bitsPerPixel, bool keepTransparency, int32_t red,
                            int32_t green, int32_t blue)
{
    raw_.SetCount(0);
    if (!image || (bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 32)) {
        Reset();
        return false;
    }
    IImageBuffer* source = image;
    BufferedImage* made = nullptr;
    if (image->HasAlpha() && keepTransparency) {
        if (bitsPerPixel != 32)
            source = made = ThresholdedCopy(image);
    } else if (image->HasAlpha() || bitsPerPixel != 32) {
        // The quantizer leaves out pixels that are not opaque: palette pictures start opaque.
        source = made = NewFlattenedImage(image, red, green, blue);
    }
    file::Pooled<BufferedImage> held(made);
    if (!source || !CreateDib(source->GetWidth(), source->GetHeight(), bitsPerPixel)) {
        Reset();
        return false;
    }
    const int32_t width = GetWidth();
    const int32_t height = GetHeight();
    const bool alpha = source->HasAlpha();
    if (bitsPerPixel == 32) {
        for (int32_t y = 0; y < height; ++y) {
            std::memcpy(GetXorRow(y), source->GetRow(y), static_cast<size_t>(width) * 4);
            if (!alpha) {
                for (int32_t x = 0; x < width; ++x)
                    GetXorRow(y)[x * 4 + 3] = 0xFF;
            }
        }
    } else {
        file::Pooled<filters::reduction::Quantizer> quantizer;
        quantizer->Reduce(source, (1 << bitsPerPixel) - 1, 8);
        std::memcpy(picture_->GetColorTable(), quantizer->GetPalette(), static_cast<size_t>(4) << bitsPerPixel);
        for (int32_t y = 0; y < height; ++y)
            quantizer->MapToPalette(source->GetRow(y), width, GetXorRow(y), bitsPerPixel);
    }
    if (alpha) {
        for (int32_t y = 0; y < height; ++y) {
            const uint32_t* row = source->GetRow(y);
            uint8_t* bits = GetAndRow(y);
            for (int32_t x = 0; x < width; ++x) {
                if (row[x] < 0x01000000u)
                    bits[x >> 3] |= static_cast<uint8_t>(0x80 >> (x & 7));
            }
        }
    }
    return true;
}

} // namespace win
} // namespace ico
} // namespace image
} // namespace s
