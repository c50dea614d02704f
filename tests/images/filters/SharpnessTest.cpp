// Blur and sharpen: the kernels per level, copying at level 0, uniform pictures, the in-place
// write-back, clamping and the level whose divisor comes out 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "images/ImageFixtures.h"
#include "images/filters/Convolve3x3.h"
#include "images/filters/convolution/Convolution.h"
#include "images/filters/sharpness/Sharpness.h"

namespace {

using images_test::ImagePtr;
using images_test::MakeImage;
using s::image::filters::convolution::Convolution;
using s::image::filters::sharpness::NewSharpness;
using s::image::filters::sharpness::Sharpness;

struct SharpnessReleaser {
    void operator()(Sharpness* filter) const { filter->ReleaseToPool(); }
};
using SharpnessPtr = std::unique_ptr<Sharpness, SharpnessReleaser>;

std::vector<uint32_t*> RowsOf(s::image::IImageBuffer* image)
{
    std::vector<uint32_t*> rows;
    for (int32_t y = 0; y < image->GetHeight(); ++y)
        rows.push_back(image->GetRow(y));
    return rows;
}

// The same kernel over an unchanged copy of the picture: every pixel from original neighbours.
uint32_t ConvolvedFromOriginal(const Convolution& k, s::image::IImageBuffer* image, int32_t x, int32_t y)
{
    uint32_t result = 0;
    for (int shift = 0; shift <= 24; shift += 8) {
        int32_t sum = 0;
        for (int i = 0; i < 9; ++i) {
            const int32_t nx = std::min(std::max(x + i % 3 - 1, 0), image->GetWidth() - 1);
            const int32_t ny = std::min(std::max(y + i / 3 - 1, 0), image->GetHeight() - 1);
            sum += k.weights[i] * static_cast<int32_t>((image->GetRow(ny)[nx] >> shift) & 0xFF);
        }
        sum /= k.divisor;
        result |= static_cast<uint32_t>(std::min(std::max(sum, 0), 255)) << shift;
    }
    return result;
}

TEST(Sharpness, EachLevelHasItsKernel)
{
    struct Case {
        int32_t level, edge, corner, centre, divisor;
    };
    const Case cases[] = {
        {80, -144, 0, 1100, 524}, {100, -180, 0, 1100, 380}, {3, -5, 0, 1100, 1080}, {70, -126, 0, 1100, 596},
        {-50, 100, 50, 400, 1000}, {-100, 200, 100, 400, 1600}, {-3, 6, 3, 400, 436},
    };
    for (const Case& c : cases) {
        SharpnessPtr filter(NewSharpness(c.level));
        ASSERT_TRUE(filter);
        EXPECT_EQ(c.level, filter->GetLevel());
        const Convolution* k = filter->GetKernel();
        ASSERT_NE(nullptr, k) << c.level;
        EXPECT_EQ(c.corner, k->weights[0]) << c.level;
        EXPECT_EQ(c.edge, k->weights[1]) << c.level;
        EXPECT_EQ(c.corner, k->weights[2]) << c.level;
        EXPECT_EQ(c.edge, k->weights[3]) << c.level;
        EXPECT_EQ(c.centre, k->weights[4]) << c.level;
        EXPECT_EQ(c.edge, k->weights[5]) << c.level;
        EXPECT_EQ(c.corner, k->weights[6]) << c.level;
        EXPECT_EQ(c.edge, k->weights[7]) << c.level;
        EXPECT_EQ(c.corner, k->weights[8]) << c.level;
        EXPECT_EQ(c.divisor, k->divisor) << c.level;
    }
    SharpnessPtr filter(NewSharpness(0));
    EXPECT_EQ(nullptr, filter->GetKernel());
    EXPECT_STREQ(L"Sharpness", filter->GetName());
    EXPECT_EQ(filter->GetName(), Sharpness::kName);
    EXPECT_TRUE(filter->IsAutoRelease());
}

TEST(Sharpness, LevelZeroOnlyCopies)
{
    ImagePtr source = MakeImage(4, 3);
    ASSERT_TRUE(source);
    images_test::FillMarkers(source.get());
    source->SetHasAlpha(true);
    SharpnessPtr filter(NewSharpness(80));
    filter->SetLevel(0);
    EXPECT_EQ(nullptr, filter->GetKernel());
    s::image::IBufferedImage* result = filter->Apply(source.get(), nullptr);
    ASSERT_NE(nullptr, result);
    ASSERT_NE(static_cast<s::image::IBufferedImage*>(source.get()), result);
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 4; ++x)
            EXPECT_EQ(source->GetRow(y)[x], result->GetRow(y)[x]);
    EXPECT_TRUE(result->HasAlpha());
    s::image::ReleaseImage(result);
}

