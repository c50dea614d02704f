// The resampler by its properties: exact sizes, constant pictures, symmetry, the right way up, an
// averaged reference, the empty sizes, and many threads at once.
#include <windows.h>

#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "images/ImageCache.h"
#include "images/ImageFixtures.h"
#include "images/filters/Resample.h"
#include "images/filters/scale/BilinearFilter.h"

namespace {

using images_test::ImagePtr;
using images_test::MakeImage;
using s::image::filters::scale::BilinearFilter;

bool ResampleTo(s::image::IImageBuffer* source, int32_t width, int32_t height, s::image::IImageBuffer* target)
{
    BilinearFilter tent;
    return s::image::Resample(&tent, source->GetWidth(), source->GetHeight(), source, width, height, target);
}

int32_t Channel(uint32_t pixel, int shift)
{
    return static_cast<int32_t>((pixel >> shift) & 0xFF);
}

TEST(Resample, OnePixelEnlargedFillsEveryPixel)
{
    ImagePtr source = MakeImage(1, 1);
    ImagePtr target(s::image::win::BufferedImage::New());
    ASSERT_TRUE(source && target);
    source->GetRow(0)[0] = 0x80A0B0C0u;
    ASSERT_TRUE(ResampleTo(source.get(), 3, 3, target.get()));
    ASSERT_EQ(3, target->GetWidth());
    ASSERT_EQ(3, target->GetHeight());
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 3; ++x)
            EXPECT_EQ(0x80A0B0C0u, target->GetRow(y)[x]) << x << "," << y;
}

TEST(Resample, AConstantPictureStaysConstantAtEverySize)
{
    struct Case {
        int32_t width, height, toWidth, toHeight;
    };
    const Case cases[] = {{7, 5, 3, 2}, {7, 5, 20, 13}, {10, 10, 10, 4}, {4, 9, 11, 9}, {100, 3, 1, 1}};
    for (const Case& c : cases) {
        ImagePtr source = MakeImage(c.width, c.height);
        ASSERT_TRUE(source);
        images_test::Fill(source.get(), 0xC8143C64u);
        s::image::ImageCache* target = s::image::ImageCache::New();
        ASSERT_TRUE(ResampleTo(source.get(), c.toWidth, c.toHeight, target));
        EXPECT_EQ(c.toWidth, target->GetWidth());
        EXPECT_EQ(c.toHeight, target->GetHeight());
        // The target takes the source's (absent) alpha flag.
        EXPECT_FALSE(target->HasAlpha());
        for (int32_t y = 0; y < c.toHeight; ++y)
            for (int32_t x = 0; x < c.toWidth; ++x)
                ASSERT_EQ(0xC8143C64u, target->GetRow(y)[x]) << c.toWidth << " x " << c.toHeight << " at " << x;
        target->ReleaseToPool();
    }
}

TEST(Resample, AnUnchangedWidthCopiesTheRowsWithTheirAlpha)
{
    ImagePtr source = MakeImage(5, 3);
    ImagePtr target(s::image::win::BufferedImage::New());
    ASSERT_TRUE(source && target);
    images_test::FillMarkers(source.get());
    source->GetRow(1)[2] = 0x12345678u;
    source->SetHasAlpha(true);
    ASSERT_TRUE(ResampleTo(source.get(), 5, 3, target.get()));
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 5; ++x)
            EXPECT_EQ(source->GetRow(y)[x], target->GetRow(y)[x]) << x << "," << y;
    EXPECT_TRUE(target->HasAlpha());
}

TEST(Resample, ThePictureStaysTheRightWayUp)
{
    // A red top row and a blue bottom row; output rows count from the bottom, so the bottom row of
    // the result is the source's bottom row and the top stays red.
    ImagePtr source = MakeImage(4, 4);
    ImagePtr target(s::image::win::BufferedImage::New());
    ASSERT_TRUE(source && target);
    images_test::Fill(source.get(), 0xFF00FF00u);
    for (int32_t x = 0; x < 4; ++x) {
        source->GetRow(0)[x] = 0xFFFF0000u;
        source->GetRow(3)[x] = 0xFF0000FFu;
    }
    ASSERT_TRUE(ResampleTo(source.get(), 2, 7, target.get()));
    EXPECT_EQ(0xFF0000FFu, target->GetRow(6)[0]);
    EXPECT_EQ(0xFF0000FFu, target->GetRow(6)[1]);
    EXPECT_EQ(0xFFFF0000u, target->GetRow(0)[0] | 0xFF000000u);
    EXPECT_GT(Channel(target->GetRow(0)[0], 16), 200);
    EXPECT_LT(Channel(target->GetRow(0)[0], 0), 30);
}

