// The resources built into the program: the icon group with 32-bit images of the sizes the
// windows and Explorer ask for, the two pictures as JPEG (the about box's at most 340 pixels
// wide), the common-controls 6 manifest and the version 1.76.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/AppTestSupport.h"

namespace {

using app_testing::ProgramFolder;

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colours;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

std::wstring BuiltProgram()
{
    const std::wstring tests = ProgramFolder();
    return tests.substr(0, tests.find_last_of(L'\\')) + L"\\pulsegrid.exe";
}

class ProgramResourcesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        module_ = LoadLibraryExW(BuiltProgram().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, module_) << GetLastError();
    }
    void TearDown() override { FreeLibrary(module_); }

    std::vector<uint8_t> Bytes(const wchar_t* type, const wchar_t* name)
    {
        HRSRC found = FindResourceW(module_, name, type);
        if (!found)
            return {};
        HGLOBAL loaded = LoadResource(module_, found);
        const uint8_t* data = static_cast<const uint8_t*>(LockResource(loaded));
        return std::vector<uint8_t>(data, data + SizeofResource(module_, found));
    }

    HMODULE module_ = nullptr;
};

// The width and height of a baseline or progressive JPEG, from its first frame header.
bool JpegSize(const std::vector<uint8_t>& jpeg, int* width, int* height)
{
    if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        return false;
    for (size_t at = 2; at + 9 < jpeg.size();) {
        if (jpeg[at] != 0xFF)
            return false;
        const uint8_t marker = jpeg[at + 1];
        const size_t length = (jpeg[at + 2] << 8) | jpeg[at + 3];
        if (marker >= 0xC0 && marker <= 0xC2) {
            *height = (jpeg[at + 5] << 8) | jpeg[at + 6];
            *width = (jpeg[at + 7] << 8) | jpeg[at + 8];
            return true;
        }
        at += 2 + length;
    }
    return false;
}

TEST_F(ProgramResourcesTest, TheIconGroupHoldsThirtyTwoBitImagesOfEverySize)
{
    const std::vector<uint8_t> group = Bytes(RT_GROUP_ICON, MAKEINTRESOURCEW(128));
    ASSERT_GE(group.size(), 6u);
    const WORD count = *reinterpret_cast<const WORD*>(&group[4]);
    ASSERT_EQ(group.size(), 6u + count * sizeof(GroupIconEntry));
    std::vector<int> sides;
    for (WORD i = 0; i < count; ++i) {
        const GroupIconEntry* entry = reinterpret_cast<const GroupIconEntry*>(&group[6 + i * sizeof(GroupIconEntry)]);
        EXPECT_EQ(32, entry->bitCount);
        sides.push_back(entry->width == 0 ? 256 : entry->width);
        // Each image loads as an icon of its size.
        std::vector<uint8_t> image = Bytes(RT_ICON, MAKEINTRESOURCEW(entry->id));
        ASSERT_EQ(entry->bytes, image.size());
        const int side = sides.back();
        HICON icon = CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE, 0x00030000, side,
                                              side, LR_DEFAULTCOLOR);
        EXPECT_NE(nullptr, icon) << side;
        if (icon)
            DestroyIcon(icon);
    }
    EXPECT_EQ((std::vector<int>{16, 32, 48, 64, 256}), sides);
}

TEST_F(ProgramResourcesTest, ThePicturesAreJpegsOfTheirPlaces)
{
    int width = 0, height = 0;
    ASSERT_TRUE(JpegSize(Bytes(L"IDR_JPG", MAKEINTRESOURCEW(131)), &width, &height));
    EXPECT_LE(width, 340);
    EXPECT_GT(height, 0);
    ASSERT_TRUE(JpegSize(Bytes(L"IDR_JPG", MAKEINTRESOURCEW(132)), &width, &height));
    EXPECT_GT(width, 0);
}

TEST_F(ProgramResourcesTest, TheManifestAsksForCommonControlsSix)
{
    const std::vector<uint8_t> manifest = Bytes(RT_MANIFEST, MAKEINTRESOURCEW(1));
    const std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(std::string::npos, text.find("Microsoft.Windows.Common-Controls"));
    EXPECT_NE(std::string::npos, text.find("version=\"6.0.0.0\""));
}

TEST_F(ProgramResourcesTest, TheVersionIsOneSeventySix)
{
    const std::wstring program = BuiltProgram();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<uint8_t> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, info.data()));
    wchar_t* text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\040904b0\\FileVersion",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_STREQ(L"1.76", text);
    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(MAKELONG(76, 1), fixed->dwFileVersionMS);
}

} // namespace
