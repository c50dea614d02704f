#include "images/AlphaOperations.h"

#include <algorithm>

#include "images/IImageBuffer.h"

namespace s {
namespace image {

namespace {

const uint32_t kAlphaMask = 0xFF000000u;
const uint32_t kColourMask = 0x00FFFFFFu;

uint32_t ColourOf(int32_t red, int32_t green, int32_t blue)
{
    return (static_cast<uint32_t>(red & 0xFF) << 16) | (static_cast<uint32_t>(green & 0xFF) << 8) |
           static_cast<uint32_t>(blue & 0xFF);
}

// Calls visit (pixel) for every logical pixel; visit answers whether it made the pixel transparent.
template <class Visit>
bool ForEachPixel(IImageBuffer* image, Visit visit)
{
    bool any = false;
    const int32_t width = image->GetWidth();
    const int32_t height = image->GetHeight();
    for (int32_t y = 0; y < height; ++y) {
        uint32_t* row = image->GetRow(y);
        if (!row)
            continue;
        for (int32_t x = 0; x < width; ++x) {
            if (visit(row[x]))
                any = true;
        }
    }
    return any;
}

} // namespace

void ApplyColorKey(IImageBuffer* image, int32_t red, int32_t green, int32_t blue)
{
    if (!image)
        return;
    const uint32_t key = ColourOf(red, green, blue);
    const bool matched = ForEachPixel(image, [key](uint32_t& pixel) {
        const uint32_t colour = pixel & kColourMask;
        if (colour == key) {
            pixel = colour;
            return true;
        }
        pixel = colour | kAlphaMask;
        return false;
    });
    if (matched)
        image->SetHasAlpha(true);
}

void FillTransparent(IImageBuffer* image, int32_t red, int32_t green, int32_t blue)
{
    if (!image || !image->HasAlpha())
        return;
    const uint32_t colour = ColourOf(red, green, blue);
    ForEachPixel(image, [colour](uint32_t& pixel) {
        if (pixel < 0x01000000u)
            pixel = colour;
        return false;
    });
}

void ApplyMaskImage(IImageBuffer* image, IImageBuffer* mask)
{
    if (!image || !mask || image == mask)
        return;
    // A smaller mask answers for its own area only; beyond it nothing matches.
    const int32_t width = std::min(image->GetWidth(), mask->GetWidth());
    const int32_t height = std::min(image->GetHeight(), mask->GetHeight());
    bool matched = false;
    for (int32_t y = 0; y < height; ++y) {
        uint32_t* row = image->GetRow(y);
        const uint32_t* maskRow = mask->GetRow(y);
        if (!row || !maskRow)
            continue;
        for (int32_t x = 0; x < width; ++x) {
            if (((row[x] ^ maskRow[x]) & kColourMask) == 0) {
                row[x] &= kColourMask;
                matched = true;
            }
        }
    }
    if (matched)
        image->SetHasAlpha(true);
}

void ApplyAlphaThreshold(IImageBuffer* image, int32_t threshold)
{
    if (!image)
        return;
    const uint32_t limit = static_cast<uint32_t>(std::max(0, threshold));
    const bool cleared = ForEachPixel(image, [limit](uint32_t& pixel) {
        if ((pixel >> 24) < limit) {
            pixel &= kColourMask;
            return true;
        }
        pixel |= kAlphaMask;
        return false;
    });
    image->SetHasAlpha(cleared);
}

void FlattenOnWhite(IImageBuffer* image)
{
    if (!image)
        return;
    if (image->HasAlpha()) {
        ForEachPixel(image, [](uint32_t& pixel) {
            const uint32_t alpha = pixel >> 24;
            if (alpha == 255)
                return false;
            if (alpha == 0) {
                pixel = 0xFFFFFFFFu;
                return false;
            }
            uint32_t result = kAlphaMask;
            for (int shift = 0; shift <= 16; shift += 8) {
                const uint32_t channel = (pixel >> shift) & 0xFF;
                result |= (((alpha + 1) * channel + 255 * (256 - alpha)) >> 8) << shift;
            }
            pixel = result;
            return false;
        });
    }
    image->SetHasAlpha(false);
}

} // namespace image
} // namespace s
