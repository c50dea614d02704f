// The GIF codec and its LZW coder: the bytes written, round trips with transparency and timing,
// animations, the decoding of files of other makers' layouts, and data that must be refused.
#include <gtest/gtest.h>

#include <cstring>

#include "images/bmp/win/Bitmap.h"
#include "images/codecs/gif/win/Gif.h"
#include "images/codecs/gif/win/GifLzw.h"
#include "images/win/BufferedImage.h"
#include "images/win/BufferedImageSet.h"
#include "storage/file/Pooled.h"
#include "tests/images/ImageFixtures.h"
#include "tests/images/codecs/CodecFixtures.h"
#include "tests/images/codecs/GifFixtures.h"

namespace {

using codecs_test::Bytes;
using codecs_test::CodeWriter;
using codecs_test::DecodeBytes;
using codecs_test::EncodeToBytes;
using codecs_test::GifFrameLayout;
using codecs_test::MakeGif;
using images_test::ImagePtr;
using images_test::MakeImage;
using s::file::Pooled;
using s::image::gif::win::Gif;
using s::image::gif::win::GifLzw;

ImagePtr Rendered(Gif* gif, int32_t index)
{
    return ImagePtr(static_cast<s::image::win::BufferedImage*>(gif->ToBufferedImage(index, nullptr)));
}

// Distinct opaque colours, fewer than the palette holds.
ImagePtr Palette(int32_t width, int32_t height)
{
    ImagePtr image = MakeImage(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x)
            image->GetRow(y)[x] = 0xFF000000u | uint32_t((x * 37) & 0xF0) << 16 | uint32_t((y * 53) & 0xF0) << 8 | 0x40;
    }
    image->SetHasAlpha(false);
    return image;
}

// The image data sub-blocks after the descriptor of a file with one frame and no global table.
std::vector<size_t> SubBlockSizes(const Bytes& file)
{
    size_t at = 13 + 19 + 8 + 10 + 768 + 1;
    std::vector<size_t> sizes;
    while (at < file.size() && file[at] != 0) {
        sizes.push_back(file[at]);
        at += file[at] + 1;
    }
    return sizes;
}

TEST(GifTest, ASingleFrameIsWrittenByteForByte)
{
    ImagePtr image = Palette(3, 2);
    Pooled<Gif> gif;
    ASSERT_TRUE(gif->AddFrame(image.get(), 8, true, 255, 255, 255, Gif::kAlphaThreshold));
    bool encoded = false;
    const Bytes bytes = EncodeToBytes(gif.get(), &encoded);
    ASSERT_TRUE(encoded);
    const Bytes head = {'G', 'I', 'F', '8', '9', 'a', 3, 0, 2, 0, 0x77, 0, 0,
                        0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 3, 1, 1, 0, 0,
                        // Control: no transparency (index 0xFF, bit 0 clear), no delay.
                        0x21, 0xF9, 4, 0, 0, 0, 0xFF, 0,
                        // Descriptor: at (0, 0), 3 x 2, a local table of 256 entries, not interlaced.
                        0x2C, 0, 0, 0, 0, 3, 0, 2, 0, 0x87};
    ASSERT_GT(bytes.size(), head.size() + 768 + 2);
    EXPECT_EQ(head, Bytes(bytes.begin(), bytes.begin() + head.size()));
    EXPECT_EQ(8, bytes[head.size() + 768]) << "minimum code size";
    EXPECT_EQ(0x3B, bytes.back());
    EXPECT_EQ(0, bytes[bytes.size() - 2]) << "block terminator";
    EXPECT_EQ(bytes, EncodeToBytes(gif.get())) << "encoding twice";
}

TEST(GifTest, LongDataIsCutIntoSubBlocksOf254Bytes)
{
    ImagePtr image = MakeImage(64, 64);
    for (int32_t y = 0; y < 64; ++y) {
        for (int32_t x = 0; x < 64; ++x)
            image->GetRow(y)[x] = 0xFF000000u | ((x * 7919u + y * 104729u) * 2654435761u >> 8 & 0xFFFFFF);
    }
    Pooled<Gif> gif;
    ASSERT_TRUE(gif->AddFrame(image.get(), 8, false, 0, 0, 0, Gif::kAlphaThreshold));
    const std::vector<size_t> sizes = SubBlockSizes(EncodeToBytes(gif.get()));
    ASSERT_GT(sizes.size(), 2u);
    for (size_t i = 0; i + 1 < sizes.size(); ++i)
        EXPECT_EQ(254u, sizes[i]) << i;
    EXPECT_LE(sizes.back(), 254u);
}

