#pragma once
#include <windows.h>

#include <string>

#include "mfc/Exception.h"

// A failed file operation: what kind of failure, the system's error number and the file's name.
class CFileException : public CException {
public:
    enum Cause {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG osError = -1, const wchar_t* fileName = nullptr);

    // The cause that a system error number stands for.
    static int OsErrorToException(LONG osError);
    // Throws a new exception for the system error number.
    [[noreturn]] static void ThrowOsError(LONG osError, const wchar_t* fileName = nullptr);

    // The cause in words, then the file's name and the system's own text of the error.
    BOOL GetErrorMessage(wchar_t* buffer, UINT capacity, UINT* helpContext = nullptr) override;

    int m_cause;
    // A system error number or an HRESULT; -1 when there is none.
    LONG m_lOsError;
    std::wstring m_strFileName;
};

[[noreturn]] void AfxThrowFileException(int cause, LONG osError = -1, const wchar_t* fileName = nullptr);
