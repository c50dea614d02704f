// The BMP file form: exact headers, strides and tables at every depth, round trips, and files that
// must be refused.
#include <gtest/gtest.h>

#include <cstring>

#include "images/bmp/win/Bitmap.h"
#include "images/win/BufferedImage.h"
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
using s::image::bmp::win::Bitmap;

uint32_t Dword(const Bytes& bytes, size_t at)
{
    return uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
           uint32_t{bytes[at + 3]} << 24;
}

uint16_t Word(const Bytes& bytes, size_t at)
{
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

void PutDword(Bytes& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A picture of a few distinct opaque colours, so palette depths keep every one exactly.
ImagePtr FewColours(int32_t width, int32_t height)
{
    const uint32_t colours[] = {0xFF000000u, 0xFFFFFFFFu, 0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFF808040u};
    ImagePtr image = MakeImage(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x)
            image->GetRow(y)[x] = colours[(x + 2 * y) % 6];
    }
    image->SetHasAlpha(false);
    return image;
}


TEST(BitmapFileTest, HeadersStridesAndTablesAtEveryDepth)
{
    struct Case {
        int32_t width, height, bits;
        uint32_t stride, colours, imageSize;
    };
    // A 3 x 2 picture at 24 bits is 78 bytes: stride 12, image size 18.
    const Case cases[] = {{3, 2, 24, 12, 0, 18}, {3, 2, 32, 12, 0, 24}, {5, 2, 4, 4, 16, 5},
                          {33, 2, 1, 8, 2, 9},   {3, 2, 8, 4, 256, 6}};
    for (const Case& c : cases) {
        Pooled<Bitmap> bitmap;
        ASSERT_NE(nullptr, bitmap->CreateDib(c.width, c.height, c.bits));
        bool encoded = false;
        const Bytes bytes = EncodeToBytes(bitmap.get(), &encoded);
        ASSERT_TRUE(encoded) << c.bits;
        const uint32_t table = 4 * c.colours;
        ASSERT_EQ(54 + table + c.stride * c.height, bytes.size()) << c.bits;
        EXPECT_EQ('B', bytes[0]);
        EXPECT_EQ('M', bytes[1]);
        EXPECT_EQ(bytes.size(), Dword(bytes, 2)) << c.bits;
        EXPECT_EQ(0u, Dword(bytes, 6));
        EXPECT_EQ(54 + table, Dword(bytes, 10)) << c.bits;
        EXPECT_EQ(40u, Dword(bytes, 14));
        EXPECT_EQ(uint32_t(c.width), Dword(bytes, 18));
        EXPECT_EQ(uint32_t(c.height), Dword(bytes, 22));
        EXPECT_EQ(1, Word(bytes, 26));
        EXPECT_EQ(c.bits, Word(bytes, 28));
        EXPECT_EQ(0u, Dword(bytes, 30));
        EXPECT_EQ(c.imageSize, Dword(bytes, 34)) << c.bits;
        EXPECT_EQ(0u, Dword(bytes, 38));
        EXPECT_EQ(0u, Dword(bytes, 42));
        EXPECT_EQ(c.colours, Dword(bytes, 46)) << c.bits;
        EXPECT_EQ(c.colours, Dword(bytes, 50)) << c.bits;
    }
}

TEST(BitmapFileTest, RoundTripsArePixelExactAndEncodeTheSameTwice)
{
    ImagePtr alpha = MakeImage(7, 5);
    images_test::FillMarkers(alpha.get());
    alpha->GetRow(1)[2] = 0x40123456;
    alpha->GetRow(4)[6] = 0x00ABCDEF;
    alpha->SetHasAlpha(true);
    ImagePtr few = FewColours(9, 4);
    struct Case {
        s::image::win::BufferedImage* image;
        int32_t bits;
    };
    const Case cases[] = {{alpha.get(), 32}, {few.get(), 24}, {few.get(), 8}, {few.get(), 4}};
    for (const Case& c : cases) {
        Pooled<Bitmap> bitmap;
        ASSERT_TRUE(bitmap->ConvertFrom(c.image, c.bits, true, 1, 2, 3)) << c.bits;
        const Bytes bytes = EncodeToBytes(bitmap.get());
        EXPECT_EQ(bytes, EncodeToBytes(bitmap.get())) << c.bits;
        Pooled<Bitmap> back;
        ASSERT_TRUE(DecodeBytes(back.get(), bytes)) << c.bits;
        EXPECT_EQ(c.bits, back->GetBitCount());
        ImagePtr picture(static_cast<s::image::win::BufferedImage*>(back->ToBufferedImage(0, nullptr)));
        ASSERT_TRUE(picture);
        ASSERT_EQ(c.image->GetWidth(), picture->GetWidth());
        ASSERT_EQ(c.image->GetHeight(), picture->GetHeight());
        EXPECT_EQ(c.bits == 32, picture->HasAlpha()) << c.bits;
        for (int32_t y = 0; y < picture->GetHeight(); ++y) {
            for (int32_t x = 0; x < picture->GetWidth(); ++x) {
                uint32_t expected = c.image->GetRow(y)[x];
                // The alpha-0 pixel took the background colour, staying transparent.
                if (expected >> 24 == 0)
                    expected = 0x00010203;
                ASSERT_EQ(expected, picture->GetRow(y)[x]) << c.bits << " at " << x << "," << y;
            }
        }
    }
}

TEST(BitmapFileTest, ConversionsFlattenOrKeepTransparencyByDepth)
{
    ImagePtr image = MakeImage(2, 1);
    image->GetRow(0)[0] = 0x00112233;
    image->GetRow(0)[1] = 0xFF445566;
    image->SetHasAlpha(true);
    Pooled<Bitmap> eight;
    // Palette depths are flattened onto the background even when transparency is kept.
    ASSERT_TRUE(eight->ConvertFrom(image.get(), 8, true, 10, 20, 30));
    ImagePtr flat(static_cast<s::image::win::BufferedImage*>(eight->ToBufferedImage(0, nullptr)));
    EXPECT_EQ(0xFF0A141Eu, flat->GetRow(0)[0]);
    EXPECT_EQ(0xFF445566u, flat->GetRow(0)[1]);
    EXPECT_FALSE(flat->HasAlpha());
    // At 32 bits the given image's transparent pixel itself takes the background colour.
    Pooled<Bitmap> deep;
    ASSERT_TRUE(deep->ConvertFrom(image.get(), 32, true, 10, 20, 30));
    EXPECT_EQ(0x000A141Eu, image->GetRow(0)[0]);
    // Depths the converter cannot fill fail instead of leaving pixels unset.
    for (int32_t bits : {1, 16, 0, 7, 64}) {
        Pooled<Bitmap> refused;
        EXPECT_FALSE(refused->ConvertFrom(image.get(), bits, true, 0, 0, 0)) << bits;
        EXPECT_EQ(nullptr, refused->GetBits()) << bits;
    }
    // Whole-image conversions go through the encoder settings, which this program does not have.
    Pooled<Bitmap> reset;
    EXPECT_EQ(nullptr, reset->FromImage(image.get()));
}

// The 24-bit file of a 2 x 2 picture with a longer header: the extra bytes between the 40 read
// and the table are passed over.
Bytes WithHeaderSize(uint32_t headerSize)
{
    ImagePtr image = FewColours(2, 2);
    Pooled<Bitmap> bitmap;
    bitmap->ConvertFrom(image.get(), 24, false, 0, 0, 0);
    Bytes bytes = EncodeToBytes(bitmap.get());
    bytes.insert(bytes.begin() + 54, headerSize - 40, 0xEE);
    PutDword(bytes, 14, headerSize);
    PutDword(bytes, 10, 14 + headerSize);
    PutDword(bytes, 2, static_cast<uint32_t>(bytes.size()));
    return bytes;
}

TEST(BitmapFileTest, ALongerHeaderReadsTheSamePixels)
{
    Pooled<Bitmap> plain;
    ASSERT_TRUE(DecodeBytes(plain.get(), WithHeaderSize(40)));
    Pooled<Bitmap> longer;
    ASSERT_TRUE(DecodeBytes(longer.get(), WithHeaderSize(108)));
    ASSERT_EQ(plain->GetStride() * plain->GetHeight(), longer->GetStride() * longer->GetHeight());
    EXPECT_EQ(0, std::memcmp(plain->GetBits(), longer->GetBits(), plain->GetStride() * plain->GetHeight()));
    // Written again, it is an ordinary file with the pixels behind a 40-byte header.
    EXPECT_EQ(EncodeToBytes(plain.get()), EncodeToBytes(longer.get()));
}

TEST(BitmapFileTest, HostileFilesFailAndLeaveTheBitmapEmpty)
{
    const Bytes valid = WithHeaderSize(40);
    Pooled<Bitmap> palette;
    ImagePtr few = FewColours(3, 3);
    palette->ConvertFrom(few.get(), 8, false, 0, 0, 0);
    const Bytes eight = EncodeToBytes(palette.get());
    struct Case {
        const char* what;
        Bytes bytes;
    };
    std::vector<Case> cases = {{"empty", {}},
                               {"cut in the file header", Bytes(valid.begin(), valid.begin() + 10)},
                               {"cut in the info header", Bytes(valid.begin(), valid.begin() + 40)},
                               {"cut in the colour table", Bytes(eight.begin(), eight.begin() + 300)},
                               {"cut in the pixels", Bytes(valid.begin(), valid.end() - 1)}};
    auto patched = [&](const char* what, size_t at, uint32_t value, const Bytes& base) {
        Bytes bytes = base;
        PutDword(bytes, at, value);
        cases.push_back({what, bytes});
    };
    patched("core header of 12 bytes", 14, 12, valid);
    patched("header of 2^31 bytes", 14, 0x80000000u, valid);
    patched("negative height", 22, static_cast<uint32_t>(-2), valid);
    patched("zero width", 18, 0, valid);
    patched("zero height", 22, 0, valid);
    patched("width of 2^31 - 1", 18, 0x7FFFFFFF, valid);
    patched("16384 x 32768", 18, 16384, [&] {
        Bytes b = valid;
        PutDword(b, 22, 32768);
        return b;
    }());
    patched("pixel offset inside the headers", 10, 20, valid);
    patched("pixel offset 0", 10, 0, valid);
    patched("pixel offset past the end", 10, 0x7FFFFFFF, valid);
    patched("300 used colours", 46, 300, eight);
    patched("run-length pixels", 30, BI_RGB + 1, eight);
    {
        Bytes bytes = valid;
        bytes[28] = 7;
        cases.push_back({"7 bits per pixel", bytes});
        bytes[28] = 64;
        cases.push_back({"64 bits per pixel", bytes});
    }
    for (const Case& c : cases) {
        Pooled<Bitmap> bitmap;
        EXPECT_FALSE(DecodeBytes(bitmap.get(), c.bytes)) << c.what;
        EXPECT_EQ(nullptr, bitmap->GetBits()) << c.what;
        EXPECT_EQ(0, bitmap->GetWidth()) << c.what;
        EXPECT_EQ(nullptr, bitmap->ToBufferedImage(0, nullptr)) << c.what;
    }
}

TEST(BitmapFileTest, PackedDibReadsBackWhatItWrote)
{
    ImagePtr few = FewColours(5, 3);
    Pooled<Bitmap> bitmap;
    ASSERT_TRUE(bitmap->ConvertFrom(few.get(), 4, false, 0, 0, 0));
    codecs_test::ByteStream stream;
    ASSERT_TRUE(bitmap->WritePackedDib(stream.get()));
    EXPECT_EQ(40u + 64 + 4 * 3, stream.ToBytes().size());
    stream.get()->SeekToStart();
    Pooled<Bitmap> back;
    ASSERT_TRUE(back->ReadPackedDib(stream.get()));
    EXPECT_EQ(EncodeToBytes(bitmap.get()), EncodeToBytes(back.get()));
}

TEST(BitmapFileTest, SaveAsBmpWritesAFileAndKeepsOneItCannotReplace)
{
    codecs_test::TempFile file(L"save.bmp");
    ImagePtr image = FewColours(6, 4);
    image->SaveAsBmp(file.c_str(), 24, false, 0, 0, 0);
    Pooled<Bitmap> back;
    ASSERT_TRUE(DecodeBytes(back.get(), file.Read()));
    EXPECT_EQ(6, back->GetWidth());
    EXPECT_EQ(24, back->GetBitCount());
    // A depth that cannot be written leaves the file of that name as it was.
    file.Write({'o', 'l', 'd'});
    image->SaveAsBmp(file.c_str(), 16, false, 0, 0, 0);
    EXPECT_EQ(Bytes({'o', 'l', 'd'}), file.Read());
}

} // namespace

