// What the encoder settings make of images and image sets, and the codecs' own conversions that
// go through them: codec object and depth per class, depths a codec cannot write, the order and
// shape of icon entries, entry formats of sets, and filtered sources.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "images/codecs/CodecFixtures.h"
#include "images/ImageFixtures.h"
#include "images/TestFilter.h"
#include "images/bmp/win/Bitmap.h"
#include "images/codecs/gif/win/Gif.h"
#include "images/codecs/ico/win/Icon.h"
#include "images/codecs/ico/win/IconImage.h"
#include "images/codecs/jpg/win/Jpeg.h"
#include "images/codecs/png/win/Png.h"
#include "images/settings/BmpEncodeSetting.h"
#include "images/settings/GifEncodeSetting.h"
#include "images/settings/IcoEncodeSetting.h"
#include "images/settings/InstallEncodeSettings.h"
#include "images/settings/JpgEncodeSetting.h"
#include "images/settings/PngEncodeSetting.h"
#include "images/win/BufferedImageSet.h"
#include "storage/file/Pooled.h"

namespace {

using images_test::Fill;
using images_test::ImagePtr;
using images_test::MakeImage;
using s::file::Pooled;
using s::image::IEncodedImage;
using s::image::bmp::win::Bitmap;
using s::image::gif::win::Gif;
using s::image::ico::win::Icon;
using s::image::ico::win::IconImage;
using s::image::win::BufferedImage;
using s::image::win::BufferedImageSet;

// A codec object made by a conversion, given back at the end of the scope.
template <class Codec>
struct Made {
    explicit Made(IEncodedImage* made) : codec(dynamic_cast<Codec*>(made)), any(made) {}
    ~Made()
    {
        if (auto* pooled = dynamic_cast<s::thread::IPoolable*>(any))
            pooled->ReleaseToPool();
    }
    Codec* codec;
    IEncodedImage* any;
};

// An opaque picture of one colour.
ImagePtr Opaque(int32_t width, int32_t height, uint32_t pixel = 0xFF2060A0u)
{
    ImagePtr image = MakeImage(width, height);
    Fill(image.get(), pixel);
    return image;
}

// Entries as size << 16 | depth, in order.
std::vector<int32_t> Formats(Icon* icon)
{
    std::vector<int32_t> formats;
    for (int32_t i = 0; i < icon->GetImageCount(); ++i) {
        IconImage* entry = icon->GetImage(i);
        EXPECT_EQ(entry->GetWidth(), entry->GetHeight());
        formats.push_back(entry->GetWidth() << 16 | entry->GetBitCount());
    }
    return formats;
}

class EncodeSettingEncodeTest : public testing::Test {
protected:
    static void SetUpTestSuite() { s::image::settings::InstallEncodeSettings(); }
};

TEST_F(EncodeSettingEncodeTest, EachSettingMakesItsCodecObjectAtItsValues)
{
    ImagePtr image = Opaque(6, 4);
    for (int32_t bits : {4, 8, 24, 32}) {
        Pooled<s::image::bmp::EncodeSetting> bmp;
        bmp->Bpp = bits;
        Made<Bitmap> made(bmp->EncodeImage(image.get()));
        ASSERT_NE(nullptr, made.codec) << bits;
        EXPECT_EQ(bits, made.codec->GetBitCount());
        EXPECT_EQ(6, made.codec->GetWidth());
    }
    for (int32_t bits = 1; bits <= 8; ++bits) {
        Pooled<s::image::gif::EncodeSetting> gif;
        gif->Bpp = bits;
        Made<Gif> made(gif->EncodeImage(image.get()));
        ASSERT_NE(nullptr, made.codec) << bits;
        EXPECT_EQ(1, made.codec->GetImageCount());
    }
    Pooled<s::image::jpg::EncodeSetting> jpg;
    jpg->Quality = 40;
    Made<s::image::jpg::win::Jpeg> jpeg(jpg->EncodeImage(image.get()));
    ASSERT_NE(nullptr, jpeg.codec);
    EXPECT_EQ(40, jpeg.codec->GetQuality());
    Pooled<s::image::png::EncodeSetting> png;
    png->WithInterlace = false;
    Made<s::image::png::win::Png> pngMade(png->EncodeImage(image.get()));
    ASSERT_NE(nullptr, pngMade.codec);
    EXPECT_FALSE(pngMade.codec->IsInterlaced());
    EXPECT_EQ(4, pngMade.codec->GetHeight());
}

TEST_F(EncodeSettingEncodeTest, ADepthTheCodecCannotWriteMakesNothing)
{
    ImagePtr image = Opaque(4, 4);
    for (int32_t bits : {0, 1, 5, 16, 64}) {
        Pooled<s::image::bmp::EncodeSetting> bmp;
        bmp->Bpp = bits;
        EXPECT_EQ(nullptr, bmp->EncodeImage(image.get())) << bits;
    }
    for (int32_t bits : {0, 9, 24}) {
        Pooled<s::image::gif::EncodeSetting> gif;
        gif->Bpp = bits;
        EXPECT_EQ(nullptr, gif->EncodeImage(image.get())) << bits;
    }
    for (int32_t bits : {1, 24}) {
        Pooled<s::image::ico::EncodeSetting> ico;
        ico->Sizes.Append(16);
        ico->Bpps.Append(8);
        ico->Bpps.Append(bits);
        EXPECT_EQ(nullptr, ico->EncodeImage(image.get())) << bits;
    }
    Pooled<s::image::bmp::EncodeSetting> bmp;
    EXPECT_EQ(nullptr, bmp->EncodeImage(nullptr));
}

TEST_F(EncodeSettingEncodeTest, IconEntriesComeSizeFirstThenDepth)
{
    ImagePtr image = Opaque(64, 64);
    Pooled<s::image::ico::EncodeSetting> reset;
    EXPECT_EQ(nullptr, reset->EncodeImage(image.get()));
    Pooled<s::image::ico::EncodeSetting> standard;
    for (int32_t size : {16, 24, 32, 48})
        standard->Sizes.Append(size);
    for (int32_t depth : {4, 8, 32})
        standard->Bpps.Append(depth);
    Made<Icon> made(standard->EncodeImage(image.get()));
    ASSERT_NE(nullptr, made.codec);
    std::vector<int32_t> expected;
    for (int32_t size : {16, 24, 32, 48}) {
        for (int32_t depth : {4, 8, 32})
            expected.push_back(size << 16 | depth);
    }
    EXPECT_EQ(expected, Formats(made.codec));

    // Above 255 pixels one 32-bit entry, whatever the depths; at 255 one per depth.
    Pooled<s::image::ico::EncodeSetting> large;
    large->Sizes.Append(256);
    large->Sizes.Append(255);
    large->Bpps.Append(4);
    large->Bpps.Append(8);
    Made<Icon> largeMade(large->EncodeImage(image.get()));
    ASSERT_NE(nullptr, largeMade.codec);
    EXPECT_EQ((std::vector<int32_t>{256 << 16 | 32, 255 << 16 | 4, 255 << 16 | 8}), Formats(largeMade.codec));
    // The large entry is a PNG file, the others device-independent bitmaps.
    codecs_test::Bytes png = codecs_test::EncodeToBytes(largeMade.codec->GetImage(0));
    ASSERT_GE(png.size(), 8u);
    EXPECT_EQ(0, std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8));
    codecs_test::Bytes dib = codecs_test::EncodeToBytes(largeMade.codec->GetImage(1));
    ASSERT_GE(dib.size(), 4u);
    EXPECT_EQ(40, dib[0]);
}

