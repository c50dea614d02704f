#pragma once
#include <cstdint>
#include <vector>

namespace s {
namespace col {
namespace _array {
class ArrayU08;
}
} // namespace col

namespace archive {
namespace dll {
class IArchive;
}

// The 6-byte header of an icon or cursor group resource, as in an icon or cursor file.
struct GroupHeader {
    uint16_t reserved;
    uint16_t type;
    uint16_t count;
};

// One 14-byte record of a group: the first 12 bytes of a file's directory record, then the id
// of the image resource in place of the offset.
#pragma pack(push, 1)
struct GroupRecord {
    uint8_t directory[12];
    uint16_t imageId;
};
#pragma pack(pop)

// The header and the records of the group resource at groupIndex of a module. A count beyond
// the resource's bytes gives the records that are there. False, with a zero header and no
// records, when the resource cannot be read or is shorter than a header.
bool ReadGroupRecords(dll::IArchive* resources, uint32_t groupIndex, GroupHeader* header,
                      std::vector<GroupRecord>* records);

// The bytes of the image resource of that type code and id, rewound; false when the module has
// no such resource or it cannot be read or holds no bytes.
bool ReadGroupImage(dll::IArchive* resources, uint32_t typeCode, uint16_t id, col::_array::ArrayU08* bytes);

} // namespace archive
} // namespace s
