#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/io/StreamCopy.h"
#include "storage/file/FileInputStream.h"
#include "storage/file/FileOutputStream.h"
#include "storage/file/PathWin.h"
#include "TempFolder.h"

using s::file::win::FileInputStream;
using s::file::win::FileOutputStream;
using s::file::win::PathWin;

namespace {

const uint32_t kBuffer = FileOutputStream::kBufferBytes;

std::string Pattern(size_t n)
{
    std::string bytes(n, '\0');
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

class FileStreams : public ::testing::Test {
protected:
    void SetUp() override { file = folder / L"data.bin"; }

    FileOutputStream* OpenOut(bool append)
    {
        PathWin* path = PathWin::CreateFromText(file.c_str());
        FileOutputStream* stream = path->OpenOutputStream(append);
        path->ReleaseToPool();
        return stream;
    }

    std::string ReadBack(const std::wstring& name)
    {
        PathWin* path = PathWin::CreateFromText(name.c_str());
        FileInputStream* in = path->OpenInputStream();
        path->ReleaseToPool();
        std::string bytes;
        char chunk[10000];
        uint32_t done = 0;
        while (in->Read(chunk, sizeof chunk, &done))
            bytes.append(chunk, done);
        in->Dispose();
        return bytes;
    }

    TempFolder folder;
    std::wstring file;
};

} // namespace

TEST_F(FileStreams, LargeWriteGoesOutInFullBuffersAndReadsBackIdentical)
{
    const std::string data = Pattern(200000);
    FileOutputStream* out = OpenOut(false);
    ASSERT_TRUE(out->IsOpen());
    uint32_t done = 0;
    ASSERT_TRUE(out->Write(data.data(), static_cast<uint32_t>(data.size()), &done));
    EXPECT_EQ(200000u, done);
    EXPECT_EQ(200000u, out->GetPosition());
    // Three full buffers reached the file; the rest waits in the buffer.
    EXPECT_EQ(3LL * kBuffer, TempFolder::FileSize(file));
    EXPECT_EQ(200000u - 3 * kBuffer, out->GetBufferFill());
    EXPECT_EQ(3392u, out->GetBufferFill());
    EXPECT_TRUE(out->DisposeReporting());
    EXPECT_EQ(200000LL, TempFolder::FileSize(file));
    EXPECT_EQ(data, ReadBack(file));
}

TEST_F(FileStreams, BufferIsWrittenOnlyWhenFullAndMoreWaits)
{
    FileOutputStream* out = OpenOut(false);
    uint32_t done = 9;
    EXPECT_TRUE(out->Write("", 0, &done));
    EXPECT_EQ(0u, done);
    const std::string full = Pattern(kBuffer);
    ASSERT_TRUE(out->Write(full.data(), kBuffer, &done));
    EXPECT_EQ(0LL, TempFolder::FileSize(file));
    EXPECT_EQ(kBuffer, out->GetBufferFill());
    ASSERT_TRUE(out->Write("z", 1, &done));
    EXPECT_EQ(static_cast<long long>(kBuffer), TempFolder::FileSize(file));
    EXPECT_EQ(1u, out->GetBufferFill());
    EXPECT_TRUE(out->Flush());
    EXPECT_EQ(static_cast<long long>(kBuffer) + 1, TempFolder::FileSize(file));
    out->Dispose();
}

TEST_F(FileStreams, SeeksWriteOutFirstAndRepositionWrites)
{
    FileOutputStream* out = OpenOut(false);
    uint32_t done = 0;
    ASSERT_TRUE(out->Write("0123456789", 10, &done));
    EXPECT_TRUE(out->SetPosition(10));
    EXPECT_EQ(10u, out->GetBufferFill());
    EXPECT_TRUE(out->SeekForward(0));
    EXPECT_TRUE(out->SeekBackward(0));
    EXPECT_EQ(10u, out->GetBufferFill());
    EXPECT_EQ(0LL, TempFolder::FileSize(file));

    EXPECT_TRUE(out->SetPosition(2));
    EXPECT_EQ(0u, out->GetBufferFill());
    EXPECT_EQ(10LL, TempFolder::FileSize(file));
    ASSERT_TRUE(out->Write("ab", 2, &done));
    EXPECT_EQ(4u, out->GetPosition());
    EXPECT_TRUE(out->SeekForward(3));
    EXPECT_EQ(7u, out->GetPosition());
    ASSERT_TRUE(out->Write("X", 1, &done));
    EXPECT_TRUE(out->SeekBackward(8));
    EXPECT_EQ(0u, out->GetPosition());
    ASSERT_TRUE(out->Write("S", 1, &done));
    EXPECT_EQ(10, out->SeekToEnd());
    EXPECT_EQ(10u, out->GetPosition());
    EXPECT_EQ(7, out->SeekFromEnd(3));
    EXPECT_TRUE(out->SeekToStart());
    EXPECT_EQ(0u, out->GetPosition());

    // The input side reads the file as written so far.
    char read[10] = {};
    ASSERT_TRUE(out->Read(read, sizeof read, &done));
    EXPECT_EQ(10u, done);
    EXPECT_EQ(std::string("S1ab456X89"), std::string(read, 10));
    EXPECT_EQ(10u, out->GetPosition());
    EXPECT_FALSE(out->Read(read, sizeof read, &done));
    EXPECT_EQ(0u, done);
    EXPECT_TRUE(out->DisposeReporting());
}

TEST_F(FileStreams, AppendTruncateAndEmptying)
{
    TempFolder::WriteFileBytes(file, "0123456789");
    FileOutputStream* out = OpenOut(true);
    EXPECT_EQ(10u, out->GetPosition());
    uint32_t done = 0;
    ASSERT_TRUE(out->Write("ab", 2, &done));
    EXPECT_TRUE(out->DisposeReporting());
    EXPECT_EQ(std::string("0123456789ab"), TempFolder::ReadFileBytes(file));

    out = OpenOut(true);
    EXPECT_TRUE(out->SeekToStart());
    ASSERT_TRUE(out->Write("HELLO", 5, &done));
    out->Truncate();
    EXPECT_EQ(5LL, TempFolder::FileSize(file));
    EXPECT_TRUE(out->DisposeReporting());
    EXPECT_EQ(std::string("HELLO"), TempFolder::ReadFileBytes(file));

    out = OpenOut(false);
    EXPECT_EQ(0u, out->GetPosition());
    EXPECT_EQ(0LL, TempFolder::FileSize(file));
    out->Dispose();
}

TEST_F(FileStreams, InputStreamReadsSeeksAndStopsAtTheEnd)
{
    TempFolder::WriteFileBytes(file, "abcdefghij");
    PathWin* path = PathWin::CreateFromText(file.c_str());
    FileInputStream* in = path->OpenInputStream();
    path->ReleaseToPool();
    ASSERT_TRUE(in->IsOpen());
    char read[4] = {};
    uint32_t done = 0;
    ASSERT_TRUE(in->Read(read, 4, &done));
    EXPECT_EQ(std::string("abcd"), std::string(read, done));
    EXPECT_TRUE(in->SeekForward(2));
    ASSERT_TRUE(in->Read(read, 4, &done));
    EXPECT_EQ(std::string("ghij"), std::string(read, done));
    EXPECT_EQ(10u, in->GetPosition());
    EXPECT_FALSE(in->Read(read, 4, &done));
    EXPECT_EQ(0u, done);
    EXPECT_EQ(10u, in->GetPosition());
    EXPECT_EQ(7, in->SeekFromEnd(3));
    EXPECT_TRUE(in->SeekBackward(7));
    EXPECT_TRUE(in->SetPosition(8));
    ASSERT_TRUE(in->Read(read, 4, &done));
    EXPECT_EQ(std::string("ij"), std::string(read, done));
    EXPECT_EQ(10, in->SeekToEnd());

    // Disposing of a stream still open lets go of the file.
    in->Dispose();
    EXPECT_TRUE(DeleteFileW(file.c_str()));
}

TEST_F(FileStreams, MissingFilesAndPathsTheSystemRefuses)
{
    PathWin* missing = PathWin::CreateFromText((folder / L"none.bin").c_str());
    FileInputStream* in = missing->OpenInputStream();
    missing->ReleaseToPool();
    ASSERT_NE(nullptr, in);
    EXPECT_FALSE(in->IsOpen());
    char byte = 0;
    uint32_t done = 5;
    EXPECT_FALSE(in->Read(&byte, 1, &done));
    EXPECT_EQ(0u, done);
    EXPECT_EQ(-1, in->SeekToEnd());
    in->Dispose();

    // A file another program holds without sharing cannot be read.
    TempFolder::WriteFileBytes(file, "locked");
    HANDLE holder = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, holder);
    EXPECT_EQ(std::string(), ReadBack(file));
    FileOutputStream* blocked = OpenOut(false);
    EXPECT_FALSE(blocked->IsOpen());
    EXPECT_FALSE(blocked->DisposeReporting());
    CloseHandle(holder);
    EXPECT_EQ(std::string("locked"), TempFolder::ReadFileBytes(file));

