// The stream a dragged-out file is written through: its 64 KiB buffer over the framework file,
// and file exceptions turned into one box and a failed operation.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lists/CFileOutputStream.h"
#include "mfc/File.h"
#include "mfc/FileException.h"
#include "support/BoxRecorder.h"

using s::file::win::CFileOutputStream;
using testing_support::BoxRecorder;

namespace {

// A file in memory that notes every write it is given, and can be made to fail.
class RecordingFile : public CFile {
public:
    UINT Read(void* buffer, UINT count) override
    {
        const size_t left = position < content.size() ? content.size() - position : 0;
        const UINT n = static_cast<UINT>(left < count ? left : count);
        memcpy(buffer, content.data() + position, n);
        position += n;
        return n;
    }
    void Write(const void* buffer, UINT count) override
    {
        if (failWrites)
            AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, L"D:\\out.bin");
        writes.push_back(count);
        if (content.size() < position + count)
            content.resize(position + count);
        memcpy(&content[position], buffer, count);
        position += count;
    }
    ULONGLONG Seek(LONGLONG offset, UINT from) override
    {
        const LONGLONG base = from == begin ? 0 : from == current ? static_cast<LONGLONG>(position)
                                                                  : static_cast<LONGLONG>(content.size());
        if (base + offset < 0)
            AfxThrowFileException(CFileException::badSeek, ERROR_NEGATIVE_SEEK);
        position = static_cast<size_t>(base + offset);
        return position;
    }
    ULONGLONG GetPosition() const override { return position; }
    ULONGLONG GetLength() const override { return content.size(); }
    void SetLength(ULONGLONG length) override { content.resize(static_cast<size_t>(length)); }
    void Flush() override { ++flushes; }
    void Close() override { ++closes; }
    void Abort() override {}

    std::string content;
    size_t position = 0;
    std::vector<UINT> writes;
    int flushes = 0;
    int closes = 0;
    bool failWrites = false;
};

class CFileOutputStreamTest : public testing::Test {
protected:
    void SetUp() override
    {
        BoxRecorder::Take();
        stream_ = CFileOutputStream::New();
        ASSERT_NE(nullptr, stream_);
    }
    void TearDown() override
    {
        if (stream_)
            stream_->ReleaseToPool();
    }
    bool Write(const std::string& bytes)
    {
        uint32_t done = 0;
        const bool ok = stream_->Write(bytes.data(), static_cast<uint32_t>(bytes.size()), &done);
        EXPECT_EQ(ok ? bytes.size() : done, done);
        return ok;
    }

    CFileOutputStream* stream_ = nullptr;
    RecordingFile file_;
};

TEST_F(CFileOutputStreamTest, AFullBufferReachesTheFileOnlyWhenMoreBytesWaitOrItIsFlushed)
{
    file_.content = "kept";
    file_.position = 4;
    ASSERT_TRUE(stream_->Attach(&file_, false, false));
    EXPECT_EQ(4u, stream_->GetPosition());
    const std::string full(65536, 'x');
    EXPECT_TRUE(Write(full));
    EXPECT_TRUE(file_.writes.empty());
    EXPECT_EQ(65536u, stream_->GetBufferFill());
    // One more byte sends the whole buffer on.
    EXPECT_TRUE(Write("y"));
    EXPECT_EQ(file_.writes, (std::vector<UINT>{65536}));
    EXPECT_EQ(1u, stream_->GetBufferFill());
    // Larger than the buffer in one write: whole buffers go, the rest waits.
    EXPECT_TRUE(Write(std::string(140000, 'z')));
    EXPECT_EQ(file_.writes, (std::vector<UINT>{65536, 65536, 65536}));
    EXPECT_EQ(4u + 65536 + 1 + 140000, stream_->GetPosition());
    EXPECT_TRUE(stream_->Flush());
    EXPECT_EQ(1, file_.flushes);
    EXPECT_EQ(4u + 65536 + 1 + 140000, file_.content.size());
    EXPECT_EQ("keptxxx", file_.content.substr(0, 7));
    EXPECT_EQ('y', file_.content[4 + 65536]);
    // A stream that does not close its file leaves it open for its owner.
    EXPECT_TRUE(stream_->CloseReporting());
    EXPECT_EQ(0, file_.closes);
}