TEST_F(EncodeSettingEncodeTest, KeptRatioCentresThePictureOnATransparentSquare)
{
    ImagePtr image = Opaque(200, 100, 0xFF00FF00u);
    struct Case {
        bool keepRatio;
        uint32_t topAlpha;
    };
    for (const Case& c : {Case{true, 0u}, Case{false, 0xFFu}}) {
        Pooled<s::image::ico::EncodeSetting> ico;
        ico->KeepRatio = c.keepRatio;
        ico->Sizes.Append(32);
        ico->Bpps.Append(32);
        Made<Icon> made(ico->EncodeImage(image.get()));
        ASSERT_NE(nullptr, made.codec);
        ImagePtr picture(static_cast<BufferedImage*>(made.codec->GetImage(0)->ToBufferedImage(0, nullptr)));
        ASSERT_TRUE(picture);
        ASSERT_EQ(32, picture->GetWidth());
        ASSERT_EQ(32, picture->GetHeight());
        EXPECT_EQ(c.topAlpha, picture->GetRow(0)[16] >> 24) << c.keepRatio;
        EXPECT_EQ(c.topAlpha, picture->GetRow(7)[16] >> 24) << c.keepRatio;
        EXPECT_EQ(c.topAlpha, picture->GetRow(31)[16] >> 24) << c.keepRatio;
        // The 32 x 16 picture fills rows 8 to 23.
        EXPECT_EQ(0xFF00FF00u, picture->GetRow(8)[0]) << c.keepRatio;
        EXPECT_EQ(0xFF00FF00u, picture->GetRow(23)[31]) << c.keepRatio;
    }
    EXPECT_EQ(200, image->GetWidth());
}

