#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "storage/file/PathWin.h"
#include "TempFolder.h"

using s::file::win::PathWin;
using s::str::strarray::StrArray;

namespace {

class JoinedFile : public ::testing::Test {
protected:
    bool Write(const std::vector<std::wstring>& lines, const std::wstring& name)
    {
        StrArray* list = StrArray::New();
        for (const std::wstring& line : lines)
            list->AddText(line.c_str());
        PathWin* path = PathWin::CreateFromText(name.c_str());
        const bool written = list->WriteJoined(path);
        path->ReleaseToPool();
        list->ReleaseToPool();
        return written;
    }

    // The file's lines, split at CR LF and converted back from UTF-8.
    static std::vector<std::wstring> Lines(const std::wstring& name)
    {
        const std::string bytes = TempFolder::ReadFileBytes(name);
        std::vector<std::wstring> lines;
        size_t start = 0;
        for (;;) {
            const size_t end = bytes.find("\r\n", start);
            const std::string line = bytes.substr(start, end == std::string::npos ? std::string::npos : end - start);
            std::wstring wide(line.size(), L'\0');
            const int n = MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), &wide[0],
                                              static_cast<int>(wide.size()));
            wide.resize(n < 0 ? 0 : n);
            lines.push_back(wide);
            if (end == std::string::npos)
                return lines;
            start = end + 2;
        }
    }

    TempFolder folder;
};

} // namespace

TEST_F(JoinedFile, ReadsBackLineForLine)
{
    const std::vector<std::wstring> lines = {L"first", L"zweite \u00FC", L"", L"\u6771\u4EAC", L"last"};
    const std::wstring name = folder / L"new\\dir\\list.txt";
    ASSERT_TRUE(Write(lines, name));
    EXPECT_EQ(lines, Lines(name));
    const std::string bytes = TempFolder::ReadFileBytes(name);
    EXPECT_EQ(std::string("first\r\nzweite \xC3\xBC\r\n\r\n"), bytes.substr(0, 20));
    EXPECT_NE(std::string("\r\n"), bytes.substr(bytes.size() - 2));
    EXPECT_FALSE(TempFolder::Exists(name + L".part"));
}

TEST_F(JoinedFile, ReplacesALongerFileWhole)
{
    const std::wstring name = folder / L"list.txt";
    TempFolder::WriteFileBytes(name, std::string(5000, 'o'));
    ASSERT_TRUE(Write({L"a", L"b"}, name));
    EXPECT_EQ(std::string("a\r\nb"), TempFolder::ReadFileBytes(name));
    ASSERT_TRUE(Write({}, name));
    EXPECT_EQ(0LL, TempFolder::FileSize(name));
}

TEST_F(JoinedFile, AFailedWriteLeavesTheOldFileUntouched)
{
    const std::wstring name = folder / L"list.txt";
    TempFolder::WriteFileBytes(name, "old content");
    // The new content cannot be written next to the file: nothing may reach the old one.
    CreateDirectoryW((name + L".part").c_str(), nullptr);
    EXPECT_FALSE(Write({L"new"}, name));
    EXPECT_EQ(std::string("old content"), TempFolder::ReadFileBytes(name));
    RemoveDirectoryW((name + L".part").c_str());

    // A file the user marked read-only is not replaced.
    ASSERT_TRUE(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(Write({L"new"}, name));
    EXPECT_EQ(std::string("old content"), TempFolder::ReadFileBytes(name));
    EXPECT_FALSE(TempFolder::Exists(name + L".part"));
    ASSERT_TRUE(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(Write({L"new"}, name));
    EXPECT_EQ(std::string("new"), TempFolder::ReadFileBytes(name));

    PathWin* unset = PathWin::CreateFromText(L"");
    StrArray* list = StrArray::New();
    EXPECT_FALSE(list->WriteJoined(unset));
    list->ReleaseToPool();
    unset->ReleaseToPool();
}