TEST_F(CFileOutputStreamTest, SeeksAndReadsSeeTheBufferedBytesWrittenFirst)
{
    ASSERT_TRUE(stream_->Attach(&file_, false, true));
    EXPECT_TRUE(Write("hello world"));
    EXPECT_TRUE(file_.writes.empty());
    // Setting the position it already has moves nothing and writes nothing.
    EXPECT_TRUE(stream_->SetPosition(11));
    EXPECT_TRUE(stream_->SeekForward(0));
    EXPECT_TRUE(file_.writes.empty());
    EXPECT_TRUE(stream_->SetPosition(6));
    EXPECT_EQ(file_.writes, (std::vector<UINT>{11}));
    char read[5] = {};
    uint32_t done = 0;
    EXPECT_TRUE(stream_->Read(read, 5, &done));
    EXPECT_EQ(5u, done);
    EXPECT_EQ("world", std::string(read, 5));
    EXPECT_EQ(11u, stream_->GetPosition());
    EXPECT_FALSE(stream_->Read(read, 5, &done));
    EXPECT_EQ(0u, done);
    EXPECT_EQ(11, stream_->SeekToEnd());
    EXPECT_TRUE(stream_->SeekBackward(6));
    EXPECT_TRUE(Write("W"));
    EXPECT_EQ(2, stream_->SeekFromEnd(9));
    stream_->Truncate();
    EXPECT_EQ("he", file_.content);
    // A seek the file refuses is shown and fails, and the position stays.
    EXPECT_FALSE(stream_->SeekBackward(5));
    EXPECT_EQ(2u, stream_->GetPosition());
    EXPECT_EQ(1u, BoxRecorder::Take().size());
    // The stream that closes its file does so on close.
    EXPECT_TRUE(stream_->CloseReporting());
    EXPECT_EQ(1, file_.closes);
}

TEST_F(CFileOutputStreamTest, AFailedWriteIsShownOnceAndTheCloseReportsTheLoss)
{
    ASSERT_TRUE(stream_->Attach(&file_, false, false));
    file_.failWrites = true;
    EXPECT_TRUE(Write(std::string(65536, 'a')));
    uint32_t done = 0;
    EXPECT_FALSE(stream_->Write("b", 1, &done));
    EXPECT_EQ(0u, done);
    auto boxes = BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_NE(std::wstring::npos, boxes[0].text.find(L"not enough space")) << boxes[0].text;
    EXPECT_NE(std::wstring::npos, boxes[0].text.find(L"D:\\out.bin")) << boxes[0].text;
    EXPECT_EQ(UINT(MB_OK), boxes[0].type & 0xF);
    // The lost bytes are not written again; the stream stays usable but its close reports the loss.
    file_.failWrites = false;
    EXPECT_TRUE(Write("c"));
    EXPECT_FALSE(stream_->CloseReporting());
    EXPECT_EQ("c", file_.content);
    EXPECT_TRUE(BoxRecorder::Take().empty());
}

TEST_F(CFileOutputStreamTest, WithoutAFileEveryWriteFails)
{
    uint32_t done = 7;
    EXPECT_FALSE(stream_->Write("x", 1, &done));
    EXPECT_EQ(0u, done);
    EXPECT_FALSE(stream_->Flush());
    EXPECT_FALSE(stream_->CloseReporting());
    EXPECT_FALSE(stream_->Attach(nullptr, false, false));
    EXPECT_TRUE(BoxRecorder::Take().empty());
}

TEST_F(CFileOutputStreamTest, AStreamOwningItsFileDeletesItWhenCleared)
{
    // A system file whose handle the deleted CFile closes: the file is then free to delete.
    wchar_t folder[MAX_PATH] = {};
    wchar_t path[MAX_PATH] = {};
    ASSERT_NE(0u, GetTempPathW(MAX_PATH, folder));
    ASSERT_NE(0u, GetTempFileNameW(folder, L"cfo", 0, path));
    HANDLE handle = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, handle);
    ASSERT_TRUE(stream_->Attach(new CFile(handle), true, true));
    EXPECT_TRUE(Write("on disk"));
    EXPECT_TRUE(stream_->DisposeReporting());
    stream_ = nullptr;
    HANDLE again = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, again);
    char bytes[16] = {};
    DWORD read = 0;
    ReadFile(again, bytes, sizeof(bytes), &read, nullptr);
    CloseHandle(again);
    EXPECT_EQ("on disk", std::string(bytes, read));
    EXPECT_TRUE(DeleteFileW(path));
}

} // namespace
