#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace archive {
namespace dll {
namespace win {

// A module mapped for its resources, seen through its headers and resource directory as our own
// code reads them, every read checked against the memory the mapping really holds. A damaged or
// hostile file (sizes, counts or addresses beyond the image) is found out before the system's
// resource calls walk the directory, and no copy runs past the mapping.
class ModuleImage {
public:
    explicit ModuleImage(HMODULE module);

    // Whether the resource directory, as deep as the system walks it (types, names, languages,
    // the names' texts and the data records), lies wholly inside the mapping. A module without
    // a resource directory passes: the system finds no resources in it.
    bool ResourceTreeFits();
    // Whether size bytes at data lie wholly inside the mapping.
    bool Contains(const void* data, uint64_t size) const;

private:
    // The mapped bytes at an address relative to the image, as the mapping lays them out; null
    // when the size bytes there are not all mapped.
    const uint8_t* AtRva(uint32_t rva, uint32_t size) const;
    // The bytes at offset from the start of the mapping; null when they are not all mapped.
    const uint8_t* AtOffset(uint64_t offset, uint64_t size) const;
    bool ReadHeaders();
    // A directory at offset from the resource root, at level 0 (types) to 2 (languages).
    bool DirectoryFits(uint32_t offset, uint32_t level);

    const uint8_t* base_;
    uint64_t extent_;
    // Sections at their image addresses; else the file's bytes as they stand on disk.
    bool imageLayout_;
    const uint8_t* sections_;
    uint32_t sectionCount_;
    uint32_t resourceRva_;
    const uint8_t* resourceRoot_;
    // Directory entries the walk may still visit: a tree whose directories share or loop
    // back would otherwise multiply the walk.
    uint64_t entryBudget_;
};

} // namespace win
} // namespace dll
} // namespace archive
} // namespace s
