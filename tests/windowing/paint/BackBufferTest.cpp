// The kept back buffer of windows and group boxes: made, kept, grown or replaced as the client
// area changes.
#include <gtest/gtest.h>

#include "images/win/BufferedImage.h"
#include "windowing/paint/BackBuffer.h"

namespace {

using s::gui::win::FitBackBuffer;
using s::image::win::BufferedImage;

TEST(BackBuffer, AChangingAreaKeepsGrowsOrReplacesTheBuffer)
{
    struct Case {
        int32_t width;
        int32_t height;
        bool kept;
        int32_t bufferWidth;
        int32_t bufferHeight;
    };
    // Each row follows the one before it.
    const Case cases[] = {
        {200, 100, false, 200, 100}, {190, 95, true, 200, 100},  // still uses 70 % or more
        {150, 80, false, 150, 80},                                // less than 70 %: an exact one
        {200, 100, true, 216, 115},                               // grown by 1.2 steps, in place
        {210, 100, true, 216, 115},
    };
    BufferedImage* buffer = nullptr;
    for (const Case& c : cases) {
        BufferedImage* before = buffer;
        ASSERT_TRUE(FitBackBuffer(&buffer, c.width, c.height)) << c.width << "x" << c.height;
        ASSERT_NE(nullptr, buffer);
        // A replaced buffer may come back from the pool as the same object: only its size tells.
        if (before && c.kept) {
            EXPECT_EQ(before, buffer) << c.width << "x" << c.height;
        }
        EXPECT_EQ(c.bufferWidth, buffer->GetWidth()) << c.width << "x" << c.height;
        EXPECT_EQ(c.bufferHeight, buffer->GetHeight()) << c.width << "x" << c.height;
    }
    BufferedImage* kept = buffer;
    EXPECT_FALSE(FitBackBuffer(&buffer, 0, 40));
    EXPECT_EQ(kept, buffer) << "an empty area leaves the buffer alone";
    buffer->ReleaseToPool();
}

TEST(BackBuffer, GrowingFromTheSpecifiedSizeReachesTheNextStep)
{
    BufferedImage* buffer = nullptr;
    ASSERT_TRUE(FitBackBuffer(&buffer, 200, 100));
    BufferedImage* first = buffer;
    ASSERT_TRUE(FitBackBuffer(&buffer, 210, 100));
    EXPECT_EQ(first, buffer);
    EXPECT_EQ(240, buffer->GetCapacityWidth());
    EXPECT_EQ(100, buffer->GetCapacityHeight());
    buffer->ReleaseToPool();
}

} // namespace
