#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "images/bmp/win/Bitmap.h"
#include "images/codecs/jpg/win/Jpeg.h"
#include "storage/file/Pooled.h"
#include "tests/images/ImageFixtures.h"
#include "tests/images/codecs/CodecFixtures.h"

namespace {

using codecs_test::Bytes;
using codecs_test::DecodeBytes;
using codecs_test::EncodeToBytes;
using images_test::ImagePtr;
using images_test::MakeImage;
using s::file::Pooled;
using s::image::jpg::win::Jpeg;

// Red, green, blue of one decoded pixel as 0xRRGGBB.
uint32_t PixelOf(Jpeg* jpeg, int32_t x, int32_t y)
{
    const uint8_t* p = jpeg->GetBitmap()->GetRow(y) + x * 3;
    return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
}

bool Near(uint32_t a, uint32_t b, int tolerance)
{
    for (int shift = 0; shift < 24; shift += 8) {
        int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (d > tolerance || d < -tolerance)
            return false;
    }
    return true;
}

// A JPEG written by libjpeg itself from samples in the given colour space, one flat colour.
Bytes MakeJpeg(int width, int height, int components, J_COLOR_SPACE space, const uint8_t* sample)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row;
    for (int x = 0; x < width; ++x)
        row.insert(row.end(), sample, sample + components);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

ImagePtr Blocks(int32_t width, int32_t height)
{
    ImagePtr image = MakeImage(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            image->GetRow(y)[x] = x < width / 2 ? (y < height / 2 ? 0xFFC02020 : 0xFF20C020) : 0xFF2020C0;
    image->SetHasAlpha(false);
    return image;
}

TEST(JpegTest, RoundTripStaysWithinTolerance)
{
    ImagePtr source = Blocks(32, 16);
    Pooled<Jpeg> jpeg;
    ASSERT_TRUE(jpeg->ConvertFrom(source.get(), 90, 255, 255, 255));
    bool encoded = false;
    Bytes bytes = EncodeToBytes(jpeg.get(), &encoded);
    ASSERT_TRUE(encoded);
    Pooled<Jpeg> back;
    ASSERT_TRUE(DecodeBytes(back.get(), bytes));
    ASSERT_EQ(32, back->GetWidth());
    ASSERT_EQ(16, back->GetHeight());
    // Away from the block edges the colours come back close.
    EXPECT_TRUE(Near(0xC02020, PixelOf(back.get(), 2, 2), 12));
    EXPECT_TRUE(Near(0x20C020, PixelOf(back.get(), 2, 13), 12));
    EXPECT_TRUE(Near(0x2020C0, PixelOf(back.get(), 28, 8), 12));
    ImagePtr image(static_cast<s::image::win::BufferedImage*>(back->ToBufferedImage(0, nullptr)));
    ASSERT_TRUE(image);
    EXPECT_FALSE(image->HasAlpha());
    EXPECT_EQ(0xFF000000u, image->GetRow(0)[0] & 0xFF000000u);
}

TEST(JpegTest, EncodingTwiceGivesTheSameBytesAndLeavesThePictureAlone)
{
    ImagePtr source = Blocks(17, 9);
    Pooled<Jpeg> jpeg;
    ASSERT_TRUE(jpeg->ConvertFrom(source.get(), 75, 0, 0, 0));
    const uint32_t before = PixelOf(jpeg.get(), 1, 1);
    Bytes first = EncodeToBytes(jpeg.get());
    EXPECT_EQ(first, EncodeToBytes(jpeg.get()));
    EXPECT_EQ(before, PixelOf(jpeg.get(), 1, 1));
    EXPECT_EQ(0xC02020u, before);
}

TEST(JpegTest, ConvertFromFlattensOnlyImagesWithAlpha)
{
    ImagePtr source = MakeImage(4, 4);
    images_test::Fill(source.get(), 0x00112233);
    source->SetHasAlpha(true);
    Pooled<Jpeg> clear;
    ASSERT_TRUE(clear->ConvertFrom(source.get(), 75, 10, 20, 30));
    EXPECT_EQ(0x0A141Eu, PixelOf(clear.get(), 3, 3));
    source->SetHasAlpha(false);
    Pooled<Jpeg> plain;
    ASSERT_TRUE(plain->ConvertFrom(source.get(), 75, 10, 20, 30));
    EXPECT_EQ(0x112233u, PixelOf(plain.get(), 3, 3));
}

TEST(JpegTest, DecodesGrayAndFourComponentFiles)
{
    const uint8_t gray[] = {0x60};
    Pooled<Jpeg> grayJpeg;
    ASSERT_TRUE(DecodeBytes(grayJpeg.get(), MakeJpeg(8, 8, 1, JCS_GRAYSCALE, gray)));
    uint32_t pixel = PixelOf(grayJpeg.get(), 4, 4);
    EXPECT_EQ(pixel & 0xFF, (pixel >> 8) & 0xFF);
    EXPECT_EQ(pixel & 0xFF, (pixel >> 16) & 0xFF);
    EXPECT_TRUE(Near(0x606060, pixel, 2));

    struct Case {
        uint8_t cmyk[4];
        uint32_t expected;
    };
    // Each colour is multiplied by the fourth component over 255.
    const Case cases[] = {{{200, 100, 50, 255}, 0xC86432}, {{200, 100, 50, 0}, 0x000000},
                          {{200, 100, 50, 128}, 0x643219}};
    for (const Case& c : cases) {
        Pooled<Jpeg> jpeg;
        ASSERT_TRUE(DecodeBytes(jpeg.get(), MakeJpeg(8, 8, 4, JCS_CMYK, c.cmyk)));
        EXPECT_TRUE(Near(c.expected, PixelOf(jpeg.get(), 4, 4), 3)) << std::hex << PixelOf(jpeg.get(), 4, 4);
    }
}

TEST(JpegTest, EmptyOrCorruptInputFailsWithoutEndingTheProgram)
{
    Bytes valid;
    {
        ImagePtr source = Blocks(16, 16);
        Pooled<Jpeg> jpeg;
        jpeg->ConvertFrom(source.get(), 75, 0, 0, 0);
        valid = EncodeToBytes(jpeg.get());
    }
    Bytes noStart = valid;
    noStart[1] = 0x00;
    const std::vector<Bytes> cases = {{}, {0xFF, 0xD8}, {'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'}, noStart,
                                      Bytes(valid.begin(), valid.begin() + 20)};
    for (const Bytes& bytes : cases) {
        Pooled<Jpeg> jpeg;
        ASSERT_TRUE(DecodeBytes(jpeg.get(), valid));
        EXPECT_FALSE(DecodeBytes(jpeg.get(), bytes)) << bytes.size();
        EXPECT_EQ(0, jpeg->GetWidth());
    }
}

TEST(JpegTest, FileCutInsideItsScanDataKeepsThePartialPicture)
{
    ImagePtr source = Blocks(64, 64);
    Pooled<Jpeg> jpeg;
    ASSERT_TRUE(jpeg->ConvertFrom(source.get(), 90, 0, 0, 0));
    Bytes valid = EncodeToBytes(jpeg.get());
    // Halfway between the start of the scan (its FF DA marker) and the end of the file.
    size_t scan = 0;
    for (size_t i = 0; i + 1 < valid.size() && scan == 0; ++i)
        if (valid[i] == 0xFF && valid[i + 1] == 0xDA)
            scan = i;
    ASSERT_GT(scan, 0u);
    Bytes cut(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(scan + (valid.size() - scan) / 2));
    Pooled<Jpeg> partial;
    ASSERT_TRUE(DecodeBytes(partial.get(), cut));
    EXPECT_EQ(64, partial->GetWidth());
    EXPECT_EQ(64, partial->GetHeight());
    EXPECT_TRUE(Near(0xC02020, PixelOf(partial.get(), 4, 4), 12));
}

TEST(JpegTest, OversizedHeaderIsRefusedBeforeAnythingIsAllocated)
{
    ImagePtr source = Blocks(8, 8);
    Pooled<Jpeg> jpeg;
    ASSERT_TRUE(jpeg->ConvertFrom(source.get(), 75, 0, 0, 0));
    Bytes bytes = EncodeToBytes(jpeg.get());
    // The frame header's height and width: 65,000 x 65,000.
    for (size_t i = 0; i + 8 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            bytes[i + 5] = bytes[i + 7] = 0xFD;
            bytes[i + 6] = bytes[i + 8] = 0xE8;
            break;
        }
    }
    Pooled<Jpeg> big;
    EXPECT_FALSE(DecodeBytes(big.get(), bytes));
    EXPECT_EQ(0, big->GetWidth());
}

TEST(JpegTest, SaveAsJpegWritesAFileThatReadsBack)
{
    codecs_test::TempFile file(L"save.jpg");
    ImagePtr source = Blocks(16, 8);
    source->SaveAsJpeg(file.c_str(), 90, 255, 255, 255);
    Pooled<Jpeg> jpeg;
    ASSERT_TRUE(jpeg->LoadFromPath(file.c_str()));
    EXPECT_EQ(16, jpeg->GetWidth());
    EXPECT_EQ(8, jpeg->GetHeight());
}

TEST(JpegTest, ResetRestoresTheDefaultQuality)
{
    Pooled<Jpeg> jpeg;
    jpeg->SetQuality(20);
    jpeg->Reset();
    EXPECT_EQ(75, jpeg->GetQuality());
    EXPECT_STREQ(L".jpg", jpeg->GetDefaultExtension());
}

} // namespace
