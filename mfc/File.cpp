#include "mfc/File.h"

#include "mfc/FileException.h"

namespace {

[[noreturn]] void ThrowLastError()
{
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()));
}

} // namespace

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE) {}

CFile::CFile(HANDLE file) : m_hFile(file ? file : INVALID_HANDLE_VALUE) {}

CFile::~CFile()
{
    Abort();
}

UINT CFile::Read(void* buffer, UINT count)
{
    if (count == 0)
        return 0;
    DWORD read = 0;
    if (!ReadFile(m_hFile, buffer, count, &read, nullptr))
        ThrowLastError();
    return read;
}

void CFile::Write(const void* buffer, UINT count)
{
    if (count == 0)
        return;
    DWORD written = 0;
    if (!WriteFile(m_hFile, buffer, count, &written, nullptr))
        ThrowLastError();
    // A short write is a full disk.
    if (written != count)
        AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from)
{
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER moved = {};
    if (!SetFilePointerEx(m_hFile, distance, &moved, from))
        ThrowLastError();
    return static_cast<ULONGLONG>(moved.QuadPart);
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER none = {};
    LARGE_INTEGER at = {};
    if (!SetFilePointerEx(m_hFile, none, &at, FILE_CURRENT))
        ThrowLastError();
    return static_cast<ULONGLONG>(at.QuadPart);
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(m_hFile, &size))
        ThrowLastError();
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG length)
{
    Seek(static_cast<LONGLONG>(length), begin);
    if (!SetEndOfFile(m_hFile))
        ThrowLastError();
}

void CFile::Flush()
{
    if (m_hFile != INVALID_HANDLE_VALUE && !FlushFileBuffers(m_hFile))
        ThrowLastError();
}

void CFile::Close()
{
    if (m_hFile == INVALID_HANDLE_VALUE)
        return;
    const BOOL closed = CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    if (!closed)
        ThrowLastError();
}

void CFile::Abort()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}
