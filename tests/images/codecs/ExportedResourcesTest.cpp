// The files the resource archive exports are pictures our codecs open.
#include <gtest/gtest.h>

#include "core/col/Arrays.h"
#include "images/bmp/win/Bitmap.h"
#include "images/codecs/ico/win/Icon.h"
#include "images/win/BufferedImage.h"
#include "storage/TestFiles.h"
#include "storage/archive/ResourceTypeCode.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "tests/images/ImageFixtures.h"

namespace {

using images_test::ImagePtr;
using s::file::Pooled;

TEST(ExportedResources, BitmapsAndIconGroupsDecode)
{
    Pooled<s::file::win::PathWin> path(
        s::file::win::PathWin::CreateFromText(testfiles::BesideTestProgram(L"ResourceFixture.dll").c_str()));
    Pooled<s::archive::dll::win::Archive> module(s::archive::dll::win::Archive::OpenModule(path.get()));
    ASSERT_TRUE(module->IsOpen());
    uint32_t bitmapIndex = 0;
    uint32_t iconIndex = 0;
    ASSERT_TRUE(module->FindByTypeAndId(s::archive::kTypeBitmap, 302, &bitmapIndex));
    ASSERT_TRUE(module->FindByTypeAndId(s::archive::kTypeGroupIcon, 300, &iconIndex));

    Pooled<s::col::_array::ArrayU08> bmp;
    ASSERT_TRUE(module->ExportBitmap(bitmapIndex, bmp.get()));
    bmp->SeekToStart();
    Pooled<s::image::bmp::win::Bitmap> bitmap;
    ASSERT_TRUE(bitmap->Decode(bmp.get()));
    ImagePtr picture(static_cast<s::image::win::BufferedImage*>(bitmap->ToBufferedImage(0, nullptr)));
    ASSERT_TRUE(picture);
    EXPECT_EQ(5, picture->GetWidth());
    EXPECT_EQ(3, picture->GetHeight());
    // Grey levels count 0 to 14 from the bottom left, each level 17 apart.
    EXPECT_EQ(0xFF000000u | 0x111111u * 10, picture->GetRow(0)[0]);
    EXPECT_EQ(0xFF000000u | 0x111111u * 4, picture->GetRow(2)[4]);

    Pooled<s::col::_array::ArrayU08> ico;
    ASSERT_TRUE(module->ExportIconGroup(iconIndex, ico.get()));
    ico->SeekToStart();
    Pooled<s::image::ico::win::Icon> icon;
    ASSERT_TRUE(icon->Decode(ico.get()));
    EXPECT_EQ(2, icon->GetImageCount());
}

} // namespace
