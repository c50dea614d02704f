// The framework's file and its exceptions: failures thrown as file exceptions whose message names
// the cause, the file and the system's own text, shown through the application's one box.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "mfc/File.h"
#include "mfc/FileException.h"
#include "mfc/OleStreamFile.h"
#include "support/BoxRecorder.h"

namespace {

using testing_support::BoxRecorder;

std::wstring TempFile()
{
    wchar_t folder[MAX_PATH] = {};
    wchar_t path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"mft", 0, path);
    return path;
}

TEST(File, ReadsWritesAndMovesOverAHandleAndThrowsWhatTheSystemRefuses)
{
    const std::wstring path = TempFile();
    {
        CFile file(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        file.Write("abcdef", 6);
        EXPECT_EQ(6u, file.GetPosition());
        EXPECT_EQ(6u, file.GetLength());
        EXPECT_EQ(2u, file.Seek(2, CFile::begin));
        char read[3] = {};
        EXPECT_EQ(3u, file.Read(read, 3));
        EXPECT_EQ("cde", std::string(read, 3));
        file.SetLength(4);
        EXPECT_EQ(4u, file.SeekToEnd());
        file.Flush();
        int cause = CFileException::none;
        try {
            file.Seek(-10, CFile::current);
        } catch (CFileException* failure) {
            cause = failure->m_cause;
            failure->Delete();
        }
        EXPECT_EQ(CFileException::badSeek, cause);
        file.Close();
        file.Close();
    }
    // Writing through a handle opened for reading is refused.
    CFile reading(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    LONG error = 0;
    try {
        reading.Write("x", 1);
    } catch (CFileException* failure) {
        EXPECT_EQ(CFileException::accessDenied, failure->m_cause);
        error = failure->m_lOsError;
        failure->Delete();
    }
    EXPECT_EQ(ERROR_ACCESS_DENIED, error);
    reading.Close();
    EXPECT_TRUE(DeleteFileW(path.c_str()));
}

TEST(FileException, ReportErrorShowsTheCauseTheFileAndTheSystemTextInOneBox)
{
    BoxRecorder::Take();
    struct Case {
        LONG osError;
        int cause;
        const wchar_t* words;
    };
    const Case cases[] = {
        {ERROR_DISK_FULL, CFileException::diskFull, L"not enough space"},
        {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound, L"not found"},
        {ERROR_SHARING_VIOLATION, CFileException::sharingViolation, L"in use"},
        {ERROR_INVALID_FUNCTION, CFileException::genericException, L"could not be read or written"},
    };
    for (const Case& c : cases) {
        CFileException* failure = nullptr;
        try {
            CFileException::ThrowOsError(c.osError, L"C:\\out\\file.bin");
        } catch (CFileException* thrown) {
            failure = thrown;
        }
        ASSERT_NE(nullptr, failure);
        EXPECT_EQ(c.cause, failure->m_cause);
        EXPECT_EQ(IDOK, failure->ReportError(MB_OK));
        failure->Delete();
        const auto boxes = BoxRecorder::Take();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_NE(std::wstring::npos, boxes[0].text.find(c.words)) << boxes[0].text;
        EXPECT_NE(std::wstring::npos, boxes[0].text.find(L"C:\\out\\file.bin")) << boxes[0].text;
        EXPECT_EQ(UINT(MB_OK), boxes[0].type);
    }
    // A message cut to a small buffer stays terminated.
    CFileException small(CFileException::diskFull, ERROR_DISK_FULL, L"name");
    wchar_t buffer[8];
    EXPECT_TRUE(small.GetErrorMessage(buffer, 8));
    EXPECT_EQ(7u, wcslen(buffer));
    // An exception without a message of its own shows the caller's text.
    CException* plain = new CException();
    plain->ReportError(MB_OK, L"Something failed.");
    plain->Delete();
    const auto boxes = BoxRecorder::Take();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(L"Something failed.", boxes[0].text);
}

TEST(OleStreamFile, AStreamReadsAndWritesAsAFileAndItsFailuresCarryTheResult)
{
    IStream* stream = nullptr;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, &stream));
    COleStreamFile file(stream);
    file.Write("0123456789", 10);
    EXPECT_EQ(10u, file.GetLength());
    file.SeekToBegin();
    char read[4] = {};
    EXPECT_EQ(4u, file.Read(read, 4));
    EXPECT_EQ("0123", std::string(read, 4));
    file.SetLength(6);
    EXPECT_EQ(6u, file.SeekToEnd());
    IStream* back = file.Detach();
    EXPECT_EQ(stream, back);
    // Without a stream every operation throws.
    int cause = CFileException::none;
    try {
        file.Write("x", 1);
    } catch (CFileException* failure) {
        cause = failure->m_cause;
        failure->Delete();
    }
    EXPECT_EQ(CFileException::invalidFile, cause);
    back->Release();
}

} // namespace
