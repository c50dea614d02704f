// The ICO codec: the records and entries written, rendering with alpha or mask, conversions,
// the order and searches of decoded icons, icons made for Windows, and files that must be refused.
#include <gtest/gtest.h>

#include <set>

#include "images/bmp/win/Bitmap.h"
#include "images/codecs/LoadEncodedImage.h"
#include "images/codecs/ico/win/Icon.h"
#include "images/codecs/ico/win/IconImage.h"
#include "images/win/BufferedImage.h"
#include "storage/file/PathWin.h"
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
using s::image::ico::win::Icon;
using s::image::ico::win::IconImage;

uint32_t Dword(const Bytes& bytes, size_t at)
{
    return uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
           uint32_t{bytes[at + 3]} << 24;
}

void PutDword(Bytes& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// Colours telling pixels apart, a clear corner and a translucent pixel.
ImagePtr Picture(int32_t width, int32_t height)
{
    ImagePtr image = MakeImage(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x)
            image->GetRow(y)[x] = 0xFF000000u | uint32_t(x * 16 & 0xFF) << 16 | uint32_t(y * 16 & 0xFF) << 8 | 0x80;
    }
    image->GetRow(0)[0] = 0x00000000;
    image->GetRow(1)[1] = 0x80402010;
    image->SetHasAlpha(true);
    return image;
}

IconImage* Entry(int32_t width, int32_t height, int32_t bits, bool withAlpha = true)
{
    ImagePtr image = Picture(width, height);
    image->SetHasAlpha(withAlpha);
    IconImage* entry = IconImage::New();
    EXPECT_TRUE(entry->ConvertFrom(image.get(), bits, true, 255, 255, 255)) << width << " " << bits;
    return entry;
}

Bytes IconFile(const std::vector<IconImage*>& entries)
{
    Pooled<Icon> icon;
    for (IconImage* entry : entries)
        icon->AddImage(entry);
    return EncodeToBytes(icon.get());
}

TEST(IcoTest, RecordsOfDibAndPngEntries)
{
    const Bytes bytes = IconFile({Entry(255, 255, 32), Entry(256, 16, 32), Entry(16, 16, 4)});
    ASSERT_GT(bytes.size(), 6u + 48);
    EXPECT_EQ(Bytes({0, 0, 1, 0, 3, 0}), Bytes(bytes.begin(), bytes.begin() + 6));
    struct Record {
        uint8_t width, height, colours;
        uint32_t bits;
        bool png;
    };
    const Record records[] = {{255, 255, 0, 32, false}, {0, 16, 0, 32, true}, {16, 16, 16, 4, false}};
    uint32_t offset = 6 + 3 * 16;
    for (int i = 0; i < 3; ++i) {
        const size_t at = 6 + 16 * i;
        EXPECT_EQ(records[i].width, bytes[at]) << i;
        EXPECT_EQ(records[i].height, bytes[at + 1]) << i;
        EXPECT_EQ(records[i].colours, bytes[at + 2]) << i;
        EXPECT_EQ(0, bytes[at + 3]) << i;
        EXPECT_EQ(1u, Dword(bytes, at + 4) & 0xFFFF) << i;
        EXPECT_EQ(records[i].bits, Dword(bytes, at + 4) >> 16) << i;
        EXPECT_EQ(offset, Dword(bytes, at + 12)) << i;
        if (records[i].png) {
            EXPECT_EQ(Bytes({0x89, 'P', 'N', 'G'}), Bytes(bytes.begin() + offset, bytes.begin() + offset + 4));
        } else {
            // The DIB entry's header: 40 bytes, the height doubled for the mask.
            EXPECT_EQ(40u, Dword(bytes, offset)) << i;
            EXPECT_EQ(uint32_t(records[i].width), Dword(bytes, offset + 4)) << i;
            EXPECT_EQ(2u * records[i].height, Dword(bytes, offset + 8)) << i;
            const uint32_t table = records[i].bits <= 8 ? 4u << records[i].bits : 0;
            const uint32_t xor_ = ((records[i].width * records[i].bits + 31) >> 3 & ~3u) * records[i].height;
            const uint32_t mask = ((records[i].width + 31) >> 3 & ~3u) * records[i].height;
            EXPECT_EQ(40 + table + xor_ + mask, Dword(bytes, at + 8)) << i;
        }
        offset += Dword(bytes, at + 8);
    }
    EXPECT_EQ(offset, bytes.size());
}

