// Where a small picture comes from: an icon in a module, or an image file.
#include <gtest/gtest.h>

#include <string>

#include "core/str/StrBuffer.h"
#include "images/SmallIconImage.h"
#include "images/win/BufferedImage.h"

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

TEST(SmallIconImage, NothingLoadsYetInEitherForm)
{
    EXPECT_EQ(nullptr, s::image::LoadSmallIconImage(L"C:\\Windows\\System32\\shell32.dll,3"));
    EXPECT_EQ(nullptr, s::image::LoadSmallIconImage(L"C:\\missing\\picture.png"));
    EXPECT_EQ(nullptr, s::image::LoadSmallIconImage(nullptr));
}

} // namespace
