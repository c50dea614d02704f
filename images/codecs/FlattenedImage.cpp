#include "images/codecs/FlattenedImage.h"

#include "images/Composition.h"
#include "images/win/BufferedImage.h"

namespace s {
namespace image {

win::BufferedImage* NewFlattenedImage(IImageBuffer* source, int32_t red, int32_t green, int32_t blue)
{
    const int32_t width = source->GetWidth();
    const int32_t height = source->GetHeight();
    win::BufferedImage* flat = win::NewBufferedImage(width, height);
    if (!flat)
        return nullptr;
    const uint32_t background = 0xFF000000u | uint32_t(red & 0xFF) << 16 | uint32_t(green & 0xFF) << 8 |
                                uint32_t(blue & 0xFF);
    for (int32_t y = 0; y < height; ++y) {
        uint32_t* row = flat->GetRow(y);
        for (int32_t x = 0; x < width; ++x)
            row[x] = background;
    }
    flat->SetHasAlpha(false);
    flat->DrawImage(0, 0, width, height, source, 0, 0, false);
    // A source without the alpha flag is copied alpha bytes and all: whatever they held, the
    // flattened picture is opaque.
    MakeOpaque(flat);
    return flat;
}

} // namespace image
} // namespace s
