// Sample image files of skins: names that cannot leave the folder, and the folder made on demand.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "app/monitor/SkinImageFile.h"
#include "core/str/StrBuffer.h"

namespace {

using s::str::strbuffer::StrBuffer;

std::wstring PathOf(const wchar_t* skin)
{
    StrBuffer* out = StrBuffer::New();
    s::system::gui::dialogs::monitor::SkinImagePath(L"C:\\images\\", skin, out);
    std::wstring path = out->GetText();
    out->ReleaseToPool();
    return path;
}

TEST(SkinImageFileTest, SkinNamesBecomeFileNamesInsideTheFolder)
{
    struct Case {
        const wchar_t* skin;
        const wchar_t* path;
    };
    const Case cases[] = {
        {L"Black Black", L"C:\\images\\Black Black.gif"},
        {L"..\\..\\Windows\\evil", L"C:\\images\\.._.._Windows_evil.gif"},
        {L"a/b:c*d?e\"f<g>h|i", L"C:\\images\\a_b_c_d_e_f_g_h_i.gif"},
        {L"tab\there", L"C:\\images\\tab_here.gif"},
        {L"..", L"C:\\images\\__.gif"},
        {L"ends with dot.", L"C:\\images\\ends with dot_.gif"},
        {L"", L"C:\\images\\_.gif"},
        {nullptr, L"C:\\images\\_.gif"},
        {L"con", L"C:\\images\\_con.gif"},
        {L"Nul.old", L"C:\\images\\_Nul.old.gif"},
        {L"Console", L"C:\\images\\Console.gif"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.path, PathOf(c.skin)) << (c.skin ? c.skin : L"(null)");
}

TEST(SkinImageFileTest, TheFolderIsMadeWithItsParentsWhenMissing)
{
    wchar_t temp[MAX_PATH] = {};
    ASSERT_NE(0u, GetTempPathW(MAX_PATH, temp));
    const std::wstring root = std::wstring(temp) + L"pulsegrid-skin-images-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring folder = root + L"\\Zorv Skin Images\\";
    EXPECT_TRUE(s::system::gui::dialogs::monitor::PrepareSkinImageFolder(folder.c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(folder.c_str()));
    // Already there is ready too.
    EXPECT_TRUE(s::system::gui::dialogs::monitor::PrepareSkinImageFolder(folder.c_str()));
    RemoveDirectoryW((root + L"\\Zorv Skin Images").c_str());
    RemoveDirectoryW(root.c_str());
}

} // namespace
