#pragma once
#include <windows.h>

#include <cstdint>

// A file of the system, or (in derived classes) something that reads and writes like one. Every
// operation that fails throws a CFileException* (see mfc/FileException.h).
class CFile {
public:
    enum SeekPosition { begin = FILE_BEGIN, current = FILE_CURRENT, end = FILE_END };

    CFile();
    // Takes over an open handle, which Close (or the destructor) closes.
    explicit CFile(HANDLE file);
    virtual ~CFile();

    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    // The new position from the start.
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG length);
    virtual void Flush();
    virtual void Close();
    // Closes without throwing, as after a failure.
    virtual void Abort();

    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    HANDLE GetHandle() const { return m_hFile; }

    HANDLE m_hFile;

private:
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
};
