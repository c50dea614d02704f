// The bitmap made from a buffered image and rendered back into one.
#include <cstring>

#include "images/AlphaOperations.h"
#include "images/Composition.h"
#include "images/IBufferedImage.h"
#include "images/ImageCapacity.h"
#include "images/bmp/win/Bitmap.h"
#include "images/codecs/EncodeSettingSource.h"
#include "images/codecs/FlattenedImage.h"
#include "images/filters/reduction/Quantizer.h"
#include "images/win/BufferedImage.h"
#include "storage/file/Pooled.h"

namespace s {
namespace image {
namespace bmp {
namespace win {

IEncodedImage* Bitmap::FromImage(IBufferedImage* image)
{
    IEncodeSettingSource* settings = GetEncodeSettingSource();
    return settings ? EncodeWithSetting(settings->TakeBmpSetting(true, GetBitCount()), image) : nullptr;
}

bool Bitmap::ConvertFrom(IBufferedImage* image, int32_t bitsPerPixel, bool keepTransparency, int32_t red,
                         int32_t green, int32_t blue)
{
    const bool fillable = bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24 || bitsPerPixel == 32;
    if (!image || !fillable) {
        Reset();
        return false;
    }
    IImageBuffer* source = image;
    image::win::BufferedImage* flat = nullptr;
    // The quantizer leaves out pixels that are not opaque: a palette picture is always flattened.
    if (image->HasAlpha() || bitsPerPixel <= 8) {
        if (keepTransparency && bitsPerPixel == 32) {
            FillTransparent(image, red, green, blue);
        } else {
            flat = NewFlattenedImage(image, red, green, blue);
            if (!flat) {
                Reset();
                return false;
            }
            source = flat;
        }
    }
    file::Pooled<image::win::BufferedImage> temporary(flat);
    if (!CreateDib(source->GetWidth(), source->GetHeight(), bitsPerPixel)) {
        Reset();
        return false;
    }
    if (bitsPerPixel <= 8) {
        QuantizeFrom(source, bitsPerPixel);
        return true;
    }
    // A picture without the alpha flag is written opaque, whatever its alpha bytes hold.
    const bool opaque = !source->HasAlpha();
    const int32_t width = GetWidth();
    for (int32_t y = 0; y < GetHeight(); ++y) {
        const uint32_t* from = source->GetRow(y);
        uint8_t* to = GetRow(y);
        if (bitsPerPixel == 32) {
            std::memcpy(to, from, static_cast<size_t>(width) * 4);
            if (opaque) {
                for (int32_t x = 0; x < width; ++x)
                    to[x * 4 + 3] = 0xFF;
            }
            continue;
        }
        for (int32_t x = 0; x < width; ++x, to += 3) {
            to[0] = static_cast<uint8_t>(from[x]);
            to[1] = static_cast<uint8_t>(from[x] >> 8);
            to[2] = static_cast<uint8_t>(from[x] >> 16);
        }
    }
    return true;
}

void Bitmap::QuantizeFrom(IImageBuffer* source, int32_t bitsPerPixel)
{
    file::Pooled<filters::reduction::Quantizer> quantizer;
    const int32_t entries = 1 << bitsPerPixel;
    quantizer->Reduce(source, entries, 8);
    // Palette words are blue, green, red, alpha in memory: the layout of the table's entries.
    std::memcpy(info_.colors, quantizer->GetPalette(), static_cast<size_t>(entries) * 4);
    ApplyColorTable();
    for (int32_t y = 0; y < GetHeight(); ++y)
        quantizer->MapToPalette(source->GetRow(y), GetWidth(), GetRow(y), bitsPerPixel);
}

IBufferedImage* Bitmap::ToBufferedImage(int32_t, IBufferedImage* target)
{
    if (!bits_)
        return nullptr;
    image::win::BufferedImage* made = target ? nullptr : image::win::BufferedImage::New();
    IBufferedImage* image = target ? target : made;
    if (!image || !FitImageSize(image, GetWidth(), GetHeight(), false)) {
        if (made)
            made->ReleaseToPool();
        return nullptr;
    }
    if (IsAlpha32() || GetBitCount() == 24) {
        CopyPixelsTo(image);
        if (IsAlpha32())
            return image;
    } else if (!CopyTo(image->GetBitmapHandle())) {
        if (made)
            made->ReleaseToPool();
        return nullptr;
    }
    MakeOpaque(image);
    if (HasTransparentColor())
        ApplyColorKey(image, transparentColor_ >> 16 & 0xFF, transparentColor_ >> 8 & 0xFF, transparentColor_ & 0xFF);
    return image;
}

// The 24- and 32-bit pixels straight into the image; a 32-bit DIB whose alpha bytes are all 0 was
// never meant to carry alpha and shows opaque.
void Bitmap::CopyPixelsTo(IImageBuffer* image)
{
    const int32_t width = GetWidth();
    const int32_t height = GetHeight();
    const int32_t pixelBytes = GetBitCount() / 8;
    bool anyAlpha = false;
    bool translucent = false;
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* from = GetRow(y);
        uint32_t* to = image->GetRow(y);
        for (int32_t x = 0; x < width; ++x) {
            const uint8_t* pixel = from + x * pixelBytes;
            const uint32_t alpha = pixelBytes == 4 ? pixel[3] : 0xFF;
            anyAlpha = anyAlpha || alpha != 0;
            translucent = translucent || alpha != 0xFF;
            to[x] = alpha << 24 | uint32_t{pixel[2]} << 16 | uint32_t{pixel[1]} << 8 | pixel[0];
        }
    }
    if (!anyAlpha) {
        MakeOpaque(image);
        return;
    }
    image->SetHasAlpha(translucent);
}

} // namespace win
} // namespace bmp
} // namespace image
} // namespace s
