#include <gtest/gtest.h>
#include <zlib.h>

#include "images/bmp/win/Bitmap.h"
#include "images/codecs/png/win/Png.h"
#include "storage/file/Pooled.h"
#include "tests/images/ImageFixtures.h"
#include "tests/images/codecs/CodecFixtures.h"

namespace {

using codecs_test::Bytes;
using codecs_test::DecodeBytes;
using codecs_test::EncodeToBytes;
using codecs_test::MakePng;
using codecs_test::PngLayout;
using images_test::ImagePtr;
using images_test::MakeImage;
using s::file::Pooled;
using s::image::png::win::Png;

// Blue, green, red, alpha of one decoded pixel.
uint32_t PixelOf(Png* png, int32_t x, int32_t y)
{
    const uint8_t* p = png->GetBitmap()->GetRow(y) + x * 4;
    return uint32_t{p[3]} << 24 | uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
}

// A picture whose every pixel differs, with alpha from clear to opaque.
ImagePtr GradientImage(int32_t width, int32_t height)
{
    ImagePtr image = MakeImage(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint32_t alpha = static_cast<uint32_t>((x * 37 + y * 11) & 0xFF);
            image->GetRow(y)[x] = alpha << 24 | uint32_t(x * 9 & 0xFF) << 16 | uint32_t(y * 7 & 0xFF) << 8 |
                                  uint32_t((x + y) & 0xFF);
        }
    }
    image->SetHasAlpha(true);
    return image;
}

TEST(PngTest, RoundTripKeepsEveryPixelAndAlpha)
{
    ImagePtr source = GradientImage(13, 7);
    for (bool interlace : {false, true}) {
        Pooled<Png> png;
        ASSERT_TRUE(png->ConvertFrom(source.get(), interlace, true, 255, 255, 255));
        bool encoded = false;
        Bytes bytes = EncodeToBytes(png.get(), &encoded);
        ASSERT_TRUE(encoded);
        // Byte 28 of the file is the header's interlace method.
        ASSERT_GT(bytes.size(), 29u);
        EXPECT_EQ(interlace ? 1 : 0, bytes[28]);

        Pooled<Png> back;
        ASSERT_TRUE(DecodeBytes(back.get(), bytes));
        ASSERT_EQ(13, back->GetWidth());
        ASSERT_EQ(7, back->GetHeight());
        ImagePtr image(static_cast<s::image::win::BufferedImage*>(back->ToBufferedImage(0, nullptr)));
        ASSERT_TRUE(image);
        EXPECT_TRUE(image->HasAlpha());
        for (int32_t y = 0; y < 7; ++y)
            for (int32_t x = 0; x < 13; ++x)
                ASSERT_EQ(source->GetRow(y)[x], image->GetRow(y)[x]) << x << "," << y;
    }
}

TEST(PngTest, EncodingTwiceGivesTheSameBytesAndLeavesThePictureAlone)
{
    ImagePtr source = GradientImage(9, 5);
    Pooled<Png> png;
    ASSERT_TRUE(png->ConvertFrom(source.get(), false, true, 0, 0, 0));
    const uint32_t before = PixelOf(png.get(), 3, 2);
    Bytes first = EncodeToBytes(png.get());
    Bytes second = EncodeToBytes(png.get());
    EXPECT_EQ(first, second);
    EXPECT_EQ(before, PixelOf(png.get(), 3, 2));
}

