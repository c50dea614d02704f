#include "images/codecs/png/win/Png.h"

#include <png.h>

#include <csetjmp>
#include <cstdlib>
#include <cstring>

#include "core/io/IInputStream.h"
#include "core/io/IOutputStream.h"
#include "images/IBufferedImage.h"
#include "images/bmp/win/Bitmap.h"
#include "images/codecs/DecodeLimits.h"
#include "images/codecs/EncodeSettingSource.h"
#include "images/codecs/FlattenedImage.h"
#include "images/win/BufferedImage.h"

namespace s {
namespace image {
namespace png {
namespace win {

namespace {

const int kSignatureBytes = 8;

// Errors end the running operation at its recovery point; nothing goes to the error output of a
// program that has none.
void OnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void ReadData(png_structp png, png_bytep data, png_size_t length)
{
    auto* in = static_cast<io::IInputStream*>(png_get_io_ptr(png));
    while (length > 0) {
        uint32_t want = length > 0x10000000 ? 0x10000000u : static_cast<uint32_t>(length);
        uint32_t done = 0;
        if (!in->Read(data, want, &done) || done == 0)
            png_error(png, "read past the end of the data");
        data += done;
        length -= done;
    }
}

void WriteData(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<io::IOutputStream*>(png_get_io_ptr(png));
    while (length > 0) {
        uint32_t want = length > 0x10000000 ? 0x10000000u : static_cast<uint32_t>(length);
        uint32_t done = 0;
        if (!out->Write(data, want, &done) || done == 0)
            png_error(png, "write failed");
        data += done;
        length -= done;
    }
}

void FlushData(png_structp png)
{
    static_cast<io::IOutputStream*>(png_get_io_ptr(png))->Flush();
}

// Blue, green, red, alpha and red, green, blue, alpha differ by the first and third byte.
void SwapRedBlue(bmp::win::Bitmap* bitmap)
{
    const int32_t width = bitmap->GetWidth();
    const int32_t height = bitmap->GetHeight();
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* pixel = bitmap->GetRow(y);
        for (int32_t x = 0; x < width; ++x, pixel += 4) {
            uint8_t first = pixel[0];
            pixel[0] = pixel[2];
            pixel[2] = first;
        }
    }
}

png_bytepp NewRowPointers(bmp::win::Bitmap* bitmap)
{
    const int32_t height = bitmap->GetHeight();
    auto rows = static_cast<png_bytepp>(std::malloc(sizeof(png_bytep) * static_cast<size_t>(height)));
    if (!rows)
        return nullptr;
    for (int32_t y = 0; y < height; ++y)
        rows[y] = bitmap->GetRow(y);
    return rows;
}

} // namespace

Png::Png() : interlace_(false), bitmap_(bmp::win::Bitmap::New()) {}

Png::~Png()
{
    delete bitmap_;
}

thread::EasyPooler* Png::GetPool()
{
    return &thread::PoolOf<Png>();
}

Png* Png::New()
{
    return thread::TakeFromPool<Png>();
}

const wchar_t* Png::GetClassName()
{
    return kClassName;
}

base::IObject* Png::NewInstance()
{
    return New();
}

void Png::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Png::Reset()
{
    if (bitmap_)
        bitmap_->Reset();
    interlace_ = false;
}

int32_t Png::GetWidth()
{
    return bitmap_ ? bitmap_->GetWidth() : 0;
}

int32_t Png::GetHeight()
{
    return bitmap_ ? bitmap_->GetHeight() : 0;
}

IBufferedImage* Png::ToBufferedImage(int32_t, IBufferedImage* target)
{
    return bitmap_ ? bitmap_->ToBufferedImage(0, target) : nullptr;
}

bool Png::CreateDib(int32_t width, int32_t height)
{
    return bitmap_ && bitmap_->CreateDib(width, height, 32) != nullptr;
}

bool Png::Encode(io::IOutputStream* out)
{
    if (!out || !bitmap_ || !bitmap_->GetBits() || bitmap_->GetBitCount() != 32)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    // Locals the recovery point reads after a long jump live in memory, not in registers.
    png_bytepp volatile rows = nullptr;
    volatile bool swapped = false;
    if (setjmp(png_jmpbuf(png))) {
        if (swapped)
            SwapRedBlue(bitmap_);
        std::free(rows);
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, WriteData, FlushData);
    png_set_IHDR(png, info, static_cast<png_uint_32>(GetWidth()), static_cast<png_uint_32>(GetHeight()), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, interlace_ ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    rows = NewRowPointers(bitmap_);
    if (!rows)
        png_error(png, "out of memory");
    SwapRedBlue(bitmap_);
    swapped = true;
    png_write_image(png, rows);
    SwapRedBlue(bitmap_);
    swapped = false;
    png_write_end(png, info);
    std::free(rows);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool Png::Decode(io::IInputStream* in)
{
    if (!in || !bitmap_)
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    png_bytepp volatile rows = nullptr;
    volatile bool created = false;
    if (setjmp(png_jmpbuf(png))) {
        std::free(rows);
        png_destroy_read_struct(&png, &info, nullptr);
        // Half a picture is no picture: the codec is left empty.
        if (created)
            bitmap_->Reset();
        return false;
    }
    png_set_read_fn(png, in, ReadData);
    png_set_user_limits(png, 0x7FFFFFFF, 0x7FFFFFFF);
    png_read_info(png, info);
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    int bitDepth = 0;
    int colorType = 0;
    int interlaceType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, &interlaceType, nullptr, nullptr);
    if (!IsDecodableSize(width, height))
        png_error(png, "picture too large");
    if (bitDepth == 16)
        png_set_strip_16(png);
    if (colorType == PNG_COLOR_TYPE_PALETTE)
        png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8)
        png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_tRNS_to_alpha(png);
    // Gray samples become red, green and blue alike, so every row is four bytes per pixel.
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4)
        png_error(png, "unexpected row layout");
    if (!CreateDib(static_cast<int32_t>(width), static_cast<int32_t>(height)))
        png_error(png, "no memory for the picture");
    created = true;
    rows = NewRowPointers(bitmap_);
    if (!rows)
        png_error(png, "out of memory");
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    SwapRedBlue(bitmap_);
    std::free(rows);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

IEncodedImage* Png::FromImage(IBufferedImage* image)
{
    IEncodeSettingSource* settings = GetEncodeSettingSource();
    return settings ? EncodeWithSetting(settings->TakePngSetting(true, true), image) : nullptr;
}

bool Png::ConvertFrom(IBufferedImage* source, bool interlace, bool keepTransparency, int32_t red, int32_t green,
                      int32_t blue)
{
    if (!source || !CreateDib(source->GetWidth(), source->GetHeight()))
        return false;
    image::win::BufferedImage* flat = nullptr;
    IImageBuffer* from = source;
    if (source->HasAlpha() && !keepTransparency) {
        flat = NewFlattenedImage(source, red, green, blue);
        if (!flat) {
            bitmap_->Reset();
            return false;
        }
        from = flat;
    }
    const bool opaque = !from->HasAlpha();
    const int32_t width = GetWidth();
    for (int32_t y = 0; y < GetHeight(); ++y) {
        auto* to = reinterpret_cast<uint32_t*>(bitmap_->GetRow(y));
        std::memcpy(to, from->GetRow(y), static_cast<size_t>(width) * 4);
        if (opaque) {
            for (int32_t x = 0; x < width; ++x)
                to[x] |= 0xFF000000u;
        }
    }
    if (flat)
        flat->ReleaseToPool();
    SetInterlace(interlace);
    return true;
}

} // namespace win
} // namespace png
} // namespace image
} // namespace s
