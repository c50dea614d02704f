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

// A file the user marked read-only, or a folder of that name, is never replaced.
bool MayReplace(PathWin* path)
{
    const DWORD attributes = GetFileAttributesW(path->GetSystemText());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;
    return (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
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

    FileOutputStream* stream = part->OpenOutputStream(false);
    const bool written = stream && stream->IsOpen() && io::WriteAll(stream, bytes->GetData(), bytes->GetCount());
    // Closing flushes to the disk, so the file that replaces the old one is complete.
    const bool closed = stream && stream->DisposeReporting();
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
