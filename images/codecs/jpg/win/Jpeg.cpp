#include "images/codecs/jpg/win/Jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

// jpeglib.h needs size_t and FILE declared before it.
#include <jerror.h>
#include <jpeglib.h>

#include "core/io/IInputStream.h"
#include "core/io/IOutputStream.h"
#include "images/IBufferedImage.h"
#include "images/bmp/win/Bitmap.h"
#include "images/codecs/DecodeLimits.h"
#include "images/codecs/EncodeSettingSource.h"
#include "images/codecs/FlattenedImage.h"
#include "images/win/BufferedImage.h"

namespace s {
namespace image {
namespace jpg {
namespace win {

namespace {

const size_t kStreamBufferBytes = 4096;
const int kLibraryVersion = 62;

// The library's fatal errors jump back into the running operation instead of ending the process.
struct ErrorManager {
    jpeg_error_mgr standard;
    jmp_buf recovery;
};

void OnFatalError(j_common_ptr cinfo)
{
    longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->recovery, 1);
}

// A gadget has no console to print the library's warnings and traces on.
void OnMessage(j_common_ptr) {}

void SetUpErrors(ErrorManager* errors)
{
    jpeg_std_error(&errors->standard);
    errors->standard.error_exit = OnFatalError;
    errors->standard.output_message = OnMessage;
}

struct JpegStreamSource {
    jpeg_source_mgr manager;
    io::IInputStream* stream;
    JOCTET* buffer;
    boolean startOfFile;
};

void SourceInit(j_decompress_ptr cinfo)
{
    reinterpret_cast<JpegStreamSource*>(cinfo->src)->startOfFile = TRUE;
}

boolean SourceFill(j_decompress_ptr cinfo)
{
    auto* source = reinterpret_cast<JpegStreamSource*>(cinfo->src);
    size_t count = Jpeg::FillFromStream(source->stream, source->buffer, kStreamBufferBytes);
    if (count == 0) {
        if (source->startOfFile)
            ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        // An end-of-image marker lets the library finish the picture with what arrived.
        source->buffer[0] = 0xFF;
        source->buffer[1] = JPEG_EOI;
        count = 2;
    }
    source->manager.next_input_byte = source->buffer;
    source->manager.bytes_in_buffer = count;
    source->startOfFile = FALSE;
    return TRUE;
}

void SourceSkip(j_decompress_ptr cinfo, long count)
{
    jpeg_source_mgr* manager = cinfo->src;
    if (count <= 0)
        return;
    while (count > static_cast<long>(manager->bytes_in_buffer)) {
        count -= static_cast<long>(manager->bytes_in_buffer);
        SourceFill(cinfo);
    }
    manager->next_input_byte += count;
    manager->bytes_in_buffer -= static_cast<size_t>(count);
}

void SourceTerminate(j_decompress_ptr) {}

void InstallSource(j_decompress_ptr cinfo, io::IInputStream* in)
{
    auto* source = static_cast<JpegStreamSource*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, sizeof(JpegStreamSource)));
    source->buffer = static_cast<JOCTET*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, kStreamBufferBytes));
    source->stream = in;
    source->startOfFile = TRUE;
    source->manager.init_source = SourceInit;
    source->manager.fill_input_buffer = SourceFill;
    source->manager.skip_input_data = SourceSkip;
    source->manager.resync_to_restart = jpeg_resync_to_restart;
    source->manager.term_source = SourceTerminate;
    source->manager.bytes_in_buffer = 0;
    source->manager.next_input_byte = nullptr;
    cinfo->src = &source->manager;
}

struct JpegStreamDestination {
    jpeg_destination_mgr manager;
    io::IOutputStream* stream;
    JOCTET* buffer;
};

void DestinationInit(j_compress_ptr cinfo)
{
    auto* destination = reinterpret_cast<JpegStreamDestination*>(cinfo->dest);
    destination->buffer = static_cast<JOCTET*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, kStreamBufferBytes));
    destination->manager.next_output_byte = destination->buffer;
    destination->manager.free_in_buffer = kStreamBufferBytes;
}

