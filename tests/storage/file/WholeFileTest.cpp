#include <gtest/gtest.h>

#include <string>

#include "core/col/Arrays.h"
#include "storage/file/FailingBytes.h"
#include "storage/file/PathWin.h"
#include "storage/file/TempFolder.h"
#include "storage/file/WholeFile.h"

using s::col::_array::ArrayU08;
using s::file::win::PathWin;
using s::file::win::WholeFile;

namespace {

std::string Content(ArrayU08* bytes)
{
    return std::string(static_cast<const char*>(bytes->GetData()), bytes->GetCount());
}

} // namespace

TEST(WholeFile, AFailedReadKeepsOnlyTheBytesThatArrivedAndSaysSo)
{
    const std::string text(5000, 'a');
    struct Case {
        uint32_t failAt;
        bool complete;
        uint32_t kept;
    } cases[] = {
        {0, false, 0},
        {1500, false, 1500},
        {4999, false, 4999},
        // Past the end: every byte arrived.
        {5000, true, 5000},
    };
    for (const Case& c : cases) {
        FailingBytes stream(text, c.failAt);
        ArrayU08* out = ArrayU08::New();
        out->Append('>');
        EXPECT_EQ(c.complete, WholeFile::ReadFrom(&stream, out)) << c.failAt;
        // Appended after what the array held.
        EXPECT_EQ(">" + text.substr(0, c.kept), Content(out)) << c.failAt;
        out->ReleaseToPool();
    }
}

TEST(WholeFile, ReadsAFileWholeOrReportsItMissing)
{
    TempFolder folder;
    const std::string bytes = std::string("\xEF\xBB\xBF", 3) + std::string(70000, 'x') + std::string("\0end", 4);
    TempFolder::WriteFileBytes(folder / L"f.bin", bytes);
    PathWin* path = PathWin::CreateFromText((folder / L"f.bin").c_str());
    ArrayU08* out = ArrayU08::New();
    EXPECT_TRUE(WholeFile::Read(path, out));
    EXPECT_TRUE(bytes == Content(out));
    path->ReleaseToPool();

    PathWin* missing = PathWin::CreateFromText((folder / L"missing.bin").c_str());
    out->SetCount(0);
    EXPECT_FALSE(WholeFile::Read(missing, out));
    EXPECT_EQ(0u, out->GetCount());
    missing->ReleaseToPool();
    out->ReleaseToPool();
}
