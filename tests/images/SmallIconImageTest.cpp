// Where a small picture comes from: an icon in a module, or an image file.
#include <gtest/gtest.h>

#include <string>

#include "core/str/StrBuffer.h"
#include "images/SmallIconImage.h"
#include "images/win/BufferedImage.h"
#include "storage/TestFiles.h"
#include "tests/images/ImageFixtures.h"
#include "tests/images/codecs/CodecFixtures.h"

namespace {

using s::str::strbuffer::StrBuffer;

TEST(SmallIconImage, TheLastModuleMarkSplitsTheLocation)
{
    struct Case {
        const wchar_t* location;
        bool isModule;
        const wchar_t* module;
        int64_t index;
    };
    const Case cases[] = {
        {L"C:\\Windows\\System32\\shell32.dll,3", true, L"C:\\Windows\\System32\\shell32.dll", 3},
        {L"C:\\Program Files\\Tool.EXE,0", true, L"C:\\Program Files\\Tool.EXE", 0},
        // The last ".dll," counts, and a ".dll," wins over a later ".exe,".
        {L"C:\\a.dll,1\\b.dll,12", true, L"C:\\a.dll,1\\b.dll", 12},
        {L"C:\\x.exe,4\\y.DLL,5", true, L"C:\\x.exe,4\\y.DLL", 5},
        {L"C:\\pictures\\photo.png", false, L"", 0},
        {L"C:\\library.dll", false, L"", 0},
        {L"", false, L"", 0},
    };
    for (const Case& c : cases) {
        StrBuffer* module = StrBuffer::New();
        int64_t index = -7;
        EXPECT_EQ(c.isModule, s::image::SplitModuleIconLocation(c.location, module, &index)) << c.location;
        if (c.isModule) {
            EXPECT_EQ(std::wstring(c.module), std::wstring(module->GetText())) << c.location;
            EXPECT_EQ(c.index, index) << c.location;
        }
        module->ReleaseToPool();
    }
    EXPECT_FALSE(s::image::SplitModuleIconLocation(nullptr, nullptr, nullptr));
}

TEST(SmallIconImage, MissingFilesAndModulesLoadNothing)
{
    EXPECT_EQ(nullptr, s::image::LoadSmallIconImage(L"C:\\missing\\library.dll,3"));
    EXPECT_EQ(nullptr, s::image::LoadSmallIconImage(L"C:\\missing\\picture.png"));
    EXPECT_EQ(nullptr, s::image::LoadSmallIconImage(nullptr));
}

TEST(SmallIconImage, AnImageFileLoadsItsPictureUnscaled)
{
    codecs_test::TempFile file(L"small-icon.png");
    images_test::ImagePtr source = images_test::MakeImage(24, 20);
    images_test::FillMarkers(source.get());
    source->SaveAsPng(file.c_str(), false, true, 0, 0, 0);
    images_test::ImagePtr loaded(s::image::LoadSmallIconImage(file.c_str()));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(24, loaded->GetWidth());
    EXPECT_EQ(20, loaded->GetHeight());
    EXPECT_EQ(images_test::Marker(23, 19), loaded->GetRow(19)[23]);

    // A file that looks like a PNG but does not decode is nothing loaded.
    codecs_test::Bytes broken = file.Read();
    broken.resize(broken.size() / 2);
    codecs_test::TempFile cut(L"small-icon-cut.png");
    cut.Write(broken);
    EXPECT_EQ(nullptr, s::image::LoadSmallIconImage(cut.c_str()));
}

// The fixture library's icon groups in the order the module lists them: "NAMED" (32 x 32 at
// 32 bits, yellow), 128 (every size; 16 x 16 at 32 bits green), 129 (16 x 16 at 4 bits red,
// 32 x 32 at 8 bits), 131 (one 16 x 16 at 32 bits among missing and empty images), 132 (empty).
TEST(SmallIconImage, AModuleIconIsTheBestSmallImageOfTheNthGroup)
{
    const std::wstring module = testfiles::BesideTestProgram(L"IconFixture.dll");
    std::wstring upper = module;
    upper.replace(upper.size() - 3, 3, L"DLL");
    struct Case {
        std::wstring location;
        int32_t side;
        uint32_t pixel;
    };
    const Case cases[] = {
        {module + L",0", 32, 0xFFFFFF00},
        {module + L",1", 16, 0xFF00FF00},
        {module + L",2", 16, 0xFFFF0000},
        {module + L",3", 16, 0xFF00FF00},
        {upper + L",1", 16, 0xFF00FF00},
    };
    for (const Case& c : cases) {
        images_test::ImagePtr image(s::image::LoadSmallIconImage(c.location.c_str()));
        ASSERT_TRUE(image) << c.location;
        EXPECT_EQ(c.side, image->GetWidth()) << c.location;
        EXPECT_EQ(c.side, image->GetHeight()) << c.location;
        EXPECT_EQ(c.pixel, image->GetRow(0)[0]) << c.location;
        EXPECT_EQ(c.pixel, image->GetRow(c.side - 1)[c.side - 1]) << c.location;
    }
    // An empty group, places beyond the groups, a module without groups and a folder.
    const std::wstring none[] = {module + L",4", module + L",5", module + L",-1", module + L",4294967297",
                                 testfiles::BesideTestProgram(L"DialogFixture.dll") + L",0",
                                 testfiles::BesideTestProgram(L"") + L"folder.dll,0"};
    for (const std::wstring& location : none)
        EXPECT_EQ(nullptr, s::image::LoadSmallIconImage(location.c_str())) << location;
}

} // namespace