TEST_F(EncodeSettingEncodeTest, ASetIsWrittenInItsEntryFormatsWhenTheyMatchItsImages)
{
    Pooled<BufferedImageSet> set;
    ASSERT_TRUE(set);
    set->AddImage(Opaque(40, 40).release(), 32, 0, 0);
    set->AddImage(Opaque(20, 10).release(), 32, 0, 0);
    Pooled<s::image::ico::EncodeSetting> ico;
    ico->Sizes.Append(16);
    ico->Bpps.Append(8);
    ico->EntryFormats.Append(48 << 16 | 4);
    ico->EntryFormats.Append(300 << 16 | 8);
    Made<Icon> matched(ico->FromImageSet(set.get()));
    ASSERT_NE(nullptr, matched.codec);
    // The depth of each format holds, also above 255 pixels.
    EXPECT_EQ((std::vector<int32_t>{48 << 16 | 4, 300 << 16 | 8}), Formats(matched.codec));

    // Other counts, none included, write the primary image with the sizes and depths.
    for (int32_t formats : {0, 1, 3}) {
        ico->EntryFormats.SetCount(0);
        for (int32_t i = 0; i < formats; ++i)
            ico->EntryFormats.Append(32 << 16 | 32);
        Made<Icon> primary(ico->FromImageSet(set.get()));
        ASSERT_NE(nullptr, primary.codec) << formats;
        EXPECT_EQ((std::vector<int32_t>{16 << 16 | 8}), Formats(primary.codec)) << formats;
    }
    // Without sizes a single image gives nothing, whatever the entry formats.
    ico->Sizes.SetCount(0);
    EXPECT_EQ(nullptr, ico->EncodeImage(set->GetPrimaryImage()));
    EXPECT_EQ(nullptr, ico->FromImageSet(nullptr));
}

TEST_F(EncodeSettingEncodeTest, GifSetsAnimateOnlyWithSeveralImages)
{
    struct Case {
        bool animated;
        int32_t images;
        int32_t frames;
    };
    for (const Case& c : {Case{true, 1, 1}, Case{false, 3, 1}, Case{true, 3, 3}}) {
        Pooled<BufferedImageSet> set;
        ASSERT_TRUE(set);
        for (int32_t i = 0; i < c.images; ++i)
            set->AddImage(Opaque(8, 8, 0xFF000000u | static_cast<uint32_t>(i) * 0x40).release(), 8, 100, 0);
        set->SetAnimation(c.animated, 0);
        Pooled<s::image::gif::EncodeSetting> gif;
        Made<Gif> made(gif->FromImageSet(set.get()));
        ASSERT_NE(nullptr, made.codec) << c.images;
        EXPECT_EQ(c.frames, made.codec->GetImageCount()) << c.images;
    }
    // The BMP, JPEG and PNG settings write the primary image: the largest.
    Pooled<BufferedImageSet> set;
    set->AddImage(Opaque(8, 8).release(), 32, 0, 0);
    set->AddImage(Opaque(30, 20).release(), 32, 0, 0);
    Pooled<s::image::png::EncodeSetting> png;
    Made<s::image::png::win::Png> made(png->FromImageSet(set.get()));
    ASSERT_NE(nullptr, made.codec);
    EXPECT_EQ(30, made.codec->GetWidth());
}

