// The operations of a path that change the file system: attributes and times, renaming,
// creating, deleting, recycling, copying and moving, shortcuts, and whole-file reads and writes.
// None changes the path's own text: after a rename, move or delete it names the old place.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <cstdlib>

#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/io/StreamCopy.h"
#include "core/str/StrBuffer.h"
#include "core/time/Time.h"
#include "storage/file/FileInputStream.h"
#include "storage/file/FileOutputStream.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "storage/file/ShortcutFiles.h"

namespace s {
namespace file {
namespace win {

typedef str::strbuffer::StrBuffer StrBuffer;
typedef col::_array::ArrayP ArrayP;
typedef col::_array::ArrayU08 ArrayU08;

namespace {

// A drive or its root is never created, deleted, copied, moved or renamed.
const uint32_t kShortestEntry = 3;
const uint32_t kNotifyFlags = SHCNF_PATHW | SHCNF_FLUSH;
const DWORD kRenameFlags = MOVEFILE_WRITE_THROUGH;
const DWORD kMoveFlags = MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH;
const FILEOP_FLAGS kRecycleConfirmed = FOF_ALLOWUNDO;
const FILEOP_FLAGS kRecycleSilent = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT;
const uint32_t kNotContentIndexedBit = FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
const uint32_t kUntouchableContent = FILE_ATTRIBUTE_COMPRESSED | FILE_ATTRIBUTE_ENCRYPTED | FILE_ATTRIBUTE_SPARSE_FILE;
const uint32_t kExclusiveTestBufferBytes = 0xA14000;
const uint32_t kRandomAttempts = 20;
const DWORD kRenameRetryMs = 50;
const uint32_t kShortestRandomName = 3;
const wchar_t kRandomChars[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz123456789";
const wchar_t kShortcutExtension[] = L".lnk";

void Notify(LONG event, const wchar_t* text)
{
    SHChangeNotify(event, kNotifyFlags, text, nullptr);
}

FILETIME FileTimeOf(int64_t seconds)
{
    const int64_t ticks = time::kEpochFileTime + seconds * time::kFileTimePerSecond;
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(ticks);
    time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return time;
}

wchar_t RandomChar()
{
    // The runtime keeps one generator per thread, so each thread seeds its own.
    static thread_local bool seeded = false;
    if (!seeded) {
        seeded = true;
        srand(static_cast<unsigned>(time::NowMillis()));
    }
    return kRandomChars[rand() % (sizeof kRandomChars / sizeof kRandomChars[0] - 1)];
}

// The absolute, normalised text of a path with a final backslash, for comparing two places.
bool NormalisedFolderText(PathWin* path, StrBuffer* out)
{
    // The plain text on both sides: the long form of one would not compare with the short of the other.
    const wchar_t* text = path->GetText();
    const DWORD needed = GetFullPathNameW(text, 0, nullptr, nullptr);
    if (needed == 0)
        return false;
    out->ClearText();
    out->EnsureCapacity(needed + 1);
    const DWORD written = GetFullPathNameW(text, needed, out->GetBuffer(), nullptr);
    if (written == 0 || written >= needed)
        return false;
    out->SetLength(written);
    while (out->GetLength() != 0 && out->CharAt(out->GetLength() - 1) == L'\\')
        out->SetLength(out->GetLength() - 1);
    out->AppendChar(L'\\');
    return true;
}

// True when target is source itself or lies inside it, whatever the case or spelling of either
// (C:\A and c:\a\sub): a copy or move there would feed on its own output.
bool IsInside(PathWin* target, PathWin* source)
{
    Pooled<StrBuffer> targetText, sourceText;
    if (!targetText || !sourceText || !NormalisedFolderText(target, targetText.get()) ||
        !NormalisedFolderText(source, sourceText.get()))
        return true;
    return targetText->StartsWithIgnoreCase(sourceText->GetText(), static_cast<int32_t>(sourceText->GetLength()));
}

// The outermost folder that making path would create, or null when path exists already; the
// caller gives it back. Removing it takes back everything the making created.
PathWin* OutermostMissing(PathWin* path)
{
    if (!path || !path->IsSet() || path->Exists())
        return nullptr;
    PathWin* top = PathWin::CreateFromText(path->GetText());
    while (top) {
        PathWin* parent = top->GetParentIfAny();
        if (!parent || parent->Exists() || parent->GetLength() >= top->GetLength()) {
            if (parent)
                parent->ReleaseToPool();
            return top;
        }
        top->ReleaseToPool();
        top = parent;
    }
    return top;
}

void RemoveCreated(PathWin* created)
{
    if (created) {
        created->Delete(false, false);
        created->ReleaseToPool();
    }
}

// Sets or clears the read-only bit as the runtime's change-mode call does.
bool SetWritableBit(PathWin* path, bool writable, uint32_t* cached)
{
    if (!path->IsSet())
        return false;
    const DWORD word = GetFileAttributesW(path->GetSystemText());
    if (word == INVALID_FILE_ATTRIBUTES)
        return false;
    DWORD changed = writable ? (word & ~FILE_ATTRIBUTE_READONLY) : (word | FILE_ATTRIBUTE_READONLY);
    if (SetFileAttributesW(path->GetSystemText(), changed == 0 ? FILE_ATTRIBUTE_NORMAL : changed) == 0)
        return false;
    if (cached)
        *cached = changed;
    return true;
}

// The entries of a folder, hidden and system ones included, for the recursive operations.
class Entries {
public:
    explicit Entries(PathWin* folder) : list_(folder->ListEntries(true, false, nullptr)) {}
    ~Entries()
    {
        if (list_)
            list_->ReleaseToPool();
    }
    uint32_t Count() const { return list_ ? list_->GetCount() : 0; }
    PathWin* At(uint32_t i) const { return static_cast<PathWin*>(list_->Get(i)); }

private:
    Entries(const Entries&) = delete;
    Entries& operator=(const Entries&) = delete;
    ArrayP* list_;
};

} // namespace

bool PathWin::AddAttributes(uint32_t mask)
{
    const uint32_t word = GetAttributes();
    if (!isSet_ || word == INVALID_FILE_ATTRIBUTES)
        return false;
    if ((word & mask) == mask)
        return true;
    if (SetFileAttributesW(GetSystemText(), word | mask) == 0)
        return false;
    attributes_ = word | mask;
    return true;
}

bool PathWin::SetAttributes(uint32_t attributes)
{
    if (attributesLoaded_ && attributes_ == attributes)
        return true;
    if (!isSet_ || SetFileAttributesW(GetSystemText(), attributes) == 0)
        return false;
    attributes_ = attributes;
    return true;
}

bool PathWin::SetHidden()
{
    return AddAttributes(FILE_ATTRIBUTE_HIDDEN);
}

bool PathWin::SetReadable(bool)
{
    // Every file can be read on Windows; only the write permission has a bit of its own.
    return SetWritableBit(this, CanWrite(), attributesLoaded_ ? &attributes_ : nullptr);
}

bool PathWin::SetWritable(bool writable)
{
    return SetWritableBit(this, writable, attributesLoaded_ ? &attributes_ : nullptr);
}

bool PathWin::MakeWritable()
{
    return SetWritableBit(this, true, attributesLoaded_ ? &attributes_ : nullptr);
}

void PathWin::SetFileTimes(int64_t creation, int64_t lastWrite, int64_t lastAccess, bool forNormal,
                           bool forReadOnly, bool forHidden, bool forSystem, bool recursive)
{
    if (!isSet_ || !Exists())
        return;
    const DWORD saved = GetFileAttributesW(GetSystemText());
    if (saved == INVALID_FILE_ATTRIBUTES)
        return;
    const bool touch = (saved & FILE_ATTRIBUTE_SYSTEM)     ? forSystem
                       : (saved & FILE_ATTRIBUTE_HIDDEN)   ? forHidden
                       : (saved & FILE_ATTRIBUTE_READONLY) ? forReadOnly
                                                           : forNormal;
    if (!touch)
        return;
    if (recursive && (saved & FILE_ATTRIBUTE_DIRECTORY)) {
        Entries entries(this);
        for (uint32_t i = 0; i < entries.Count(); ++i)
            entries.At(i)->SetFileTimes(creation, lastWrite, lastAccess, forNormal, forReadOnly, forHidden, forSystem,
                                        true);
    }
    SetFileAttributesW(GetSystemText(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileW(GetSystemText(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        const FILETIME created = FileTimeOf(creation), accessed = FileTimeOf(lastAccess),
                       written = FileTimeOf(lastWrite);
        SetFileTime(file, creation >= 0 ? &created : nullptr, lastAccess >= 0 ? &accessed : nullptr,
                    lastWrite >= 0 ? &written : nullptr);
        CloseHandle(file);
    }
    SetFileAttributesW(GetSystemText(), saved);
}

bool PathWin::Rename(const wchar_t* text)
{
    if (GetLength() <= kShortestEntry)
        return false;
    Pooled<PathWin> target(CreateFromText(text));
    if (!target || target->GetLength() <= kShortestEntry || !target->IsSet() || target->Exists())
        return false;
    return MoveFileExW(GetSystemText(), target->GetSystemText(), kRenameFlags) != 0;
}

bool PathWin::RenameRandomly(uint32_t passes, StrBuffer* finalText, bool restoreAttributes)
{
    if (GetLength() <= kShortestEntry || isStream_)
        return false;
    Pooled<StrBuffer> ownText;
    StrBuffer* working = finalText ? finalText : ownText.get();
    Pooled<StrBuffer> candidate;
    if (!working || !candidate)
        return false;
    working->AssignStr(&fullPath_);
    const DWORD saved = GetFileAttributesW(GetSystemText());
    SetFileAttributesW(GetSystemText(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesW(GetSystemText(),
                       kNotContentIndexedBit | (saved != INVALID_FILE_ATTRIBUTES ? saved & FILE_ATTRIBUTE_DIRECTORY : 0));
    uint32_t separator = 0;
    const bool hasName = working->LastIndexOfChar(L'\\', &separator, StrBuffer::kFromEnd) &&
                         separator + 1 < working->GetLength();
    const uint32_t nameStart = separator + 1;
    bool renamed = false;
    for (uint32_t pass = 0; hasName && pass < passes; ++pass) {
        renamed = false;
        Pooled<PathWin> current(CreateFromText(working->GetText()));
        for (uint32_t attempt = 0; current && attempt < kRandomAttempts && !renamed; ++attempt) {
            candidate->AssignStr(working);
            uint32_t end = candidate->GetLength();
            if (end - nameStart < kShortestRandomName) {
                // Short names grow by "__"; all but the last "_" take random characters.
                candidate->Append(L"__");
                ++end;
            }
            for (uint32_t i = nameStart; i < end; ++i) {
                if (candidate->CharAt(i) != L'.')
                    candidate->GetBuffer()[i] = RandomChar();
            }
            renamed = current->Rename(candidate->GetText());
            if (!renamed) {
                Sleep(kRenameRetryMs);
                renamed = current->Rename(candidate->GetText());
            }
        }
        if (!renamed)
            break;
        working->AssignStr(candidate.get());
    }
    if (restoreAttributes && saved != INVALID_FILE_ATTRIBUTES) {
        Pooled<PathWin> last(CreateFromText(working->GetText()));
        if (last)
            SetFileAttributesW(last->GetSystemText(), saved);
    }
    return renamed;
}

bool PathWin::CreateEmptyFile(bool notify)
{
    if (!isSet_)
        return false;
    HANDLE file = CreateFileW(GetSystemText(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS && CreateParentDirectory())
        file = CreateFileW(GetSystemText(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    if (notify)
        Notify(SHCNE_CREATE, fullPath_.GetText());
    return true;
}

bool PathWin::Delete(bool notify, bool laterIfLocked)
{
    if (GetLength() <= kShortestEntry)
        return false;
    if (!Exists())
        return true;
    const bool folder = IsDirectory();
    bool deleted = false;
    if (!folder) {
        deleted = DeleteFileW(GetSystemText()) != 0;
        if (!deleted) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_NOT_FOUND)
                deleted = true;
            else if (error == ERROR_ACCESS_DENIED && MakeWritable())
                deleted = DeleteFileW(GetSystemText()) != 0;
        }
    } else {
        deleted = RemoveDirectoryW(GetSystemText()) != 0;
        if (!deleted) {
            bool emptied = true;
            Entries entries(this);
            for (uint32_t i = 0; i < entries.Count(); ++i)
                emptied = entries.At(i)->Delete(false, laterIfLocked) && emptied;
            if (emptied) {
                deleted = RemoveDirectoryW(GetSystemText()) != 0;
                // A read-only folder refuses to go, as a read-only file does.
                if (!deleted && GetLastError() == ERROR_ACCESS_DENIED && MakeWritable())
                    deleted = RemoveDirectoryW(GetSystemText()) != 0;
            }
        }
    }
    if (deleted) {
        if (notify)
            Notify(folder ? SHCNE_RMDIR : SHCNE_DELETE, fullPath_.GetText());
        return true;
    }
    if (laterIfLocked)
        MoveFileExW(GetSystemText(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return false;
}

bool PathWin::DeleteOnReboot()
{
    if (GetLength() <= kShortestEntry || !Exists())
        return false;
    if (IsDirectory()) {
        Entries entries(this);
        for (uint32_t i = 0; i < entries.Count(); ++i)
            entries.At(i)->DeleteOnReboot();
    }
    return MoveFileExW(GetSystemText(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
}

void PathWin::Recycle(bool confirm, bool notify)
{
    if (GetLength() <= kShortestEntry)
        return;
    Pooled<StrBuffer> list;
    if (!list)
        return;
    // The shell takes a list of texts closed by two NULs.
    list->AssignStr(&fullPath_)->AppendChar(0);
    list->AppendChar(0);
    const bool folder = IsDirectory();
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = list->GetBuffer();
    operation.fFlags = confirm ? kRecycleConfirmed : kRecycleSilent;
    if (SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted && notify)
        Notify(folder ? SHCNE_RMDIR : SHCNE_DELETE, fullPath_.GetText());
}

bool PathWin::Copy(const wchar_t* destination, bool overwrite)
{
    if (!Exists())
        return false;
    Pooled<PathWin> target(CreateFromText(destination));
    if (!target || target->GetLength() <= kShortestEntry)
        return false;
    if (IsDirectory())
        return CopyFolder(target.get(), overwrite);
    if (CopyFileW(GetSystemText(), target->GetSystemText(), !overwrite))
        return true;
    Pooled<PathWin> parent(target->GetParent());
    PathWin* created = OutermostMissing(parent.get());
    if (!created)
        return false;
    if (target->CreateParentDirectory() && CopyFileW(GetSystemText(), target->GetSystemText(), !overwrite)) {
        created->ReleaseToPool();
        return true;
    }
    // Nothing of a failed copy stays behind: the folders made for it go again.
    RemoveCreated(created);
    return false;
}

bool PathWin::CopyFolder(PathWin* target, bool overwrite)
{
    if (IsInside(target, this))
        return false;
    PathWin* created = nullptr;
    if (target->Exists()) {
        if (!overwrite || !target->IsDirectory())
            return false;
    } else {
        created = OutermostMissing(target);
        if (!target->CreateDirectory(false)) {
            RemoveCreated(created);
            return false;
        }
    }
    Pooled<StrBuffer> text;
    bool copied = static_cast<bool>(text);
    Entries entries(this);
    for (uint32_t i = 0; copied && i < entries.Count(); ++i) {
        target->GetFullPathSlashStr(text.get(), false);
        entries.At(i)->GetFileNameStr(text.get(), true);
        copied = entries.At(i)->Copy(text->GetText(), overwrite);
    }
    if (copied) {
        if (created)
            created->ReleaseToPool();
        return true;
    }
    RemoveCreated(created);
    return false;
}

bool PathWin::Move(const wchar_t* destination, bool replace, bool notify)
{
    Pooled<PathWin> target(CreateFromText(destination));
    if (!target || target->GetLength() <= kShortestEntry || GetLength() <= kShortestEntry)
        return false;
    const bool folder = Exists() && IsDirectory();
    if (folder && IsInside(target.get(), this))
        return false;
    if (!MoveFileExW(GetSystemText(), target->GetSystemText(), kMoveFlags | (replace ? MOVEFILE_REPLACE_EXISTING : 0)))
        return false;
    if (notify) {
        Notify(folder ? SHCNE_RMDIR : SHCNE_DELETE, fullPath_.GetText());
        Notify(folder ? SHCNE_MKDIR : SHCNE_CREATE, destination);
    }
    return true;
}

bool PathWin::CreateShortcut(const wchar_t* shortcut, bool overwrite, const wchar_t* arguments)
{
    if (!Exists() || !shortcut)
        return false;
    Pooled<StrBuffer> text(StrBuffer::FromText(shortcut));
    if (!text)
        return false;
    if (!text->EndsWithIgnoreCase(kShortcutExtension, -1))
        text->Append(kShortcutExtension);
    Pooled<PathWin> link(New());
    if (!link || !link->SetFromStr(text.get())->IsSet())
        return false;
    if (link->Exists() && (!overwrite || !link->Delete(false, false)))
        return false;
    return CreateShortcutFile(fullPath_.GetText(), link->GetText(), arguments);
}

bool PathWin::CreateUrlShortcut(const wchar_t* url, bool overwrite)
{
    if (!isSet_ || !url)
        return false;
    if (Exists() && (!overwrite || !Delete(false, false)))
        return false;
    return CreateUrlShortcutFile(url, fullPath_.GetText());
}

void PathWin::ReadAllBytes(ArrayU08* out)
{
    if (!out)
        return;
    out->Clear();
    const int64_t size = GetSize(false, false, nullptr, nullptr, false);
    if (size > 0 && size <= static_cast<int64_t>(UINT32_MAX) && out->GetCapacity() < static_cast<uint32_t>(size))
        out->ReserveExact(static_cast<uint32_t>(size));
    FileInputStream* input = OpenInputStream();
    if (!input)
        return;
    io::CopyStream(input, out);
    out->SeekToStart();
    input->Dispose();
}

void PathWin::WriteAllBytes(ArrayU08* data, bool append)
{
    FileOutputStream* output = OpenOutputStream(append);
    if (!output)
        return;
    if (data && data->GetCount() != 0)
        io::WriteAll(output, data->GetData(), data->GetCount());
    output->DisposeReporting();
}

void PathWin::WriteText(StrBuffer* text, bool append)
{
    Pooled<ArrayU08> bytes(text ? text->ToUtf8Bytes(nullptr, false) : ArrayU08::New());
    if (bytes)
        WriteAllBytes(bytes.get(), append);
}

bool PathWin::TestExclusiveAccess(uint32_t passes, bool restoreAttributes, void* buffer, uint32_t bufferSize)
{
    if (GetLength() <= kShortestEntry || !Exists())
        return false;
    const DWORD saved = GetFileAttributesW(GetSystemText());
    const bool folder = saved != INVALID_FILE_ATTRIBUTES && (saved & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (!folder && GetSize(false, false, nullptr, nullptr, false) == 0)
        return true;
    void* committed = nullptr;
    if (!buffer) {
        committed = VirtualAlloc(nullptr, kExclusiveTestBufferBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!committed)
            return false;
        buffer = committed;
        bufferSize = kExclusiveTestBufferBytes;
    }
    SetFileAttributesW(GetSystemText(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesW(GetSystemText(), kNotContentIndexedBit | (folder ? FILE_ATTRIBUTE_DIRECTORY : 0));
    bool exclusive = true;
    if (folder) {
        Entries entries(this);
        for (uint32_t i = 0; i < entries.Count(); ++i)
            exclusive = entries.At(i)->TestExclusiveAccess(passes, restoreAttributes, buffer, bufferSize) && exclusive;
    }
    if (!isStream_ && IsNtfs()) {
        Pooled<ArrayP> streams(ListStreams(nullptr));
        for (uint32_t i = 0; streams && i < streams->GetCount(); ++i)
            exclusive =
                static_cast<PathWin*>(streams->Get(i))->TestExclusiveAccess(passes, false, buffer, bufferSize) &&
                exclusive;
    }
    if (exclusive && !folder && (saved & kUntouchableContent) == 0) {
        HANDLE file = CreateFileW(GetSystemText(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_NO_BUFFERING | FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            exclusive = false;
        else
            CloseHandle(file);
    }
    if (restoreAttributes && saved != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(GetSystemText(), saved);
    if (committed)
        VirtualFree(committed, 0, MEM_RELEASE);
    return exclusive;
}

} // namespace win
} // namespace file
} // namespace s
