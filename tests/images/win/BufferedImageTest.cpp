// The buffered image's pixels: creation, bad sizes, row addressing, growth that keeps every row,
// and drawing to a device context.
#include <windows.h>

#include <climits>
#include <cstring>

#include <gtest/gtest.h>

#include "images/ImageFixtures.h"
#include "images/win/BufferedImage.h"
#include "mfc/DC.h"

namespace {

using images_test::Canvas;
using images_test::FillMarkers;
using images_test::ImagePtr;
using images_test::MakeImage;
using images_test::Marker;
using s::image::win::BufferedImage;

const uint32_t kRed = 0xFFFF0000u;
const uint32_t kGreen = 0xFF00FF00u;
const uint32_t kBackground = 0x00123456u;

void ExpectMarkers(BufferedImage* image, int32_t width, int32_t height)
{
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* row = image->GetRow(y);
        ASSERT_NE(nullptr, row) << "row " << y;
        for (int32_t x = 0; x < width; ++x)
            ASSERT_EQ(Marker(x, y), row[x]) << "at " << x << ", " << y;
    }
}

TEST(BufferedImage, CreateGivesPixelsOfExactlyThatSize)
{
    ImagePtr image = MakeImage(7, 5);
    ASSERT_TRUE(image);
    EXPECT_STREQ(L"s_image_win_BufferedImage", image->GetClassName());
    EXPECT_EQ(7, image->GetWidth());
    EXPECT_EQ(5, image->GetHeight());
    EXPECT_EQ(7, image->GetCapacityWidth());
    EXPECT_EQ(5, image->GetCapacityHeight());
    EXPECT_EQ(28, image->GetRowBytes());
    EXPECT_EQ(28, image->GetStride());
    EXPECT_TRUE(image->HasBitmapHandle());
    EXPECT_NE(nullptr, image->GetBitmapHandle());
    EXPECT_NE(nullptr, image->GetBits());
    EXPECT_FALSE(image->HasAlpha());
}

TEST(BufferedImage, BadSizesGiveAnEmptyImageAndFalse)
{
    struct Case {
        int32_t width;
        int32_t height;
    };
    // The last ones would wrap a 32-bit byte count into a small section.
    const Case cases[] = {{0, 0}, {0, 10}, {10, 0}, {-1, 10}, {10, -5}, {INT_MIN, INT_MIN},
                          {100000, 100000}, {65536, 16384}, {INT_MAX, 2}, {2, INT_MAX}};
    for (const Case& c : cases) {
        ImagePtr image = MakeImage(4, 4);
        ASSERT_TRUE(image);
        EXPECT_FALSE(image->Create(c.width, c.height)) << c.width << " x " << c.height;
        EXPECT_EQ(0, image->GetWidth());
        EXPECT_EQ(0, image->GetHeight());
        EXPECT_EQ(0, image->GetCapacityWidth());
        EXPECT_EQ(0, image->GetCapacityHeight());
        EXPECT_EQ(nullptr, image->GetBits());
        EXPECT_EQ(nullptr, image->GetBitmapHandle());
        EXPECT_EQ(nullptr, image->GetRow(0));
        EXPECT_EQ(nullptr, s::image::win::NewBufferedImage(c.width, c.height));
    }
}

TEST(BufferedImage, RowsOutsideTheLogicalHeightAreNull)
{
    ImagePtr image = MakeImage(4, 6);
    ASSERT_TRUE(image);
    ASSERT_TRUE(image->SetSize(4, 3));
    EXPECT_NE(nullptr, image->GetRow(2));
    EXPECT_EQ(nullptr, image->GetRow(3));
    EXPECT_EQ(nullptr, image->GetRow(-1));
    EXPECT_EQ(nullptr, image->GetRow(6));
}

TEST(BufferedImage, SetSizeStaysWithinTheCapacity)
{
    ImagePtr image = MakeImage(8, 8);
    ASSERT_TRUE(image);
    EXPECT_FALSE(image->SetSize(9, 8));
    EXPECT_FALSE(image->SetSize(8, -1));
    EXPECT_EQ(8, image->GetWidth());
    EXPECT_TRUE(image->SetSize(3, 2));
    EXPECT_EQ(3, image->GetWidth());
    EXPECT_EQ(2, image->GetHeight());
    EXPECT_EQ(12, image->GetRowBytes());
    EXPECT_EQ(32, image->GetStride());
}

