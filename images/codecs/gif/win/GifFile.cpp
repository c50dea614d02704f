// The GIF file form: header, extensions, image descriptors with their tables and LZW data.
#include <cstring>

#include "core/col/Arrays.h"
#include "core/io/IInputStream.h"
#include "core/io/IOutputStream.h"
#include "core/io/StreamCopy.h"
#include "images/bmp/win/Bitmap.h"
#include "images/codecs/DecodeLimits.h"
#include "images/codecs/gif/win/Gif.h"

namespace s {
namespace image {
namespace gif {
namespace win {

namespace {

const uint8_t kExtension = 0x21;
const uint8_t kImage = 0x2C;
const uint8_t kTrailer = 0x3B;
const uint8_t kGraphicControl = 0xF9;
const uint8_t kApplication = 0xFF;
const uint8_t kHasTable = 0x80;
const uint8_t kInterlaced = 0x40;
const uint8_t kHasTransparency = 0x01;
const char kNetscape[] = "NETSCAPE2.0";
const uint32_t kNetscapeLength = 11;
const int32_t kFrameBits = 8;
const uint32_t kMaxSide = 0xFFFF;

uint16_t Word(const uint8_t* at)
{
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

void PutWord(uint8_t* at, uint32_t value)
{
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

bool ReadByte(io::IInputStream* in, uint8_t* value)
{
    return io::ReadAll(in, value, 1);
}

} // namespace

bool Gif::ReadColorTable(io::IInputStream* in, uint8_t packed, uint8_t* table, int32_t* count)
{
    tableBits_ = (packed & 7) + 1;
    *count = 1 << tableBits_;
    return io::ReadAll(in, table, static_cast<uint32_t>(*count) * 3);
}

bool Gif::SkipSubBlocks(io::IInputStream* in)
{
    uint8_t size = 0;
    uint8_t skipped[255];
    while (ReadByte(in, &size) && size != 0) {
        if (!io::ReadAll(in, skipped, size))
            return false;
    }
    return size == 0;
}

bool Gif::ReadApplicationExtension(io::IInputStream* in)
{
    uint8_t size = 0;
    uint8_t block[255];
    if (!ReadByte(in, &size) || !io::ReadAll(in, block, size))
        return false;
    const bool netscape = size == kNetscapeLength && std::memcmp(block, kNetscape, kNetscapeLength) == 0;
    while (ReadByte(in, &size) && size != 0) {
        if (!io::ReadAll(in, block, size))
            return false;
        if (netscape && size >= 3 && block[0] == 1)
            loopCount_ = Word(block + 1);
    }
    return size == 0;
}

bool Gif::Decode(io::IInputStream* in)
{
    Reset();
    if (!in)
        return false;
    uint8_t header[13];
    if (!io::ReadAll(in, header, sizeof(header)))
        return false;
    const uint8_t packed = header[10];
    bool whole = true;
    if (packed & kHasTable) {
        whole = ReadColorTable(in, packed, globalTable_, &globalCount_);
    } else {
        // Without any table the indices are grey levels.
        globalCount_ = 256;
        for (int32_t i = 0; i < 256; ++i)
            std::memset(globalTable_ + i * 3, i, 3);
    }
    int64_t pixelsLeft = kMaxDecodedPixels;
    bool ended = false;
    while (whole && !ended) {
        uint8_t introducer = 0;
        if (!ReadByte(in, &introducer)) {
            whole = false;
            break;
        }
        switch (introducer) {
        case kExtension: {
            uint8_t label = 0;
            if (!ReadByte(in, &label)) {
                whole = false;
            } else if (label == kGraphicControl) {
                uint8_t size = 0;
                uint8_t block[255];
                whole = ReadByte(in, &size) && io::ReadAll(in, block, size) && SkipSubBlocks(in);
                if (whole && size >= 4) {
                    hasControl_ = true;
                    controlPacked_ = block[0];
                    controlDelay_ = Word(block + 1);
                    controlIndex_ = block[3];
                }
            } else if (label == kApplication) {
                whole = ReadApplicationExtension(in);
            } else {
                whole = SkipSubBlocks(in);
            }
            break;
        }
        case kImage:
            whole = ReadImage(in, &pixelsLeft);
            break;
        case kTrailer:
            ended = true;
            break;
        default:
            // Stray bytes between blocks are passed over.
            break;
        }
    }
    if (!whole || frames_.empty()) {
        FreeFrames();
        return false;
    }
    return true;
}

bool Gif::ReadImage(io::IInputStream* in, int64_t* pixelsLeft)
{
    uint8_t descriptor[9];
    uint8_t minimumCodeSize = 0;
    if (!io::ReadAll(in, descriptor, sizeof(descriptor)))
        return false;
    const int32_t width = Word(descriptor + 4);
    const int32_t height = Word(descriptor + 6);
    const uint8_t packed = descriptor[8];
    uint8_t table[768];
    int32_t count = globalCount_;
    if (packed & kHasTable) {
        if (!ReadColorTable(in, packed, table, &count))
            return false;
    } else {
        std::memcpy(table, globalTable_, sizeof(table));
    }
    if (!ReadByte(in, &minimumCodeSize))
        return false;
    data_->SetCount(0);
    uint8_t size = 0;
    uint8_t block[255];
    while (ReadByte(in, &size) && size != 0) {
        if (!io::ReadAll(in, block, size))
            return false;
        data_->AppendRaw(block, size, 0);
    }
    // Every frame of the file counts against one cap, so many frames cannot exhaust memory either.
    const int64_t pixels = int64_t(width) * height;
    if (size != 0 || !IsDecodableSize(width, height) || pixels > *pixelsLeft)
        return false;
    *pixelsLeft -= pixels;
    bmp::win::Bitmap* bitmap = bmp::win::Bitmap::New();
    if (!bitmap || !bitmap->CreateDib(width, height, kFrameBits)) {
        if (bitmap)
            bitmap->ReleaseToPool();
        return false;
    }
    RGBQUAD* colors = bitmap->GetColorTable();
    for (int32_t i = 0; i < count && i < 256; ++i)
        colors[i] = RGBQUAD{table[i * 3 + 2], table[i * 3 + 1], table[i * 3], 0};
    // The indices go straight into the bottom-up rows: the top row last in memory, rows stepping back.
    const int64_t used = GifLzw::Decode(static_cast<const uint8_t*>(data_->GetData()), data_->GetCount(),
                                        bitmap->GetRow(0), minimumCodeSize, -bitmap->GetStride(), width, height,
                                        (packed & kInterlaced) != 0);
    if (used == 0) {
        bitmap->ReleaseToPool();
        return false;
    }
    const bool transparent = hasControl_ && (controlPacked_ & kHasTransparency);
    AppendFrame(bitmap, transparent ? controlIndex_ : kNoTransparentIndex, hasControl_ ? controlDelay_ * 10 : 0,
                hasControl_ ? (controlPacked_ >> 2) & 7 : 0);
    hasControl_ = false;
    return true;
}

bool Gif::Encode(io::IOutputStream* out)
{
    if (!out || frames_.empty())
        return false;
    for (const Frame& frame : frames_) {
        bmp::win::Bitmap* bitmap = frame.bitmap;
        if (!bitmap->GetBits() || bitmap->GetBitCount() != kFrameBits || uint32_t(bitmap->GetWidth()) > kMaxSide ||
            uint32_t(bitmap->GetHeight()) > kMaxSide)
            return false;
    }
    uint8_t header[13] = {'G', 'I', 'F', '8', '9', 'a'};
    PutWord(header + 6, static_cast<uint32_t>(GetWidth()));
    PutWord(header + 8, static_cast<uint32_t>(GetHeight()));
    header[10] = (kFrameBits - 1) << 4 | (kFrameBits - 1);
    uint8_t application[19] = {kExtension, kApplication, kNetscapeLength};
    std::memcpy(application + 3, kNetscape, kNetscapeLength);
    application[14] = 3;
    application[15] = 1;
    PutWord(application + 16, loopCount_);
    application[18] = 0;
    if (!io::WriteAll(out, header, sizeof(header)) || !io::WriteAll(out, application, sizeof(application)))
        return false;
    for (const Frame& frame : frames_) {
        if (!WriteFrame(out, frame))
            return false;
    }
    return io::WriteAll(out, &kTrailer, 1);
}

bool Gif::WriteFrame(io::IOutputStream* out, const Frame& frame)
{
    bmp::win::Bitmap* bitmap = frame.bitmap;
    const bool transparent = frame.transparentIndex != kNoTransparentIndex;
    uint8_t control[8] = {kExtension, kGraphicControl, 4};
    control[3] = static_cast<uint8_t>((frame.disposal & 7) << 2 | (transparent ? kHasTransparency : 0));
    PutWord(control + 4, static_cast<uint32_t>(frame.delay / 10));
    control[6] = transparent ? static_cast<uint8_t>(frame.transparentIndex) : 0xFF;
    control[7] = 0;
    uint8_t descriptor[10] = {kImage};
    PutWord(descriptor + 5, static_cast<uint32_t>(bitmap->GetWidth()));
    PutWord(descriptor + 7, static_cast<uint32_t>(bitmap->GetHeight()));
    descriptor[9] = kHasTable | (kFrameBits - 1);
    uint8_t table[768];
    const RGBQUAD* colors = bitmap->GetColorTable();
    for (int32_t i = 0; i < 256; ++i) {
        table[i * 3] = colors[i].rgbRed;
        table[i * 3 + 1] = colors[i].rgbGreen;
        table[i * 3 + 2] = colors[i].rgbBlue;
    }
    const uint8_t minimumCodeSize = kFrameBits;
    const uint8_t terminator = 0;
    return io::WriteAll(out, control, sizeof(control)) && io::WriteAll(out, descriptor, sizeof(descriptor)) &&
           io::WriteAll(out, table, sizeof(table)) && io::WriteAll(out, &minimumCodeSize, 1) &&
           lzw_.Encode(bitmap->GetBits(), bitmap->GetWidth(), bitmap->GetHeight(), minimumCodeSize,
                       bitmap->GetStride(), out) &&
           io::WriteAll(out, &terminator, 1);
}

} // namespace win
} // namespace gif
} // namespace image
} // namespace s