TEST(Resample, APictureSymmetricAcrossItsDiagonalStaysSo)
{
    // Both passes use one kernel and count from the left and from the bottom: a square picture
    // equal to its own mirror across the diagonal from the bottom-left stays so at any square size
    // (each pass rounds once, so within one step).
    const int32_t side = 6;
    std::srand(3);
    uint32_t values[side][side];
    for (int32_t a = 0; a < side; ++a)
        for (int32_t b = 0; b <= a; ++b)
            values[a][b] = values[b][a] = static_cast<uint32_t>(std::rand()) << 16 ^ static_cast<uint32_t>(std::rand());
    ImagePtr source = MakeImage(side, side);
    ASSERT_TRUE(source);
    for (int32_t x = 0; x < side; ++x)
        for (int32_t k = 0; k < side; ++k)
            source->GetRow(side - 1 - k)[x] = values[x][k];
    for (int32_t size : {4, 9, 3, 13}) {
        ImagePtr target(s::image::win::BufferedImage::New());
        ASSERT_TRUE(ResampleTo(source.get(), size, size, target.get()));
        for (int32_t i = 0; i < size; ++i) {
            for (int32_t k = 0; k < size; ++k) {
                const uint32_t one = target->GetRow(size - 1 - k)[i];
                const uint32_t other = target->GetRow(size - 1 - i)[k];
                for (int shift = 0; shift <= 24; shift += 8)
                    EXPECT_NEAR(Channel(one, shift), Channel(other, shift), 1) << size << ": " << i << "," << k;
            }
        }
    }
}

TEST(Resample, ShrinkingByTwoIsCloseToTheMeanAroundEachSampledPixel)
{
    // A smooth picture: each output pixel against the mean of the nine source pixels around the
    // one it samples.
    const int32_t side = 40;
    ImagePtr source = MakeImage(side, side);
    ImagePtr target(s::image::win::BufferedImage::New());
    ASSERT_TRUE(source && target);
    for (int32_t y = 0; y < side; ++y)
        for (int32_t x = 0; x < side; ++x)
            source->GetRow(y)[x] = 0xFF000000u | static_cast<uint32_t>(x * 6) << 16 | static_cast<uint32_t>(y * 6);
    ASSERT_TRUE(ResampleTo(source.get(), side / 2, side / 2, target.get()));
    for (int32_t y = 1; y < side / 2 - 1; ++y) {
        for (int32_t x = 1; x < side / 2 - 1; ++x) {
            // Output column x samples source column 2x; rows count from the bottom.
            const int32_t sourceX = 2 * x;
            const int32_t sourceY = side - 1 - 2 * (side / 2 - 1 - y);
            int32_t red = 0, blue = 0;
            for (int32_t dy = -1; dy <= 1; ++dy) {
                for (int32_t dx = -1; dx <= 1; ++dx) {
                    const uint32_t around = source->GetRow(sourceY + dy)[sourceX + dx];
                    red += Channel(around, 16);
                    blue += Channel(around, 0);
                }
            }
            const uint32_t pixel = target->GetRow(y)[x];
            EXPECT_NEAR(red / 9, Channel(pixel, 16), 2) << x << "," << y;
            EXPECT_NEAR(blue / 9, Channel(pixel, 0), 2) << x << "," << y;
            EXPECT_EQ(255, Channel(pixel, 24));
        }
    }
}

TEST(Resample, ASizeOfNothingLeavesTheTargetEmpty)
{
    struct Case {
        int32_t sourceWidth, sourceHeight, width, height;
    };
    const Case cases[] = {{0, 4, 3, 3}, {4, -1, 3, 3}, {4, 4, 0, 3}, {4, 4, 3, -5}, {5, 4, 3, 3}};
    for (const Case& c : cases) {
        ImagePtr source = MakeImage(4, 4);
        ImagePtr target = MakeImage(6, 6);
        ASSERT_TRUE(source && target);
        BilinearFilter tent;
        EXPECT_FALSE(s::image::Resample(&tent, c.sourceWidth, c.sourceHeight, source.get(), c.width, c.height,
                                        target.get()));
        EXPECT_EQ(0, target->GetWidth());
        EXPECT_EQ(0, target->GetHeight());
    }
    ImagePtr image = MakeImage(4, 4);
    BilinearFilter tent;
    EXPECT_FALSE(s::image::Resample(&tent, 4, 4, image.get(), 2, 2, image.get()));
    EXPECT_EQ(4, image->GetWidth());
}

