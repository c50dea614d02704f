#pragma once
#include <windows.h>

#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/IPoolable.h"

namespace s {
namespace col {
namespace _array {
class ArrayP;
}
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
} // namespace win

// An owned list of paths, slot by slot in the order every path list shares. The grouping
// operations answer a new pointer array of Extension groups that owns its groups; the groups
// borrow their paths from this list, which must outlive them.
class IPathArray : public base::IObject, public thread::IPoolable {
public:
    typedef str::strbuffer::StrBuffer StrBuffer;
    typedef col::_array::ArrayP ArrayP;

    virtual void ReleaseDirectoryFlags() = 0;
    // Forgets the paths without giving them back (they belong to someone else then).
    virtual void Clear() = 0;
    // Gives every path back to its pool.
    virtual void FreeAll() = 0;
    virtual uint32_t GetCount() = 0;
    virtual void DebugDump() = 0;
    virtual void InsertAt(uint32_t index, win::PathWin* path) = 0;
    virtual void InsertTextAt(uint32_t index, const wchar_t* text) = 0;
    // Removes the path and hands it to the caller.
    virtual win::PathWin* TakeAt(uint32_t index) = 0;
    virtual void RemoveAt(uint32_t index) = 0;
    virtual void RemoveLast() = 0;
    virtual void SortByPath() = 0;
    virtual void SortByExtension() = 0;
    virtual ArrayP* GroupByExtension() = 0;
    virtual ArrayP* GroupByKey(bool dropStopWord) = 0;
    virtual ArrayP* GroupByKeyAndExtension(bool dropStopWord) = 0;
    // Group "N" holds every path smaller than N bytes, for the bounds 1024 ... 1073741824.
    virtual ArrayP* GroupBySizeClass() = 0;
    // Group "N" holds every path of at least N bytes.
    virtual ArrayP* GroupBySizeClassAtLeast() = 0;
    virtual bool IndexOfIgnoreCase(win::PathWin* path, uint32_t* index) = 0;
    virtual bool IndexOfText(const wchar_t* text, uint32_t* index) = 0;
    virtual bool IndexOf(win::PathWin* path, uint32_t* index) = 0;
    virtual void ExpandFolders(bool recursive) = 0;
    // The full texts, each closed by a NUL, with one more NUL at the end: the shell's list form.
    virtual StrBuffer* JoinNulSeparated(StrBuffer* target, bool append) = 0;
    virtual const wchar_t* GetNulSeparated() = 0;
    virtual void RecordDirectoryFlags() = 0;
    virtual bool WasDirectory(uint32_t index) = 0;
    virtual win::PathArray* TakeDirectories(win::PathArray* target) = 0;
    virtual void AssignTexts(uint32_t count, const wchar_t* const* texts) = 0;
    virtual str::strarray::StrArray* GetFileNames() = 0;
    virtual win::PathArray* RelocateTo(const wchar_t* folder) = 0;
    virtual win::PathArray* GetShortcutPathsIn(const wchar_t* folder) = 0;
    virtual void MakeNamesUnique() = 0;

    // The shell told of each listed path that exists (created) or no longer exists (deleted), as a
    // folder or a file by the recorded directory flags; nothing without recorded flags.
    virtual void NotifyCreated() = 0;
    virtual void NotifyDeleted() = 0;
    // Copy or move into the folder (a folder shortcut stands for its target) through the shell,
    // which asks the user what it needs to. With notify the shell is told of the changes; without
    // perform only the flags are recorded. 0 not done, 1 done in part, 2 done completely.
    virtual int32_t ShellCopyTo(const wchar_t* folder, bool notify, bool perform, HWND owner) = 0;
    virtual int32_t ShellMoveTo(const wchar_t* folder, bool notify, bool perform, HWND owner) = 0;
    // One shortcut per path in the folder, named after it. 0 none made (or list only), 1 some,
    // 2 all. With out the list of link paths goes to the caller, who gives it back.
    virtual int32_t CreateShortcutsIn(const wchar_t* folder, bool overwrite, bool uniqueNames, bool notify,
                                      bool listOnly, win::PathArray** out) = 0;
    // To the Recycle Bin; interactive lets the shell confirm and show progress. Deletions are
    // notified only for flags the caller recorded beforehand.
    virtual bool ShellDelete(bool notify, bool interactive, HWND owner) = 0;
    // The Properties dialog of the one path, or the shell's one dialog for all of them.
    virtual bool ShowProperties() = 0;

    // Still owned by the list.
    virtual win::PathWin* GetAt(uint32_t index) = 0;
    virtual IPathArray* AddText(const wchar_t* text) = 0;
    // The list takes the path over.
    virtual IPathArray* Add(win::PathWin* path) = 0;
};

} // namespace file
} // namespace s
