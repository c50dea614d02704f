// The heap image: its flag when fresh, its rows bottom-up like the buffered image, growing in place
// of its rows, copies of pictures, and memory that cannot be had.
#include <gtest/gtest.h>

#include <memory>

#include "images/ImageCache.h"
#include "images/ImageFixtures.h"

namespace {

using s::image::ImageCache;

struct CacheReleaser {
    void operator()(ImageCache* image) const
    {
        if (image)
            image->ReleaseToPool();
    }
};
using CachePtr = std::unique_ptr<ImageCache, CacheReleaser>;

TEST(ImageCache, FreshItHasAlphaAndNoPixels)
{
    CachePtr cache(ImageCache::New());
    ASSERT_TRUE(cache);
    EXPECT_TRUE(cache->HasAlpha());
    EXPECT_EQ(0, cache->GetWidth());
    EXPECT_EQ(nullptr, cache->GetBits());
    EXPECT_FALSE(cache->HasBitmapHandle());
    EXPECT_EQ(nullptr, cache->GetBitmapHandle());
    EXPECT_STREQ(L"s_image_ImageCache", cache->GetClassName());
    images_test::ImagePtr buffered(s::image::win::BufferedImage::New());
    EXPECT_FALSE(buffered->HasAlpha());
}

TEST(ImageCache, RowZeroLiesAtTheEndOfItsMemory)
{
    CachePtr cache(ImageCache::New());
    ASSERT_TRUE(cache->Create(5, 4));
    EXPECT_EQ(20, cache->GetStride());
    EXPECT_EQ(reinterpret_cast<uint32_t*>(cache->GetBits() + 3 * 20), cache->GetRow(0));
    EXPECT_EQ(reinterpret_cast<uint32_t*>(cache->GetBits()), cache->GetRow(3));
    // A smaller logical size keeps row 0 at the same place.
    ASSERT_TRUE(cache->SetSize(2, 2));
    EXPECT_EQ(reinterpret_cast<uint32_t*>(cache->GetBits() + 3 * 20), cache->GetRow(0));
    EXPECT_EQ(nullptr, cache->GetRow(2));
    EXPECT_FALSE(cache->SetSize(6, 1));
}

TEST(ImageCache, ReserveKeepsTheRows)
{
    CachePtr cache(ImageCache::New());
    ASSERT_TRUE(cache->Create(10, 10));
    images_test::FillMarkers(cache.get());
    uint8_t* before = cache->GetBits();
    ASSERT_TRUE(cache->Reserve(8, 8));
    EXPECT_EQ(before, cache->GetBits());
    ASSERT_TRUE(cache->Reserve(12, 12));
    EXPECT_EQ(10, cache->GetWidth());
    EXPECT_EQ(10, cache->GetHeight());
    EXPECT_EQ(12, cache->GetCapacityWidth());
    EXPECT_EQ(12, cache->GetCapacityHeight());
    for (int32_t y = 0; y < 10; ++y)
        for (int32_t x = 0; x < 10; ++x)
            ASSERT_EQ(images_test::Marker(x, y), cache->GetRow(y)[x]) << x << "," << y;
}

TEST(ImageCache, ACopyOfAnOpaqueImageHasItsRowsAndNoAlpha)
{
    images_test::ImagePtr image = images_test::MakeImage(7, 3);
    ASSERT_TRUE(image);
    images_test::FillMarkers(image.get());
    CachePtr cache(s::image::CopyToImageCache(image.get()));
    ASSERT_TRUE(cache);
    EXPECT_FALSE(cache->HasAlpha());
    ASSERT_EQ(7, cache->GetWidth());
    ASSERT_EQ(3, cache->GetHeight());
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 7; ++x)
            EXPECT_EQ(image->GetRow(y)[x], cache->GetRow(y)[x]);
    image->SetHasAlpha(true);
    CachePtr flagged(s::image::CopyToImageCache(image.get()));
    EXPECT_TRUE(flagged->HasAlpha());
    EXPECT_EQ(nullptr, s::image::CopyToImageCache(nullptr));
}

TEST(ImageCache, NewImagesAreCachesWithAlpha)
{
    CachePtr cache(ImageCache::New());
    s::image::IImageBuffer* made = cache->NewImage(3, 2);
    ASSERT_NE(nullptr, dynamic_cast<ImageCache*>(made));
    EXPECT_TRUE(made->HasAlpha());
    EXPECT_EQ(3, made->GetWidth());
    s::image::ReleaseImage(made);
}

TEST(ImageCache, MemoryThatCannotBeHadLeavesItEmpty)
{
    CachePtr cache(ImageCache::New());
    ASSERT_TRUE(cache->Create(2, 2));
    // 4 x 400,000,000 x 400,000,000 bytes: beyond any heap, and beyond 32 bits.
    EXPECT_FALSE(cache->Create(400000000, 400000000));
    EXPECT_EQ(0, cache->GetWidth());
    EXPECT_EQ(0, cache->GetHeight());
    EXPECT_EQ(nullptr, cache->GetRow(0));
    EXPECT_FALSE(cache->Create(0, 5));
    EXPECT_FALSE(cache->Create(5, -1));
    ASSERT_TRUE(cache->Create(2, 2));
    EXPECT_FALSE(cache->Reserve(400000000, 400000000));
    EXPECT_EQ(2, cache->GetWidth());
    EXPECT_NE(nullptr, cache->GetRow(1));
}

TEST(ImageCache, ResetFreesThePixelsAndTheScaledCopy)
{
    CachePtr cache(ImageCache::New());
    ASSERT_TRUE(cache->Create(4, 4));
    cache->SetHasAlpha(false);
    cache->SetScaledCache(cache->NewImage(2, 2));
    cache->Reset();
    EXPECT_EQ(nullptr, cache->GetBits());
    EXPECT_EQ(0, cache->GetCapacityWidth());
    EXPECT_TRUE(cache->HasAlpha());
    EXPECT_EQ(nullptr, cache->GetScaledCache());
}

} // namespace
