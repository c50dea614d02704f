#pragma once
#include <cstdint>

#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/file/IPath.h"

namespace s {
namespace file {
namespace win {

// The one file-path object: a text, normalised to backslashes without trailing ones, split into
// drive, folder, title and extension, with a long form for system calls and what it learned of
// the file it names. Taken from its pool and given back; one thread uses a path at a time.
class PathWin final : public IPath, public thread::IPoolable {
public:
    // A part of the split may hold at most this many characters; a longer one leaves the path not set.
    static const uint32_t kMaxPartLength = 779;
    // From this many characters on the system sees the long form.
    static const uint32_t kLongFormLength = 250;

    PathWin();
    ~PathWin() override;

    // The comparisons and hashes are those of the full text: the other operand is a StrBuffer.
    int32_t CompareTo(base::IComparable* other, base::IComparator* comparator = nullptr) override;
    int32_t CompareToIgnoreCase(base::IComparable* other, base::IComparator* comparator = nullptr) override;
    bool Equals(base::IComparable* other, base::IComparator* comparator = nullptr) override;
    bool EqualsIgnoreCase(base::IComparable* other, base::IComparator* comparator = nullptr) override;
    uint32_t HashCode() override;
    uint32_t HashCodeIgnoreCase() override;
    const wchar_t* GetClassName() override;
    PathWin* NewInstance() override;

    void DebugDump() override;
    void Clear() override;
    bool IsSet() override { return isSet_; }
    bool IsAbsolute() override;

    bool Exists() override;
    bool IsNtfs() override;
    bool IsFatFamily() override;
    uint32_t GetAttributes() override;
    bool AddAttributes(uint32_t mask) override;
    bool SetAttributes(uint32_t attributes) override;
    bool CanRead() override;
    bool CanWrite() override;
    bool CanReadWrite() override;
    bool IsDirectory() override;
    bool IsEmptyDirectory() override;
    bool IsFile() override;
    bool IsStream() override { return isStream_; }
    bool IsHidden() override;
    bool IsSystem() override;
    bool IsArchive() override;
    bool IsExe() override;
    bool IsShortcut() override;
    bool IsUrlShortcut() override;
    bool IsFolderShortcut() override;

    bool IsUnc() override;
    const wchar_t* GetServerName() override;
    bool IsDriveOnly() override;
    bool HasDrive() override;
    wchar_t GetDriveLetter() override;
    bool IsSameVolume(const wchar_t* text) override;
    const wchar_t* MakeRelative(const wchar_t* text, bool baseIsFolder) override;
    const wchar_t* MakeAbsolute(const wchar_t* text, bool baseIsFolder) override;
    const wchar_t* GetText() override { return fullPath_.GetText(); }
    const wchar_t* GetSystemText() override;
    uint32_t GetLength() override { return fullPath_.GetLength(); }
    const wchar_t* GetRootText() override;
    const wchar_t* GetExtension() override { return extension_.GetText(); }

    int64_t GetSize(bool recurse, bool intoSubfolders, uint32_t* fileCount, uint32_t* folderCount,
                    bool countFiles) override;
    int64_t GetSizeOnDisk() override;
    void SetStreamSize(int64_t size) override { streamSize_ = size; }
    int64_t GetCreationTime(bool refresh) override;
    int64_t GetLastAccessTime(bool refresh) override;
    int64_t GetLastWriteTime(bool refresh) override;

    void SetFileTimes(int64_t creation, int64_t lastWrite, int64_t lastAccess, bool forNormal, bool forReadOnly,
                      bool forHidden, bool forSystem, bool recursive) override;
    bool SetReadable(bool readable) override;
    bool SetWritable(bool writable) override;
    bool MakeWritable() override;
    bool SetHidden() override;
    bool Rename(const wchar_t* text) override;
    bool RenameRandomly(uint32_t passes, StrBuffer* finalText, bool restoreAttributes) override;
    bool CreateDirectory(bool notify) override;
    bool CreateEmptyFile(bool notify) override;
    bool CreateParentDirectory() override;
    bool Delete(bool notify, bool laterIfLocked) override;
    bool DeleteOnReboot() override;
    void Recycle(bool confirm, bool notify) override;
    bool Copy(const wchar_t* destination, bool overwrite) override;
    bool Move(const wchar_t* destination, bool replace, bool notify) override;
    bool CreateShortcut(const wchar_t* shortcut, bool overwrite, const wchar_t* arguments) override;
    bool CreateUrlShortcut(const wchar_t* url, bool overwrite) override;

    StrBuffer* GetFullPathStr(StrBuffer* out, bool append) override;
    StrBuffer* GetFullPathSlashStr(StrBuffer* out, bool append) override;
    const wchar_t* GetFullPathSlashText() override;
    PathWin* GetParentIfAny() override;
    StrBuffer* GetFolderStr(StrBuffer* out, bool append) override;
    const wchar_t* GetFolderText() override;
    StrBuffer* GetFolderNoSlashStr(StrBuffer* out, bool append) override;
    const wchar_t* GetFolderNoSlashText() override;
    StrBuffer* GetFileNameStr(StrBuffer* out, bool append) override;
    const wchar_t* GetFileNameText() override;
    StrBuffer* GetTitleStr(StrBuffer* out, bool append) override;
    const wchar_t* GetTitleText() override;
    StrBuffer* GetExtensionStr(StrBuffer* out, bool append) override;
    const wchar_t* GetExtensionText() override;
    StrBuffer* GetExtensionNoDotStr(StrBuffer* out, bool append) override;
    const wchar_t* GetExtensionNoDotText() override;

