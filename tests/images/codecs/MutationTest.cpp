#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <functional>
#include <random>

#include "images/bmp/win/Bitmap.h"
#include "images/codecs/IEncodedImage.h"
#include "images/codecs/LoadEncodedImage.h"
#include "images/codecs/gif/win/Gif.h"
#include "images/codecs/gif/win/GifLzw.h"
#include "images/codecs/ico/win/Icon.h"
#include "images/codecs/ico/win/IconImage.h"
#include "images/codecs/jpg/win/Jpeg.h"
#include "images/codecs/png/win/Png.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "tests/images/ImageFixtures.h"
#include "tests/images/codecs/CodecFixtures.h"
#include "tests/images/codecs/GuardedInput.h"

namespace {

using codecs_test::Bytes;
using codecs_test::EncodeToBytes;
using codecs_test::GuardedBytes;
using codecs_test::GuardedInput;
using s::file::Pooled;

const uint32_t kSeed = 0x5EED2026;
const int kMutationsPerFile = 150;
// Far beyond what a small picture needs, so only a hang trips it.
const ULONGLONG kDecodeBoundMs = 10000;

images_test::ImagePtr Picture()
{
    images_test::ImagePtr image = images_test::MakeImage(23, 17);
    images_test::FillMarkers(image.get());
    image->GetRow(3)[4] = 0x40FF0000;
    image->SetHasAlpha(true);
    return image;
}

std::vector<Bytes> ValidFiles()
{
    images_test::ImagePtr image = Picture();
    Pooled<s::image::png::win::Png> png;
    png->ConvertFrom(image.get(), false, true, 0, 0, 0);
    Pooled<s::image::png::win::Png> interlaced;
    interlaced->ConvertFrom(image.get(), true, true, 0, 0, 0);
    Pooled<s::image::jpg::win::Jpeg> jpeg;
    jpeg->ConvertFrom(image.get(), 75, 255, 255, 255);
    Pooled<s::image::bmp::win::Bitmap> bmp;
    bmp->ConvertFrom(image.get(), 8, false, 255, 255, 255);
    Pooled<s::image::gif::win::Gif> gif;
    gif->AddFrame(image.get(), 8, true, 255, 255, 255, s::image::gif::win::Gif::kAlphaThreshold);
    gif->AddFrame(image.get(), 4, false, 0, 0, 0, s::image::gif::win::Gif::kAlphaThreshold);
    Pooled<s::image::ico::win::Icon> icon;
    for (int32_t bits : {4, 32}) {
        s::image::ico::win::IconImage* entry = s::image::ico::win::IconImage::New();
        entry->ConvertFrom(image.get(), bits, true, 255, 255, 255);
        icon->AddImage(entry);
    }
    return {EncodeToBytes(png.get()), EncodeToBytes(interlaced.get()), EncodeToBytes(jpeg.get()),
            EncodeToBytes(bmp.get()),  EncodeToBytes(gif.get()),        EncodeToBytes(icon.get())};
}

// One damage of the kinds files suffer: flipped bits, a cut, inserted bytes or a size field
// blown up to its largest values.
Bytes Mutate(const Bytes& valid, std::mt19937& random)
{
    Bytes bytes = valid;
    auto at = [&](size_t size) { return size ? static_cast<size_t>(random() % size) : 0; };
    switch (random() % 4) {
    case 0:
        for (uint32_t flips = 1 + random() % 8; flips > 0 && !bytes.empty(); --flips)
            bytes[at(bytes.size())] ^= static_cast<uint8_t>(1u << (random() % 8));
        break;
    case 1:
        bytes.resize(at(bytes.size()));
        break;
    case 2: {
        Bytes inserted(1 + random() % 64);
        for (uint8_t& b : inserted)
            b = static_cast<uint8_t>(random());
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at(bytes.size())), inserted.begin(), inserted.end());
        break;
    }
    default: {
        // The size fields sit early in every format: widths, heights, chunk and segment lengths.
        size_t field = at(bytes.size() < 64 ? bytes.size() : 64);
        for (size_t i = field; i < field + 4 && i < bytes.size(); ++i)
            bytes[i] = random() % 2 ? 0xFF : 0x7F;
        break;
    }
    }
    return bytes;
}

