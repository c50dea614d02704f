#pragma once
#include <windows.h>

#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/archive/dll/IArchive.h"

namespace s {
namespace col {
namespace _array {
class ArrayP;
class ArrayU08;
}
} // namespace col
namespace str {
namespace strbuffer {
class StrBuffer;
}
} // namespace str
namespace file {
namespace win {
class PathWin;
}
} // namespace file

namespace archive {
namespace icon {
class Archive;
}
namespace dll {
namespace win {

class Entry;

// The resources of an executable or DLL file as an archive of entries. The module is mapped as
// a data file: none of its code runs, so any file can be read, also one that would refuse to load.
class Archive : public dll::IArchive, public thread::IPoolable {
public:
    Archive();
    ~Archive() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    // Closes the archive first.
    void ReleaseToPool() override;
    void Reset() override;

    uint64_t GetSize() override { return size_; }
    uint32_t GetEntryCount() override;
    archive::IEntry* GetEntry(uint32_t index) override;
    // Reads the file's resources; false when the file is missing (the archive stays as it was),
    // cannot be mapped, has a resource directory that reaches outside its image, or has no
    // resources. An open archive is closed first.
    bool Open(file::IPath* path) override;
    void Close() override;
    // False also for a resource whose size or address reaches beyond the mapped module.
    bool ReadEntry(archive::IEntry* entry, io::IOutputStream* out) override;

    bool FindByName(const wchar_t* name, uint32_t* index) override;
    bool FindById(uint32_t id, uint32_t* index) override;
    bool FindByNameIgnoreCase(const wchar_t* name, uint32_t* index) override;
    bool FindNthOfType(uint32_t typeCode, uint32_t n, uint32_t* index) override;
    bool FindByTypeNameAndName(const wchar_t* type, const wchar_t* name, uint32_t* index) override;
    bool FindByTypeNameAndId(const wchar_t* type, uint32_t id, uint32_t* index) override;
    bool FindByTypeAndName(uint32_t typeCode, const wchar_t* name, uint32_t* index) override;
    bool FindByTypeAndId(uint32_t typeCode, uint32_t id, uint32_t* index) override;
    bool FindByTypeNameAndNameIgnoreCase(const wchar_t* type, const wchar_t* name, uint32_t* index) override;
    bool FindByTypeAndNameIgnoreCase(uint32_t typeCode, const wchar_t* name, uint32_t* index) override;

    void ExportAll(file::IPath* folder) override;
    bool ExportIconGroup(uint32_t index, io::IOutputStream* out) override;
    bool ExportCursorGroup(uint32_t index, io::IOutputStream* out) override;
    bool ExportBitmap(uint32_t index, io::IOutputStream* out) override;
    bool VersionToText(uint32_t index, io::IOutputStream* out) override;
    bool StringTableToText(uint32_t index, io::IOutputStream* out) override;
    bool AcceleratorsToText(uint32_t index, io::IOutputStream* out) override;
    bool MenuToText(uint32_t index, io::IOutputStream* out) override;
    bool DialogToText(uint32_t index, io::IOutputStream* out) override;

    bool UpdateResource(const void* data, uint32_t count, const wchar_t* type, const wchar_t* name,
                        uint16_t language) override;

    bool IsOpen() const { return module_ != nullptr; }
    const wchar_t* GetSourceText();

    static thread::EasyPooler* GetPool();
    // An archive from the pool opened over the path; closed and empty when that failed. The
    // caller gives it back to the pool.
    static Archive* OpenModule(file::IPath* path);
    // The resource of that text type and numeric name decoded from UTF-8, as a string from the
    // pool that the caller owns; null when there is no such resource or it cannot be read.
    static str::strbuffer::StrBuffer* ReadTextResource(Archive* archive, const wchar_t* type, uint32_t id);

private:
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    static BOOL CALLBACK OnType(HMODULE module, LPWSTR type, LONG_PTR self);
    static BOOL CALLBACK OnName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR self);
    static BOOL CALLBACK OnLanguage(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR self);

    void AddEntry(LPCWSTR type, LPCWSTR name, WORD language);
    bool LoadModule();
    void ReleaseSourcePath();
    void ReleaseModule();
    // Finds every entry again in the module just loaded.
    void RefindEntries();
    Entry* EntryAt(uint32_t index);

    // Builds a text from a resource's bytes, by the target rule of the text operations.
    using TextDump = str::strbuffer::StrBuffer* (*)(const uint8_t* bytes, uint32_t count,
                                                    str::strbuffer::StrBuffer* target, bool append);
    // The bytes of the entry at the index, rewound; false when there is no such entry or its
    // bytes cannot be read.
    bool ReadEntryBytes(uint32_t index, col::_array::ArrayU08* bytes);
    // The group at the index written as a file through an archive of the group's kind.
    bool ExportGroup(uint32_t index, io::IOutputStream* out, icon::Archive* images, uint32_t groupType);
    // One entry into the file at path, by the operation of its type; false when nothing whole
    // was written.
    bool ExportEntry(uint32_t index, file::win::PathWin* path);
    // The frame of every text dump: the entry's bytes read, the text built from them and written
    // to the stream as UTF-8 without byte-order mark.
    bool WriteTextDump(uint32_t index, io::IOutputStream* out, TextDump dump);

    // The path given to Open, copied; null while closed.
    file::win::PathWin* sourcePath_;
    uint64_t size_;
    col::_array::ArrayP* entries_;
    HMODULE module_;
};

} // namespace win
} // namespace dll
} // namespace archive
} // namespace s
