// The capacity growth rule: sides grow by 1.2 until they cover, so a creeping size keeps its pixels.
#include <gtest/gtest.h>

#include "images/ImageCapacity.h"
#include "images/ImageFixtures.h"

namespace {

using images_test::ImagePtr;
using images_test::MakeImage;

TEST(ImageCapacity, EachSideGrowsByOnePointTwoUntilItCovers)
{
    struct Case {
        int32_t capacity;
        int32_t wanted;
        int32_t grown;
    };
    const Case cases[] = {
        {0, 37, 37},      // no capacity yet: the wanted side itself
        {100, 80, 100},   // covered: unchanged
        {100, 101, 120},  // one step
        {100, 121, 144},  // two steps
        {10, 20, 20},     // 10 x 1.2^4 = 20.7, truncated
        {1, 2, 2},        // 1.2, 1.44, 1.73, 2.07
        {50, 1000, 1109}, // seventeen steps from 50: 50 x 1.2^17 = 1109.4
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.grown, s::image::GrowImageSide(c.capacity, c.wanted)) << c.capacity << " to " << c.wanted;
}

TEST(ImageCapacity, ACreepingSizeReusesThePixels)
{
    ImagePtr image = MakeImage(100, 20);
    ASSERT_TRUE(image);
    EXPECT_TRUE(s::image::FitImageSize(image.get(), 101, 20, false));
    EXPECT_EQ(101, image->GetWidth());
    EXPECT_EQ(120, image->GetCapacityWidth());
    EXPECT_EQ(20, image->GetCapacityHeight());
    const HBITMAP grown = image->GetBitmapHandle();
    for (int32_t width = 102; width <= 120; ++width) {
        EXPECT_TRUE(s::image::FitImageSize(image.get(), width, 20, false));
        EXPECT_EQ(width, image->GetWidth());
    }
    EXPECT_EQ(grown, image->GetBitmapHandle());
    // Smaller again: still the same pixels.
    EXPECT_TRUE(s::image::FitImageSize(image.get(), 30, 10, false));
    EXPECT_EQ(grown, image->GetBitmapHandle());
    EXPECT_EQ(30, image->GetWidth());
    EXPECT_EQ(10, image->GetHeight());
}

TEST(ImageCapacity, FittingWithThePixelsKeptKeepsTheRows)
{
    ImagePtr image = MakeImage(10, 10);
    ASSERT_TRUE(image);
    images_test::FillMarkers(image.get());
    EXPECT_TRUE(s::image::FitImageSize(image.get(), 11, 14, true));
    EXPECT_EQ(11, image->GetWidth());
    EXPECT_EQ(14, image->GetHeight());
    EXPECT_EQ(12, image->GetCapacityWidth());
    EXPECT_EQ(14, image->GetCapacityHeight());
    for (int32_t y = 0; y < 10; ++y)
        EXPECT_EQ(images_test::Marker(9, y), image->GetRow(y)[9]);
}

TEST(ImageCapacity, AnEmptyOrImpossibleSizeIsRefused)
{
    ImagePtr image = MakeImage(10, 10);
    ASSERT_TRUE(image);
    EXPECT_FALSE(s::image::FitImageSize(image.get(), 0, 5, false));
    EXPECT_EQ(0, image->GetWidth());
    EXPECT_FALSE(s::image::FitImageSize(image.get(), 5, -1, false));
    EXPECT_FALSE(s::image::FitImageSize(image.get(), 200000, 200000, false));
    EXPECT_EQ(10, image->GetCapacityWidth());
    EXPECT_FALSE(s::image::FitImageSize(nullptr, 5, 5, false));
}

} // namespace