TEST(PngTest, ConvertFromFlattensOrKeepsTransparency)
{
    ImagePtr source = MakeImage(2, 1);
    source->GetRow(0)[0] = 0x00123456; // fully clear
    source->GetRow(0)[1] = 0xFF102030;
    source->SetHasAlpha(true);
    Pooled<Png> kept;
    ASSERT_TRUE(kept->ConvertFrom(source.get(), false, true, 10, 20, 30));
    EXPECT_EQ(0x00123456u, PixelOf(kept.get(), 0, 0));
    Pooled<Png> flat;
    ASSERT_TRUE(flat->ConvertFrom(source.get(), false, false, 10, 20, 30));
    EXPECT_EQ(0xFF0A141Eu, PixelOf(flat.get(), 0, 0));
    EXPECT_EQ(0xFF102030u, PixelOf(flat.get(), 1, 0));

    // Without the alpha flag the alpha bytes mean nothing: the file is opaque.
    source->SetHasAlpha(false);
    Pooled<Png> opaque;
    ASSERT_TRUE(opaque->ConvertFrom(source.get(), false, true, 10, 20, 30));
    EXPECT_EQ(0xFF123456u, PixelOf(opaque.get(), 0, 0));
}

struct DecodeCase {
    const char* name;
    PngLayout layout;
    std::vector<uint32_t> expected; // 0xAARRGGBB, row by row
};

TEST(PngTest, DecodesEveryColourTypeAndDepthToBlueGreenRedAlpha)
{
    const std::vector<png_color> palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    const std::vector<DecodeCase> cases = {
        {"gray 1", {8, 1, 1, PNG_COLOR_TYPE_GRAY, false, {{0xA0}}, {}, {}},
         {0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000}},
        {"gray 2", {4, 1, 2, PNG_COLOR_TYPE_GRAY, false, {{0x1B}}, {}, {}},
         {0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF}},
        {"gray 4", {2, 1, 4, PNG_COLOR_TYPE_GRAY, false, {{0x0F}}, {}, {}}, {0xFF000000, 0xFFFFFFFF}},
        {"gray 8", {2, 1, 8, PNG_COLOR_TYPE_GRAY, false, {{0x40, 0x80}}, {}, {}}, {0xFF404040, 0xFF808080}},
        {"gray 16", {1, 1, 16, PNG_COLOR_TYPE_GRAY, false, {{0x7F, 0xFF}}, {}, {}}, {0xFF7F7F7F}},
        {"gray alpha", {1, 1, 8, PNG_COLOR_TYPE_GRAY_ALPHA, false, {{0x30, 0x80}}, {}, {}}, {0x80303030}},
        {"rgb", {1, 1, 8, PNG_COLOR_TYPE_RGB, false, {{1, 2, 3}}, {}, {}}, {0xFF010203}},
        {"rgba 16", {1, 1, 16, PNG_COLOR_TYPE_RGB_ALPHA, false, {{0x11, 0, 0x22, 0, 0x33, 0, 0x44, 0}}, {}, {}},
         {0x44112233}},
        {"palette 2 bits", {3, 1, 2, PNG_COLOR_TYPE_PALETTE, false, {{0x18}}, palette, {}},
         {0xFFFF0000, 0xFF00FF00, 0xFF0000FF}},
        {"palette with tRNS", {3, 1, 8, PNG_COLOR_TYPE_PALETTE, false, {{0, 1, 2}}, palette, {0x00, 0x80}},
         {0x00FF0000, 0x8000FF00, 0xFF0000FF}},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        Pooled<Png> png;
        ASSERT_TRUE(DecodeBytes(png.get(), MakePng(c.layout)));
        ASSERT_EQ(static_cast<int32_t>(c.layout.width), png->GetWidth());
        for (size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(c.expected[i], PixelOf(png.get(), static_cast<int32_t>(i % c.layout.width),
                                             static_cast<int32_t>(i / c.layout.width)))
                << i;
    }
}

TEST(PngTest, InterlacedFileDecodesLikeThePlainOne)
{
    PngLayout layout{11, 9, 8, PNG_COLOR_TYPE_RGB, false, {}, {}, {}};
    for (uint32_t y = 0; y < layout.height; ++y) {
        Bytes row;
        for (uint32_t x = 0; x < layout.width * 3; ++x)
            row.push_back(static_cast<uint8_t>(x * 13 + y * 29));
        layout.rows.push_back(row);
    }
    Pooled<Png> plain;
    ASSERT_TRUE(DecodeBytes(plain.get(), MakePng(layout)));
    layout.interlaced = true;
    Pooled<Png> interlaced;
    ASSERT_TRUE(DecodeBytes(interlaced.get(), MakePng(layout)));
    for (int32_t y = 0; y < 9; ++y)
        for (int32_t x = 0; x < 11; ++x)
            ASSERT_EQ(PixelOf(plain.get(), x, y), PixelOf(interlaced.get(), x, y)) << x << "," << y;
}

Bytes SmallValidPng()
{
    ImagePtr source = GradientImage(6, 4);
    Pooled<Png> png;
    png->ConvertFrom(source.get(), false, true, 0, 0, 0);
    return EncodeToBytes(png.get());
}

TEST(PngTest, BytesThatAreNoPngFailAndKeepThePreviousPicture)
{
    Pooled<Png> png;
    ASSERT_TRUE(DecodeBytes(png.get(), SmallValidPng()));
    EXPECT_FALSE(DecodeBytes(png.get(), Bytes{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}));
    EXPECT_EQ(6, png->GetWidth());
}

TEST(PngTest, DamagedFilesFailAndLeaveTheCodecEmpty)
{
    const Bytes valid = SmallValidPng();
    Bytes badCrc = valid;
    badCrc[29] ^= 0x01; // inside the header chunk's checksum
    Bytes huge = valid;
    // Width 0x7FFFFFFF with the checksum fixed, so the size itself is what is refused.
    huge[16] = 0x7F;
    huge[17] = huge[18] = huge[19] = 0xFF;
    huge[20] = 0x7F;
    huge[21] = huge[22] = huge[23] = 0xFF;
    const uint32_t crc = static_cast<uint32_t>(crc32(0, huge.data() + 12, 17));
    for (int i = 0; i < 4; ++i)
        huge[29 + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    struct Case {
        const char* name;
        Bytes bytes;
    };
    std::vector<Case> cases = {{"empty", {}}, {"bad header checksum", badCrc}, {"huge size", huge}};
    for (size_t cut = 1; cut < valid.size(); cut += 7)
        cases.push_back({"cut", Bytes(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(cut))});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + std::string(" ") + std::to_string(c.bytes.size()));
        Pooled<Png> png;
        EXPECT_FALSE(DecodeBytes(png.get(), c.bytes));
        EXPECT_EQ(0, png->GetWidth());
    }
}

