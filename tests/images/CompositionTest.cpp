// Drawing one image into another: clipping at every edge, the opaque copy and the "over" blend.
#include <gtest/gtest.h>

#include "images/Composition.h"
#include "images/ImageFixtures.h"

namespace {

using images_test::FillMarkers;
using images_test::ImagePtr;
using images_test::MakeImage;
using images_test::Marker;

const uint32_t kWhite = 0xFFFFFFFFu;

TEST(DrawImageOver, ANegativePositionMovesTheSourceOrigin)
{
    ImagePtr source = MakeImage(30, 8);
    ImagePtr target = MakeImage(20, 8);
    ASSERT_TRUE(source && target);
    FillMarkers(source.get());
    images_test::Fill(target.get(), kWhite);
    s::image::DrawImageOver(target.get(), -10, 2, 0, 0, source.get(), 0, 0, false);
    // Target column 0 shows source column 10; the source is clipped at the target's right edge.
    EXPECT_EQ(Marker(10, 0), target->GetRow(2)[0]);
    EXPECT_EQ(Marker(29, 0), target->GetRow(2)[19]);
    EXPECT_EQ(Marker(29, 5), target->GetRow(7)[19]);
    EXPECT_EQ(kWhite, target->GetRow(1)[0]);
}

TEST(DrawImageOver, NothingIsWrittenOutsideEitherImage)
{
    struct Case {
        int32_t x, y, sourceX, sourceY;
    };
    // Off every edge, a source offset past the source, and negative source offsets.
    const Case cases[] = {{20, 0, 0, 0}, {0, 8, 0, 0}, {-40, 0, 0, 0}, {0, 0, 30, 0}, {0, 0, 0, -20},
                          {5, 5, -3, -3}};
    for (const Case& c : cases) {
        ImagePtr source = MakeImage(30, 8);
        ImagePtr target = MakeImage(20, 8);
        ASSERT_TRUE(source && target);
        FillMarkers(source.get());
        images_test::Fill(target.get(), kWhite);
        // The bytes just past the target's logical area belong to its capacity.
        ASSERT_TRUE(target->Reserve(21, 9));
        target->SetSize(21, 9);
        images_test::Fill(target.get(), 0x12345678u);
        target->SetSize(20, 8);
        images_test::Fill(target.get(), kWhite);
        s::image::DrawImageOver(target.get(), c.x, c.y, 0, 0, source.get(), c.sourceX, c.sourceY, false);
        target->SetSize(21, 9);
        for (int32_t y = 0; y < 9; ++y)
            EXPECT_EQ(0x12345678u, target->GetRow(y)[20]) << c.x << "," << c.y;
        for (int32_t x = 0; x < 21; ++x)
            EXPECT_EQ(0x12345678u, target->GetRow(8)[x]) << c.x << "," << c.y;
    }
    ImagePtr only = MakeImage(4, 4);
    s::image::DrawImageOver(only.get(), 0, 0, 0, 0, only.get(), 0, 0, false);
    s::image::DrawImageOver(nullptr, 0, 0, 0, 0, only.get(), 0, 0, false);
    s::image::DrawImageOver(only.get(), 0, 0, 0, 0, nullptr, 0, 0, false);
}

TEST(DrawImageOver, AnOpaqueSourceIsCopiedWithItsAlphaBytes)
{
    ImagePtr source = MakeImage(2, 1);
    ImagePtr target = MakeImage(2, 1);
    ASSERT_TRUE(source && target);
    source->GetRow(0)[0] = 0x10203040u;
    source->GetRow(0)[1] = 0x00AABBCCu;
    images_test::Fill(target.get(), kWhite);
    s::image::DrawImageOver(target.get(), 0, 0, 0, 0, source.get(), 0, 0, false);
    EXPECT_EQ(0x10203040u, target->GetRow(0)[0]);
    EXPECT_EQ(0x00AABBCCu, target->GetRow(0)[1]);
}

TEST(DrawImageOver, ASourceWithAlphaIsBlendedOver)
{
    struct Case {
        uint32_t source;
        uint32_t target;
        bool targetHasAlpha;
        uint32_t result;
    };
    const Case cases[] = {
        // 128 over 128: A' = 192, G = 170, red 0 over 255 gives 85; blue 255 over 0 gives 169.
        {0x800000FFu, 0x80FF0000u, true, 0xC05500A9u},
        // Alpha 0 leaves the colour; a target without alpha gets its alpha byte set.
        {0x00FFFFFFu, 0x00102030u, false, 0xFF102030u},
        {0x00FFFFFFu, 0x40102030u, true, 0x40102030u},
        // Opaque source pixels and fully transparent targets take the source as it is.
        {0xFF010203u, 0x80FFFFFFu, true, 0xFF010203u},
        {0x7F010203u, 0x00FFFFFFu, true, 0x7F010203u},
        // Half over an opaque target without the flag: the alpha stays 255.
        {0x80000000u, 0x00FFFFFFu, false, 0xFF7F7F7Fu},
    };
    for (const Case& c : cases) {
        ImagePtr source = MakeImage(1, 1);
        ImagePtr target = MakeImage(1, 1);
        ASSERT_TRUE(source && target);
        source->GetRow(0)[0] = c.source;
        source->SetHasAlpha(true);
        target->GetRow(0)[0] = c.target;
        target->SetHasAlpha(c.targetHasAlpha);
        target->DrawImage(0, 0, 0, 0, source.get(), 0, 0, false);
        EXPECT_EQ(c.result, target->GetRow(0)[0]) << std::hex << c.source << " over " << c.target;
        EXPECT_EQ(c.targetHasAlpha, target->HasAlpha());
    }
}

TEST(DrawImageOver, ScaleFirstDrawsTheScaledCopy)
{
    ImagePtr source = MakeImage(2, 2);
    ImagePtr target = MakeImage(10, 10);
    ASSERT_TRUE(source && target);
    images_test::Fill(source.get(), 0xFF00FF00u);
    images_test::Fill(target.get(), kWhite);
    s::image::DrawImageOver(target.get(), 1, 1, 6, 4, source.get(), 0, 0, true);
    EXPECT_EQ(0xFF00FF00u, target->GetRow(1)[1]);
    EXPECT_EQ(0xFF00FF00u, target->GetRow(4)[6]);
    EXPECT_EQ(kWhite, target->GetRow(5)[6]);
    EXPECT_EQ(kWhite, target->GetRow(4)[7]);
}

TEST(DrawImageOver, ScalingFirstToNothingDrawsNothing)
{
    ImagePtr source = MakeImage(2, 2);
    ImagePtr target = MakeImage(4, 4);
    ASSERT_TRUE(source && target);
    images_test::Fill(source.get(), 0xFF00FF00u);
    images_test::Fill(target.get(), kWhite);
    for (int32_t side : {0, -3}) {
        s::image::DrawImageOver(target.get(), 0, 0, side, 2, source.get(), 0, 0, true);
        s::image::DrawImageOver(target.get(), 0, 0, 2, side, source.get(), 0, 0, true);
    }
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x)
            EXPECT_EQ(kWhite, target->GetRow(y)[x]);
}

TEST(MakeOpaque, EveryAlphaBecomes255)
{
    ImagePtr image = MakeImage(3, 2);
    ASSERT_TRUE(image);
    images_test::Fill(image.get(), 0x00123456u);
    image->GetRow(1)[2] = 0x80ABCDEFu;
    image->SetHasAlpha(true);
    s::image::MakeOpaque(image.get());
    EXPECT_EQ(0xFF123456u, image->GetRow(0)[0]);
    EXPECT_EQ(0xFFABCDEFu, image->GetRow(1)[2]);
    EXPECT_FALSE(image->HasAlpha());
}

} // namespace
