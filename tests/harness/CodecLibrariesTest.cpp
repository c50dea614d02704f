// The codec libraries link and work: a tiny image round-trips through each library's own API.
#include <cstdint>
#include <cstdio>
#include <csetjmp>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>
#include <png.h>

extern "C" {
#include <jpeglib.h>
}

namespace {

const int kWidth = 4, kHeight = 3;

std::vector<uint8_t> Pattern()
{
    std::vector<uint8_t> rgb(kWidth * kHeight * 3);
    for (size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = static_cast<uint8_t>(i * 17);
    return rgb;
}

void AppendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

struct Reader {
    const std::vector<uint8_t>* bytes;
    size_t at;
};

void ReadBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* in = static_cast<Reader*>(png_get_io_ptr(png));
    if (in->at + length > in->bytes->size())
        png_error(png, "short read");
    std::memcpy(data, in->bytes->data() + in->at, length);
    in->at += length;
}

TEST(CodecLibraries, PngRoundTripsPixelsExactly)
{
    const std::vector<uint8_t> rgb = Pattern();
    std::vector<uint8_t> file;

    png_structp writer = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop writeInfo = png_create_info_struct(writer);
    ASSERT_EQ(0, setjmp(png_jmpbuf(writer)));
    png_set_write_fn(writer, &file, AppendBytes, nullptr);
    png_set_IHDR(writer, writeInfo, kWidth, kHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(writer, writeInfo);
    for (int y = 0; y < kHeight; ++y)
        png_write_row(writer, const_cast<png_bytep>(rgb.data() + y * kWidth * 3));
    png_write_end(writer, nullptr);
    png_destroy_write_struct(&writer, &writeInfo);
    ASSERT_GT(file.size(), 8u);
    EXPECT_EQ(0, png_sig_cmp(file.data(), 0, 8));

    Reader in = {&file, 0};
    png_structp reader = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop readInfo = png_create_info_struct(reader);
    ASSERT_EQ(0, setjmp(png_jmpbuf(reader)));
    png_set_read_fn(reader, &in, ReadBytes);
    png_read_info(reader, readInfo);
    EXPECT_EQ(static_cast<png_uint_32>(kWidth), png_get_image_width(reader, readInfo));
    EXPECT_EQ(static_cast<png_uint_32>(kHeight), png_get_image_height(reader, readInfo));
    std::vector<uint8_t> back(rgb.size());
    for (int y = 0; y < kHeight; ++y)
        png_read_row(reader, back.data() + y * kWidth * 3, nullptr);
    png_destroy_read_struct(&reader, &readInfo, nullptr);
    EXPECT_EQ(rgb, back);
}

TEST(CodecLibraries, JpegRoundTripsAFlatImageClosely)
{
    EXPECT_EQ(62, JPEG_LIB_VERSION);
    std::vector<uint8_t> rgb(kWidth * kHeight * 3);
    for (size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = 200;
        rgb[i + 1] = 100;
        rgb[i + 2] = 50;
    }

    jpeg_compress_struct compress;
    jpeg_error_mgr compressErrors;
    compress.err = jpeg_std_error(&compressErrors);
    jpeg_create_compress(&compress);
    unsigned char* file = nullptr;
    unsigned long fileSize = 0;
    jpeg_mem_dest(&compress, &file, &fileSize);
    compress.image_width = kWidth;
    compress.image_height = kHeight;
    compress.input_components = 3;
    compress.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compress);
    jpeg_set_quality(&compress, 95, TRUE);
    jpeg_start_compress(&compress, TRUE);
    while (compress.next_scanline < compress.image_height) {
        JSAMPROW row = rgb.data() + compress.next_scanline * kWidth * 3;
        jpeg_write_scanlines(&compress, &row, 1);
    }
    jpeg_finish_compress(&compress);
    jpeg_destroy_compress(&compress);
    ASSERT_GT(fileSize, 2u);
    EXPECT_EQ(0xFF, file[0]);
    EXPECT_EQ(0xD8, file[1]);

    jpeg_decompress_struct decompress;
    jpeg_error_mgr decompressErrors;
    decompress.err = jpeg_std_error(&decompressErrors);
    jpeg_create_decompress(&decompress);
    jpeg_mem_src(&decompress, file, fileSize);
    ASSERT_EQ(JPEG_HEADER_OK, jpeg_read_header(&decompress, TRUE));
    jpeg_start_decompress(&decompress);
    EXPECT_EQ(static_cast<JDIMENSION>(kWidth), decompress.output_width);
    EXPECT_EQ(3, decompress.output_components);
    std::vector<uint8_t> back(rgb.size());
    while (decompress.output_scanline < decompress.output_height) {
        JSAMPROW row = back.data() + decompress.output_scanline * kWidth * 3;
        jpeg_read_scanlines(&decompress, &row, 1);
    }
    jpeg_finish_decompress(&decompress);
    jpeg_destroy_decompress(&decompress);
    std::free(file);
    for (size_t i = 0; i < rgb.size(); ++i)
        EXPECT_NEAR(rgb[i], back[i], 4) << "byte " << i;
}

} // namespace