boolean DestinationEmpty(j_compress_ptr cinfo)
{
    auto* destination = reinterpret_cast<JpegStreamDestination*>(cinfo->dest);
    if (!Jpeg::WriteAllToStream(destination->stream, destination->buffer, kStreamBufferBytes))
        ERREXIT(cinfo, JERR_FILE_WRITE);
    destination->manager.next_output_byte = destination->buffer;
    destination->manager.free_in_buffer = kStreamBufferBytes;
    return TRUE;
}

void DestinationTerminate(j_compress_ptr cinfo)
{
    auto* destination = reinterpret_cast<JpegStreamDestination*>(cinfo->dest);
    size_t count = kStreamBufferBytes - destination->manager.free_in_buffer;
    if (!Jpeg::WriteAllToStream(destination->stream, destination->buffer, count))
        ERREXIT(cinfo, JERR_FILE_WRITE);
}

void InstallDestination(j_compress_ptr cinfo, io::IOutputStream* out)
{
    auto* destination = static_cast<JpegStreamDestination*>((*cinfo->mem->alloc_small)(
        reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, sizeof(JpegStreamDestination)));
    destination->stream = out;
    destination->buffer = nullptr;
    destination->manager.init_destination = DestinationInit;
    destination->manager.empty_output_buffer = DestinationEmpty;
    destination->manager.term_destination = DestinationTerminate;
    cinfo->dest = &destination->manager;
}

void SwapRedBlue(uint8_t* row, int32_t width)
{
    for (int32_t x = 0; x < width; ++x, row += 3) {
        uint8_t first = row[0];
        row[0] = row[2];
        row[2] = first;
    }
}

} // namespace

Jpeg::Jpeg() : quality_(kDefaultQuality), bitmap_(bmp::win::Bitmap::New()) {}

Jpeg::~Jpeg()
{
    delete bitmap_;
}

thread::EasyPooler* Jpeg::GetPool()
{
    return &thread::PoolOf<Jpeg>();
}

Jpeg* Jpeg::New()
{
    return thread::TakeFromPool<Jpeg>();
}

const wchar_t* Jpeg::GetClassName()
{
    return kClassName;
}

base::IObject* Jpeg::NewInstance()
{
    return New();
}

void Jpeg::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Jpeg::Reset()
{
    if (bitmap_)
        bitmap_->Reset();
    quality_ = kDefaultQuality;
}

int32_t Jpeg::GetWidth()
{
    return bitmap_ ? bitmap_->GetWidth() : 0;
}

int32_t Jpeg::GetHeight()
{
    return bitmap_ ? bitmap_->GetHeight() : 0;
}

IBufferedImage* Jpeg::ToBufferedImage(int32_t, IBufferedImage* target)
{
    return bitmap_ ? bitmap_->ToBufferedImage(0, target) : nullptr;
}

bool Jpeg::CreateDib(int32_t width, int32_t height)
{
    return bitmap_ && bitmap_->CreateDib(width, height, 24) != nullptr;
}

size_t Jpeg::FillFromStream(io::IInputStream* in, uint8_t* buffer, size_t length)
{
    uint32_t done = 0;
    if (!in || !in->Read(buffer, static_cast<uint32_t>(length), &done))
        return 0;
    return done;
}

int Jpeg::WriteAllToStream(io::IOutputStream* out, const uint8_t* buffer, size_t length)
{
    while (length > 0) {
        uint32_t done = 0;
        if (!out || !out->Write(buffer, static_cast<uint32_t>(length), &done) || done == 0)
            return 0;
        buffer += done;
        length -= done;
    }
    return 1;
}

