#pragma once
#include <cstdint>

#include "core/col/ArrayP.h"
#include "core/thread/EasyPooler.h"
#include "storage/file/IPathArray.h"

namespace s {
namespace col {
namespace _array {
class ArrayS32;
}
} // namespace col

namespace file {
namespace win {

// The list of paths that listings fill and multi-file work goes through. It owns its paths: they
// go back to the path pool when removed or freed. Used by one thread at a time.
class PathArray final : public IPathArray {
public:
    PathArray();
    ~PathArray() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    void ReleaseDirectoryFlags() override;
    void Clear() override;
    void FreeAll() override;
    uint32_t GetCount() override { return paths_.GetCount(); }
    void DebugDump() override;
    void InsertAt(uint32_t index, PathWin* path) override;
    void InsertTextAt(uint32_t index, const wchar_t* text) override;
    PathWin* TakeAt(uint32_t index) override;
    void RemoveAt(uint32_t index) override;
    void RemoveLast() override;
    void SortByPath() override;
    void SortByExtension() override;
    ArrayP* GroupByExtension() override;
    ArrayP* GroupByKey(bool dropStopWord) override;
    ArrayP* GroupByKeyAndExtension(bool dropStopWord) override;
    ArrayP* GroupBySizeClass() override;
    ArrayP* GroupBySizeClassAtLeast() override;
    bool IndexOfIgnoreCase(PathWin* path, uint32_t* index) override;
    bool IndexOfText(const wchar_t* text, uint32_t* index) override;
    bool IndexOf(PathWin* path, uint32_t* index) override;
    void ExpandFolders(bool recursive) override;
    StrBuffer* JoinNulSeparated(StrBuffer* target, bool append) override;
    const wchar_t* GetNulSeparated() override;
    void RecordDirectoryFlags() override;
    bool WasDirectory(uint32_t index) override;
    PathArray* TakeDirectories(PathArray* target) override;
    void AssignTexts(uint32_t count, const wchar_t* const* texts) override;
    str::strarray::StrArray* GetFileNames() override;
    PathArray* RelocateTo(const wchar_t* folder) override;
    PathArray* GetShortcutPathsIn(const wchar_t* folder) override;
    void MakeNamesUnique() override;
    // Shell operations: PathArrayShell.cpp.
    void NotifyCreated() override;
    void NotifyDeleted() override;
    int32_t ShellCopyTo(const wchar_t* folder, bool notify, bool perform, HWND owner) override;
    int32_t ShellMoveTo(const wchar_t* folder, bool notify, bool perform, HWND owner) override;
    int32_t CreateShortcutsIn(const wchar_t* folder, bool overwrite, bool uniqueNames, bool notify, bool listOnly,
                              PathArray** out) override;
    bool ShellDelete(bool notify, bool interactive, HWND owner) override;
    bool ShowProperties() override;
    PathWin* GetAt(uint32_t index) override;
    PathArray* AddText(const wchar_t* text) override;
    PathArray* Add(PathWin* path) override;

    static thread::EasyPooler* GetPool();
    static PathArray* New();

private:
    PathArray(const PathArray&) = delete;
    PathArray& operator=(const PathArray&) = delete;

    ArrayP* GroupByWords(bool dropStopWord, bool withExtension);
    ArrayP* GroupBySize(bool atLeast);
    col::_array::ArrayS32* FreshFlags();
    void NotifyEach(bool created);
    int32_t ShellTransferTo(const wchar_t* folder, bool notify, bool perform, HWND owner, UINT function);

    col::_array::ArrayP paths_;
    col::_array::ArrayS32* directoryFlags_;
    StrBuffer* scratchText_;
};

} // namespace win
} // namespace file
} // namespace s
