// The file side of the string list: joined lines written through the file streams.
#include "core/col/Arrays.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "storage/file/FileOutputStream.h"
#include "storage/file/PathWin.h"

namespace s {
namespace str {
namespace strarray {

namespace {

const wchar_t kPartSuffix[] = L".part";

bool WriteEvery(file::win::FileOutputStream* stream, col::_array::ArrayU08* bytes)
{
    const uint8_t* data = static_cast<const uint8_t*>(bytes->GetData());
    const uint32_t count = bytes->GetCount();
    uint32_t written = 0;
    while (written < count) {
        uint32_t done = 0;
        if (!stream->Write(data + written, count - written, &done))
            return false;
        written += done;
    }
    return true;
}

} // namespace

bool StrArray::WriteJoined(file::win::PathWin* path)
{
    if (!path || !path->IsSet())
        return false;
    file::win::PathWin* parent = path->GetParent();
    if (parent) {
        if (!parent->Exists())
            parent->CreateDirectory(false);
        parent->ReleaseToPool();
    }
    // The lines go to a sibling first and replace the file only once complete, so a failed
    // write (a full disk) leaves the old file as it was.
    str::strbuffer::StrBuffer* partName = path->GetFullPathStr(nullptr, false);
    if (!partName)
        return false;
    file::win::PathWin* part = file::win::PathWin::CreateFromText(partName->Append(kPartSuffix)->GetText());
    partName->ReleaseToPool();
    if (!part)
        return false;

    file::win::FileOutputStream* stream = part->OpenOutputStream(false);
    col::_array::ArrayU08* bytes = ToUtf8Lines();
    const bool written = stream && bytes && WriteEvery(stream, bytes);
    if (bytes)
        bytes->ReleaseToPool();
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

} // namespace strarray
} // namespace str
} // namespace s