    std::wstring deep = folder.Path();
    while (deep.size() < 40000)
        deep += L"\\" + std::wstring(200, L'd');
    PathWin* tooLong = PathWin::CreateFromText(deep.c_str());
    FileOutputStream* out = tooLong->OpenOutputStream(false);
    tooLong->ReleaseToPool();
    ASSERT_NE(nullptr, out);
    EXPECT_FALSE(out->IsOpen());
    EXPECT_FALSE(out->Write("x", 1, &done));
    EXPECT_EQ(0u, done);
    EXPECT_FALSE(out->Flush());
    EXPECT_FALSE(out->DisposeReporting());
}

TEST_F(FileStreams, LongPathsGoThroughTheLongForm)
{
    std::wstring deep = folder.Path();
    while (deep.size() < 400)
        deep += L"\\" + std::wstring(60, L'L');
    deep += L"\\file.bin";
    PathWin* path = PathWin::CreateFromText(deep.c_str());
    ASSERT_TRUE(path->IsSet());
    FileOutputStream* out = path->OpenOutputStream(false);
    path->ReleaseToPool();
    ASSERT_TRUE(out->IsOpen());
    uint32_t done = 0;
    ASSERT_TRUE(out->Write("deep", 4, &done));
    EXPECT_TRUE(out->DisposeReporting());
    EXPECT_EQ(std::string("deep"), ReadBack(deep));
}