namespace {

TEST(BitmapFileTest, BitmapsOfGdiAreCopiedAtTheirSizeAndDepth)
{
    // A device-dependent bitmap drawn through GDI.
    HDC screen = GetDC(nullptr);
    HBITMAP device = CreateCompatibleBitmap(screen, 6, 4);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(nullptr, device);
    {
        HDC memory = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(memory, device);
        RECT all = {0, 0, 6, 4};
        HBRUSH brush = CreateSolidBrush(RGB(10, 200, 30));
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        SetPixel(memory, 5, 3, RGB(250, 0, 5));
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    Pooled<Bitmap> copy;
    ASSERT_NE(nullptr, copy->FromBitmapHandle(device));
    EXPECT_EQ(6, copy->GetWidth());
    EXPECT_EQ(4, copy->GetHeight());
    ImagePtr picture(static_cast<s::image::win::BufferedImage*>(copy->ToBufferedImage(0, nullptr)));
    ASSERT_TRUE(picture);
    EXPECT_EQ(0xFF0AC81Eu, picture->GetRow(0)[0]);
    EXPECT_EQ(0xFFFA0005u, picture->GetRow(3)[5]);
    DeleteObject(device);

    // An 8-bit section keeps its colour table and indices.
    Pooled<Bitmap> palette;
    ImagePtr few = FewColours(5, 3);
    ASSERT_TRUE(palette->ConvertFrom(few.get(), 8, false, 0, 0, 0));
    Pooled<Bitmap> again;
    ASSERT_NE(nullptr, again->FromBitmapHandle(palette->GetHandle()));
    EXPECT_EQ(8, again->GetBitCount());
    const Bytes a = EncodeToBytes(palette.get());
    const Bytes b = EncodeToBytes(again.get());
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i)
        ASSERT_EQ(a[i], b[i]) << "byte " << i;
    EXPECT_EQ(nullptr, again->FromBitmapHandle(nullptr));
    EXPECT_EQ(nullptr, again->GetBits());
}

} // namespace