TEST(Resample, TheTargetGrowsByTheCapacityRuleAndKeepsItsBuffer)
{
    ImagePtr source = MakeImage(50, 50);
    ImagePtr target(s::image::win::BufferedImage::New());
    ASSERT_TRUE(source && target);
    images_test::Fill(source.get(), 0xFF445566u);
    ASSERT_TRUE(ResampleTo(source.get(), 30, 20, target.get()));
    EXPECT_EQ(30, target->GetCapacityWidth());
    EXPECT_EQ(20, target->GetCapacityHeight());
    const HBITMAP first = target->GetBitmapHandle();
    ASSERT_TRUE(ResampleTo(source.get(), 10, 10, target.get()));
    EXPECT_EQ(first, target->GetBitmapHandle());
    EXPECT_EQ(10, target->GetWidth());
    // 30 x 1.2 x 1.2 = 43.2 covers 40.
    ASSERT_TRUE(ResampleTo(source.get(), 40, 20, target.get()));
    EXPECT_EQ(43, target->GetCapacityWidth());
    EXPECT_EQ(0xFF445566u, target->GetRow(19)[39]);
}

struct ThreadWork {
    s::image::IImageBuffer* source;
    std::vector<s::image::IImageBuffer*> targets;
};

DWORD WINAPI ResampleMany(void* parameter)
{
    ThreadWork* work = static_cast<ThreadWork*>(parameter);
    const int32_t sizes[][2] = {{13, 7}, {70, 90}, {29, 31}, {5, 60}};
    for (size_t i = 0; i < work->targets.size(); ++i) {
        const int32_t* size = sizes[i % 4];
        ResampleTo(work->source, size[0], size[1], work->targets[i]);
    }
    return 0;
}

TEST(Resample, FourThreadsAtOnceGiveTheSamePixelsAsOne)
{
    const int kThreads = 4;
    const int kRounds = 12;
    ImagePtr source = MakeImage(37, 41);
    ASSERT_TRUE(source);
    std::srand(7);
    for (int32_t y = 0; y < 41; ++y)
        for (int32_t x = 0; x < 37; ++x)
            source->GetRow(y)[x] = static_cast<uint32_t>(std::rand()) << 16 ^ static_cast<uint32_t>(std::rand());

    ThreadWork alone{source.get(), {}};
    for (int i = 0; i < kRounds; ++i)
        alone.targets.push_back(s::image::ImageCache::New());
    ResampleMany(&alone);

    std::vector<ThreadWork> works(kThreads, ThreadWork{source.get(), {}});
    std::vector<HANDLE> threads;
    for (ThreadWork& work : works) {
        for (int i = 0; i < kRounds; ++i)
            work.targets.push_back(s::image::ImageCache::New());
        threads.push_back(CreateThread(nullptr, 0, &ResampleMany, &work, 0, nullptr));
        ASSERT_NE(nullptr, threads.back());
    }
    ASSERT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(kThreads, threads.data(), TRUE, 60000));
    for (HANDLE thread : threads)
        CloseHandle(thread);

    for (ThreadWork& work : works) {
        for (int i = 0; i < kRounds; ++i) {
            s::image::IImageBuffer* expected = alone.targets[i];
            s::image::IImageBuffer* got = work.targets[i];
            ASSERT_EQ(expected->GetWidth(), got->GetWidth());
            ASSERT_EQ(expected->GetHeight(), got->GetHeight());
            for (int32_t y = 0; y < got->GetHeight(); ++y)
                for (int32_t x = 0; x < got->GetWidth(); ++x)
                    ASSERT_EQ(expected->GetRow(y)[x], got->GetRow(y)[x]) << "round " << i << " at " << x << "," << y;
            s::image::ReleaseImage(got);
        }
    }
    for (s::image::IImageBuffer* target : alone.targets)
        s::image::ReleaseImage(target);
}

} // namespace
