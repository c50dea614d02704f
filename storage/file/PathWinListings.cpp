// Folder listings of a path: names, paths, files or folders only, recursive walks, wildcard
// searches and alternate data streams, all through one filter that follows the user's Explorer
// settings for hidden and protected system files.
#include <windows.h>

#include <cstddef>

#include "core/col/ArrayP.h"
#include "core/col/Arrays.h"
#include "core/col/MergeSort.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "core/thread/ObjLocker.h"
#include "storage/file/NtFileApi.h"
#include "storage/file/PathArray.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "storage/file/ShellServices.h"
#include "storage/reg/ExplorerSettings.h"

namespace s {
namespace file {
namespace win {

typedef str::strbuffer::StrBuffer StrBuffer;
typedef str::strarray::StrArray StrArray;
typedef col::_array::ArrayP ArrayP;

namespace {

const wchar_t* const kDosStartFiles[] = {L"AUTOEXEC.BAT", L"CONFIG.SYS"};

bool IsDotEntry(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

// Which entries a listing shows: never "." and "..", never a reparse point (a junction or link
// could lead a walk in circles), and with the user's settings the hidden and system ones.
class Filter {
public:
    Filter(PathWin* folder, bool includeAll) : hideHidden_(false), hideSystem_(false), hideDosFiles_(false)
    {
        if (includeAll)
            return;
        // Read afresh for each listing: the user may have changed them since the last one.
        hideHidden_ = !system::win::ShowsHiddenFiles();
        hideSystem_ = !system::win::ShowsSuperHiddenFiles();
        if ((hideHidden_ || hideSystem_) && folder->IsSet())
            hideDosFiles_ = CompareStringOrdinal(folder->GetRootText(), -1, system::win::GetSystemDriveRoot(), -1,
                                                 TRUE) == CSTR_EQUAL;
    }

    bool Passes(const WIN32_FIND_DATAW& entry) const
    {
        if (IsDotEntry(entry.cFileName) || (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
            return false;
        if (hideHidden_ && (entry.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0)
            return false;
        if (hideSystem_ && (entry.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0)
            return false;
        if (hideDosFiles_) {
            for (const wchar_t* name : kDosStartFiles) {
                if (CompareStringOrdinal(entry.cFileName, -1, name, -1, TRUE) == CSTR_EQUAL)
                    return false;
            }
        }
        return true;
    }

private:
    bool hideHidden_;
    bool hideSystem_;
    bool hideDosFiles_;
};

// One search of the file system, closed at the end of the scope.
class Search {
public:
    explicit Search(const wchar_t* pattern) : find_(FindFirstFileW(pattern, &entry_)) {}
    ~Search()
    {
        if (find_ != INVALID_HANDLE_VALUE)
            FindClose(find_);
    }
    bool Found() const { return find_ != INVALID_HANDLE_VALUE; }
    const WIN32_FIND_DATAW& Entry() const { return entry_; }
    bool Next() { return FindNextFileW(find_, &entry_) != FALSE; }
    bool IsFolder() const { return (entry_.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

private:
    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;
    HANDLE find_;
    WIN32_FIND_DATAW entry_;
};

enum Kind { kEntries, kFolders, kFiles };

bool Wanted(Kind kind, bool folder)
{
    return kind == kEntries || (kind == kFolders) == folder;
}

ArrayP* PathsTarget(ArrayP* out)
{
    return out ? out : ArrayP::NewWithCleaner(PathWin::GetPool());
}

// Adds the entries of folder to out, each sub-folder's own listing right after it when recursive.
void ListInto(PathWin* folder, const Filter& filter, Kind kind, bool recursive, ArrayP* out)
{
    Pooled<StrBuffer> text;
    if (!text)
        return;
    text->Assign(folder->GetSystemText())->Append(L"\\*");
    Search search(text->GetText());
    if (!search.Found())
        return;
    folder->GetFullPathSlashStr(text.get(), false);
    const uint32_t folderLength = text->GetLength();
    do {
        if (!filter.Passes(search.Entry()))
            continue;
        const bool isFolder = search.IsFolder();
        const bool wanted = Wanted(kind, isFolder);
        if (!wanted && !(recursive && isFolder))
            continue;
        text->SetLength(folderLength);
        text->Append(search.Entry().cFileName);
        PathWin* child = PathWin::New();
        if (!child)
            return;
        child->SetFromStr(text.get());
        if (wanted)
            out->Append(child);
        if (recursive && isFolder)
            ListInto(child, filter, kind, true, out);
        if (!wanted)
            child->ReleaseToPool();
    } while (search.Next());
}

StrArray* ListNamesOf(PathWin* folder, Kind kind, bool fullPaths, bool includeAll)
{
    StrArray* names = StrArray::New();
    Pooled<StrBuffer> pattern;
    if (!names || !pattern || !folder->IsSet())
        return names;
    pattern->Assign(folder->GetSystemText())->Append(L"\\*");
    Filter filter(folder, includeAll);
    Search search(pattern->GetText());
    if (!search.Found())
        return names;
    do {
        if (!filter.Passes(search.Entry()) || !Wanted(kind, search.IsFolder()))
            continue;
        StrBuffer* name = StrBuffer::New();
        if (!name)
            break;
        if (fullPaths)
            folder->GetFullPathSlashStr(name, false);
        name->Append(search.Entry().cFileName);
        names->Add(name);
    } while (search.Next());
    return names;
}

// Each matching entry of the pattern path, then the same search in every sub-folder when recursive.
void MatchInto(PathWin* pattern, bool includeAll, bool recursive, bool withFolders, ArrayP* out)
{
    Pooled<PathWin> folder(pattern->GetParent());
    Pooled<StrBuffer> text;
    if (!folder || !text)
        return;
    Filter filter(folder.get(), includeAll);
    {
        Search search(pattern->GetSystemText());
        if (search.Found()) {
            pattern->GetFolderStr(text.get(), false);
            const uint32_t folderLength = text->GetLength();
            do {
                if (!filter.Passes(search.Entry()) || (search.IsFolder() && !withFolders))
                    continue;
                text->SetLength(folderLength);
                text->Append(search.Entry().cFileName);
                PathWin* match = PathWin::New();
                if (!match)
                    return;
                out->Append(match->SetFromStr(text.get()));
            } while (search.Next());
        }
    }
    if (!recursive || !folder->IsAbsolute() || !folder->Exists())
        return;
    Pooled<StrArray> folders(folder->ListFolderNames(true, includeAll));
    Pooled<StrBuffer> name;
    if (!folders || !name)
        return;
    pattern->GetFileNameStr(name.get(), false);
    for (uint32_t i = 0; i < folders->GetCount(); ++i) {
        StrBuffer* sub = folders->Get(i);
        sub->AppendChar(L'\\');
        sub->AppendStr(name.get());
        Pooled<PathWin> subPattern(PathWin::New());
        if (subPattern)
            MatchInto(subPattern->SetFromStr(sub), includeAll, true, withFolders, out);
    }
}

int32_t CompareNames(void* a, void* b, void*)
{
    return static_cast<StrBuffer*>(a)->CompareToIgnoreCase(static_cast<StrBuffer*>(b));
}

bool EndsWithAny(StrBuffer* name, StrArray* endings)
{
    for (uint32_t i = 0; i < endings->GetCount(); ++i) {
        StrBuffer* ending = endings->Get(i);
        if (name->EndsWithIgnoreCase(ending->GetText(), static_cast<int32_t>(ending->GetLength())))
            return true;
    }
    return false;
}

// The native stream listing: one FILE_STREAM_INFORMATION record after another.
struct StreamRecord {
    ULONG nextOffset;
    ULONG nameBytes;
    LARGE_INTEGER size;
    LARGE_INTEGER allocationSize;
    WCHAR name[1];
};

struct IoStatus {
    union {
        LONG status;
        void* pointer;
    };
    ULONG_PTR information;
};

const int32_t kFileStreamInformation = 22;
const LONG kStatusBufferOverflow = static_cast<LONG>(0x80000005);
const LONG kStatusInfoLengthMismatch = static_cast<LONG>(0xC0000004);
const LONG kStatusBufferTooSmall = static_cast<LONG>(0xC0000023);
const uint32_t kStreamBufferStart = 1024;
const uint32_t kStreamBufferLimit = 10000000;
const uint32_t kMaxStreamNameChars = 779;
const wchar_t kUnnamedStream[] = L"::$DATA";

// The process-wide buffer of the stream listing, grown only, with its lock.
struct StreamBuffer {
    thread::ObjLocker locker;
    col::_array::ArrayU08 bytes;
};

StreamBuffer& SharedStreamBuffer()
{
    static StreamBuffer buffer;
    return buffer;
}

// The backup privilege lets the listing open files the user could not read otherwise.
void EnableBackupPrivilegeOnce()
{
    static thread::ObjLocker locker;
    static bool requested = false;
    thread::ScopedLock hold(locker);
    if (requested)
        return;
    requested = true;
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token))
        return;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, L"SeBackupPrivilege", &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

// Holds an open file handle for a scope.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE handle_;
};

} // namespace

bool PathWin::HasEntries(bool includeAll)
{
    Pooled<StrBuffer> pattern;
    if (!pattern || !isSet_)
        return false;
    pattern->Assign(GetSystemText())->Append(L"\\*");
    Filter filter(this, includeAll);
    Search search(pattern->GetText());
    if (!search.Found())
        return false;
    do {
        if (filter.Passes(search.Entry()))
            return true;
    } while (search.Next());
    return false;
}

StrArray* PathWin::ListNames(bool fullPaths, bool includeAll)
{
    return ListNamesOf(this, kEntries, fullPaths, includeAll);
}

StrArray* PathWin::ListFolderNames(bool fullPaths, bool includeAll)
{
    return ListNamesOf(this, kFolders, fullPaths, includeAll);
}

StrArray* PathWin::ListFileNames(bool fullPaths, bool includeAll)
{
    return ListNamesOf(this, kFiles, fullPaths, includeAll);
}

ArrayP* PathWin::ListEntries(bool includeAll, bool recursive, ArrayP* out)
{
    out = PathsTarget(out);
    if (out && isSet_)
        ListInto(this, Filter(this, includeAll), kEntries, recursive, out);
    return out;
}

ArrayP* PathWin::ListFolders(bool includeAll, bool recursive, ArrayP* out)
{
    out = PathsTarget(out);
    if (out && isSet_)
        ListInto(this, Filter(this, includeAll), kFolders, recursive, out);
    return out;
}

ArrayP* PathWin::ListFiles(bool includeAll, bool recursive, ArrayP* out)
{
    out = PathsTarget(out);
    if (out && isSet_)
        ListInto(this, Filter(this, includeAll), kFiles, recursive, out);
    return out;
}

namespace {

// The paths of a listing handed over to a path list, which owns them from then on.
PathArray* MoveInto(ArrayP* listed, PathArray* out)
{
    if (!out)
        out = PathArray::New();
    if (listed) {
        for (uint32_t i = 0; i < listed->GetCount(); ++i) {
            if (out)
                out->Add(static_cast<PathWin*>(listed->Get(i)));
            else
                static_cast<PathWin*>(listed->Get(i))->ReleaseToPool();
        }
        listed->Clear();
        listed->ReleaseToPool();
    }
    return out;
}

} // namespace

PathArray* PathWin::ListEntriesInto(bool includeAll, bool recursive, PathArray* out)
{
    return MoveInto(ListEntries(includeAll, recursive, ArrayP::New()), out);
}

PathArray* PathWin::ListFoldersInto(bool includeAll, bool recursive, PathArray* out)
{
    return MoveInto(ListFolders(includeAll, recursive, ArrayP::New()), out);
}

PathArray* PathWin::ListFilesInto(bool includeAll, bool recursive, PathArray* out)
{
    return MoveInto(ListFiles(includeAll, recursive, ArrayP::New()), out);
}

ArrayP* PathWin::FindMatches(bool includeAll, bool recursive, ArrayP* out)
{
    out = PathsTarget(out);
    if (out && isSet_)
        MatchInto(this, includeAll, recursive, false, out);
    return out;
}

ArrayP* PathWin::FindMatchesWithFolders(bool includeAll, bool recursive, ArrayP* out)
{
    out = PathsTarget(out);
    if (out && isSet_)
        MatchInto(this, includeAll, recursive, true, out);
    return out;
}

ArrayP* PathWin::ListStreams(ArrayP* out)
{
    out = PathsTarget(out);
    if (!out || !isSet_ || !IsNtfs())
        return out;
    if (!LoadNtFileApi())
        return out;
    EnableBackupPrivilegeOnce();
    const NtQueryInformationFileFn query = GetNtFileApi().queryInformationFile;
    FileHandle file(CreateFileW(GetSystemText(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, IsDirectory() ? FILE_FLAG_BACKUP_SEMANTICS : 0, nullptr));
    if (!file.IsOpen())
        return out;
    StreamBuffer& shared = SharedStreamBuffer();
    thread::ScopedLock hold(shared.locker);
    col::_array::ArrayU08& buffer = shared.bytes;
    if (buffer.GetCapacity() < kStreamBufferStart)
        buffer.ReserveExact(kStreamBufferStart);
    IoStatus io = {};
    LONG status;
    for (;;) {
        status = query(file.get(), &io, buffer.GetData(), buffer.GetCapacity(), kFileStreamInformation);
        if (status != kStatusBufferOverflow && status != kStatusInfoLengthMismatch && status != kStatusBufferTooSmall)
            break;
        if (buffer.GetCapacity() > kStreamBufferLimit)
            return out;
        const uint32_t capacity = buffer.GetCapacity();
        uint32_t next = col::_array::ArrayBase::GrowthStep(capacity);
        if (next < capacity + capacity / 2)
            next = capacity + capacity / 2;
        buffer.ReserveExact(next);
    }
    if (status < 0)
        return out;
    // Only the bytes the call reported are walked; a record pointing outside them ends the walk.
    const uint8_t* bytes = static_cast<const uint8_t*>(buffer.GetData());
    const size_t filled = io.information < buffer.GetCapacity() ? io.information : buffer.GetCapacity();
    Pooled<StrBuffer> text;
    if (!text)
        return out;
    size_t offset = 0;
    while (offset + offsetof(StreamRecord, name) <= filled) {
        const StreamRecord* record = reinterpret_cast<const StreamRecord*>(bytes + offset);
        const uint32_t chars = record->nameBytes / sizeof(WCHAR);
        if (offset + offsetof(StreamRecord, name) + record->nameBytes > filled)
            break;
        if (chars != 0 && chars <= kMaxStreamNameChars && record->nameBytes > 3) {
            Pooled<StrBuffer> name;
            if (!name)
                break;
            name->AppendCharsFrom(record->name, chars, 0);
            uint32_t second = 0;
            if (CompareStringOrdinal(name->GetText(), -1, kUnnamedStream, -1, TRUE) != CSTR_EQUAL) {
                if (name->IndexOfChar(L':', &second, 1))
                    name->SetLength(second);
                text->AssignStr(&fullPath_)->AppendStr(name.get());
                PathWin* stream = New();
                if (!stream)
                    break;
                stream->SetFromStr(text.get());
                stream->SetStreamSize(record->size.QuadPart);
                out->Append(stream);
            }
        }
        if (record->nextOffset == 0)
            break;
        offset += record->nextOffset;
    }
    return out;
}

PathWin* PathWin::GetNeighbourFile(bool forward, StrArray* endings, bool sorted, bool wrap)
{
    Pooled<PathWin> parent(GetParent());
    if (!parent)
        return nullptr;
    Pooled<StrArray> names(parent->ListNames(false, false));
    if (!names)
        return nullptr;
    if (sorted)
        col::SortArray(&names->Items(), &CompareNames, nullptr);
    if (endings && endings->GetCount() != 0) {
        for (uint32_t i = names->GetCount(); i-- > 0;) {
            if (!EndsWithAny(names->Get(i), endings))
                names->Items().DisposeAt(i);
        }
    }
    const int32_t count = static_cast<int32_t>(names->GetCount());
    if (count < 2)
        return nullptr;
    Pooled<StrBuffer> own;
    if (!own)
        return nullptr;
    GetFileNameStr(own.get(), false);
    int32_t index = 0;
    for (int32_t i = 0; i < count; ++i) {
        if (names->Get(static_cast<uint32_t>(i))->EqualsIgnoreCase(own.get())) {
            index = i;
            break;
        }
    }
    index += forward ? 1 : -1;
    if (index >= count && wrap)
        index = 0;
    else if (index < 0 && wrap)
        index = count - 1;
    if (index < 0 || index >= count)
        return nullptr;
    return parent->GetChild(names->Get(static_cast<uint32_t>(index))->GetText());
}

} // namespace win
} // namespace file
} // namespace s