TEST(IcoTest, RenderingTakesAlphaOrTheMask)
{
    // 32 bits keep every alpha byte; the mask marks only the clear pixel.
    Pooled<IconImage> deep(Entry(4, 3, 32));
    EXPECT_EQ(0x80, deep->GetAndRow(0)[0]);
    ImagePtr rendered(static_cast<s::image::win::BufferedImage*>(deep->ToBufferedImage(0, nullptr)));
    EXPECT_TRUE(rendered->HasAlpha());
    EXPECT_EQ(0x80402010u, rendered->GetRow(1)[1]);
    EXPECT_EQ(0u, rendered->GetRow(0)[0] >> 24);
    // All alpha 255: no alpha flag, whatever the mask says.
    Pooled<IconImage> opaque(Entry(4, 3, 32, false));
    opaque->GetAndRow(2)[0] = 0xFF;
    ImagePtr solid(static_cast<s::image::win::BufferedImage*>(opaque->ToBufferedImage(0, nullptr)));
    EXPECT_FALSE(solid->HasAlpha());
    EXPECT_EQ(0xFFu, solid->GetRow(2)[0] >> 24);
    // Palette entries: transparent exactly at the mask's bits, alpha below 32 counting as clear.
    for (int32_t bits : {8, 4}) {
        Pooled<IconImage> palette(Entry(5, 4, bits));
        Pooled<IconImage> back;
        ASSERT_TRUE(DecodeBytes(back.get(), EncodeToBytes(palette.get()))) << bits;
        ImagePtr image(static_cast<s::image::win::BufferedImage*>(back->ToBufferedImage(0, nullptr)));
        ASSERT_TRUE(image);
        EXPECT_TRUE(image->HasAlpha());
        std::set<uint32_t> colours;
        for (int32_t y = 0; y < 4; ++y) {
            for (int32_t x = 0; x < 5; ++x) {
                const uint32_t pixel = image->GetRow(y)[x];
                EXPECT_EQ(x == 0 && y == 0 ? 0u : 0xFFu, pixel >> 24) << bits << " " << x << "," << y;
                if (pixel >> 24)
                    colours.insert(pixel);
            }
        }
        EXPECT_LE(colours.size(), size_t((1 << bits) - 1)) << bits;
    }
}

TEST(IcoTest, DecodedIconsPutTheBest32By32First)
{
    const Bytes bytes = IconFile({Entry(16, 16, 32), Entry(48, 48, 32), Entry(32, 32, 32)});
    Pooled<Icon> icon;
    ASSERT_TRUE(DecodeBytes(icon.get(), bytes));
    ASSERT_EQ(3, icon->GetImageCount());
    EXPECT_EQ(32, icon->GetWidth());
    EXPECT_EQ(16, icon->GetImage(1)->GetWidth());
    EXPECT_EQ(48, icon->GetImage(2)->GetWidth());
    EXPECT_EQ(nullptr, icon->GetImage(3));
    EXPECT_EQ(nullptr, icon->ToBufferedImage(3, nullptr));
    // Written again, the icon reads the same.
    Pooled<Icon> again;
    ASSERT_TRUE(DecodeBytes(again.get(), EncodeToBytes(icon.get())));
    EXPECT_EQ(3, again->GetImageCount());
    // A PNG entry decodes to a 32-bit picture and is written back as a DIB entry.
    Pooled<Icon> large;
    ASSERT_TRUE(DecodeBytes(large.get(), IconFile({Entry(20, 300, 32)})));
    EXPECT_EQ(300, large->GetHeight());
    EXPECT_EQ(32, large->GetImage(0)->GetBitCount());
}

TEST(IcoTest, SearchesWeighSizeAndDepth)
{
    Pooled<Icon> icon;
    icon->AddImage(Entry(16, 16, 32));
    icon->AddImage(Entry(32, 32, 8));
    icon->AddImage(Entry(48, 48, 32));
    int32_t index = -1;
    EXPECT_TRUE(icon->FindNearestSizeImage(32, 32, 32, &index));
    EXPECT_EQ(1, index);
    EXPECT_TRUE(icon->FindNearestDepthImage(32, 32, 32, &index));
    EXPECT_EQ(0, index);
    EXPECT_FALSE(icon->FindExactImage(32, 32, 32, &index));
    EXPECT_TRUE(icon->FindExactImage(48, 48, 32, &index));
    EXPECT_EQ(2, index);
    Pooled<Icon> empty;
    EXPECT_FALSE(empty->FindNearestSizeImage(16, 16, 32, &index));
    EXPECT_EQ(0, empty->GetWidth());
}