TEST(GifTest, RoundTripKeepsColoursTransparencyDelayAndLoops)
{
    ImagePtr image = Palette(20, 9);
    image->GetRow(2)[3] = 0x32FF0000; // below the threshold: transparent
    image->GetRow(5)[7] = 0xC800FF00; // above it: opaque
    image->SetHasAlpha(true);
    for (int32_t bits : {8, 4}) {
        Pooled<Gif> gif;
        ASSERT_TRUE(gif->AddFrame(image.get(), bits, true, 255, 255, 255, Gif::kAlphaThreshold));
        const int32_t transparent = (1 << bits) - 1;
        EXPECT_EQ(transparent, gif->GetTransparentIndex(0));
        gif->SetDelay(0, 1234);
        gif->SetLoopCount(7);
        const Bytes bytes = EncodeToBytes(gif.get());
        const size_t control = 13 + 19;
        EXPECT_EQ(1, bytes[control + 3] & 1) << bits;
        EXPECT_EQ(123, bytes[control + 4] | bytes[control + 5] << 8) << "delay in hundredths";
        EXPECT_EQ(transparent, bytes[control + 6]) << bits;

        Pooled<Gif> back;
        ASSERT_TRUE(DecodeBytes(back.get(), bytes)) << bits;
        ASSERT_EQ(1, back->GetImageCount());
        EXPECT_EQ(1230, back->GetDelay(0));
        EXPECT_EQ(7, back->GetLoopCount());
        EXPECT_EQ(8, back->GetFrame(0)->GetBitCount()) << "every frame is 8-bit";
        ImagePtr picture = Rendered(back.get(), 0);
        ASSERT_TRUE(picture);
        EXPECT_TRUE(picture->HasAlpha());
        EXPECT_EQ(0u, picture->GetRow(2)[3] >> 24);
        if (bits == 8) {
            for (int32_t y = 0; y < 9; ++y) {
                for (int32_t x = 0; x < 20; ++x) {
                    if (y == 2 && x == 3)
                        continue;
                    ASSERT_EQ(image->GetRow(y)[x] | 0xFF000000u, picture->GetRow(y)[x]) << x << "," << y;
                }
            }
        }
    }
}

TEST(GifTest, AnimationsHoldOnlyTheChangedPixelsAfterTheFirstFrame)
{
    Pooled<s::image::win::BufferedImageSet> set;
    ImagePtr first = Palette(6, 4);
    ImagePtr second = Palette(6, 4);
    second->GetRow(1)[1] = 0xFF00FFFF;
    // A smaller image is drawn into the first one's size.
    ImagePtr third = MakeImage(3, 2);
    images_test::Fill(third.get(), 0xFFFF00FF);
    set->AddImage(first.release(), 8, 100, 0);
    set->AddImage(second.release(), 8, 250, 0);
    set->AddImage(third.release(), 8, 40, 0);
    set->SetAnimation(true, 3);
    Pooled<Gif> gif;
    ASSERT_TRUE(gif->ConvertFromImageSet(set.get(), 8, true, 255, 255, 255));
    ASSERT_EQ(3, gif->GetImageCount());
    Pooled<Gif> back;
    ASSERT_TRUE(DecodeBytes(back.get(), EncodeToBytes(gif.get())));
    ASSERT_EQ(3, back->GetImageCount());
    EXPECT_EQ(3, back->GetLoopCount());
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(6, back->GetFrame(i)->GetWidth()) << i;
        EXPECT_EQ(4, back->GetFrame(i)->GetHeight()) << i;
    }
    EXPECT_EQ(100, back->GetDelay(0));
    EXPECT_EQ(250, back->GetDelay(1));
    EXPECT_EQ(1, back->GetDisposal(1));
    EXPECT_EQ(1, back->GetDisposal(2));
    ImagePtr changed = Rendered(back.get(), 1);
    EXPECT_EQ(0xFF00FFFFu, changed->GetRow(1)[1]);
    EXPECT_EQ(0u, changed->GetRow(0)[0] >> 24) << "unchanged pixels are transparent";
    ImagePtr drawn = Rendered(back.get(), 2);
    EXPECT_EQ(0xFFFF00FFu, drawn->GetRow(1)[2]);
    EXPECT_EQ(0u, drawn->GetRow(3)[5] >> 24);
    int32_t index = -1;
    EXPECT_TRUE(back->FindExactImage(6, 4, 8, &index));
    EXPECT_EQ(0, index);
}

// One frame, 4 x 3, indices 0 to 11, in the file order of its rows.
std::vector<Bytes> TwelveIndices(bool interlaced)
{
    std::vector<Bytes> rows = {{0, 1, 2, 3}, {4, 5, 6, 7}, {8, 9, 10, 11}};
    if (interlaced)
        return {rows[0], rows[2], rows[1]};
    return rows;
}