TEST(PngTest, SaveAsPngWritesAFileThatReadsBack)
{
    codecs_test::TempFile file(L"save.png");
    ImagePtr source = GradientImage(5, 3);
    source->SaveAsPng(file.c_str(), false, true, 0, 0, 0);
    Pooled<Png> png;
    ASSERT_TRUE(png->LoadFromPath(file.c_str()));
    EXPECT_EQ(5, png->GetWidth());
    EXPECT_EQ(source->GetRow(2)[4], PixelOf(png.get(), 4, 2));
}

TEST(PngTest, SaveToFileNeverOverwritesAnExistingFile)
{
    codecs_test::TempFile file(L"existing.png");
    file.Write(Bytes{1, 2, 3});
    ImagePtr source = GradientImage(2, 2);
    Pooled<Png> png;
    ASSERT_TRUE(png->ConvertFrom(source.get(), false, true, 0, 0, 0));
    EXPECT_FALSE(png->SaveToPath(file.c_str()));
    EXPECT_EQ((Bytes{1, 2, 3}), file.Read());
}

TEST(PngTest, SingleImageAnswers)
{
    Pooled<Png> png;
    int32_t index = -1;
    EXPECT_TRUE(png->FindNearestSizeImage(16, 16, 32, &index));
    EXPECT_EQ(0, index);
    EXPECT_FALSE(png->IsMultiImage());
    EXPECT_EQ(1, png->GetImageCount());
    EXPECT_STREQ(L".png", png->GetDefaultExtension());
}

} // namespace