TEST_F(EncodeSettingEncodeTest, AFilteredSourceIsEncodedAsFilteredAndStaysAsItWas)
{
    ImagePtr image = Opaque(5, 5, 0xFF102030u);
    images_test::TestFilter filter(L"paint", false);
    filter.setsPixels = true;
    filter.pixel = 0xFFA0B0C0u;
    image->AddFilter(&filter);
    Pooled<s::image::bmp::EncodeSetting> bmp;
    bmp->Bpp = 32;
    Made<Bitmap> made(bmp->EncodeImage(image.get()));
    ASSERT_NE(nullptr, made.codec);
    EXPECT_EQ(1, filter.applied);
    ImagePtr back(static_cast<BufferedImage*>(made.codec->ToBufferedImage(0, nullptr)));
    ASSERT_TRUE(back);
    EXPECT_EQ(0xA0B0C0u, back->GetRow(2)[2] & 0xFFFFFFu);
    EXPECT_EQ(0xFF102030u, image->GetRow(2)[2]);
    EXPECT_TRUE(image->HasFilters());
    image->DetachAllFilters();
}

TEST_F(EncodeSettingEncodeTest, TheCodecsConvertThroughTheirSettings)
{
    ImagePtr image = Opaque(40, 40);
    // A reset bitmap converts at 32 bits, a fresh GIF at 8.
    Pooled<Bitmap> bitmap;
    Made<Bitmap> bitmapMade(bitmap->FromImage(image.get()));
    ASSERT_NE(nullptr, bitmapMade.codec);
    EXPECT_EQ(32, bitmapMade.codec->GetBitCount());
    Pooled<Gif> gif;
    Made<Gif> gifMade(gif->FromImage(image.get()));
    ASSERT_NE(nullptr, gifMade.codec);
    EXPECT_EQ(1, gifMade.codec->GetImageCount());
    Pooled<s::image::jpg::win::Jpeg> jpeg;
    Made<s::image::jpg::win::Jpeg> jpegMade(jpeg->FromImage(image.get()));
    ASSERT_NE(nullptr, jpegMade.codec);
    EXPECT_EQ(75, jpegMade.codec->GetQuality());
    Pooled<s::image::png::win::Png> png;
    Made<s::image::png::win::Png> pngMade(png->FromImage(image.get()));
    ASSERT_NE(nullptr, pngMade.codec);
    EXPECT_TRUE(pngMade.codec->IsInterlaced());

    // An icon's setting is fresh but for its entry formats: a single picture makes no icon, a
    // set of as many images as the icon holds makes one in the icon's own formats.
    Pooled<Icon> empty;
    EXPECT_EQ(nullptr, empty->FromImage(image.get()));
    EXPECT_EQ(0, empty->GetImageCount());
    Pooled<s::image::ico::EncodeSetting> twoEntries;
    twoEntries->Sizes.Append(32);
    twoEntries->Sizes.Append(16);
    twoEntries->Bpps.Append(8);
    Made<Icon> model(twoEntries->EncodeImage(image.get()));
    ASSERT_NE(nullptr, model.codec);
    EXPECT_EQ(nullptr, model.codec->FromImage(image.get()));
    Pooled<BufferedImageSet> set;
    set->AddImage(Opaque(32, 32).release(), 8, 0, 0);
    set->AddImage(Opaque(16, 16).release(), 8, 0, 0);
    Made<Icon> fromSet(model.codec->FromImageSet(set.get()));
    ASSERT_NE(nullptr, fromSet.codec);
    EXPECT_EQ((std::vector<int32_t>{32 << 16 | 8, 16 << 16 | 8}), Formats(fromSet.codec));
}

} // namespace