TEST(GifTest, DecodesOtherLayoutsOfFiles)
{
    // Neither a global nor a local table: the indices are grey levels.
    GifFrameLayout grey{4, 3, TwelveIndices(false), {}};
    Pooled<Gif> plain;
    ASSERT_TRUE(DecodeBytes(plain.get(), MakeGif(4, 3, {}, {grey})));
    ImagePtr picture = Rendered(plain.get(), 0);
    EXPECT_EQ(0xFF050505u, picture->GetRow(1)[1]);
    EXPECT_EQ(0xFF0B0B0Bu, picture->GetRow(2)[3]);
    EXPECT_FALSE(picture->HasAlpha());

    // Interlaced with height 3: rows 0, 2 and 1 in that order in the file.
    GifFrameLayout interlaced{4, 3, TwelveIndices(true), {}};
    interlaced.interlaced = true;
    Pooled<Gif> woven;
    ASSERT_TRUE(DecodeBytes(woven.get(), MakeGif(4, 3, {}, {interlaced})));
    for (int32_t y = 0; y < 3; ++y)
        EXPECT_EQ(0, std::memcmp(plain->GetFrame(0)->GetRow(y), woven->GetFrame(0)->GetRow(y), 4)) << y;

    // A ten-row interlaced frame reads as the plain one.
    std::vector<Bytes> rows;
    for (uint8_t y = 0; y < 10; ++y)
        rows.push_back(Bytes(5, static_cast<uint8_t>(y * 10)));
    std::vector<Bytes> passes;
    for (int pass : {0, 1, 2, 3}) {
        const int first[] = {0, 4, 2, 1};
        const int step[] = {8, 8, 4, 2};
        for (int y = first[pass]; y < 10; y += step[pass])
            passes.push_back(rows[y]);
    }
    GifFrameLayout tallPlain{5, 10, rows, {}};
    GifFrameLayout tallWoven{5, 10, passes, {}};
    tallWoven.interlaced = true;
    Pooled<Gif> a;
    Pooled<Gif> b;
    ASSERT_TRUE(DecodeBytes(a.get(), MakeGif(5, 10, {}, {tallPlain})));
    ASSERT_TRUE(DecodeBytes(b.get(), MakeGif(5, 10, {}, {tallWoven})));
    for (int32_t y = 0; y < 10; ++y)
        EXPECT_EQ(0, std::memcmp(a->GetFrame(0)->GetRow(y), b->GetFrame(0)->GetRow(y), 5)) << y;

    // A second, smaller frame with a local table and a transparent index; the set centres it on white.
    const Bytes global = {0, 0, 0, 255, 0, 0};
    GifFrameLayout big{4, 3, TwelveIndices(false), {}};
    GifFrameLayout small{2, 1, {{0, 1}}, {10, 20, 30, 40, 50, 60}};
    small.controlIndex = 1;
    Pooled<Gif> two;
    ASSERT_TRUE(DecodeBytes(two.get(), MakeGif(4, 3, global, {big, small})));
    ASSERT_EQ(2, two->GetImageCount());
    int32_t index = -1;
    EXPECT_TRUE(two->FindExactImage(2, 1, 8, &index));
    EXPECT_EQ(1, index);
    Pooled<s::image::win::BufferedImageSet> set(two->ToBufferedImageSet());
    ASSERT_EQ(2, set->GetCount());
    s::image::win::BufferedImage* centred = set->GetImage(1);
    EXPECT_EQ(4, centred->GetWidth());
    EXPECT_EQ(0xFFFFFFFFu, centred->GetRow(0)[0]);
    EXPECT_EQ(0xFF0A141Eu, centred->GetRow(1)[1]);
    EXPECT_EQ(0x0028323Cu, centred->GetRow(1)[2]) << "the transparent index keeps its colour at alpha 0";
    EXPECT_TRUE(set->IsAnimated());
}

// A 1-row frame whose data the writer makes, decoded into index bytes.
bool DecodeCodes(const Bytes& data, int minimumCodeSize, int32_t width, Bytes* pixels)
{
    pixels->assign(static_cast<size_t>(width), 0xEE);
    return GifLzw::Decode(data.data(), static_cast<uint32_t>(data.size()), pixels->data(), minimumCodeSize, width,
                          width, 1, false) != 0;
}

