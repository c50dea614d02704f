// Times the resampler shrinking and enlarging a full-HD picture against a plain nearest-neighbour
// loop filling the same target; the "over" blend of a half-transparent full-HD picture against a
// plain per-pixel copy of the same area; and a repeated same-size scaling (the kept copy) against
// the first one. Ratios from one run.
#include "BenchClock.h"

#include <cstdio>

#include "images/Composition.h"
#include "images/ScaleImage.h"
#include "images/filters/Resample.h"
#include "images/filters/scale/BilinearFilter.h"
#include "images/win/BufferedImage.h"

using s::image::IImageBuffer;
using s::image::win::BufferedImage;

namespace {

const int32_t kWidth = 1920;
const int32_t kHeight = 1080;
const int kCacheHits = 1000;

void Report(const char* what, double ours, double baseline)
{
    std::printf("%-66s %10.4f ms, baseline %10.4f ms, ratio %.4f\n", what, ours * 1e3, baseline * 1e3,
                ours / baseline);
}

void FillPattern(IImageBuffer* image, uint32_t alpha)
{
    for (int32_t y = 0; y < image->GetHeight(); ++y) {
        uint32_t* row = image->GetRow(y);
        for (int32_t x = 0; x < image->GetWidth(); ++x)
            row[x] = alpha << 24 | static_cast<uint32_t>((x * 7) & 0xFF) << 16 |
                     static_cast<uint32_t>((y * 5) & 0xFF) << 8 | static_cast<uint32_t>((x + y) & 0xFF);
    }
}

// The plainest scaling there is: each target pixel copied from the source pixel under it.
void NearestNeighbour(IImageBuffer* source, IImageBuffer* target)
{
    const int32_t width = target->GetWidth();
    const int32_t height = target->GetHeight();
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* from = source->GetRow(static_cast<int32_t>(int64_t(y) * source->GetHeight() / height));
        uint32_t* to = target->GetRow(y);
        for (int32_t x = 0; x < width; ++x)
            to[x] = from[int64_t(x) * source->GetWidth() / width];
    }
}

void ResampleAgainstNearest(BufferedImage* source, int32_t width, int32_t height, const char* what)
{
    s::image::filters::scale::BilinearFilter tent;
    BufferedImage* target = BufferedImage::New();
    // The first call grows the shared buffers and the target; the rounds after it reuse them.
    s::image::Resample(&tent, kWidth, kHeight, source, width, height, target);
    const HBITMAP first = target->GetBitmapHandle();
    const double ours = Best([&] { s::image::Resample(&tent, kWidth, kHeight, source, width, height, target); });
    const double baseline = Best([&] { NearestNeighbour(source, target); });
    Report(what, ours, baseline);
    if (target->GetBitmapHandle() != first)
        std::printf("  (the target was made anew after the first call)\n");
    target->ReleaseToPool();
}

void BlendAgainstCopy()
{
    BufferedImage* source = s::image::win::NewBufferedImage(kWidth, kHeight);
    BufferedImage* target = s::image::win::NewBufferedImage(kWidth, kHeight);
    FillPattern(source, 0x80);
    source->SetHasAlpha(true);
    FillPattern(target, 0xFF);
    const double ours = Best([&] { s::image::DrawImageOver(target, 0, 0, 0, 0, source, 0, 0, false); });
    const double baseline = Best([&] {
        for (int32_t y = 0; y < kHeight; ++y) {
            const uint32_t* from = source->GetRow(y);
            uint32_t* to = target->GetRow(y);
            for (int32_t x = 0; x < kWidth; ++x)
                to[x] = from[x];
        }
    });
    Report("half-transparent 1920 x 1080 over opaque", ours, baseline);
    source->ReleaseToPool();
    target->ReleaseToPool();
}

void CacheHitAgainstFirst(BufferedImage* source)
{
    const int32_t width = 800, height = 450;
    const double first = Best(
        [&] {
            source->SetScaledCache(nullptr);
            s::image::ScaleImage(source, width, height, false);
        },
        3);
    const double hits = Best([&] {
        for (int i = 0; i < kCacheHits; ++i)
            s::image::ScaleImage(source, width, height, false);
    });
    Report("same-size ScaleImage (kept copy), per call, against the first", hits / kCacheHits, first);
}

} // namespace

int main()
{
    BufferedImage* source = s::image::win::NewBufferedImage(kWidth, kHeight);
    if (!source) {
        std::printf("no picture could be made\n");
        return 1;
    }
    FillPattern(source, 0xFF);
    ResampleAgainstNearest(source, 1280, 720, "resample 1920 x 1080 down to 1280 x 720");
    ResampleAgainstNearest(source, 2560, 1440, "resample 1920 x 1080 up to 2560 x 1440");
    BlendAgainstCopy();
    CacheHitAgainstFirst(source);
    source->ReleaseToPool();
    return 0;
}