TEST(Sharpness, AUniformPictureStaysAsItIs)
{
    for (int32_t level : {80, 100, -60, 3}) {
        ImagePtr source = MakeImage(5, 4);
        ImagePtr target(s::image::win::BufferedImage::New());
        ASSERT_TRUE(source && target);
        images_test::Fill(source.get(), 0xC0406080u);
        SharpnessPtr filter(NewSharpness(level));
        ASSERT_EQ(target.get(), filter->Apply(source.get(), target.get()));
        for (int32_t y = 0; y < 4; ++y)
            for (int32_t x = 0; x < 5; ++x)
                ASSERT_EQ(0xC0406080u, target->GetRow(y)[x]) << level << " at " << x << "," << y;
    }
}

TEST(Sharpness, ResultsAreWrittenBackAtOnce)
{
    // One dark pixel at (1, 1): with the write-back, its right and lower neighbours see the
    // already sharpened (darker) values, unlike a convolution of an unchanged copy.
    ImagePtr source = MakeImage(4, 4);
    ImagePtr target(s::image::win::BufferedImage::New());
    ASSERT_TRUE(source && target);
    images_test::Fill(source.get(), 0xFF808080u);
    source->GetRow(1)[1] = 0xFF202020u;
    SharpnessPtr filter(NewSharpness(80));
    ASSERT_EQ(target.get(), filter->Apply(source.get(), target.get()));

    // The first pixel reads only original values; those right of and below the dark one do not.
    EXPECT_EQ(ConvolvedFromOriginal(*filter->GetKernel(), source.get(), 0, 0), target->GetRow(0)[0]);
    EXPECT_NE(ConvolvedFromOriginal(*filter->GetKernel(), source.get(), 2, 1), target->GetRow(1)[2]);
    EXPECT_NE(ConvolvedFromOriginal(*filter->GetKernel(), source.get(), 1, 2), target->GetRow(2)[1]);

    // The same by hand: Convolve3x3 over the rows in place.
    ImagePtr copy(dynamic_cast<s::image::win::BufferedImage*>(source->CopyTo(nullptr)));
    std::vector<uint32_t*> rows = RowsOf(copy.get());
    s::image::Convolve3x3(filter->GetKernel(), rows.data(), 4, 4);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x)
            EXPECT_EQ(target->GetRow(y)[x], copy->GetRow(y)[x]) << x << "," << y;
}

TEST(Sharpness, EveryChannelIsClamped)
{
    // A bright pixel among dark ones overshoots 255, its dark neighbours fall below 0; alpha too.
    ImagePtr image = MakeImage(3, 3);
    ASSERT_TRUE(image);
    images_test::Fill(image.get(), 0x10101010u);
    image->GetRow(1)[1] = 0xF0F0F0F0u;
    SharpnessPtr filter(NewSharpness(100));
    std::vector<uint32_t*> rows = RowsOf(image.get());
    s::image::Convolve3x3(filter->GetKernel(), rows.data(), 3, 3);
    EXPECT_EQ(0xFFFFFFFFu, image->GetRow(1)[1]);
    EXPECT_EQ(0x00000000u, image->GetRow(0)[1]);
}

TEST(Sharpness, ALevelWhoseDivisorIsZeroDividesByOne)
{
    // 1100 + 4 x trunc(1.53 x -180) = 1100 - 1100.
    SharpnessPtr filter(NewSharpness(153));
    ASSERT_NE(nullptr, filter->GetKernel());
    EXPECT_EQ(0, filter->GetKernel()->divisor);
    ImagePtr source = MakeImage(3, 3);
    ASSERT_TRUE(source);
    images_test::Fill(source.get(), 0x01010101u);
    s::image::IBufferedImage* result = filter->Apply(source.get(), nullptr);
    ASSERT_NE(nullptr, result);
    // The weights sum to 0: a uniform picture sums to 0 in every channel.
    EXPECT_EQ(0u, result->GetRow(1)[1]);
    s::image::ReleaseImage(result);
}

TEST(Sharpness, AFreshOrResetFilterIsLevelZeroAndAutoRelease)
{
    SharpnessPtr filter(Sharpness::New());
    EXPECT_EQ(0, filter->GetLevel());
    EXPECT_TRUE(filter->IsAutoRelease());
    filter->SetLevel(50);
    filter->SetAutoRelease(false);
    filter->Reset();
    EXPECT_EQ(0, filter->GetLevel());
    EXPECT_EQ(nullptr, filter->GetKernel());
    EXPECT_TRUE(filter->IsAutoRelease());
    ImagePtr image = MakeImage(2, 2);
    EXPECT_EQ(nullptr, filter->Apply(image.get(), image.get()));
    EXPECT_EQ(nullptr, filter->Apply(nullptr, nullptr));
}

TEST(Convolution, AFreshKernelIsTheIdentity)
{
    Convolution k;
    EXPECT_EQ(1, k.weights[4]);
    EXPECT_EQ(0, k.weights[0]);
    EXPECT_EQ(0, k.weights[8]);
    EXPECT_EQ(1, k.divisor);
    ImagePtr image = MakeImage(3, 2);
    images_test::FillMarkers(image.get());
    std::vector<uint32_t*> rows = RowsOf(image.get());
    s::image::Convolve3x3(&k, rows.data(), 3, 2);
    EXPECT_EQ(images_test::Marker(2, 1), image->GetRow(1)[2]);
}

} // namespace