TEST(BufferedImage, RowZeroOfASmallerImageIsTheTopRowGdiShows)
{
    ImagePtr image = MakeImage(10, 10);
    ASSERT_TRUE(image);
    images_test::Fill(image.get(), kGreen);
    ASSERT_TRUE(image->SetSize(4, 3));
    images_test::Fill(image.get(), kRed);
    // The bottom-up section holds its top row last in memory.
    EXPECT_EQ(reinterpret_cast<uint32_t*>(image->GetBits() + 9 * image->GetStride()), image->GetRow(0));

    Canvas canvas(10, 10, kBackground);
    CDC dc;
    dc.Attach(canvas.Dc());
    EXPECT_TRUE(image->Draw(&dc, 0, 0, 4, 3, false));
    dc.Detach();
    EXPECT_EQ(kRed & 0xFFFFFF, canvas.At(0, 0) & 0xFFFFFF);
    EXPECT_EQ(kRed & 0xFFFFFF, canvas.At(3, 2) & 0xFFFFFF);
    EXPECT_EQ(kBackground, canvas.At(4, 0));
    EXPECT_EQ(kBackground, canvas.At(0, 3));
}

TEST(BufferedImage, ReserveThatTheCapacityCoversChangesNothing)
{
    ImagePtr image = MakeImage(10, 10);
    ASSERT_TRUE(image);
    ASSERT_TRUE(image->SetSize(6, 4));
    FillMarkers(image.get());
    const HBITMAP before = image->GetBitmapHandle();
    EXPECT_TRUE(image->Reserve(10, 8));
    EXPECT_EQ(before, image->GetBitmapHandle());
    EXPECT_EQ(6, image->GetWidth());
    EXPECT_EQ(4, image->GetHeight());
    EXPECT_EQ(10, image->GetCapacityWidth());
    ExpectMarkers(image.get(), 6, 4);
}

TEST(BufferedImage, ReserveGrowsTheCapacityAndKeepsEveryRowInPlace)
{
    struct Case {
        int32_t width;
        int32_t height;
        int32_t capacityWidth;
        int32_t capacityHeight;
    };
    // A side asked below the capacity keeps the capacity: the old rows always fit.
    const Case cases[] = {{12, 12, 12, 12}, {30, 10, 30, 10}, {10, 25, 10, 25}, {20, 5, 20, 10}, {4, 40, 10, 40},
                          {-3, 11, 10, 11}};
    for (const Case& c : cases) {
        ImagePtr image = MakeImage(10, 10);
        ASSERT_TRUE(image);
        FillMarkers(image.get());
        EXPECT_TRUE(image->Reserve(c.width, c.height)) << c.width << " x " << c.height;
        EXPECT_EQ(10, image->GetWidth());
        EXPECT_EQ(10, image->GetHeight());
        EXPECT_EQ(c.capacityWidth, image->GetCapacityWidth());
        EXPECT_EQ(c.capacityHeight, image->GetCapacityHeight());
        EXPECT_EQ(4 * c.capacityWidth, image->GetStride());
        ExpectMarkers(image.get(), 10, 10);
    }
}

TEST(BufferedImage, ReserveOnAnImageWithoutPixelsMakesThemAndKeepsTheEmptySize)
{
    BufferedImage* image = BufferedImage::New();
    ASSERT_NE(nullptr, image);
    EXPECT_TRUE(image->Reserve(12, 12));
    EXPECT_EQ(0, image->GetWidth());
    EXPECT_EQ(12, image->GetCapacityWidth());
    EXPECT_TRUE(image->SetSize(12, 12));
    image->ReleaseToPool();
}