TEST(IcoTest, IconsForWindowsAndBackIntoBitmaps)
{
    Pooled<IconImage> deep(Entry(16, 16, 32));
    HICON withAlpha = deep->CreateIcon();
    ASSERT_NE(nullptr, withAlpha);
    Pooled<s::image::bmp::win::Bitmap> bitmap;
    ASSERT_NE(nullptr, bitmap->FromIcon(withAlpha));
    EXPECT_EQ(32, bitmap->GetBitCount());
    EXPECT_FALSE(bitmap->HasTransparentColor());
    ImagePtr drawn(static_cast<s::image::win::BufferedImage*>(bitmap->ToBufferedImage(0, nullptr)));
    EXPECT_EQ(0u, drawn->GetRow(0)[0] >> 24);
    EXPECT_EQ(0xFFu, drawn->GetRow(5)[5] >> 24);
    DestroyIcon(withAlpha);

    // Without alpha of its own the icon is drawn over the marker colour, which stands for clear.
    Pooled<IconImage> palette(Entry(16, 16, 8));
    HICON masked = palette->CreateIcon();
    ASSERT_NE(nullptr, masked);
    ASSERT_NE(nullptr, bitmap->FromIcon(masked));
    EXPECT_EQ(24, bitmap->GetBitCount());
    EXPECT_TRUE(bitmap->HasTransparentColor());
    EXPECT_EQ(254 << 16 | 253 << 8 | 252, bitmap->GetTransparentColor());
    ImagePtr keyed(static_cast<s::image::win::BufferedImage*>(bitmap->ToBufferedImage(0, nullptr)));
    EXPECT_TRUE(keyed->HasAlpha());
    for (int32_t y = 0; y < 16; ++y) {
        for (int32_t x = 0; x < 16; ++x)
            EXPECT_EQ(x == 0 && y == 0 ? 0u : 0xFFu, keyed->GetRow(y)[x] >> 24) << x << "," << y;
    }
    DestroyIcon(masked);
    EXPECT_EQ(nullptr, bitmap->FromIcon(nullptr));
}

TEST(IcoTest, HostileFilesFailAndLeaveNoImages)
{
    const Bytes valid = IconFile({Entry(8, 8, 8), Entry(4, 4, 32)});
    struct Case {
        const char* what;
        Bytes bytes;
    };
    std::vector<Case> cases = {{"empty", {}},
                               {"cut in the header", Bytes(valid.begin(), valid.begin() + 4)},
                               {"cut in the directory", Bytes(valid.begin(), valid.begin() + 30)}};
    auto patched = [&](const char* what, size_t at, uint32_t value, int bytes) {
        Bytes b = valid;
        for (int i = 0; i < bytes; ++i)
            b[at + i] = static_cast<uint8_t>(value >> (8 * i));
        cases.push_back({what, b});
    };
    const size_t first = Dword(valid, 6 + 12);
    const size_t second = Dword(valid, 22 + 12);
    patched("65,535 images", 4, 0xFFFF, 2);
    {
        Bytes b = valid;
        PutDword(b, 6 + 12, 0x7FFFFFF0);
        PutDword(b, 22 + 12, static_cast<uint32_t>(valid.size()) - 2);
        cases.push_back({"offsets past the end", b});
    }
    {
        Bytes b = valid;
        PutDword(b, 6 + 12, 0x7FFFFFF0);
        PutDword(b, 22 + 8, 0x80000000u);
        cases.push_back({"sizes of 2^31 and no entry left", b});
    }
    {
        // Every entry broken in its own way: none decodes.
        auto both = [&](const char* what, size_t offsetInEntry, uint32_t value) {
            Bytes b = valid;
            PutDword(b, first + offsetInEntry, value);
            PutDword(b, second + offsetInEntry, value);
            cases.push_back({what, b});
        };
        both("headers under 40 bytes", 0, 12);
        both("300 used colours", 32, 300);
        both("zero width", 4, 0);
        both("negative height", 8, static_cast<uint32_t>(-16));
        both("width of 2^31 - 1", 4, 0x7FFFFFFF);
        both("compressed pixels", 16, BI_RLE8);
    }
    for (const Case& c : cases) {
        Pooled<Icon> icon;
        EXPECT_FALSE(DecodeBytes(icon.get(), c.bytes)) << c.what;
        EXPECT_EQ(0, icon->GetImageCount()) << c.what;
    }
    // A single broken entry is left out; the other still decodes.
    Bytes one = valid;
    PutDword(one, first, 12);
    Pooled<Icon> icon;
    EXPECT_TRUE(DecodeBytes(icon.get(), one));
    EXPECT_EQ(1, icon->GetImageCount());
    // An entry cut inside its pixels is refused.
    Pooled<IconImage> entry(Entry(8, 8, 8));
    Bytes cut = EncodeToBytes(entry.get());
    cut.resize(cut.size() - 40);
    Pooled<IconImage> refused;
    EXPECT_FALSE(DecodeBytes(refused.get(), cut));
    EXPECT_EQ(0, refused->GetWidth());
}

TEST(IcoTest, TheFactoryLoadsIconFiles)
{
    codecs_test::TempFile file(L"factory.ico");
    file.Write(IconFile({Entry(16, 16, 32), Entry(32, 32, 8)}));
    Pooled<s::file::win::PathWin> path(s::file::win::PathWin::CreateFromText(file.c_str()));
    s::image::IEncodedImage* image = s::image::LoadEncodedImage(path.get());
    ASSERT_NE(nullptr, image);
    EXPECT_STREQ(L".ico", image->GetDefaultExtension());
    EXPECT_EQ(2, image->GetImageCount());
    EXPECT_EQ(32, image->GetWidth());
    dynamic_cast<s::thread::IPoolable*>(image)->ReleaseToPool();
}

} // namespace
