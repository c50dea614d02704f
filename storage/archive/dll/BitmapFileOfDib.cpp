#include "storage/archive/dll/BitmapFileOfDib.h"

#include "core/io/IOutputStream.h"
#include "core/io/StreamCopy.h"
#include "storage/archive/dll/ResourceReader.h"

namespace s {
namespace archive {
namespace dll {

namespace {

const uint32_t kFileHeaderBytes = 14;
const uint32_t kCoreHeaderBytes = 12;
const uint32_t kInfoHeaderBytes = 40;
// Headers from this size on hold the colour masks themselves.
const uint32_t kHeaderWithMasksBytes = 52;
const uint32_t kBitFields = 3;
const uint32_t kAlphaBitFields = 6;
const uint32_t kMaskBytes = 4;
const uint16_t kMostTableBits = 8;

uint32_t DoubleWordAt(const ResourceReader& reader, uint64_t at)
{
    return reader.WordAt(at) | (static_cast<uint32_t>(reader.WordAt(at + 2)) << 16);
}

// Bytes from the start of the DIB to its pixels; 0 when its header is none we know or its table
// does not fit in the bytes.
uint64_t PixelOffset(const ResourceReader& reader)
{
    if (!reader.Has(4))
        return 0;
    const uint32_t headerBytes = DoubleWordAt(reader, 0);
    uint64_t offset = 0;
    if (headerBytes == kCoreHeaderBytes && reader.Has(kCoreHeaderBytes)) {
        const uint16_t bits = reader.WordAt(10);
        offset = kCoreHeaderBytes + (bits <= kMostTableBits ? (uint64_t(1) << bits) * 3 : 0);
    } else if (headerBytes >= kInfoHeaderBytes && reader.Has(kInfoHeaderBytes)) {
        const uint16_t bits = reader.WordAt(14);
        const uint32_t compression = DoubleWordAt(reader, 16);
        const uint32_t used = DoubleWordAt(reader, 32);
        const uint64_t entries = used != 0 ? used : (bits <= kMostTableBits ? uint64_t(1) << bits : 0);
        uint64_t masks = 0;
        if (headerBytes < kHeaderWithMasksBytes && compression == kBitFields)
            masks = 3 * kMaskBytes;
        else if (headerBytes < kHeaderWithMasksBytes && compression == kAlphaBitFields)
            masks = 4 * kMaskBytes;
        offset = uint64_t(headerBytes) + masks + entries * 4;
    }
    return offset <= reader.Count() ? offset : 0;
}

void PutLittleEndian(uint8_t* at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace

bool WriteBitmapFileOfDib(const uint8_t* dib, uint32_t count, io::IOutputStream* out)
{
    if (!dib || !out || count > 0xFFFFFFFFu - kFileHeaderBytes)
        return false;
    const uint64_t pixels = PixelOffset(ResourceReader(dib, count));
    if (pixels == 0)
        return false;
    uint8_t header[kFileHeaderBytes] = {'B', 'M'};
    PutLittleEndian(header + 2, kFileHeaderBytes + count);
    PutLittleEndian(header + 10, static_cast<uint32_t>(kFileHeaderBytes + pixels));
    return io::WriteAll(out, header, kFileHeaderBytes) && io::WriteAll(out, dib, count);
}

} // namespace dll
} // namespace archive
} // namespace s
