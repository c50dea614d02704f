// Where a small picture comes from: an icon in a module, or an image file.
#include <gtest/gtest.h>

#include <string>

#include "core/str/StrBuffer.h"
#include "images/SmallIconImage.h"
#include "images/win/BufferedImage.h"
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
    EXPECT_EQ(nullptr, s::image::LoadSmallIconImage(L"C:\\Windows\\System32\\shell32.dll,3"));
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

} // namespace
