#include <gtest/gtest.h>

#include <string>

#include "images/codecs/DecodeFromResource.h"
#include "images/codecs/gif/win/Gif.h"
#include "images/codecs/jpg/win/Jpeg.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "tests/images/ImageFixtures.h"
#include "tests/images/codecs/CodecFixtures.h"

namespace {

using s::archive::dll::win::Archive;
using s::file::Pooled;
using s::image::jpg::win::Jpeg;

// The program beside the folder of the test programs.
std::wstring BuiltProgram()
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring tests(self);
    tests = tests.substr(0, tests.find_last_of(L'\\'));
    return tests.substr(0, tests.find_last_of(L'\\')) + L"\\pulsegrid.exe";
}

TEST(DecodeFromResourceTest, DecodesTheProgramsEmbeddedPictures)
{
    Pooled<s::file::win::PathWin> path(s::file::win::PathWin::CreateFromText(BuiltProgram().c_str()));
    Archive* archive = Archive::OpenModule(path.get());
    ASSERT_NE(nullptr, archive);
    for (uint32_t id : {131u, 132u}) {
        Pooled<Jpeg> jpeg;
        EXPECT_TRUE(s::image::DecodeFromResource(jpeg.get(), archive, L"IDR_JPG", id)) << id;
        EXPECT_GT(jpeg->GetWidth(), 0);
        EXPECT_GT(jpeg->GetHeight(), 0);
    }
    Pooled<Jpeg> missing;
    EXPECT_FALSE(s::image::DecodeFromResource(missing.get(), archive, L"IDR_JPG", 999));
    // Bytes that are no JPEG: the language pack.
    EXPECT_FALSE(s::image::DecodeFromResource(missing.get(), archive, L"IDR_XML", 130));
    EXPECT_EQ(0, missing->GetWidth());
    archive->ReleaseToPool();
}

TEST(DecodeFromResourceTest, DecodesAGifPictureOfAModule)
{
    // A copy of the program with a GIF picture of our own among its resources.
    codecs_test::TempFile copy(L"with-gif.exe");
    ASSERT_TRUE(CopyFileW(BuiltProgram().c_str(), copy.c_str(), FALSE));
    images_test::ImagePtr image = images_test::MakeImage(12, 7);
    images_test::FillMarkers(image.get());
    Pooled<s::image::gif::win::Gif> made;
    ASSERT_TRUE(made->AddFrame(image.get(), 8, false, 255, 255, 255, s::image::gif::win::Gif::kAlphaThreshold));
    const codecs_test::Bytes bytes = codecs_test::EncodeToBytes(made.get());
    Pooled<s::file::win::PathWin> path(s::file::win::PathWin::CreateFromText(copy.c_str()));
    {
        Archive* archive = Archive::OpenModule(path.get());
        ASSERT_NE(nullptr, archive);
        ASSERT_TRUE(archive->UpdateResource(bytes.data(), static_cast<uint32_t>(bytes.size()), L"IDR_GIF",
                                            MAKEINTRESOURCEW(7), 0));
        archive->ReleaseToPool();
    }
    Archive* archive = Archive::OpenModule(path.get());
    ASSERT_NE(nullptr, archive);
    Pooled<s::image::gif::win::Gif> gif;
    EXPECT_TRUE(s::image::DecodeFromResource(gif.get(), archive, L"IDR_GIF", 7));
    EXPECT_EQ(12, gif->GetWidth());
    EXPECT_EQ(7, gif->GetHeight());
    archive->ReleaseToPool();
}

} // namespace
