#include "images/Composition.h"

#include <algorithm>
#include <cstring>

#include "images/IImageBuffer.h"
#include "images/ScaleImage.h"

namespace s {
namespace image {

namespace {

const uint32_t kAlphaMask = 0xFF000000u;

inline int32_t AlphaOf(uint32_t pixel)
{
    return static_cast<int32_t>(pixel >> 24);
}

inline int32_t ChannelOf(uint32_t pixel, int shift)
{
    return static_cast<int32_t>((pixel >> shift) & 0xFF);
}

// Division by 256 rounding toward minus infinity, as an arithmetic shift does.
inline int32_t FloorDiv256(int32_t value)
{
    return value >= 0 ? value / 256 : -((-value + 255) / 256);
}

// The "over" blend of a source pixel with alpha 1 to 254 onto a target pixel with alpha 1 to 255.
inline uint32_t BlendOver(uint32_t source, uint32_t target)
{
    const int32_t a = AlphaOf(source);
    const int32_t targetAlpha = AlphaOf(target);
    const int32_t alpha = targetAlpha + a - (((a + 1) * targetAlpha) >> 8);
    const int32_t weight = (a * 256) / alpha;
    uint32_t result = static_cast<uint32_t>(alpha) << 24;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int32_t t = ChannelOf(target, shift);
        const int32_t channel = t + FloorDiv256((ChannelOf(source, shift) - t) * weight);
        result |= static_cast<uint32_t>(channel & 0xFF) << shift;
    }
    return result;
}

} // namespace

void DrawImageOver(IImageBuffer* target, int32_t x, int32_t y, int32_t width, int32_t height, IImageBuffer* source,
                   int32_t sourceX, int32_t sourceY, bool scaleFirst)
{
    if (!target || !source || target == source)
        return;
    if (scaleFirst) {
        source = ScaleImage(source, width, height, false);
        if (!source || source == target)
            return;
    }
    // A negative position on either side moves the other origin instead, so that both stay inside.
    if (x < 0) {
        sourceX -= x;
        x = 0;
    }
    if (y < 0) {
        sourceY -= y;
        y = 0;
    }
    if (sourceX < 0) {
        x -= sourceX;
        sourceX = 0;
    }
    if (sourceY < 0) {
        y -= sourceY;
        sourceY = 0;
    }
    const int64_t columns = std::min<int64_t>(int64_t(source->GetWidth()) - sourceX, int64_t(target->GetWidth()) - x);
    const int64_t rows = std::min<int64_t>(int64_t(source->GetHeight()) - sourceY, int64_t(target->GetHeight()) - y);
    if (columns <= 0 || rows <= 0)
        return;

    if (!source->HasAlpha()) {
        for (int32_t i = 0; i < rows; ++i) {
            const uint32_t* from = source->GetRow(sourceY + i);
            uint32_t* to = target->GetRow(y + i);
            if (from && to)
                std::memcpy(to + x, from + sourceX, static_cast<size_t>(columns) * 4);
        }
        return;
    }
    const bool targetHasAlpha = target->HasAlpha();
    for (int32_t i = 0; i < rows; ++i) {
        const uint32_t* from = source->GetRow(sourceY + i);
        uint32_t* to = target->GetRow(y + i);
        if (!from || !to)
            continue;
        from += sourceX;
        to += x;
        for (int32_t j = 0; j < columns; ++j) {
            uint32_t t = to[j];
            if (!targetHasAlpha)
                t |= kAlphaMask;
            const uint32_t s = from[j];
            const int32_t a = AlphaOf(s);
            if (a == 0)
                to[j] = t;
            else if (a == 255 || AlphaOf(t) == 0)
                to[j] = s;
            else
                to[j] = BlendOver(s, t);
        }
    }
}

void MakeOpaque(IImageBuffer* image)
{
    if (!image)
        return;
    const int32_t width = image->GetWidth();
    const int32_t height = image->GetHeight();
    for (int32_t y = 0; y < height; ++y) {
        uint32_t* row = image->GetRow(y);
        if (!row)
            continue;
        for (int32_t x = 0; x < width; ++x)
            row[x] |= kAlphaMask;
    }
    image->SetHasAlpha(false);
}

} // namespace image
} // namespace s
