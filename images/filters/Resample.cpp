#include "images/filters/Resample.h"

#include <cstring>

#include "core/col/Arrays.h"
#include "core/thread/ObjLocker.h"
#include "images/IImageBuffer.h"
#include "images/ImageCapacity.h"
#include "images/filters/scale/Contribution.h"

namespace s {
namespace image {

namespace {

using filters::scale::Contribution;
using filters::scale::IScaleFilter;

const int64_t kLargestBuffer = 0xFFFFFFFFll;

// The buffers every resampling shares, each under its own lock; they only grow, so repeated
// scaling reuses them. Lock order: the buffer first, the contributions inside it.
struct SharedIntermediate {
    thread::ObjLocker lock;
    col::_array::ArrayU08 pixels;
};

struct SharedContribution {
    thread::ObjLocker lock;
    Contribution list;
};

SharedIntermediate& Intermediate()
{
    static SharedIntermediate shared;
    return shared;
}

SharedContribution& Contributions()
{
    static SharedContribution shared;
    return shared;
}

// One output pixel from the entry over count pixels step words apart.
inline uint32_t Filtered(const int32_t* entry, const uint32_t* pixels, size_t step)
{
    const int32_t first = entry[0];
    const int32_t last = entry[1];
    if (first == last)
        return pixels[static_cast<size_t>(first) * step];
    int32_t blue = 0, green = 0, red = 0, alpha = 0;
    const int32_t* weight = entry + 2;
    for (int32_t j = first; j <= last; ++j, ++weight) {
        const uint32_t pixel = pixels[static_cast<size_t>(j) * step];
        blue += *weight * static_cast<int32_t>(pixel & 0xFF);
        green += *weight * static_cast<int32_t>((pixel >> 8) & 0xFF);
        red += *weight * static_cast<int32_t>((pixel >> 16) & 0xFF);
        alpha += *weight * static_cast<int32_t>(pixel >> 24);
    }
    // The tent's weights are not negative and sum to at most 1.0: no channel leaves 0..255.
    const int32_t half = Contribution::kOne / 2;
    return static_cast<uint32_t>((blue + half) >> 16) | static_cast<uint32_t>((green + half) >> 16) << 8 |
           static_cast<uint32_t>((red + half) >> 16) << 16 | static_cast<uint32_t>((alpha + half) >> 16) << 24;
}

// Rows are counted from the bottom of the picture, in the order they lie in memory: row k of the
// buffer is source row H - 1 - k.
void HorizontalPass(IScaleFilter* filter, IImageBuffer* source, int32_t sourceWidth, int32_t sourceHeight,
                    uint8_t* buffer, size_t stride, int32_t width)
{
    if (sourceWidth == width) {
        for (int32_t k = 0; k < sourceHeight; ++k)
            std::memcpy(buffer + k * stride, source->GetRow(sourceHeight - 1 - k), static_cast<size_t>(width) * 4);
        return;
    }
    SharedContribution& shared = Contributions();
    thread::ScopedLock lock(shared.lock);
    shared.list.Build(filter, width, sourceWidth, static_cast<double>(width) / sourceWidth);
    for (int32_t k = 0; k < sourceHeight; ++k) {
        const uint32_t* from = source->GetRow(sourceHeight - 1 - k);
        uint32_t* to = reinterpret_cast<uint32_t*>(buffer + k * stride);
        for (int32_t i = 0; i < width; ++i)
            to[i] = Filtered(shared.list.GetEntry(i), from, 1);
    }
}

void VerticalPass(IScaleFilter* filter, const uint8_t* buffer, size_t stride, int32_t sourceHeight, int32_t width,
                  int32_t height, IImageBuffer* target)
{
    if (sourceHeight == height) {
        for (int32_t k = 0; k < height; ++k)
            std::memcpy(target->GetRow(height - 1 - k), buffer + k * stride, static_cast<size_t>(width) * 4);
        return;
    }
    SharedContribution& shared = Contributions();
    thread::ScopedLock lock(shared.lock);
    shared.list.Build(filter, height, sourceHeight, static_cast<double>(height) / sourceHeight);
    const size_t step = stride / 4;
    const uint32_t* column = reinterpret_cast<const uint32_t*>(buffer);
    for (int32_t k = 0; k < height; ++k) {
        const int32_t* entry = shared.list.GetEntry(k);
        uint32_t* to = target->GetRow(height - 1 - k);
        for (int32_t x = 0; x < width; ++x)
            to[x] = Filtered(entry, column + x, step);
    }
}

} // namespace

bool Resample(IScaleFilter* filter, int32_t sourceWidth, int32_t sourceHeight, IImageBuffer* source, int32_t width,
              int32_t height, IImageBuffer* target)
{
    if (!filter || !source || !target || source == target)
        return false;
    // A size of nothing has no scale: the target is left empty rather than divided by zero.
    if (sourceWidth <= 0 || sourceHeight <= 0 || width <= 0 || height <= 0 || sourceWidth > source->GetWidth() ||
        sourceHeight > source->GetHeight()) {
        target->SetSize(0, 0);
        return false;
    }
    if (!FitImageSize(target, width, height, false)) {
        target->SetSize(0, 0);
        return false;
    }
    const size_t stride = static_cast<size_t>(target->GetStride());
    const int64_t bytes = int64_t(sourceHeight) * target->GetStride();
    if (bytes > kLargestBuffer) {
        target->SetSize(0, 0);
        return false;
    }
    {
        SharedIntermediate& shared = Intermediate();
        thread::ScopedLock lock(shared.lock);
        const uint32_t needed = static_cast<uint32_t>(bytes);
        if (shared.pixels.GetCapacity() < needed) {
            // Its old contents are not wanted: nothing is carried into the grown buffer.
            shared.pixels.FreeAll();
            shared.pixels.EnsureCapacity(needed);
        }
        uint8_t* buffer = static_cast<uint8_t*>(shared.pixels.GetData());
        HorizontalPass(filter, source, sourceWidth, sourceHeight, buffer, stride, width);
        VerticalPass(filter, buffer, stride, sourceHeight, width, height, target);
    }
    target->SetHasAlpha(source->HasAlpha());
    return true;
}

} // namespace image
} // namespace s
