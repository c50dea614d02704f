#pragma once
#include <cstdint>

#include "core/base/IObject.h"

namespace s {
namespace col {
namespace _array {
class ArrayP;
class ArrayU08;
} // namespace _array
} // namespace col
namespace str {
namespace strbuffer {
class StrBuffer;
}
namespace strarray {
class StrArray;
}
} // namespace str

namespace file {
namespace win {
class PathWin;
class PathArray;
class FileInputStream;
class FileOutputStream;
} // namespace win

// The interface of a file or folder path, slot by slot in the order every path shares.
// The getters named ...Str take (out, append) and return out: a null out is a new string from the
// pool that the caller gives back; append = false empties out first. The getters named ...Text fill
// the path's own scratch text and return it, valid until the next text-returning call on the path.
class IPath : public base::IObject {
public:
    typedef str::strbuffer::StrBuffer StrBuffer;
    typedef str::strarray::StrArray StrArray;
    typedef col::_array::ArrayP ArrayP;
    typedef col::_array::ArrayU08 ArrayU08;
    typedef win::PathArray PathArray;

    virtual void DebugDump() = 0;
    // Drops the text and every cached fact; the path is not set afterwards.
    virtual void Clear() = 0;
    virtual bool IsSet() = 0;
    virtual bool IsAbsolute() = 0;

    // Queries of the file or folder named.
    virtual bool Exists() = 0;
    virtual bool IsNtfs() = 0;
    virtual bool IsFatFamily() = 0;
    // The attribute word as the system gives it: 0xFFFFFFFF for a path that does not exist.
    virtual uint32_t GetAttributes() = 0;
    virtual bool AddAttributes(uint32_t mask) = 0;
    virtual bool SetAttributes(uint32_t attributes) = 0;
    virtual bool CanRead() = 0;
    virtual bool CanWrite() = 0;
    virtual bool CanReadWrite() = 0;
    // A missing path has no attributes: every flag test below answers false for it.
    virtual bool IsDirectory() = 0;
    virtual bool IsEmptyDirectory() = 0;
    virtual bool IsFile() = 0;
    virtual bool IsStream() = 0;
    virtual bool IsHidden() = 0;
    virtual bool IsSystem() = 0;
    virtual bool IsArchive() = 0;
    virtual bool IsExe() = 0;
    virtual bool IsShortcut() = 0;
    virtual bool IsUrlShortcut() = 0;
    virtual bool IsFolderShortcut() = 0;

    // The text model.
    virtual bool IsUnc() = 0;
    virtual const wchar_t* GetServerName() = 0;
    virtual bool IsDriveOnly() = 0;
    virtual bool HasDrive() = 0;
    virtual wchar_t GetDriveLetter() = 0;
    virtual bool IsSameVolume(const wchar_t* text) = 0;
    // The text relative to this path; the argument itself when the volumes differ.
    virtual const wchar_t* MakeRelative(const wchar_t* text, bool baseIsFolder) = 0;
    // The text made absolute against this path; the argument itself when it cannot be.
    virtual const wchar_t* MakeAbsolute(const wchar_t* text, bool baseIsFolder) = 0;
    virtual const wchar_t* GetText() = 0;
    // The long form for system calls when the text is too long for the plain form.
    virtual const wchar_t* GetSystemText() = 0;
    virtual uint32_t GetLength() = 0;
    virtual const wchar_t* GetRootText() = 0;
    virtual const wchar_t* GetExtension() = 0;

    // Sizes and times.
    virtual int64_t GetSize(bool recurse, bool intoSubfolders, uint32_t* fileCount, uint32_t* folderCount,
                            bool countFiles) = 0;
    virtual int64_t GetSizeOnDisk() = 0;
    virtual void SetStreamSize(int64_t size) = 0;
    virtual int64_t GetCreationTime(bool refresh) = 0;
    virtual int64_t GetLastAccessTime(bool refresh) = 0;
    virtual int64_t GetLastWriteTime(bool refresh) = 0;

    // Operations on the file system.
    virtual void SetFileTimes(int64_t creation, int64_t lastWrite, int64_t lastAccess, bool forNormal,
                              bool forReadOnly, bool forHidden, bool forSystem, bool recursive) = 0;
    virtual bool SetReadable(bool readable) = 0;
    virtual bool SetWritable(bool writable) = 0;
    virtual bool MakeWritable() = 0;
    virtual bool SetHidden() = 0;
    virtual bool Rename(const wchar_t* text) = 0;
    virtual bool RenameRandomly(uint32_t passes, StrBuffer* finalText, bool restoreAttributes) = 0;
    // Makes the missing parent folders too; false when the folder already exists.
    virtual bool CreateDirectory(bool notify) = 0;
    virtual bool CreateEmptyFile(bool notify) = 0;
    virtual bool CreateParentDirectory() = 0;
    virtual bool Delete(bool notify, bool laterIfLocked) = 0;
    virtual bool DeleteOnReboot() = 0;
    virtual void Recycle(bool confirm, bool notify) = 0;
    virtual bool Copy(const wchar_t* destination, bool overwrite) = 0;
    virtual bool Move(const wchar_t* destination, bool replace, bool notify) = 0;
    virtual bool CreateShortcut(const wchar_t* shortcut, bool overwrite, const wchar_t* arguments) = 0;
    virtual bool CreateUrlShortcut(const wchar_t* url, bool overwrite) = 0;

