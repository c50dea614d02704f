#include "storage/archive/ResourceGroup.h"

#include <cstring>

#include "core/col/Arrays.h"
#include "storage/archive/dll/IArchive.h"
#include "storage/file/Pooled.h"

namespace s {
namespace archive {

namespace {

// The resource at index read whole into bytes, rewound.
bool ReadResource(dll::IArchive* resources, uint32_t index, col::_array::ArrayU08* bytes)
{
    bytes->SetCount(0);
    bytes->SeekToStart();
    const bool read = resources->ReadEntry(resources->GetEntry(index), bytes);
    bytes->SeekToStart();
    return read;
}

} // namespace

bool ReadGroupRecords(dll::IArchive* resources, uint32_t groupIndex, GroupHeader* header,
                      std::vector<GroupRecord>* records)
{
    std::memset(header, 0, sizeof(*header));
    records->clear();
    file::Pooled<col::_array::ArrayU08> bytes;
    if (!resources || !bytes || !ReadResource(resources, groupIndex, bytes.get()) ||
        bytes->GetCount() < sizeof(GroupHeader))
        return false;
    const uint8_t* data = static_cast<const uint8_t*>(bytes->GetData());
    std::memcpy(header, data, sizeof(*header));
    const uint32_t whole = (bytes->GetCount() - sizeof(GroupHeader)) / sizeof(GroupRecord);
    const uint32_t count = header->count < whole ? header->count : whole;
    records->resize(count);
    if (count > 0)
        std::memcpy(records->data(), data + sizeof(GroupHeader), count * sizeof(GroupRecord));
    return true;
}

bool ReadGroupImage(dll::IArchive* resources, uint32_t typeCode, uint16_t id, col::_array::ArrayU08* bytes)
{
    uint32_t index = 0;
    return resources && bytes && resources->FindByTypeAndId(typeCode, id, &index) &&
           ReadResource(resources, index, bytes) && bytes->GetCount() > 0;
}

} // namespace archive
} // namespace s
