// The largest box of an image's proportions inside a given box.
#include <gtest/gtest.h>

#include "images/FitSize.h"
#include "images/ImageFixtures.h"

namespace {

TEST(FitSizeKeepingAspect, OneSideShrinksToTheProportions)
{
    struct Case {
        int32_t imageWidth, imageHeight, width, height, expectedWidth, expectedHeight;
    };
    const Case cases[] = {
        {400, 300, 100, 100, 100, 75}, {300, 400, 100, 100, 75, 100}, {100, 100, 50, 20, 20, 20},
        // Rounded half away from zero: 3 x 2 in 5 high gives 7.5 wide.
        {3, 2, 100, 5, 8, 5}, {400, 300, 400, 300, 400, 300},
    };
    for (const Case& c : cases) {
        images_test::ImagePtr image = images_test::MakeImage(c.imageWidth, c.imageHeight);
        ASSERT_TRUE(image);
        int32_t width = c.width, height = c.height;
        s::image::FitSizeKeepingAspect(image.get(), &width, &height);
        EXPECT_EQ(c.expectedWidth, width) << c.imageWidth << " x " << c.imageHeight;
        EXPECT_EQ(c.expectedHeight, height) << c.imageWidth << " x " << c.imageHeight;
    }
}

TEST(FitSizeKeepingAspect, AnEmptyImageLeavesTheBoxAsGiven)
{
    images_test::ImagePtr empty(s::image::win::BufferedImage::New());
    int32_t width = 100, height = 80;
    s::image::FitSizeKeepingAspect(empty.get(), &width, &height);
    EXPECT_EQ(100, width);
    EXPECT_EQ(80, height);
    s::image::FitSizeKeepingAspect(nullptr, &width, &height);
    EXPECT_EQ(100, width);
}

} // namespace