    // Texts.
    virtual StrBuffer* GetFullPathStr(StrBuffer* out, bool append) = 0;
    virtual StrBuffer* GetFullPathSlashStr(StrBuffer* out, bool append) = 0;
    virtual const wchar_t* GetFullPathSlashText() = 0;
    // Null for a drive alone and when the folder text makes no path.
    virtual IPath* GetParentIfAny() = 0;
    virtual StrBuffer* GetFolderStr(StrBuffer* out, bool append) = 0;
    virtual const wchar_t* GetFolderText() = 0;
    virtual StrBuffer* GetFolderNoSlashStr(StrBuffer* out, bool append) = 0;
    virtual const wchar_t* GetFolderNoSlashText() = 0;
    virtual StrBuffer* GetFileNameStr(StrBuffer* out, bool append) = 0;
    virtual const wchar_t* GetFileNameText() = 0;
    virtual StrBuffer* GetTitleStr(StrBuffer* out, bool append) = 0;
    virtual const wchar_t* GetTitleText() = 0;
    virtual StrBuffer* GetExtensionStr(StrBuffer* out, bool append) = 0;
    virtual const wchar_t* GetExtensionText() = 0;
    virtual StrBuffer* GetExtensionNoDotStr(StrBuffer* out, bool append) = 0;
    virtual const wchar_t* GetExtensionNoDotText() = 0;

    virtual StrBuffer* GetTypeNameStr(StrBuffer* out, bool append) = 0;
    virtual const wchar_t* GetTypeNameText() = 0;
    virtual StrBuffer* GetSizeTextStr(StrBuffer* out, bool append) = 0;
    virtual const wchar_t* GetSizeText() = 0;
    virtual StrBuffer* GetUrlStr(StrBuffer* out, bool append) = 0;
    virtual const wchar_t* GetUrlText() = 0;
    virtual StrBuffer* GetFolderShortcutTargetStr(StrBuffer* out, bool append) = 0;
    virtual const wchar_t* GetFolderShortcutTargetText() = 0;

    // Derived paths: each a new path from the pool that the caller gives back.
    virtual IPath* GetChild(const wchar_t* name) = 0;
    virtual IPath* WithExtension(const wchar_t* extension) = 0;
    virtual IPath* WithNameSuffix(const wchar_t* suffix) = 0;
    virtual IPath* GetUniqueSibling() = 0;
    virtual IPath* GetUniqueSiblingNumbered() = 0;
    virtual IPath* GetParent() = 0;

    virtual IPath* GetShortcutTarget() = 0;
    virtual IPath* GetFolderShortcutTarget() = 0;
    virtual IPath* GetNeighbourFile(bool forward, StrArray* endings, bool sorted, bool wrap) = 0;
    virtual bool HasEntries(bool includeAll) = 0;
    virtual StrArray* ListNames(bool fullPaths, bool includeAll) = 0;
    virtual StrArray* ListFolderNames(bool fullPaths, bool includeAll) = 0;
    virtual StrArray* ListFileNames(bool fullPaths, bool includeAll) = 0;
    virtual ArrayP* ListEntries(bool includeAll, bool recursive, ArrayP* out) = 0;
    virtual ArrayP* ListFolders(bool includeAll, bool recursive, ArrayP* out) = 0;
    virtual ArrayP* ListFiles(bool includeAll, bool recursive, ArrayP* out) = 0;
    virtual PathArray* ListEntriesInto(bool includeAll, bool recursive, PathArray* out) = 0;
    virtual PathArray* ListFoldersInto(bool includeAll, bool recursive, PathArray* out) = 0;
    virtual PathArray* ListFilesInto(bool includeAll, bool recursive, PathArray* out) = 0;
    virtual ArrayP* ListStreams(ArrayP* out) = 0;
    virtual ArrayP* FindMatches(bool includeAll, bool recursive, ArrayP* out) = 0;
    virtual ArrayP* FindMatchesWithFolders(bool includeAll, bool recursive, ArrayP* out) = 0;

    // Streams over the file: never null; a stream whose file did not open reads and writes nothing.
    virtual win::FileInputStream* OpenInputStream() = 0;
    // Makes the parent folders first; without append an existing file is emptied.
    virtual win::FileOutputStream* OpenOutputStream(bool append) = 0;
    virtual void ReadAllBytes(ArrayU08* out) = 0;
    virtual void WriteAllBytes(ArrayU08* data, bool append) = 0;
    virtual void WriteText(StrBuffer* text, bool append) = 0;
    virtual bool TestExclusiveAccess(uint32_t passes, bool restoreAttributes, void* buffer, uint32_t bufferSize) = 0;

    // The extension equals the text ignoring case, dot included.
    virtual bool HasExtension(const wchar_t* extension) = 0;
    virtual IPath* SetFromStr(StrBuffer* text) = 0;
    virtual IPath* SetFromText(const wchar_t* text) = 0;
};

} // namespace file
} // namespace s
