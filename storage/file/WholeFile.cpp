#include "storage/file/WholeFile.h"

#include "core/io/StreamCopy.h"
#include "core/str/StrBuffer.h"
#include "storage/file/FileInputStream.h"
#include "storage/file/FileOutputStream.h"

namespace s {
namespace file {
namespace win {

namespace {

const wchar_t kPartSuffix[] = L".part";
// Another save of the same file holds the sibling only while it writes; it is waited for so long.
const DWORD kBusyPartWaitMs = 2000;
const DWORD kBusyPartStepMs = 10;
// Attributes of a stale sibling that stop its removal or would pass on to the file.
const DWORD kStaleAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// A file the user marked read-only, or a folder of that name, is never replaced.
bool MayReplace(PathWin* path)
{
    const DWORD attributes = GetFileAttributesW(path->GetSystemText());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;
    return (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

// The sibling made fresh for this writer, so that it inherits nothing: a stale one left by a
// crash or a copy (read-only, hidden or not) is removed first. A sibling another save holds
// open cannot be removed; the caller waits for it.
HANDLE CreateFreshPart(PathWin* part)
{
    HANDLE handle = CreateFileW(part->GetSystemText(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
        return handle;
    const DWORD attributes = GetFileAttributesW(part->GetSystemText());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kStaleAttributes) != 0)
        SetFileAttributesW(part->GetSystemText(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileW(part->GetSystemText()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        return INVALID_HANDLE_VALUE;
    return CreateFileW(part->GetSystemText(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The sibling opened for this writer alone: while it is open no other save of the same file can
// empty it, write into it or move it over the file. A sibling busy with another save is waited for.
FileOutputStream* OpenPartAlone(PathWin* part)
{
    FileOutputStream* stream = FileOutputStream::New();
    if (!stream)
        return nullptr;
    for (DWORD waited = 0;; waited += kBusyPartStepMs) {
        HANDLE handle = CreateFreshPart(part);
        if (handle != INVALID_HANDLE_VALUE) {
            stream->Attach(handle, false);
            break;
        }
        // Another save holds the sibling, or made a new one between removal and creation.
        const DWORD error = GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_FILE_EXISTS) || waited >= kBusyPartWaitMs)
            break;
        Sleep(kBusyPartStepMs);
    }
    if (stream->IsOpen())
        return stream;
    stream->ReleaseToPool();
    return nullptr;
}

} // namespace

bool WholeFile::Read(PathWin* path, col::_array::ArrayU08* out)
{
    if (!path || !out || !path->IsSet())
        return false;
    FileInputStream* stream = path->OpenInputStream();
    if (!stream)
        return false;
    const bool complete = stream->IsOpen() && ReadFrom(stream, out);
    stream->Dispose();
    return complete;
}

bool WholeFile::ReadFrom(io::IInputStream* stream, col::_array::ArrayU08* out)
{
    // A read that fails midway ends the copy as the end of the stream would: the size taken
    // first tells the two apart.
    const int64_t size = stream->SeekToEnd();
    if (size < 0 || !stream->SeekToStart())
        return false;
    const uint32_t before = out->GetCount();
    // The array is a byte stream too: the bytes are copied onto its end.
    out->SeekToEnd();
    return io::CopyStream(stream, out) && out->GetCount() - before >= static_cast<uint64_t>(size);
}

bool WholeFile::Replace(PathWin* path, col::_array::ArrayU08* bytes)
{
    if (!path || !bytes || !path->IsSet() || !MayReplace(path))
        return false;
    PathWin* parent = path->GetParentIfAny();
    if (parent) {
        if (!parent->Exists())
            parent->CreateDirectory(false);
        parent->ReleaseToPool();
    }
    str::strbuffer::StrBuffer* partName = path->GetFullPathStr(nullptr, false);
    if (!partName)
        return false;
    PathWin* part = PathWin::CreateFromText(partName->Append(kPartSuffix)->GetText());
    partName->ReleaseToPool();
    if (!part)
        return false;

    FileOutputStream* stream = OpenPartAlone(part);
    if (!stream) {
        // The sibling is not this save's to remove: another save may be writing it.
        part->ReleaseToPool();
        return false;
    }
    const bool written = io::WriteAll(stream, bytes->GetData(), bytes->GetCount());
    // Closing flushes to the disk, so the file that replaces the old one is complete.
    const bool closed = stream->DisposeReporting();
    bool saved = written && closed;
    if (saved)
        saved = MoveFileExW(part->GetSystemText(), path->GetSystemText(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!saved)
        DeleteFileW(part->GetSystemText());
    part->ReleaseToPool();
    return saved;
}

} // namespace win
} // namespace file
} // namespace s