    StrBuffer* GetTypeNameStr(StrBuffer* out, bool append) override;
    const wchar_t* GetTypeNameText() override;
    StrBuffer* GetSizeTextStr(StrBuffer* out, bool append) override;
    const wchar_t* GetSizeText() override;
    StrBuffer* GetUrlStr(StrBuffer* out, bool append) override;
    const wchar_t* GetUrlText() override;
    StrBuffer* GetFolderShortcutTargetStr(StrBuffer* out, bool append) override;
    const wchar_t* GetFolderShortcutTargetText() override;

    PathWin* GetChild(const wchar_t* name) override;
    // The siblings below stay in this path's folder: null when this path is not set or the
    // sibling's text does not split (a part beyond kMaxPartLength).
    PathWin* WithExtension(const wchar_t* extension) override;
    PathWin* WithNameSuffix(const wchar_t* suffix) override;
    // The path itself when it does not exist, else "title (n)" (files) or "name (n)" (folders)
    // for the first n from 1 that does not exist.
    PathWin* GetUniqueSibling() override;
    // The same with n written directly after the title: b1.txt, b2.txt.
    PathWin* GetUniqueSiblingNumbered() override;
    PathWin* GetParent() override;

    PathWin* GetShortcutTarget() override;
    PathWin* GetFolderShortcutTarget() override;
    PathWin* GetNeighbourFile(bool forward, StrArray* endings, bool sorted, bool wrap) override;
    bool HasEntries(bool includeAll) override;
    StrArray* ListNames(bool fullPaths, bool includeAll) override;
    StrArray* ListFolderNames(bool fullPaths, bool includeAll) override;
    StrArray* ListFileNames(bool fullPaths, bool includeAll) override;
    ArrayP* ListEntries(bool includeAll, bool recursive, ArrayP* out) override;
    ArrayP* ListFolders(bool includeAll, bool recursive, ArrayP* out) override;
    ArrayP* ListFiles(bool includeAll, bool recursive, ArrayP* out) override;
    PathArray* ListEntriesInto(bool includeAll, bool recursive, PathArray* out) override;
    PathArray* ListFoldersInto(bool includeAll, bool recursive, PathArray* out) override;
    PathArray* ListFilesInto(bool includeAll, bool recursive, PathArray* out) override;
    ArrayP* ListStreams(ArrayP* out) override;
    ArrayP* FindMatches(bool includeAll, bool recursive, ArrayP* out) override;
    ArrayP* FindMatchesWithFolders(bool includeAll, bool recursive, ArrayP* out) override;

    FileInputStream* OpenInputStream() override;
    FileOutputStream* OpenOutputStream(bool append) override;
    void ReadAllBytes(ArrayU08* out) override;
    void WriteAllBytes(ArrayU08* data, bool append) override;
    void WriteText(StrBuffer* text, bool append) override;
    bool TestExclusiveAccess(uint32_t passes, bool restoreAttributes, void* buffer, uint32_t bufferSize) override;

    bool HasExtension(const wchar_t* extension) override;
    PathWin* SetFromStr(StrBuffer* text) override;
    PathWin* SetFromText(const wchar_t* text) override;

    void ReleaseToPool() override;
    void Reset() override { Clear(); }

    static thread::EasyPooler* GetPool();
    static PathWin* New();
    // A path from the pool set from the text; give it back with ReleaseToPool.
    static PathWin* CreateFromText(const wchar_t* text);
    // folder + "\" + name + ".lnk".
    static PathWin* CreateShortcutFilePath(const wchar_t* folder, const wchar_t* name);
    // Case-insensitive over the shorter text, then the shorter first.
    static int32_t CompareByExtension(PathWin* a, PathWin* b);
    static int32_t CompareByFullPath(PathWin* a, PathWin* b);

private:
    // Size and times of the file as the system reports them; times in seconds since 1970 UTC.
    struct StatRecord {
        int64_t size;
        int64_t accessTime;
        int64_t writeTime;
        int64_t creationTime;
    };

    PathWin(const PathWin&) = delete;
    PathWin& operator=(const PathWin&) = delete;

    // Clear but for the text as given.
    void DropDerived();
    // Normalises the text just stored as given and splits it.
    PathWin* TakeGivenText();
    void Split();
    PathWin* SiblingFrom(StrBuffer* text);
    // A sibling in this path's folder from text, which starts with AppendFolderOf; null when it
    // comes out not set.
    PathWin* SetSibling(StrBuffer* text);
    // Drive and folder exactly as held, so that a name appended stays in the same folder (a
    // bare or drive-relative name gets no root separator).
    StrBuffer* AppendFolderOf(StrBuffer* out);
    PathWin* UniqueSibling(bool spaced);
    // fullPath + "\" for a folder base, else the folder text.
    void ComposeBase(StrBuffer* base, bool baseIsFolder);
    // Queries and listings: PathWinQueries.cpp, PathWinListings.cpp.
    bool HasAttribute(uint32_t bit);
    const StatRecord& LoadStat(bool refresh);
    int32_t GetFileSystemKind();
    int64_t GetStreamSizeFromHost();
    // Operations: PathWinOperations.cpp.
    bool CopyFolder(PathWin* destination, bool overwrite);

    StrBuffer scratchText_;
    StrBuffer givenText_;
    StrBuffer drive_;
    StrBuffer rootText_;
    StrBuffer directory_;
    StrBuffer systemText_;
    StatRecord statRecord_;
    int64_t sizeOnDisk_;
    bool statLoaded_;
    bool isSet_;
    bool isStream_;
    int64_t streamSize_;
    bool attributesLoaded_;
    uint32_t attributes_;
    int32_t fileSystemKind_;
    StrBuffer extension_;
    StrBuffer fullPath_;
    StrBuffer title_;
};

} // namespace win
} // namespace file
} // namespace s
