// Times each codec decoding and encoding a full-HD picture, as ratios from one run: PNG and JPEG
// against libpng's and libjpeg's own direct calls on the same pixels and settings; GIF (with its
// quantizing), BMP and ICO against a plain copy of the same bytes.
#include "BenchClock.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <png.h>

#include "core/col/Arrays.h"
#include "images/bmp/win/Bitmap.h"
#include "images/codecs/gif/win/Gif.h"
#include "images/codecs/ico/win/Icon.h"
#include "images/codecs/ico/win/IconImage.h"
#include "images/codecs/jpg/win/Jpeg.h"
#include "images/codecs/png/win/Png.h"
#include "images/win/BufferedImage.h"
#include "storage/file/Pooled.h"

using s::col::_array::ArrayU08;
using s::file::Pooled;
using s::image::IEncodedImage;
using s::image::win::BufferedImage;

namespace {

const int32_t kWidth = 1920;
const int32_t kHeight = 1080;
const int kRounds = 3;

void Report(const char* what, double ours, double baseline)
{
    std::printf("%-46s %10.2f ms, baseline %10.2f ms, ratio %.3f\n", what, ours * 1e3, baseline * 1e3, ours / baseline);
}

// A picture with smooth areas and edges, as screens have.
void FillPicture(BufferedImage* image)
{
    for (int32_t y = 0; y < kHeight; ++y) {
        uint32_t* row = image->GetRow(y);
        for (int32_t x = 0; x < kWidth; ++x)
            row[x] = 0xFF000000u | uint32_t((x / 8) & 0xFF) << 16 | uint32_t((y / 5) & 0xFF) << 8 |
                     uint32_t(((x / 64 + y / 64) % 2) * 200);
    }
    image->SetHasAlpha(false);
}

std::vector<uint8_t> Rgb(BufferedImage* image, int channels)
{
    std::vector<uint8_t> bytes(size_t(kWidth) * kHeight * channels);
    for (int32_t y = 0; y < kHeight; ++y) {
        const uint32_t* row = image->GetRow(y);
        uint8_t* to = bytes.data() + size_t(y) * kWidth * channels;
        for (int32_t x = 0; x < kWidth; ++x, to += channels) {
            to[0] = uint8_t(row[x] >> 16);
            to[1] = uint8_t(row[x] >> 8);
            to[2] = uint8_t(row[x]);
            if (channels == 4)
                to[3] = uint8_t(row[x] >> 24);
        }
    }
    return bytes;
}

void Append(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

struct Source {
    const std::vector<uint8_t>* bytes;
    size_t at;
};

void Take(png_structp png, png_bytep data, png_size_t length)
{
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    std::memcpy(data, source->bytes->data() + source->at, length);
    source->at += length;
}

std::vector<uint8_t> DirectPngEncode(const std::vector<uint8_t>& rgba)
{
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, Append, nullptr);
    png_set_IHDR(png, info, kWidth, kHeight, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int32_t y = 0; y < kHeight; ++y)
        png_write_row(png, rgba.data() + size_t(y) * kWidth * 4);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

void DirectPngDecode(const std::vector<uint8_t>& file, std::vector<uint8_t>* rgba)
{
    Source source{&file, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_read_fn(png, &source, Take);
    png_read_info(png, info);
    png_read_update_info(png, info);
    for (int32_t y = 0; y < kHeight; ++y)
        png_read_row(png, rgba->data() + size_t(y) * kWidth * 4, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
}

std::vector<uint8_t> DirectJpegEncode(const std::vector<uint8_t>& rgb)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = kWidth;
    cinfo.image_height = kHeight;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 75, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.data() + size_t(cinfo.next_scanline) * kWidth * 3);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

void DirectJpegDecode(const std::vector<uint8_t>& file, std::vector<uint8_t>* rgb)
{
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, const_cast<unsigned char*>(file.data()), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = rgb->data() + size_t(cinfo.output_scanline) * kWidth * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
}

// Our codec's encoding of the picture into a reused array, and its decoding back.
template <class Codec, class Convert>
void Time(const char* name, BufferedImage* image, Convert convert, double encodeBaseline,
          double decodeBaselineFor(size_t))
{
    Pooled<ArrayU08> bytes;
    auto encode = [&] {
        Pooled<Codec> codec;
        convert(codec.get(), image);
        bytes->SetCount(0);
        bytes->SeekToStart();
        codec->Encode(bytes.get());
    };
    const double ours = Best(encode, kRounds);
    auto decode = [&] {
        Pooled<Codec> codec;
        bytes->SeekToStart();
        codec->Decode(bytes.get());
    };
    const double back = Best(decode, kRounds);
    char what[80];
    std::snprintf(what, sizeof(what), "%s encode", name);
    Report(what, ours, encodeBaseline);
    std::snprintf(what, sizeof(what), "%s decode (%u bytes)", name, bytes->GetCount());
    Report(what, back, decodeBaselineFor(bytes->GetCount()));
}

std::vector<uint8_t> copyFrom(size_t(kWidth) * kHeight * 4, 7);
std::vector<uint8_t> copyTo(size_t(kWidth) * kHeight * 4);

// A plain copy of the picture's pixel bytes.
double PlainCopy(size_t)
{
    return Best([] { std::memcpy(copyTo.data(), copyFrom.data(), copyTo.size()); }, kRounds);
}

double pngDecodeBaseline = 0;
double jpegDecodeBaseline = 0;

double PngDecodeBaseline(size_t)
{
    return pngDecodeBaseline;
}

double JpegDecodeBaseline(size_t)
{
    return jpegDecodeBaseline;
}

} // namespace

int main()
{
    BufferedImage* image = s::image::win::NewBufferedImage(kWidth, kHeight);
    if (!image)
        return 1;
    FillPicture(image);

    const std::vector<uint8_t> rgba = Rgb(image, 4);
    std::vector<uint8_t> pngFile;
    const double pngEncode = Best([&] { pngFile = DirectPngEncode(rgba); }, kRounds);
    std::vector<uint8_t> rgbaBack(rgba.size());
    pngDecodeBaseline = Best([&] { DirectPngDecode(pngFile, &rgbaBack); }, kRounds);
    Time<s::image::png::win::Png>(
        "PNG against libpng", image,
        [](s::image::png::win::Png* png, BufferedImage* from) { png->ConvertFrom(from, false, true, 255, 255, 255); },
        pngEncode, PngDecodeBaseline);

    const std::vector<uint8_t> rgb = Rgb(image, 3);
    std::vector<uint8_t> jpegFile;
    const double jpegEncode = Best([&] { jpegFile = DirectJpegEncode(rgb); }, kRounds);
    std::vector<uint8_t> rgbBack(rgb.size());
    jpegDecodeBaseline = Best([&] { DirectJpegDecode(jpegFile, &rgbBack); }, kRounds);
    Time<s::image::jpg::win::Jpeg>(
        "JPEG against libjpeg", image,
        [](s::image::jpg::win::Jpeg* jpeg, BufferedImage* from) { jpeg->ConvertFrom(from, 75, 255, 255, 255); },
        jpegEncode, JpegDecodeBaseline);

    const double copy = PlainCopy(0);
    Time<s::image::gif::win::Gif>(
        "GIF (quantized) against a copy", image,
        [](s::image::gif::win::Gif* gif, BufferedImage* from) {
            gif->AddFrame(from, 8, true, 255, 255, 255, s::image::gif::win::Gif::kAlphaThreshold);
        },
        copy, PlainCopy);
    Time<s::image::bmp::win::Bitmap>(
        "BMP 24-bit against a copy", image,
        [](s::image::bmp::win::Bitmap* bmp, BufferedImage* from) { bmp->ConvertFrom(from, 24, true, 255, 255, 255); },
        copy, PlainCopy);
    Time<s::image::ico::win::Icon>(
        "ICO 32-bit (a PNG entry) against a copy", image,
        [](s::image::ico::win::Icon* icon, BufferedImage* from) {
            s::image::ico::win::IconImage* entry = s::image::ico::win::IconImage::New();
            entry->ConvertFrom(from, 32, true, 255, 255, 255);
            icon->AddImage(entry);
        },
        copy, PlainCopy);
    image->ReleaseToPool();
    return 0;
}