TEST(BufferedImage, ReserveThatCannotBeMadeKeepsThePixels)
{
    ImagePtr image = MakeImage(10, 10);
    ASSERT_TRUE(image);
    FillMarkers(image.get());
    const HBITMAP before = image->GetBitmapHandle();
    EXPECT_FALSE(image->Reserve(100000, 100000));
    EXPECT_EQ(before, image->GetBitmapHandle());
    EXPECT_EQ(10, image->GetCapacityWidth());
    ExpectMarkers(image.get(), 10, 10);
}

TEST(BufferedImage, DrawCopiesNoMoreThanTheImage)
{
    ImagePtr image = MakeImage(20, 20);
    ASSERT_TRUE(image);
    images_test::Fill(image.get(), kGreen);
    ASSERT_TRUE(image->SetSize(10, 10));
    images_test::Fill(image.get(), kRed);

    Canvas canvas(40, 40, kBackground);
    CDC dc;
    dc.Attach(canvas.Dc());
    EXPECT_TRUE(image->Draw(&dc, 5, 5, 30, 30, false));
    EXPECT_TRUE(image->DrawAtOrigin(&dc, 2, 2, false));
    dc.Detach();
    EXPECT_EQ(kRed & 0xFFFFFF, canvas.At(5, 5) & 0xFFFFFF);
    EXPECT_EQ(kRed & 0xFFFFFF, canvas.At(14, 14) & 0xFFFFFF);
    // Neither the stale pixels beyond the logical size nor anything past them.
    EXPECT_EQ(kBackground, canvas.At(15, 15));
    EXPECT_EQ(kBackground, canvas.At(25, 10));
    EXPECT_EQ(kRed & 0xFFFFFF, canvas.At(1, 1) & 0xFFFFFF);
    EXPECT_EQ(kBackground, canvas.At(3, 3));
}

TEST(BufferedImage, DrawWithoutAContextOrPixelsDoesNothing)
{
    ImagePtr image = MakeImage(4, 4);
    ASSERT_TRUE(image);
    EXPECT_FALSE(image->Draw(nullptr, 0, 0, 4, 4, false));
    CDC empty;
    EXPECT_FALSE(image->Draw(&empty, 0, 0, 4, 4, false));

    Canvas canvas(8, 8, kBackground);
    CDC dc;
    dc.Attach(canvas.Dc());
    BufferedImage* bare = BufferedImage::New();
    ASSERT_NE(nullptr, bare);
    EXPECT_FALSE(bare->Draw(&dc, 0, 0, 4, 4, false));
    bare->ReleaseToPool();
    ASSERT_TRUE(image->SetSize(0, 0));
    EXPECT_FALSE(image->Draw(&dc, 0, 0, 4, 4, false));
    dc.Detach();
    EXPECT_EQ(kBackground, canvas.At(0, 0));
}

TEST(BufferedImage, DrawScaledFirstStretchesTheImage)
{
    ImagePtr image = MakeImage(2, 2);
    ASSERT_TRUE(image);
    images_test::Fill(image.get(), kRed);
    Canvas canvas(10, 10, kBackground);
    CDC dc;
    dc.Attach(canvas.Dc());
    EXPECT_TRUE(image->Draw(&dc, 0, 0, 8, 6, true));
    dc.Detach();
    EXPECT_EQ(kRed & 0xFFFFFF, canvas.At(7, 5) & 0xFFFFFF);
    EXPECT_EQ(kBackground, canvas.At(8, 6));
}

TEST(BufferedImage, AnImageGivenBackIsEmptyWhenTakenAgain)
{
    BufferedImage* image = s::image::win::NewBufferedImage(6, 6);
    ASSERT_NE(nullptr, image);
    image->SetHasAlpha(true);
    ASSERT_NE(nullptr, image->Scale(3, 3, false));
    image->ReleaseToPool();
    // The pool hands out the last one given back.
    BufferedImage* again = BufferedImage::New();
    ASSERT_EQ(image, again);
    EXPECT_EQ(0, again->GetWidth());
    EXPECT_EQ(0, again->GetCapacityWidth());
    EXPECT_EQ(nullptr, again->GetBits());
    EXPECT_EQ(nullptr, again->GetScaledCache());
    EXPECT_FALSE(again->HasAlpha());
    again->ReleaseToPool();
}

} // namespace