// Either a failure or a picture that holds together: a size and pixels to read.
void ExpectConsistent(s::image::IEncodedImage* image, bool decoded, uint32_t seed)
{
    if (!decoded)
        return;
    ASSERT_GT(image->GetWidth(), 0) << "seed " << seed;
    ASSERT_GT(image->GetHeight(), 0) << "seed " << seed;
    images_test::ImagePtr picture(static_cast<s::image::win::BufferedImage*>(image->ToBufferedImage(0, nullptr)));
    ASSERT_TRUE(picture) << "seed " << seed;
    EXPECT_EQ(image->GetWidth(), picture->GetWidth()) << "seed " << seed;
}

TEST(MutationTest, DamagedFilesNeverCrashHangOrCorruptTheHeap)
{
    const std::vector<Bytes> valid = ValidFiles();
    std::vector<std::function<s::image::IEncodedImage*()>> decoders = {
        [] { return s::image::png::win::Png::New(); },   [] { return s::image::jpg::win::Jpeg::New(); },
        [] { return s::image::bmp::win::Bitmap::New(); }, [] { return s::image::gif::win::Gif::New(); },
        [] { return s::image::ico::win::Icon::New(); },   [] { return s::image::ico::win::IconImage::New(); }};
    codecs_test::TempFile file(L"mutated.bin");
    Pooled<s::file::win::PathWin> path(s::file::win::PathWin::CreateFromText(file.c_str()));
    for (size_t f = 0; f < valid.size(); ++f) {
        for (int m = 0; m < kMutationsPerFile; ++m) {
            // Each case has its own seed, printed on failure, to replay it alone.
            const uint32_t seed = kSeed + static_cast<uint32_t>(f * 100000 + m);
            std::mt19937 random(seed);
            const Bytes bytes = Mutate(valid[f], random);
            for (auto& make : decoders) {
                s::image::IEncodedImage* image = make();
                const ULONGLONG start = GetTickCount64();
                GuardedBytes guarded(bytes);
                GuardedInput input(guarded);
                const bool decoded = image->Decode(&input);
                EXPECT_LT(GetTickCount64() - start, kDecodeBoundMs) << "seed " << seed;
                ExpectConsistent(image, decoded, seed);
                dynamic_cast<s::thread::IPoolable*>(image)->ReleaseToPool();
                ASSERT_TRUE(HeapValidate(GetProcessHeap(), 0, nullptr)) << "seed " << seed;
            }
            file.Write(bytes);
            s::image::IEncodedImage* loaded = s::image::LoadEncodedImage(path.get());
            if (loaded) {
                ExpectConsistent(loaded, loaded->GetWidth() > 0, seed);
                dynamic_cast<s::thread::IPoolable*>(loaded)->ReleaseToPool();
            }
        }
    }
}

} // namespace

namespace {

// The LZW coder reads its data in place: damaged data that end at a page no one may read.
TEST(MutationTest, DamagedLzwDataNeverReadPastTheirEnd)
{
    images_test::ImagePtr image = Picture();
    Pooled<s::image::gif::win::Gif> gif;
    ASSERT_TRUE(gif->AddFrame(image.get(), 8, false, 0, 0, 0, s::image::gif::win::Gif::kAlphaThreshold));
    s::image::bmp::win::Bitmap* frame = gif->GetFrame(0);
    codecs_test::ByteStream out;
    Pooled<s::image::gif::win::GifLzw> lzw;
    ASSERT_TRUE(lzw->Encode(frame->GetBits(), frame->GetWidth(), frame->GetHeight(), 8, frame->GetStride(), out.get()));
    // The sub-blocks' bytes without their length bytes.
    const Bytes blocks = out.ToBytes();
    Bytes data;
    for (size_t at = 0; at < blocks.size(); at += blocks[at] + 1u)
        data.insert(data.end(), blocks.begin() + at + 1, blocks.begin() + at + 1 + blocks[at]);
    std::vector<uint8_t> pixels(static_cast<size_t>(frame->GetStride()) * frame->GetHeight());
    for (int m = 0; m < kMutationsPerFile; ++m) {
        const uint32_t seed = kSeed + 900000 + static_cast<uint32_t>(m);
        std::mt19937 random(seed);
        const Bytes bytes = Mutate(data, random);
        GuardedBytes guarded(bytes);
        const int minimum = 1 + static_cast<int>(random() % 11);
        for (bool interlace : {false, true})
            s::image::gif::win::GifLzw::Decode(guarded.data(), static_cast<uint32_t>(guarded.size()), pixels.data(),
                                               minimum, frame->GetStride(), frame->GetWidth(), frame->GetHeight(),
                                               interlace);
        ASSERT_TRUE(HeapValidate(GetProcessHeap(), 0, nullptr)) << "seed " << seed;
    }
}

} // namespace