bool Jpeg::Encode(io::IOutputStream* out)
{
    if (!out || !bitmap_ || !bitmap_->GetBits() || bitmap_->GetBitCount() != 24)
        return false;
    jpeg_compress_struct cinfo;
    ErrorManager errors;
    cinfo.err = &errors.standard;
    SetUpErrors(&errors);
    // The row being written, swapped back when the library gives up halfway.
    uint8_t* volatile swappedRow = nullptr;
    if (setjmp(errors.recovery)) {
        if (swappedRow)
            SwapRedBlue(swappedRow, GetWidth());
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_CreateCompress(&cinfo, kLibraryVersion, sizeof(cinfo));
    InstallDestination(&cinfo, out);
    cinfo.image_width = static_cast<JDIMENSION>(GetWidth());
    cinfo.image_height = static_cast<JDIMENSION>(GetHeight());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality_, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    const int32_t width = GetWidth();
    while (cinfo.next_scanline < cinfo.image_height) {
        uint8_t* row = bitmap_->GetRow(static_cast<int32_t>(cinfo.next_scanline));
        JSAMPROW rows[1] = {row};
        SwapRedBlue(row, width);
        swappedRow = row;
        jpeg_write_scanlines(&cinfo, rows, 1);
        swappedRow = nullptr;
        SwapRedBlue(row, width);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

bool Jpeg::Decode(io::IInputStream* in)
{
    if (!in || !bitmap_)
        return false;
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    cinfo.err = &errors.standard;
    SetUpErrors(&errors);
    if (setjmp(errors.recovery)) {
        jpeg_destroy_decompress(&cinfo);
        bitmap_->Reset();
        return false;
    }
    jpeg_CreateDecompress(&cinfo, kLibraryVersion, sizeof(cinfo));
    InstallSource(&cinfo, in);
    jpeg_read_header(&cinfo, TRUE);
    if (!IsDecodableSize(cinfo.image_width, cinfo.image_height))
        ERREXIT(&cinfo, JERR_IMAGE_TOO_BIG);
    jpeg_start_decompress(&cinfo);
    const int32_t width = static_cast<int32_t>(cinfo.output_width);
    const int components = cinfo.output_components;
    if (components != 1 && components != 3 && components != 4)
        ERREXIT(&cinfo, JERR_BAD_J_COLORSPACE);
    if (!CreateDib(width, static_cast<int32_t>(cinfo.output_height)))
        ERREXIT(&cinfo, JERR_OUT_OF_MEMORY);
    const JDIMENSION sampleBytes = cinfo.output_width * static_cast<JDIMENSION>(components < 3 ? 3 : components);
    JSAMPARRAY line = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE, sampleBytes, 1);
    const bool gray = cinfo.jpeg_color_space == JCS_GRAYSCALE || components == 1;
    while (cinfo.output_scanline < cinfo.output_height) {
        const int32_t y = static_cast<int32_t>(cinfo.output_scanline);
        if (jpeg_read_scanlines(&cinfo, line, 1) != 1)
            ERREXIT(&cinfo, JERR_INPUT_EOF);
        const uint8_t* from = line[0];
        uint8_t* to = bitmap_->GetRow(y);
        for (int32_t x = 0; x < width; ++x, to += 3) {
            if (components == 4) {
                const uint8_t* c = from + x * 4;
                to[0] = static_cast<uint8_t>(c[2] * c[3] / 255);
                to[1] = static_cast<uint8_t>(c[1] * c[3] / 255);
                to[2] = static_cast<uint8_t>(c[0] * c[3] / 255);
            } else if (gray) {
                to[0] = to[1] = to[2] = from[x];
            } else {
                const uint8_t* c = from + x * 3;
                to[0] = c[2];
                to[1] = c[1];
                to[2] = c[0];
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

IEncodedImage* Jpeg::FromImage(IBufferedImage* image)
{
    IEncodeSettingSource* settings = GetEncodeSettingSource();
    return settings ? EncodeWithSetting(settings->TakeJpgSetting(kDefaultQuality), image) : nullptr;
}

bool Jpeg::ConvertFrom(IBufferedImage* source, int32_t quality, int32_t red, int32_t green, int32_t blue)
{
    if (!source || !CreateDib(source->GetWidth(), source->GetHeight()))
        return false;
    image::win::BufferedImage* flat = nullptr;
    IImageBuffer* from = source;
    if (source->HasAlpha()) {
        flat = NewFlattenedImage(source, red, green, blue);
        if (!flat) {
            bitmap_->Reset();
            return false;
        }
        from = flat;
    }
    const int32_t width = GetWidth();
    for (int32_t y = 0; y < GetHeight(); ++y) {
        const uint32_t* pixel = from->GetRow(y);
        uint8_t* to = bitmap_->GetRow(y);
        for (int32_t x = 0; x < width; ++x, to += 3) {
            to[0] = static_cast<uint8_t>(pixel[x]);
            to[1] = static_cast<uint8_t>(pixel[x] >> 8);
            to[2] = static_cast<uint8_t>(pixel[x] >> 16);
        }
    }
    if (flat)
        flat->ReleaseToPool();
    SetQuality(quality);
    return true;
}

} // namespace win
} // namespace jpg
} // namespace image
} // namespace s
