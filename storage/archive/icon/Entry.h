#pragma once
#include <cstdint>

#include "core/col/Arrays.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "storage/archive/IEntry.h"

namespace s {
namespace archive {
namespace icon {

// One directory record of an icon file, laid out as in the file.
#pragma pack(push, 1)
struct DirectoryRecord {
    uint8_t width;
    uint8_t height;
    uint8_t colorCount;
    uint8_t reserved;
    uint16_t planes;
    uint16_t bitCount;
    uint32_t bytesInEntry;
    uint32_t offset;
};
#pragma pack(pop)

// One image of an icon file: its directory record and, once loaded, its bytes.
class Entry : public IEntry, public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_archive_icon_Entry";
    static constexpr uint32_t kAttributes = 128;

    Entry();

    static thread::EasyPooler* GetPool();
    static Entry* New();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    // Frees the bytes and clears the loaded flag; the record stays.
    void Reset() override;

    // An image's size is its record's byte count.
    uint64_t GetSize() override { return 0; }
    uint64_t GetTransferSize() override { return 0; }
    uint32_t GetAttributes() override { return kAttributes; }

    DirectoryRecord& Record() { return record_; }
    col::_array::ArrayU08* Bytes() { return &bytes_; }
    bool IsLoaded() const { return loaded_ != 0; }
    void SetLoaded(bool loaded) { loaded_ = loaded ? 1 : 0; }

private:
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;

    DirectoryRecord record_;
    col::_array::ArrayU08 bytes_;
    uint8_t loaded_;
};

} // namespace icon

// Reads the record's byte count from the stream's position into the entry's bytes and marks it
// loaded. When the stream ends or fails first the result is false: the bytes hold what arrived,
// zeros after it up to the byte count, and the entry stays unloaded. The caller has checked the
// byte count against what its container holds.
bool LoadEntryBytes(icon::Entry* entry, io::IInputStream* in);

} // namespace archive
} // namespace s
