// The icon archive's images as this layer decodes them: an icon group's entries rendered, and the
// single-image files the archive writes read back by the ICO codec.
#include <gtest/gtest.h>

#include "core/col/Arrays.h"
#include "images/codecs/ico/win/Icon.h"
#include "images/codecs/ico/win/IconArchiveImages.h"
#include "images/codecs/ico/win/IconImage.h"
#include "images/win/BufferedImage.h"
#include "storage/TestFiles.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/archive/icon/Archive.h"
#include "storage/archive/icon/Entry.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "tests/images/ImageFixtures.h"
#include "tests/images/codecs/CodecFixtures.h"

namespace {

using images_test::ImagePtr;
using s::archive::icon::Archive;
using s::file::Pooled;

// The fixture's group 128 in order: side and the one colour each image is filled with.
struct Image {
    int32_t side;
    uint32_t pixel;
};
const Image kGroup128[] = {
    {16, 0xFFFF0000}, {16, 0xFF00FF00}, {32, 0xFF0000FF}, {32, 0xFFFFFF00}, {48, 0xFF00FFFF},
};

class IconGroupImages : public ::testing::Test {
protected:
    void SetUp() override
    {
        Pooled<s::file::win::PathWin> path(
            s::file::win::PathWin::CreateFromText(testfiles::BesideTestProgram(L"IconFixture.dll").c_str()));
        Pooled<s::archive::dll::win::Archive> module(s::archive::dll::win::Archive::OpenModule(path.get()));
        ASSERT_TRUE(icons->LoadGroupById(module.get(), 128));
        ASSERT_EQ(5u, icons->GetEntryCount());
    }

    Pooled<Archive> icons;
};

void ExpectFilled(s::image::win::BufferedImage* image, const Image& expected, uint32_t index)
{
    ASSERT_NE(nullptr, image) << index;
    EXPECT_EQ(expected.side, image->GetWidth()) << index;
    EXPECT_EQ(expected.side, image->GetHeight()) << index;
    EXPECT_EQ(expected.pixel, image->GetRow(0)[0]) << index;
    EXPECT_EQ(expected.pixel, image->GetRow(expected.side - 1)[expected.side - 1]) << index;
}

TEST_F(IconGroupImages, EachEntryDecodesToItsPicture)
{
    for (uint32_t i = 0; i < 5; ++i) {
        ImagePtr image(s::archive::icon::DecodeImage(icons.get(), i));
        ExpectFilled(image.get(), kGroup128[i], i);
        Pooled<s::image::ico::win::IconImage> icon(s::archive::icon::GetIconImage(icons.get(), i));
        ASSERT_TRUE(icon) << i;
        EXPECT_EQ(kGroup128[i].side, icon->GetWidth()) << i;
    }
    EXPECT_EQ(nullptr, s::archive::icon::DecodeImage(icons.get(), 5));
    EXPECT_EQ(nullptr, s::archive::icon::DecodeImage(nullptr, 0));
}

TEST_F(IconGroupImages, SingleImageFilesAreIconsOurCodecReads)
{
    for (uint32_t i = 0; i < 5; ++i) {
        Pooled<s::col::_array::ArrayU08> file;
        ASSERT_TRUE(icons->ReadEntry(icons->GetEntry(i), file.get())) << i;
        const auto* data = static_cast<const uint8_t*>(file->GetData());
        Pooled<s::image::ico::win::Icon> icon;
        ASSERT_TRUE(codecs_test::DecodeBytes(icon.get(), codecs_test::Bytes(data, data + file->GetCount()))) << i;
        ASSERT_EQ(1, icon->GetImageCount()) << i;
        ImagePtr image(static_cast<s::image::win::BufferedImage*>(icon->ToBufferedImage(0, nullptr)));
        ExpectFilled(image.get(), kGroup128[i], i);
    }
}

TEST_F(IconGroupImages, EntriesThatAreNoImagesDecodeToNothing)
{
    // An empty image and one of bytes that are no bitmap.
    s::archive::icon::Entry* empty = s::archive::icon::Entry::New();
    empty->Record() = icons->GetIconEntry(0)->Record();
    empty->Record().bytesInEntry = 0;
    empty->SetLoaded(true);
    icons->AddEntry(empty);
    s::archive::icon::Entry* garbage = s::archive::icon::Entry::New();
    garbage->Record() = icons->GetIconEntry(0)->Record();
    garbage->Record().bytesInEntry = 3;
    garbage->Bytes()->AppendRaw("abc", 3, 0);
    garbage->SetLoaded(true);
    icons->AddEntry(garbage);
    EXPECT_EQ(nullptr, s::archive::icon::DecodeImage(icons.get(), 5));
    EXPECT_EQ(nullptr, s::archive::icon::GetIconImage(icons.get(), 6));
}

} // namespace
