// The octree quantizer: palette order, exact small palettes, grouping into few colours, the
// transparent index, index packing, and the bounds of its 256-entry palette.
#include <gtest/gtest.h>

#include <set>

#include "images/filters/reduction/Quantizer.h"
#include "storage/file/Pooled.h"
#include "tests/images/ImageFixtures.h"

namespace {

using images_test::ImagePtr;
using images_test::MakeImage;
using s::file::Pooled;
using s::image::filters::reduction::Quantizer;

ImagePtr Row(const std::vector<uint32_t>& pixels)
{
    ImagePtr image = MakeImage(static_cast<int32_t>(pixels.size()), 1);
    for (size_t i = 0; i < pixels.size(); ++i)
        image->GetRow(0)[i] = pixels[i];
    return image;
}

std::vector<uint8_t> Map(Quantizer* quantizer, s::image::win::BufferedImage* image, int32_t bits)
{
    std::vector<uint8_t> indices(static_cast<size_t>(image->GetWidth()), 0xEE);
    quantizer->MapToPalette(image->GetRow(0), image->GetWidth(), indices.data(), bits);
    return indices;
}

TEST(QuantizerTest, FewColoursGetExactEntriesInTreeOrder)
{
    // Red's path starts with child 4, blue's with child 1: blue comes first whatever the values.
    ImagePtr image = Row({0xFFFF0000u, 0xFF0000FFu, 0xFFFF0000u});
    Pooled<Quantizer> quantizer;
    quantizer->Reduce(image.get(), 255, 8);
    EXPECT_EQ(0x000000FFu, quantizer->GetPalette()[0]);
    EXPECT_EQ(0x00FF0000u, quantizer->GetPalette()[1]);
    EXPECT_EQ(std::vector<uint8_t>({1, 0, 1}), Map(quantizer.get(), image.get(), 8));

    std::vector<uint32_t> ten;
    for (uint32_t i = 0; i < 10; ++i)
        ten.push_back(0xFF000000u | (i * 25) << 16 | (250 - i * 20) << 8 | (i * 7));
    ImagePtr tenColours = Row(ten);
    quantizer->Reduce(tenColours.get(), 255, 8);
    std::set<uint32_t> entries;
    for (int i = 0; i < 10; ++i)
        entries.insert(quantizer->GetPalette()[i] | 0xFF000000u);
    EXPECT_EQ(std::set<uint32_t>(ten.begin(), ten.end()), entries);
    const std::vector<uint8_t> indices = Map(quantizer.get(), tenColours.get(), 8);
    for (size_t i = 0; i < ten.size(); ++i) {
        EXPECT_EQ(ten[i], quantizer->GetPalette()[indices[i]] | 0xFF000000u) << i;
        // Every entry has alpha 0; entries no colour filled are black.
        EXPECT_EQ(0u, quantizer->GetPalette()[i] >> 24);
    }
    for (int i = 10; i < Quantizer::kPaletteEntries; ++i)
        ASSERT_EQ(0u, quantizer->GetPalette()[i]) << i;
}

TEST(QuantizerTest, ManyColoursAreGroupedIntoFewEntries)
{
    std::vector<uint32_t> twenty;
    for (uint32_t i = 0; i < 20; ++i)
        twenty.push_back(0xFF000000u | (i * 13) << 16 | (i * 11) << 8 | (255 - i * 12));
    ImagePtr image = Row(twenty);
    Pooled<Quantizer> quantizer;
    quantizer->Reduce(image.get(), 15, 8);
    EXPECT_EQ(15, quantizer->GetWantedCount());
    const std::vector<uint8_t> indices = Map(quantizer.get(), image.get(), 8);
    for (size_t i = 0; i < twenty.size(); ++i) {
        ASSERT_LT(indices[i], 15) << i;
        // Grouped neighbours stay near: no channel moves by more than a quarter of its range.
        const uint32_t entry = quantizer->GetPalette()[indices[i]];
        for (int shift : {0, 8, 16})
            EXPECT_LE(std::abs(int((entry >> shift) & 0xFF) - int((twenty[i] >> shift) & 0xFF)), 64) << i;
    }
    for (int i = 15; i < Quantizer::kPaletteEntries; ++i)
        ASSERT_EQ(0u, quantizer->GetPalette()[i]) << i;
}

TEST(QuantizerTest, PixelsThatAreNotOpaqueGetTheTransparentIndex)
{
    ImagePtr image = Row({0xC8102030u, 0xFF102030u, 0x00FFFFFFu});
    Pooled<Quantizer> quantizer;
    quantizer->Reduce(image.get(), 255, 8);
    // Alpha 200 counts for the palette; alpha 0 does not.
    EXPECT_EQ(0x00102030u, quantizer->GetPalette()[0]);
    EXPECT_EQ(0u, quantizer->GetPalette()[1]);
    EXPECT_EQ(std::vector<uint8_t>({255, 0, 255}), Map(quantizer.get(), image.get(), 8));

    // Nothing opaque: no tree, an all-black palette, every pixel transparent.
    ImagePtr clear = Row({0x00FF0000u, 0x0000FF00u});
    quantizer->Reduce(clear.get(), 15, 8);
    EXPECT_EQ(0u, quantizer->GetPalette()[0]);
    EXPECT_EQ(std::vector<uint8_t>({15, 15}), Map(quantizer.get(), clear.get(), 8));
}

TEST(QuantizerTest, FourBitIndicesShareBytesHighNibbleFirst)
{
    std::vector<uint32_t> pixels;
    for (uint32_t i = 0; i < 6; ++i)
        pixels.push_back(0xFF000000u | (i * 40) << 16 | (i * 40) << 8 | (i * 40));
    ImagePtr image = Row(pixels);
    Pooled<Quantizer> quantizer;
    quantizer->Reduce(image.get(), 16, 8);
    std::vector<uint8_t> single = Map(quantizer.get(), image.get(), 8);
    std::vector<uint8_t> packed(3, 0xEE);
    quantizer->MapToPalette(image->GetRow(0), 6, packed.data(), 4);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(single[2 * i] << 4 | single[2 * i + 1], packed[i]) << i;
}

TEST(QuantizerTest, NoWantedCountReachesPastThePalette)
{
    ImagePtr image = MakeImage(64, 64);
    for (int32_t y = 0; y < 64; ++y) {
        for (int32_t x = 0; x < 64; ++x)
            image->GetRow(y)[x] = 0xFF000000u | uint32_t(x * 4) << 16 | uint32_t(y * 4) << 8 | uint32_t(x ^ y);
    }
    Pooled<Quantizer> quantizer;
    for (int32_t wanted : {-5, 0, 1, 256, 257, 100000}) {
        quantizer->Reduce(image.get(), wanted, 8);
        EXPECT_GE(quantizer->GetWantedCount(), 0) << wanted;
        EXPECT_LE(quantizer->GetWantedCount(), Quantizer::kPaletteEntries) << wanted;
        std::vector<uint8_t> indices(64);
        quantizer->MapToPalette(image->GetRow(0), 64, indices.data(), 8);
    }
}

} // namespace
