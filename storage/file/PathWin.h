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
    uint32_t GetAttributes() override;
    bool IsDirectory() override;
    bool IsFile() override;
    bool IsStream() override { return isStream_; }

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

    bool CreateDirectory(bool notify) override;
    bool CreateParentDirectory() override;

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

    PathWin* GetChild(const wchar_t* name) override;
    PathWin* WithExtension(const wchar_t* extension) override;
    PathWin* WithNameSuffix(const wchar_t* suffix) override;
    // The path itself when it does not exist, else "title (n)" (files) or "name (n)" (folders)
    // for the first n from 1 that does not exist.
    PathWin* GetUniqueSibling() override;
    // The same with n written directly after the title: b1.txt, b2.txt.
    PathWin* GetUniqueSiblingNumbered() override;
    PathWin* GetParent() override;

    FileInputStream* OpenInputStream() override;
    FileOutputStream* OpenOutputStream(bool append) override;

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
    PathWin(const PathWin&) = delete;
    PathWin& operator=(const PathWin&) = delete;

    // Clear but for the text as given.
    void DropDerived();
    // Normalises the text just stored as given and splits it.
    PathWin* TakeGivenText();
    void Split();
    PathWin* SiblingFrom(StrBuffer* text);
    PathWin* UniqueSibling(bool spaced);
    // fullPath + "\" for a folder base, else the folder text.
    void ComposeBase(StrBuffer* base, bool baseIsFolder);

    StrBuffer scratchText_;
    StrBuffer givenText_;
    StrBuffer drive_;
    StrBuffer rootText_;
    StrBuffer directory_;
    StrBuffer systemText_;
    bool isSet_;
    bool isStream_;
    bool attributesLoaded_;
    uint32_t attributes_;
    StrBuffer extension_;
    StrBuffer fullPath_;
    StrBuffer title_;
};

} // namespace win
} // namespace file
} // namespace s
