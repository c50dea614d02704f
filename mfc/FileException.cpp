#include "mfc/FileException.h"

#include <cwchar>

namespace {

const wchar_t* CauseText(int cause)
{
    switch (cause) {
    case CFileException::none:
        return L"The file operation did not complete.";
    case CFileException::fileNotFound:
        return L"The file was not found.";
    case CFileException::badPath:
        return L"The file's path is not valid.";
    case CFileException::tooManyOpenFiles:
        return L"Too many files are open.";
    case CFileException::accessDenied:
        return L"Access to the file was denied.";
    case CFileException::invalidFile:
        return L"The file is not open.";
    case CFileException::removeCurrentDir:
        return L"The current folder cannot be removed.";
    case CFileException::directoryFull:
        return L"The folder cannot take more files.";
    case CFileException::badSeek:
        return L"The position in the file could not be moved.";
    case CFileException::hardIO:
        return L"The device failed to read or write the file.";
    case CFileException::sharingViolation:
        return L"The file is in use by another program.";
    case CFileException::lockViolation:
        return L"A part of the file is locked by another program.";
    case CFileException::diskFull:
        return L"There is not enough space on the disk.";
    case CFileException::endOfFile:
        return L"The end of the file was reached.";
    default:
        return L"The file could not be read or written.";
    }
}

// Whatever does not fit is cut; the buffer stays terminated.
void AppendCut(wchar_t* buffer, UINT capacity, const wchar_t* text)
{
    wcsncat_s(buffer, capacity, text, _TRUNCATE);
}

} // namespace

CFileException::CFileException(int cause, LONG osError, const wchar_t* fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName ? fileName : L"")
{
}

int CFileException::OsErrorToException(LONG osError)
{
    switch (osError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
        return removeCurrentDir;
    case ERROR_CANNOT_MAKE:
        return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK:
        return badSeek;
    case ERROR_CRC:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
        return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return genericException;
    }
}

void CFileException::ThrowOsError(LONG osError, const wchar_t* fileName)
{
    AfxThrowFileException(OsErrorToException(osError), osError, fileName);
}

BOOL CFileException::GetErrorMessage(wchar_t* buffer, UINT capacity, UINT* helpContext)
{
    if (helpContext)
        *helpContext = 0;
    if (!buffer || capacity == 0)
        return FALSE;
    buffer[0] = L'\0';
    AppendCut(buffer, capacity, CauseText(m_cause));
    if (!m_strFileName.empty()) {
        AppendCut(buffer, capacity, L"\n");
        AppendCut(buffer, capacity, m_strFileName.c_str());
    }
    if (m_lOsError != -1 && m_lOsError != 0) {
        wchar_t* system = nullptr;
        const DWORD length = FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
            static_cast<DWORD>(m_lOsError), 0, reinterpret_cast<wchar_t*>(&system), 0, nullptr);
        if (length && system) {
            // The system's text ends with a line break of its own.
            DWORD end = length;
            while (end && (system[end - 1] == L'\r' || system[end - 1] == L'\n' || system[end - 1] == L' '))
                system[--end] = L'\0';
            AppendCut(buffer, capacity, L"\n\n");
            AppendCut(buffer, capacity, system);
        }
        if (system)
            LocalFree(system);
    }
    return TRUE;
}

void AfxThrowFileException(int cause, LONG osError, const wchar_t* fileName)
{
    throw new CFileException(cause, osError, fileName);
}
