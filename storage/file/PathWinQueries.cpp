// The questions a path asks of the file system without changing it: attributes, access, volume
// kind, sizes, times and the shell's texts about the file.
#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

#include "core/col/ArrayP.h"
#include "core/str/StrBuffer.h"
#include "core/time/Time.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"
#include "storage/file/ShortcutFiles.h"

namespace s {
namespace file {
namespace win {

typedef str::strbuffer::StrBuffer StrBuffer;

namespace {


enum FileSystemKind { kFsOther = 0, kFsFat = 1, kFsFat32 = 2, kFsVfat = 3, kFsNtfs = 4, kFsHpfs = 5 };
const uint32_t kFileSystemNameChars = 19;
const uint32_t kMinimumAllocationUnit = 512;
const uint32_t kSizeTextChars = 64;
const wchar_t kFolderShortcutLink[] = L"target.lnk";
const wchar_t kUrlExtension[] = L".url";


int64_t SecondsOf(const FILETIME& time)
{
    const int64_t ticks = (static_cast<int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return (ticks - time::kEpochFileTime) / time::kFileTimePerSecond;
}

struct KindName {
    const wchar_t* name;
    FileSystemKind kind;
};
const KindName kKindNames[] = {
    {L"FAT", kFsFat}, {L"FAT32", kFsFat32}, {L"VFAT", kFsVfat}, {L"NTFS", kFsNtfs}, {L"HPFS", kFsHpfs},
};

} // namespace

int32_t PathWin::GetFileSystemKind()
{
    if (fileSystemKind_ != -1)
        return fileSystemKind_;
    fileSystemKind_ = kFsOther;
    wchar_t name[kFileSystemNameChars + 1] = {};
    if (isSet_ && GetVolumeInformationW(GetRootText(), nullptr, 0, nullptr, nullptr, nullptr, name,
                                        kFileSystemNameChars + 1)) {
        for (const KindName& entry : kKindNames) {
            if (CompareStringOrdinal(name, -1, entry.name, -1, TRUE) == CSTR_EQUAL)
                fileSystemKind_ = entry.kind;
        }
    }
    return fileSystemKind_;
}

bool PathWin::IsNtfs()
{
    return GetFileSystemKind() == kFsNtfs;
}

bool PathWin::IsFatFamily()
{
    const int32_t kind = GetFileSystemKind();
    return kind == kFsFat || kind == kFsFat32 || kind == kFsVfat;
}

// The access tests of the runtime, asked through the attribute word so that long paths answer too:
// every existing entry can be read; a read-only file cannot be written.
bool PathWin::CanRead()
{
    return Exists();
}

bool PathWin::CanWrite()
{
    if (!Exists())
        return false;
    const uint32_t word = GetFileAttributesW(GetSystemText());
    return word != INVALID_FILE_ATTRIBUTES && ((word & FILE_ATTRIBUTE_DIRECTORY) != 0 || (word & FILE_ATTRIBUTE_READONLY) == 0);
}

bool PathWin::CanReadWrite()
{
    return CanRead() && CanWrite();
}

bool PathWin::IsHidden()
{
    return HasAttribute(FILE_ATTRIBUTE_HIDDEN);
}

bool PathWin::IsSystem()
{
    return HasAttribute(FILE_ATTRIBUTE_SYSTEM);
}

bool PathWin::IsArchive()
{
    return HasAttribute(FILE_ATTRIBUTE_ARCHIVE);
}

bool PathWin::IsEmptyDirectory()
{
    return IsDirectory() && !HasEntries(true);
}

bool PathWin::IsExe()
{
    return IsFile() && extension_.EndsWithIgnoreCase(L".exe", -1);
}

bool PathWin::IsShortcut()
{
    return IsFile() && extension_.EndsWithIgnoreCase(L".lnk", -1);
}

bool PathWin::IsUrlShortcut()
{
    return IsFile() && extension_.EndsWithIgnoreCase(kUrlExtension, -1);
}

const PathWin::StatRecord& PathWin::LoadStat(bool refresh)
{
    if (statLoaded_ && !refresh)
        return statRecord_;
    // The attribute data carries what the runtime's stat gives, and takes the long form.
    statRecord_ = StatRecord();
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (isSet_ && GetFileAttributesExW(GetSystemText(), GetFileExInfoStandard, &data)) {
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            statRecord_.size = (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        statRecord_.creationTime = SecondsOf(data.ftCreationTime);
        statRecord_.accessTime = SecondsOf(data.ftLastAccessTime);
        statRecord_.writeTime = SecondsOf(data.ftLastWriteTime);
    }
    statLoaded_ = true;
    return statRecord_;
}

int64_t PathWin::GetStreamSizeFromHost()
{
    uint32_t colon = 0;
    if (!fullPath_.IndexOfChar(L':', &colon, 2))
        return 0;
    Pooled<StrBuffer> hostText;
    if (!hostText)
        return 0;
    hostText->AppendCharsFrom(fullPath_.GetBuffer(), colon, 0);
    Pooled<PathWin> host(CreateFromText(hostText->GetText()));
    if (!host)
        return 0;
    Pooled<col::_array::ArrayP> streams(host->ListStreams(nullptr));
    if (!streams)
        return 0;
    for (uint32_t i = 0; i < streams->GetCount(); ++i) {
        PathWin* stream = static_cast<PathWin*>(streams->Get(i));
        if (stream->fullPath_.EqualsIgnoreCase(&fullPath_)) {
            streamSize_ = stream->GetSize(false, false, nullptr, nullptr, false);
            return streamSize_;
        }
    }
    return 0;
}

int64_t PathWin::GetSize(bool recurse, bool intoSubfolders, uint32_t* fileCount, uint32_t* folderCount,
                         bool countFiles)
{
    if (isStream_)
        return streamSize_ >= 0 ? streamSize_ : GetStreamSizeFromHost();
    if (!recurse || !Exists() || !IsDirectory())
        return LoadStat(false).size;
    Pooled<StrBuffer> pattern;
    if (!pattern)
        return 0;
    pattern->Assign(GetSystemText())->Append(L"\\*");
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(pattern->GetText(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    int64_t total = 0;
    do {
        if (wcscmp(found.cFileName, L".") == 0 || wcscmp(found.cFileName, L"..") == 0)
            continue;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            total += (static_cast<int64_t>(found.nFileSizeHigh) << 32) + found.nFileSizeLow;
            if (countFiles && fileCount)
                ++*fileCount;
        } else if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 && intoSubfolders) {
            Pooled<PathWin> child(GetChild(found.cFileName));
            if (child)
                total += child->GetSize(true, true, fileCount, folderCount, true);
            if (folderCount)
                ++*folderCount;
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return total;
}

int64_t PathWin::GetSizeOnDisk()
{
    if (sizeOnDisk_ >= 0)
        return sizeOnDisk_;
    const int64_t size = GetSize(false, true, nullptr, nullptr, true);
    if (size < 1)
        return 0;
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    if (!GetDiskFreeSpaceW(GetRootText(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        sectorsPerCluster = bytesPerSector = 0;
    uint32_t unit = bytesPerSector < kMinimumAllocationUnit ? kMinimumAllocationUnit : bytesPerSector;
    const uint32_t cluster = bytesPerSector * sectorsPerCluster;
    if (cluster > unit)
        unit = cluster;
    sizeOnDisk_ = (size + unit - 1) / unit * unit;
    return sizeOnDisk_;
}

int64_t PathWin::GetCreationTime(bool refresh)
{
    return isStream_ ? 0 : LoadStat(refresh).creationTime;
}

int64_t PathWin::GetLastAccessTime(bool refresh)
{
    return isStream_ ? 0 : LoadStat(refresh).accessTime;
}

int64_t PathWin::GetLastWriteTime(bool refresh)
{
    return isStream_ ? 0 : LoadStat(refresh).writeTime;
}

StrBuffer* PathWin::GetTypeNameStr(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (!out || !isSet_)
        return out;
    SHFILEINFOW info = {};
    DWORD_PTR found;
    if (Exists())
        found = SHGetFileInfoW(fullPath_.GetText(), 0, &info, sizeof info,
                               SHGFI_SYSICONINDEX | SHGFI_ATTRIBUTES | SHGFI_TYPENAME);
    else
        // A missing file still has the type of its extension.
        found = SHGetFileInfoW(extension_.GetText(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                               SHGFI_TYPENAME | SHGFI_USEFILEATTRIBUTES);
    if (found)
        out->Append(info.szTypeName);
    return out;
}

const wchar_t* PathWin::GetTypeNameText()
{
    return GetTypeNameStr(&scratchText_, false)->GetText();
}

StrBuffer* PathWin::GetSizeTextStr(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (!out || !isSet_ || (Exists() && IsDirectory()))
        return out;
    wchar_t text[kSizeTextChars] = {};
    if (StrFormatByteSizeW(GetSize(false, true, nullptr, nullptr, true), text, kSizeTextChars))
        out->Append(text);
    return out;
}

const wchar_t* PathWin::GetSizeText()
{
    return GetSizeTextStr(&scratchText_, false)->GetText();
}

StrBuffer* PathWin::GetUrlStr(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (!out || !HasExtension(kUrlExtension) || !Exists() || !IsFile())
        return out;
    Pooled<StrBuffer> url(ReadUrlShortcutTarget(fullPath_.GetText()));
    if (url)
        out->AppendStr(url.get());
    return out;
}

const wchar_t* PathWin::GetUrlText()
{
    return GetUrlStr(&scratchText_, false)->GetText();
}

StrBuffer* PathWin::GetFolderShortcutTargetStr(StrBuffer* out, bool append)
{
    out = StrBuffer::PrepareTarget(out, append);
    if (!out || !Exists() || !IsDirectory())
        return out;
    Pooled<PathWin> link(GetChild(kFolderShortcutLink));
    if (!link || !link->Exists() || !link->IsFile())
        return out;
    Pooled<PathWin> target(link->GetShortcutTarget());
    if (target && target->Exists() && target->IsDirectory())
        out->AppendStr(&target->fullPath_);
    return out;
}

const wchar_t* PathWin::GetFolderShortcutTargetText()
{
    return GetFolderShortcutTargetStr(&scratchText_, false)->GetText();
}

bool PathWin::IsFolderShortcut()
{
    Pooled<StrBuffer> target;
    return target && GetFolderShortcutTargetStr(target.get(), false)->GetLength() != 0;
}

PathWin* PathWin::GetFolderShortcutTarget()
{
    return CreateFromText(GetFolderShortcutTargetText());
}

PathWin* PathWin::GetShortcutTarget()
{
    Pooled<StrBuffer> target(ResolveShortcutTarget(fullPath_.GetText()));
    PathWin* path = New();
    if (path && target)
        path->SetFromStr(target.get());
    return path;
}

} // namespace win
} // namespace file
} // namespace s