TEST(GifTest, LzwTablesStopAtTheirLimits)
{
    // A table filled to 4,096 entries and used on without a clear decodes whole.
    CodeWriter deferred(2);
    int32_t codes = 0;
    while (deferred.Next() < 4096 || codes < 4300) {
        deferred.Code(codes % 3 == 0 ? 1 : 0);
        ++codes;
    }
    deferred.End();
    Bytes pixels;
    ASSERT_TRUE(DecodeCodes(deferred.Data(), 2, codes, &pixels));
    for (int32_t i = 0; i < codes; ++i)
        ASSERT_EQ(i % 3 == 0 ? 1 : 0, pixels[i]) << i;

    // A code the table does not hold yet ends the frame as a failure.
    CodeWriter beyond(2);
    beyond.Code(0);
    beyond.Code(7);
    beyond.End();
    EXPECT_FALSE(DecodeCodes(beyond.Data(), 2, 4, &pixels));
    // So does one that follows a clear before any pixel.
    CodeWriter afterClear(2);
    afterClear.Code(6);
    EXPECT_FALSE(DecodeCodes(afterClear.Data(), 2, 4, &pixels));

    // Without an end code the pixels are enough; data that end before them are not.
    CodeWriter noEnd(2);
    for (int i = 0; i < 4; ++i)
        noEnd.Code(i);
    EXPECT_TRUE(DecodeCodes(noEnd.Data(), 2, 4, &pixels));
    EXPECT_EQ(Bytes({0, 1, 2, 3}), pixels);
    EXPECT_FALSE(DecodeCodes(noEnd.Data(), 2, 5, &pixels));
    // An end code before the last pixel leaves the frame incomplete.
    CodeWriter early(2);
    early.Code(1);
    early.End();
    EXPECT_FALSE(DecodeCodes(early.Data(), 2, 3, &pixels));

    // Minimum code sizes above 11 leave no room in 12 bits.
    for (int size : {0, 12, 13, 255})
        EXPECT_FALSE(DecodeCodes(noEnd.Data(), size, 4, &pixels)) << size;
}

TEST(GifTest, HostileFilesFailAndLeaveNoFrames)
{
    const Bytes global = {0, 0, 0, 255, 255, 255};
    GifFrameLayout frame{4, 3, TwelveIndices(false), {}};
    frame.controlIndex = 0;
    const Bytes valid = MakeGif(4, 3, global, {frame});
    Pooled<Gif> check;
    ASSERT_TRUE(DecodeBytes(check.get(), valid));
    // Every cut before the trailer: header, table, control extension, descriptor, data.
    for (size_t cut = 0; cut + 1 < valid.size(); ++cut) {
        Pooled<Gif> gif;
        EXPECT_FALSE(DecodeBytes(gif.get(), Bytes(valid.begin(), valid.begin() + cut))) << cut;
        EXPECT_EQ(0, gif->GetImageCount()) << cut;
    }
    struct Case {
        const char* what;
        uint16_t width, height;
    };
    const Case sizes[] = {{"zero width", 0, 3}, {"zero height", 4, 0}, {"65535 x 65535", 65535, 65535}};
    for (const Case& c : sizes) {
        GifFrameLayout odd = frame;
        odd.width = c.width;
        odd.height = c.height;
        Pooled<Gif> gif;
        EXPECT_FALSE(DecodeBytes(gif.get(), MakeGif(4, 3, global, {odd}))) << c.what;
        EXPECT_EQ(0, gif->GetImageCount()) << c.what;
    }
    // Only a trailer: no picture.
    Pooled<Gif> none;
    EXPECT_FALSE(DecodeBytes(none.get(), MakeGif(4, 3, global, {})));
}

TEST(GifTest, EncodingWithoutEightBitFramesWritesNothing)
{
    Pooled<Gif> empty;
    bool encoded = true;
    EXPECT_TRUE(EncodeToBytes(empty.get(), &encoded).empty());
    EXPECT_FALSE(encoded);
    Pooled<Gif> deep;
    ASSERT_NE(nullptr, deep->CreateDib(4, 4, 24));
    EXPECT_TRUE(EncodeToBytes(deep.get(), &encoded).empty());
    EXPECT_FALSE(encoded);
    ImagePtr image = Palette(2, 2);
    for (int32_t bits : {0, 9, -1}) {
        Pooled<Gif> refused;
        EXPECT_FALSE(refused->AddFrame(image.get(), bits, false, 0, 0, 0, Gif::kAlphaThreshold)) << bits;
        EXPECT_EQ(0, refused->GetImageCount());
    }
    // Whole-image conversions go through the encoder settings, which this program does not have.
    Pooled<Gif> fresh;
    EXPECT_EQ(nullptr, fresh->FromImage(image.get()));
}

TEST(GifTest, SaveAsGifWritesAFileThatReadsBack)
{
    codecs_test::TempFile file(L"save.gif");
    ImagePtr image = Palette(30, 20);
    image->SaveAsGif(file.c_str(), 8, false, 255, 255, 255);
    Pooled<Gif> back;
    ASSERT_TRUE(back->LoadFromPath(file.c_str()));
    ImagePtr picture = Rendered(back.get(), 0);
    ASSERT_TRUE(picture);
    EXPECT_EQ(30, picture->GetWidth());
    EXPECT_EQ(image->GetRow(19)[29], picture->GetRow(19)[29]);
}

} // namespace
