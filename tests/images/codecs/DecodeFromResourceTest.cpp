#include <gtest/gtest.h>

#include <string>

#include "images/codecs/DecodeFromResource.h"
#include "images/codecs/jpg/win/Jpeg.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"

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

} // namespace
