// The DIB-section holder: sections of each depth with their strides and colour tables, rows
// counted from the top, and sizes that cannot be addressed refused.
#include <windows.h>

#include <climits>
#include <memory>

#include <gtest/gtest.h>

#include "images/bmp/win/Bitmap.h"

namespace {

using s::image::bmp::win::Bitmap;

struct BitmapReleaser {
    void operator()(Bitmap* bitmap) const
    {
        if (bitmap)
            bitmap->ReleaseToPool();
    }
};
using BitmapPtr = std::unique_ptr<Bitmap, BitmapReleaser>;

TEST(Bitmap, SectionsOfEachDepthHaveTheirStrideAndColourTable)
{
    struct Case {
        int32_t width, height, bits;
        int32_t stride, colors;
    };
    const Case cases[] = {{10, 3, 32, 40, 0}, {10, 3, 24, 32, 0}, {10, 3, 16, 20, 0},
                          {10, 3, 8, 12, 256}, {10, 3, 4, 8, 16}, {33, 2, 1, 8, 2}};
    for (const Case& c : cases) {
        BitmapPtr bitmap(Bitmap::New());
        ASSERT_TRUE(bitmap);
        EXPECT_NE(nullptr, bitmap->CreateDib(c.width, c.height, c.bits)) << c.bits;
        EXPECT_EQ(c.width, bitmap->GetWidth());
        EXPECT_EQ(c.height, bitmap->GetHeight());
        EXPECT_EQ(c.bits, bitmap->GetBitCount());
        EXPECT_EQ(c.stride, bitmap->GetStride()) << c.bits;
        EXPECT_EQ(c.colors, bitmap->GetColorCount()) << c.bits;
        BITMAP record = {};
        ASSERT_EQ(static_cast<int>(sizeof(record)), GetObjectW(bitmap->GetHandle(), sizeof(record), &record));
        EXPECT_EQ(c.width, record.bmWidth);
        EXPECT_EQ(c.bits, record.bmBitsPixel);
    }
}

TEST(Bitmap, RowsCountFromTheTopOfTheBottomUpSection)
{
    BitmapPtr bitmap(Bitmap::New());
    ASSERT_TRUE(bitmap);
    ASSERT_NE(nullptr, bitmap->CreateDib(4, 5, 32));
    EXPECT_EQ(bitmap->GetBits() + 4 * 16, bitmap->GetRow(0));
    EXPECT_EQ(bitmap->GetBits(), bitmap->GetRow(4));
    EXPECT_EQ(nullptr, bitmap->GetRow(5));
    EXPECT_EQ(nullptr, bitmap->GetRow(-1));
}

TEST(Bitmap, UnaddressableSizesAreRefused)
{
    struct Case {
        int32_t width, height, bits;
    };
    const Case cases[] = {{0, 5, 32}, {5, 0, 32}, {-5, 5, 32}, {5, 5, 0}, {65536, 16384, 32}, {INT_MAX, 1, 32},
                          {1, INT_MAX, 8}};
    for (const Case& c : cases) {
        BitmapPtr bitmap(Bitmap::New());
        ASSERT_TRUE(bitmap);
        ASSERT_NE(nullptr, bitmap->CreateDib(2, 2, 32));
        EXPECT_EQ(nullptr, bitmap->CreateDib(c.width, c.height, c.bits)) << c.width << " x " << c.height;
        EXPECT_EQ(nullptr, bitmap->GetHandle());
        EXPECT_EQ(nullptr, bitmap->GetBits());
        EXPECT_EQ(0, bitmap->GetWidth());
        EXPECT_EQ(0, bitmap->GetStride());
        EXPECT_EQ(nullptr, bitmap->GetRow(0));
    }
}

TEST(Bitmap, AReturnedBitmapHoldsNoSection)
{
    Bitmap* bitmap = Bitmap::New();
    ASSERT_NE(nullptr, bitmap);
    EXPECT_STREQ(L"s_image_bmp_win_Bitmap", bitmap->GetClassName());
    ASSERT_NE(nullptr, bitmap->CreateDib(3, 3, 8));
    bitmap->ReleaseToPool();
    Bitmap* again = Bitmap::New();
    ASSERT_EQ(bitmap, again);
    EXPECT_EQ(nullptr, again->GetHandle());
    EXPECT_EQ(0, again->GetWidth());
    EXPECT_EQ(0, again->GetColorCount());
    EXPECT_EQ(32, again->GetBitCount());
    again->ReleaseToPool();
}

} // namespace
