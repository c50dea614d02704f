#include "images/codecs/DetectImageType.h"

#include <cstring>

#include "core/thread/ObjLocker.h"
#include "storage/file/FileInputStream.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"

namespace s {
namespace image {

namespace {

const uint32_t kSignatureBytes = 100;

const uint8_t kJpegMarkers[] = {0xC0, 0xC1, 0xC2, 0xC3, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xCB, 0xCD, 0xCE,
                                0xCF, 0xC4, 0xCC, 0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9,
                                0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6,
                                0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xFD, 0xFE, 0x01};
const uint8_t kPngSignature[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
const int32_t kIconEntryBytes = 16;
const int32_t kIconHeaderBytes = 6;
const int32_t kIconEntriesTested = 5;

// One buffer for the whole process: detection allocates nothing after its first call.
struct SignatureBuffer {
    thread::ObjLocker locker;
    uint8_t bytes[kSignatureBytes];
};

SignatureBuffer& TheSignatureBuffer()
{
    static SignatureBuffer buffer;
    return buffer;
}

uint16_t Word(const uint8_t* at)
{
    return static_cast<uint16_t>(at[0] | at[1] << 8);
}

int32_t Long(const uint8_t* at)
{
    return static_cast<int32_t>(static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
                                static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24);
}

ImageKind DetectIcon(const uint8_t* bytes, int64_t fileSize)
{
    int32_t count = Word(bytes + 4);
    if (count == 0 || fileSize <= kIconHeaderBytes + int64_t{kIconEntryBytes} * count)
        return nullptr;
    int32_t tested = count < kIconEntriesTested ? count : kIconEntriesTested;
    for (int32_t i = 0; i < tested; ++i) {
        const uint8_t* entry = bytes + kIconHeaderBytes + kIconEntryBytes * i;
        int64_t size = Long(entry + 8);
        int64_t offset = Long(entry + 12);
        if (entry[3] != 0 || Word(entry + 6) > 32 || offset < 22 + int64_t{kIconEntryBytes} * i ||
            offset + size > fileSize)
            return nullptr;
    }
    return kKindIco;
}

} // namespace

ImageKind DetectImageKind(const uint8_t* b, int64_t fileSize)
{
    if (b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) {
        // A JPEG start followed by anything but a marker is nothing else either.
        return std::memchr(kJpegMarkers, b[3], sizeof(kJpegMarkers)) ? kKindJpg : nullptr;
    }
    if (std::memcmp(b, "GIF87a", 6) == 0 || std::memcmp(b, "GIF89a", 6) == 0)
        return kKindGif;
    if (std::memcmp(b, kPngSignature, sizeof(kPngSignature)) == 0)
        return kKindPng;
    if (b[0] == 'B' && b[1] == 'M' && b[6] == 0 && b[7] == 0 && b[8] == 0 && b[9] == 0)
        return kKindBmp;
    if ((b[0] == 0x4D && b[1] == 0x4D && b[2] == 0x2A) || (b[0] == 0x49 && b[1] == 0x49 && b[2] == 0x2A))
        return kKindTiff;
    if (b[0] == 0 && b[1] == 0 && b[2] == 1 && b[3] == 0)
        return DetectIcon(b, fileSize);
    return nullptr;
}

bool DetectImageType(const wchar_t* path, ImageKind* kind)
{
    if (kind)
        *kind = nullptr;
    file::Pooled<file::win::PathWin> file(file::win::PathWin::CreateFromText(path));
    if (!file || !file->Exists() || !file->IsFile())
        return false;
    int64_t fileSize = file->GetSize(false, false, nullptr, nullptr, false);
    if (fileSize <= kSignatureBytes)
        return false;
    file::win::FileInputStream* in = file->OpenInputStream();
    if (!in)
        return false;
    ImageKind found = nullptr;
    {
        SignatureBuffer& buffer = TheSignatureBuffer();
        thread::ScopedLock lock(buffer.locker);
        uint32_t have = 0;
        bool complete = true;
        while (have < kSignatureBytes) {
            uint32_t done = 0;
            if (!in->Read(buffer.bytes + have, kSignatureBytes - have, &done) || done == 0) {
                complete = false;
                break;
            }
            have += done;
        }
        if (complete)
            found = DetectImageKind(buffer.bytes, fileSize);
    }
    in->Dispose();
    if (kind)
        *kind = found;
    return found != nullptr;
}

} // namespace image
} // namespace s
