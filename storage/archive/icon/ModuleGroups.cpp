// The module half of the icon archive: icon groups read from a module's resources.
#include <cstring>
#include <vector>

#include "core/col/Arrays.h"
#include "core/io/StreamCopy.h"
#include "storage/archive/ResourceGroup.h"
#include "storage/archive/ResourceTypeCode.h"
#include "storage/archive/dll/win/Archive.h"
#include "storage/archive/icon/Archive.h"
#include "storage/archive/icon/Entry.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"

namespace s {
namespace archive {
namespace icon {

namespace {

struct Hotspot {
    uint16_t x;
    uint16_t y;
};

} // namespace

uint32_t Archive::GroupType() const
{
    return kind_ == kCursorType ? kTypeGroupCursor : kTypeGroupIcon;
}

bool Archive::LoadGroup(dll::IArchive* resources, uint32_t groupIndex)
{
    GroupHeader header;
    std::vector<GroupRecord> records;
    file::Pooled<col::_array::ArrayU08> image;
    if (!image || !ReadGroupRecords(resources, groupIndex, &header, &records))
        return false;
    baseOffset_ = 0;
    reserved_ = header.reserved;
    type_ = header.type;
    const bool cursor = kind_ == kCursorType;
    for (const GroupRecord& record : records) {
        if (!ReadGroupImage(resources, cursor ? kTypeCursor : kTypeIcon, record.imageId, image.get()))
            continue;
        // A cursor image begins with its hotspot; one of no more holds no image.
        Hotspot hotspot = {0, 0};
        if (cursor && (image->GetCount() <= sizeof(hotspot) || !io::ReadAll(image.get(), &hotspot, sizeof(hotspot))))
            continue;
        Entry* entry = NewEntry();
        if (!entry)
            continue;
        entry->Reset();
        DirectoryRecord& directory = entry->Record();
        std::memcpy(&directory, record.directory, sizeof(record.directory));
        directory.offset = record.imageId;
        // The resource's own size, not the group's figure, is what the image holds.
        directory.bytesInEntry = image->GetCount();
        if (cursor) {
            // A cursor record's width and height are words; the height word is twice the side.
            if (directory.height == 0)
                directory.height = directory.width;
            directory.planes = hotspot.x;
            directory.bitCount = hotspot.y;
            directory.bytesInEntry -= sizeof(hotspot);
        }
        if (!LoadEntryBytes(entry, image.get())) {
            entry->ReleaseToPool();
            continue;
        }
        entries_.push_back(entry);
    }
    count_ = static_cast<uint16_t>(entries_.size() < 0xFFFF ? entries_.size() : 0xFFFF);
    return true;
}

bool Archive::LoadGroupById(dll::IArchive* resources, uint32_t id)
{
    uint32_t index = 0;
    return resources && resources->FindByTypeAndId(GroupType(), id, &index) && LoadGroup(resources, index);
}

bool Archive::LoadGroupByName(dll::IArchive* resources, const wchar_t* name)
{
    uint32_t index = 0;
    return resources && name && resources->FindByTypeAndName(GroupType(), name, &index) &&
           LoadGroup(resources, index);
}

bool Archive::LoadNthGroup(dll::IArchive* resources, uint32_t n)
{
    uint32_t index = 0;
    return resources && resources->FindNthOfType(GroupType(), n, &index) && LoadGroup(resources, index);
}

bool Archive::LoadFromModuleFile(const wchar_t* path, uint32_t n)
{
    if (!path)
        return false;
    file::Pooled<file::win::PathWin> modulePath(file::win::PathWin::CreateFromText(path));
    if (!modulePath)
        return false;
    file::Pooled<dll::win::Archive> resources(dll::win::Archive::OpenModule(modulePath.get()));
    if (!resources || !resources->IsOpen())
        return false;
    const bool loaded = LoadNthGroup(resources.get(), n);
    resources->Close();
    return loaded;
}

} // namespace icon
} // namespace archive
} // namespace s