TEST_F(FileStreams, CopiesOneFileIntoAnother)
{
    const std::string data = Pattern(150001);
    TempFolder::WriteFileBytes(file, data);
    PathWin* from = PathWin::CreateFromText(file.c_str());
    PathWin* to = PathWin::CreateFromText((folder / L"copy\\data.bin").c_str());
    FileInputStream* in = from->OpenInputStream();
    FileOutputStream* out = to->OpenOutputStream(false);
    EXPECT_TRUE(s::io::CopyStream(in, out));
    in->Dispose();
    EXPECT_TRUE(out->DisposeReporting());
    EXPECT_EQ(data, ReadBack(to->GetText()));
    to->ReleaseToPool();
    from->ReleaseToPool();
}

// A file that takes no writes stands for a full disk: the write-out fails.
class FailingWrites : public FileStreams {
protected:
    FileOutputStream* OpenReadOnly()
    {
        TempFolder::WriteFileBytes(file, "original");
        FileOutputStream* out = FileOutputStream::New();
        out->Attach(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr),
                    false);
        return out;
    }
};

TEST_F(FailingWrites, CloseAndDisposeReportTheFailedFlush)
{
    FileOutputStream* out = OpenReadOnly();
    ASSERT_TRUE(out->IsOpen());
    uint32_t done = 0;
    ASSERT_TRUE(out->Write("new", 3, &done));
    EXPECT_FALSE(out->Flush());
    EXPECT_EQ(3u, out->GetBufferFill());
    EXPECT_FALSE(out->CloseReporting());
    EXPECT_FALSE(out->IsOpen());
    out->Dispose();
    EXPECT_EQ(std::string("original"), TempFolder::ReadFileBytes(file));

    out = OpenReadOnly();
    ASSERT_TRUE(out->Write("new", 3, &done));
    EXPECT_FALSE(out->DisposeReporting());
}

TEST_F(FailingWrites, SeekFailsWithoutMovingWhenTheBufferCannotGoOut)
{
    FileOutputStream* out = OpenReadOnly();
    const std::string data = Pattern(kBuffer + 100);
    uint32_t done = 0;
    // The buffer fills, the write-out fails: the bytes taken stay counted and buffered.
    EXPECT_FALSE(out->Write(data.data(), static_cast<uint32_t>(data.size()), &done));
    EXPECT_EQ(kBuffer, done);
    EXPECT_EQ(kBuffer, out->GetPosition());
    EXPECT_EQ(kBuffer, out->GetBufferFill());

    EXPECT_FALSE(out->SetPosition(0));
    EXPECT_FALSE(out->SeekToStart());
    EXPECT_FALSE(out->SeekBackward(10));
    EXPECT_FALSE(out->SeekForward(10));
    EXPECT_EQ(-1, out->SeekToEnd());
    EXPECT_EQ(-1, out->SeekFromEnd(1));
    EXPECT_EQ(kBuffer, out->GetPosition());
    EXPECT_FALSE(out->DisposeReporting());
    EXPECT_EQ(std::string("original"), TempFolder::ReadFileBytes(file));
}
