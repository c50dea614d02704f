#include <gtest/gtest.h>

#include "images/codecs/DetectImageType.h"
#include "images/codecs/LoadEncodedImage.h"
#include "images/codecs/png/win/Png.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "tests/images/ImageFixtures.h"
#include "tests/images/codecs/CodecFixtures.h"

namespace {

using codecs_test::Bytes;
using codecs_test::TempFile;
using s::image::ImageKind;

// size bytes of zeros with the given start.
Bytes Starting(Bytes start, size_t size = 200)
{
    start.resize(size, 0);
    return start;
}

void PutLong(Bytes& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// An icon directory of count entries, each a 16-byte image inside a file of size bytes.
Bytes Icon(uint16_t count, size_t size)
{
    Bytes bytes(size, 0);
    bytes[2] = 1;
    bytes[4] = static_cast<uint8_t>(count);
    bytes[5] = static_cast<uint8_t>(count >> 8);
    for (uint32_t i = 0; i < count && 6 + 16 * i + 16 <= size; ++i) {
        const size_t entry = 6 + 16 * i;
        bytes[entry + 6] = 32;
        PutLong(bytes, entry + 8, 16);
        PutLong(bytes, entry + 12, 6 + 16 * count + 16 * i);
    }
    return bytes;
}

TEST(DetectImageTypeTest, RecognisesFilesByTheirFirstBytes)
{
    Bytes jpegNoMarker = Starting({0xFF, 0xD8, 0xFF, 0x00});
    Bytes bmpReserved = Starting({'B', 'M', 0, 0, 0, 0, 0, 0, 1, 0});
    Bytes iconIntoDirectory = Icon(2, 200);
    PutLong(iconIntoDirectory, 6 + 16 + 12, 30); // below 22 + 16 x 1
    Bytes iconSixthBad = Icon(6, 300);
    PutLong(iconSixthBad, 6 + 16 * 5 + 12, 0);
    Bytes iconFifthBad = Icon(6, 300);
    PutLong(iconFifthBad, 6 + 16 * 4 + 12, 0);
    Bytes iconPastEnd = Icon(1, 200);
    PutLong(iconPastEnd, 6 + 8, 1000);
    struct Case {
        const char* name;
        Bytes bytes;
        ImageKind kind;
    };
    const Case cases[] = {
        {"jpeg", Starting({0xFF, 0xD8, 0xFF, 0xE0}), s::image::kKindJpg},
        {"jpeg marker 01", Starting({0xFF, 0xD8, 0xFF, 0x01}), s::image::kKindJpg},
        {"jpeg start without a marker", jpegNoMarker, nullptr},
        {"gif87a", Starting({'G', 'I', 'F', '8', '7', 'a'}), s::image::kKindGif},
        {"gif89a", Starting({'G', 'I', 'F', '8', '9', 'a'}), s::image::kKindGif},
        {"gif88a", Starting({'G', 'I', 'F', '8', '8', 'a'}), nullptr},
        {"png", Starting({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}), s::image::kKindPng},
        {"bmp", Starting({'B', 'M', 1, 2, 3, 4}), s::image::kKindBmp},
        {"bmp with reserved bytes set", bmpReserved, nullptr},
        {"tiff MM", Starting({'M', 'M', '*'}), s::image::kKindTiff},
        {"tiff II", Starting({'I', 'I', '*'}), s::image::kKindTiff},
        {"ico", Icon(2, 200), s::image::kKindIco},
        {"ico count 0", Icon(0, 200), nullptr},
        {"ico directory reaching the end", Icon(12, 6 + 16 * 12), nullptr},
        {"ico offset into the directory", iconIntoDirectory, nullptr},
        {"ico image past the end", iconPastEnd, nullptr},
        {"ico sixth entry untested", iconSixthBad, s::image::kKindIco},
        {"ico fifth entry tested", iconFifthBad, nullptr},
        {"101 bytes", Starting({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, 101), s::image::kKindPng},
        {"100 bytes", Starting({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, 100), nullptr},
        {"zeros", Starting({}), nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFile file(L"detect.bin");
        file.Write(c.bytes);
        ImageKind kind = L"unset";
        EXPECT_EQ(c.kind != nullptr, s::image::DetectImageType(file.c_str(), &kind));
        // Kinds are compared by address: each text exists once.
        EXPECT_EQ(c.kind, kind);
    }
}

TEST(DetectImageTypeTest, MissingPathsAndFoldersAreNothing)
{
    ImageKind kind = L"unset";
    EXPECT_FALSE(s::image::DetectImageType(L"C:\\no\\such\\file.png", &kind));
    EXPECT_EQ(nullptr, kind);
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    EXPECT_FALSE(s::image::DetectImageType(folder, &kind));
    EXPECT_FALSE(s::image::DetectImageType(nullptr, &kind));
}

TEST(DetectImageTypeTest, FactoryLoadsTheCodecOfTheKind)
{
    TempFile file(L"factory.png");
    images_test::ImagePtr source = images_test::MakeImage(40, 30);
    images_test::FillMarkers(source.get());
    source->SaveAsPng(file.c_str(), false, true, 0, 0, 0);
    s::file::Pooled<s::file::win::PathWin> path(s::file::win::PathWin::CreateFromText(file.c_str()));
    s::image::IEncodedImage* image = s::image::LoadEncodedImage(path.get());
    ASSERT_NE(nullptr, image);
    EXPECT_STREQ(L".png", image->GetDefaultExtension());
    EXPECT_EQ(40, image->GetWidth());
    dynamic_cast<s::thread::IPoolable*>(image)->ReleaseToPool();

    TempFile tiff(L"factory.tif");
    tiff.Write(Starting({'I', 'I', '*'}));
    s::file::Pooled<s::file::win::PathWin> tiffPath(s::file::win::PathWin::CreateFromText(tiff.c_str()));
    EXPECT_EQ(nullptr, s::image::LoadEncodedImage(tiffPath.get()));
}

} // namespace
