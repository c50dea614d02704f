#pragma once
#include <cstdint>
#include <vector>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/archive/IArchive.h"

namespace s {
namespace io {
class IInputStream;
}

namespace archive {
namespace dll {
class IArchive;
}
namespace icon {

class Entry;

// The images of one icon file: its header and directory, each image's bytes read on first use.
// Filled by Open from a file, by ReadDirectory from a stream a caller sets up, or from a module's
// icon group. The cursor archive is this one over cursor files and groups.
class Archive : public IArchive, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_archive_icon_Archive";
    static constexpr uint16_t kIconType = 1;
    static constexpr uint16_t kCursorType = 2;

    Archive();
    ~Archive() override;

    static thread::EasyPooler* GetPool();
    static Archive* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    uint64_t GetSize() override { return size_; }
    uint32_t GetEntryCount() override { return static_cast<uint32_t>(entries_.size()); }
    // Null past the count.
    IEntry* GetEntry(uint32_t index) override;
    // Reads the directory of the file; false when it is missing or its directory is not whole.
    bool Open(file::IPath* path) override;
    // Forgets the entries and both streams; a stream a caller set is not disposed of.
    void Close() override;
    // The entry as a single-image icon file; false when its bytes cannot be read or written.
    bool ReadEntry(IEntry* entry, io::IOutputStream* out) override;
    void ClearPending() override { pending_ = 0; }

    // The stream holding the icon file from baseOffset, size bytes long; the caller keeps it.
    void SetSource(io::IInputStream* in, uint64_t baseOffset, uint64_t size);
    void AddEntry(Entry* entry);
    Entry* GetIconEntry(uint32_t index);
    // The entry with its bytes read; null past the count or when the bytes lie beyond the source.
    Entry* LoadEntry(uint32_t index);
    uint16_t GetType() const { return type_; }
    // The type word of the files this archive reads and writes: 1 icon, 2 cursor.
    uint16_t GetKind() const { return kind_; }

    // The header and one record per image from the source; false, with no entries, when the
    // header is not an icon's or the directory does not fit the source.
    bool ReadDirectory();
    // The icon file of every entry, each entry's bytes read first; false when one cannot be read
    // or a write fails.
    bool WriteIco(io::IOutputStream* out);
    // The entry of exactly width x height at 32 bits, else the nearest in area, then in depth
    // from 32; the first of ties. False without entries.
    bool FindBestImage(int32_t width, int32_t height, int32_t depth, uint32_t* index);

    // The images of a module's icon group, found by id, by name or as the n-th icon group,
    // appended to the entries with their bytes. An image the group names but the module lacks,
    // or whose resource is empty, is left out; so are records beyond the group's bytes. False
    // when the module has no such group or its bytes cannot be read. A cursor archive reads
    // cursor groups: each image's hotspot goes into its record's planes and depth words.
    bool LoadGroupById(dll::IArchive* resources, uint32_t id);
    bool LoadGroupByName(dll::IArchive* resources, const wchar_t* name);
    bool LoadNthGroup(dll::IArchive* resources, uint32_t n);
    // The n-th icon group of an executable or DLL file; false when the file cannot be read as a
    // module or has no such group.
    bool LoadFromModuleFile(const wchar_t* path, uint32_t n);

protected:
    explicit Archive(uint16_t kind);
    // An entry from the pool of this archive's entry class.
    virtual Entry* NewEntry();

private:
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    void FreeEntries();
    bool LoadGroup(dll::IArchive* resources, uint32_t groupIndex);
    uint32_t GroupType() const;

    uint64_t baseOffset_;
    uint64_t size_;
    std::vector<Entry*> entries_;
    uint8_t pending_;
    uint8_t fromFile_;
    io::IInputStream* ownedStream_;
    io::IInputStream* input_;
    uint16_t reserved_;
    uint16_t type_;
    uint16_t count_;
    uint16_t kind_;
};

} // namespace icon
} // namespace archive
} // namespace s
