// Scaling with one cached copy per image: the aspect rule, the image itself, the kept copy.
#include <gtest/gtest.h>

#include "images/ImageCache.h"
#include "images/ImageFixtures.h"
#include "images/ScaleImage.h"

namespace {

using images_test::ImagePtr;
using images_test::MakeImage;

TEST(ScaleImage, KeepingTheAspectTheSmallerRatioWins)
{
    struct Case {
        int32_t width, height, resultWidth, resultHeight;
    };
    const Case cases[] = {{40, 40, 40, 20}, {400, 50, 100, 50}, {50, 100, 50, 25}, {200, 100, 200, 100}};
    for (const Case& c : cases) {
        ImagePtr image = MakeImage(100, 50);
        ASSERT_TRUE(image);
        s::image::IImageBuffer* scaled = s::image::ScaleImage(image.get(), c.width, c.height, true);
        ASSERT_NE(nullptr, scaled);
        EXPECT_EQ(c.resultWidth, scaled->GetWidth()) << c.width << " x " << c.height;
        EXPECT_EQ(c.resultHeight, scaled->GetHeight()) << c.width << " x " << c.height;
    }
}

TEST(ScaleImage, TheImageItselfAtItsOwnSizeAndOneKeptCopyOtherwise)
{
    ImagePtr image = MakeImage(100, 50);
    ASSERT_TRUE(image);
    EXPECT_EQ(image.get(), s::image::ScaleImage(image.get(), 100, 50, false));
    EXPECT_EQ(nullptr, image->GetScaledCache());

    s::image::IImageBuffer* first = s::image::ScaleImage(image.get(), 40, 40, false);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, image->GetScaledCache());
    EXPECT_EQ(first, s::image::ScaleImage(image.get(), 40, 40, false));
    EXPECT_EQ(first, image->Scale(40, 40, false));
    // Another size refills the same copy.
    s::image::IImageBuffer* second = s::image::ScaleImage(image.get(), 20, 60, false);
    EXPECT_EQ(first, second);
    EXPECT_EQ(20, second->GetWidth());
    EXPECT_EQ(60, second->GetHeight());
}

TEST(ScaleImage, TheCopyHoldsThePictureAndItsAlphaFlag)
{
    ImagePtr image = MakeImage(4, 4);
    ASSERT_TRUE(image);
    images_test::Fill(image.get(), 0x80336699u);
    image->SetHasAlpha(true);
    s::image::IImageBuffer* scaled = s::image::ScaleImage(image.get(), 9, 7, false);
    ASSERT_NE(nullptr, scaled);
    EXPECT_TRUE(scaled->HasAlpha());
    EXPECT_EQ(0x80336699u, scaled->GetRow(0)[0]);
    EXPECT_EQ(0x80336699u, scaled->GetRow(6)[8]);
}

TEST(ScaleImage, ARepeatedSizeIsNotResampledAgain)
{
    ImagePtr image = MakeImage(8, 8);
    ASSERT_TRUE(image);
    images_test::Fill(image.get(), 0xFF0000FFu);
    s::image::IImageBuffer* first = s::image::ScaleImage(image.get(), 3, 5, false);
    ASSERT_NE(nullptr, first);
    // The picture changes, but the kept copy of that size is handed out as it was.
    images_test::Fill(image.get(), 0xFFFF0000u);
    EXPECT_EQ(first, s::image::ScaleImage(image.get(), 3, 5, false));
    EXPECT_EQ(0xFF0000FFu, first->GetRow(4)[2]);
    // Another size resamples the current picture.
    s::image::IImageBuffer* second = s::image::ScaleImage(image.get(), 4, 5, false);
    EXPECT_EQ(0xFFFF0000u, second->GetRow(4)[3]);
}

TEST(ScaleImage, TheCopyComesFromTheImagesOwnClass)
{
    s::image::ImageCache* cache = s::image::ImageCache::New();
    ASSERT_TRUE(cache->Create(6, 6));
    images_test::Fill(cache, 0x80FFFFFFu);
    s::image::IImageBuffer* scaled = s::image::ScaleImage(cache, 2, 2, false);
    ASSERT_NE(nullptr, dynamic_cast<s::image::ImageCache*>(scaled));
    EXPECT_EQ(0x80FFFFFFu, scaled->GetRow(1)[1]);
    EXPECT_TRUE(scaled->HasAlpha());
    // Given back with its image.
    cache->ReleaseToPool();
}

TEST(ScaleImage, EmptySizesGiveNull)
{
    ImagePtr image = MakeImage(10, 10);
    ASSERT_TRUE(image);
    EXPECT_EQ(nullptr, s::image::ScaleImage(image.get(), 0, 10, false));
    EXPECT_EQ(nullptr, s::image::ScaleImage(image.get(), 10, -1, true));
    // Keeping the aspect of a 100 x 1 line in 10 x 10 leaves no row.
    ImagePtr line = MakeImage(100, 1);
    EXPECT_EQ(nullptr, s::image::ScaleImage(line.get(), 10, 10, true));
    EXPECT_EQ(nullptr, s::image::ScaleImage(nullptr, 10, 10, false));
    ImagePtr bare(s::image::win::BufferedImage::New());
    EXPECT_EQ(nullptr, s::image::ScaleImage(bare.get(), 10, 10, false));
}

} // namespace
