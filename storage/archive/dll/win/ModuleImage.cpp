#include "storage/archive/dll/win/ModuleImage.h"

#include <cstring>

namespace s {
namespace archive {
namespace dll {
namespace win {

namespace {

const DWORD kReadable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                        PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
// The low bits of a module handle returned for a data-file load tell how it was mapped.
const uintptr_t kHandleFlagBits = 3;
const uintptr_t kImageMappingBit = 2;
const uintptr_t kDataFileBit = 1;

const uint32_t kDosHeaderSize = 0x40;
const uint32_t kNewHeaderOffsetField = 0x3C;
const uint32_t kFileHeaderSize = 20;
const uint32_t kSectionHeaderSize = 40;
const uint16_t kPe32Magic = 0x10B;
const uint16_t kPe32PlusMagic = 0x20B;
// Where each optional header keeps its directory count, followed by the directories.
const uint32_t kPe32DirectoryCountField = 92;
const uint32_t kPe32PlusDirectoryCountField = 108;
const uint32_t kResourceDirectoryIndex = 2;
const uint32_t kDataDirectorySize = 8;

const uint32_t kDirectoryHeaderSize = 16;
const uint32_t kDirectoryEntrySize = 8;
const uint32_t kDataEntrySize = 16;
const uint32_t kHighBit = 0x80000000u;
const uint32_t kLanguageLevel = 2;

uint16_t Word(const uint8_t* p)
{
    uint16_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

uint32_t Dword(const uint8_t* p)
{
    uint32_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

// How many bytes from base on are mapped and readable in one run of the module's mapping.
uint64_t ReadableExtent(const uint8_t* base)
{
    uint64_t extent = 0;
    MEMORY_BASIC_INFORMATION info;
    const uint8_t* at = base;
    while (VirtualQuery(at, &info, sizeof info) == sizeof info) {
        if (info.AllocationBase != base || info.State != MEM_COMMIT || (info.Protect & kReadable) == 0 ||
            (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0)
            break;
        at = static_cast<const uint8_t*>(info.BaseAddress) + info.RegionSize;
        extent = static_cast<uint64_t>(at - base);
    }
    return extent;
}

} // namespace

ModuleImage::ModuleImage(HMODULE module)
    : base_(reinterpret_cast<const uint8_t*>(reinterpret_cast<uintptr_t>(module) & ~kHandleFlagBits)),
      extent_(0),
      imageLayout_((reinterpret_cast<uintptr_t>(module) & kImageMappingBit) != 0 ||
                   (reinterpret_cast<uintptr_t>(module) & kDataFileBit) == 0),
      sections_(nullptr),
      sectionCount_(0),
      resourceRva_(0),
      resourceRoot_(nullptr),
      entryBudget_(0)
{
    if (base_)
        extent_ = ReadableExtent(base_);
}

bool ModuleImage::Contains(const void* data, uint64_t size) const
{
    const uint8_t* p = static_cast<const uint8_t*>(data);
    if (!p || p < base_ || size > extent_)
        return false;
    return static_cast<uint64_t>(p - base_) <= extent_ - size;
}

const uint8_t* ModuleImage::AtOffset(uint64_t offset, uint64_t size) const
{
    if (size > extent_ || offset > extent_ - size)
        return nullptr;
    return base_ + offset;
}

const uint8_t* ModuleImage::AtRva(uint32_t rva, uint32_t size) const
{
    if (imageLayout_)
        return AtOffset(rva, size);
    // A file mapped as it stands: the section holding the address tells where its bytes are.
    for (uint32_t i = 0; i < sectionCount_; ++i) {
        const uint8_t* section = sections_ + static_cast<uint64_t>(i) * kSectionHeaderSize;
        const uint32_t virtualSize = Dword(section + 8);
        const uint32_t address = Dword(section + 12);
        const uint32_t rawSize = Dword(section + 16);
        const uint32_t rawStart = Dword(section + 20);
        const uint32_t span = virtualSize > rawSize ? virtualSize : rawSize;
        if (rva < address || static_cast<uint64_t>(rva) - address >= span)
            continue;
        const uint64_t within = static_cast<uint64_t>(rva) - address;
        if (within + size > rawSize)
            return nullptr;
        return AtOffset(static_cast<uint64_t>(rawStart) + within, size);
    }
    return nullptr;
}

bool ModuleImage::ReadHeaders()
{
    const uint8_t* dos = AtOffset(0, kDosHeaderSize);
    if (!dos || dos[0] != 'M' || dos[1] != 'Z')
        return false;
    const uint32_t ntOffset = Dword(dos + kNewHeaderOffsetField);
    const uint8_t* nt = AtOffset(ntOffset, 4 + kFileHeaderSize + 2);
    if (!nt || std::memcmp(nt, "PE\0\0", 4) != 0)
        return false;
    const uint8_t* fileHeader = nt + 4;
    sectionCount_ = Word(fileHeader + 2);
    const uint32_t optionalSize = Word(fileHeader + 16);
    const uint64_t optionalOffset = static_cast<uint64_t>(ntOffset) + 4 + kFileHeaderSize;
    const uint8_t* optional = AtOffset(optionalOffset, optionalSize);
    if (!optional || optionalSize < 2)
        return false;
    const uint16_t magic = Word(optional);
    uint32_t countField;
    if (magic == kPe32Magic)
        countField = kPe32DirectoryCountField;
    else if (magic == kPe32PlusMagic)
        countField = kPe32PlusDirectoryCountField;
    else
        return false;
    if (countField + 4 > optionalSize)
        return false;
    const uint32_t directoryCount = Dword(optional + countField);
    const uint64_t resourceField = countField + 4 + static_cast<uint64_t>(kResourceDirectoryIndex) * kDataDirectorySize;
    if (directoryCount > kResourceDirectoryIndex && resourceField + kDataDirectorySize <= optionalSize)
        resourceRva_ = Dword(optional + resourceField);
    sections_ = AtOffset(optionalOffset + optionalSize, static_cast<uint64_t>(sectionCount_) * kSectionHeaderSize);
    if (!sections_)
        return false;
    return true;
}

bool ModuleImage::ResourceTreeFits()
{
    if (!base_ || !ReadHeaders())
        return false;
    if (resourceRva_ == 0)
        return true;
    resourceRoot_ = AtRva(resourceRva_, kDirectoryHeaderSize);
    if (!resourceRoot_)
        return false;
    // Every entry of a sound tree has bytes of its own.
    entryBudget_ = extent_ / kDirectoryEntrySize;
    return DirectoryFits(0, 0);
}

bool ModuleImage::DirectoryFits(uint32_t offset, uint32_t level)
{
    const uint64_t start = static_cast<uint64_t>(resourceRoot_ - base_) + offset;
    const uint8_t* directory = AtOffset(start, kDirectoryHeaderSize);
    if (!directory)
        return false;
    const uint64_t count = static_cast<uint64_t>(Word(directory + 12)) + Word(directory + 14);
    if (count > entryBudget_)
        return false;
    entryBudget_ -= count;
    const uint8_t* entries = AtOffset(start + kDirectoryHeaderSize, count * kDirectoryEntrySize);
    if (!entries)
        return false;
    const uint64_t rootOffset = static_cast<uint64_t>(resourceRoot_ - base_);
    for (uint64_t i = 0; i < count; ++i) {
        const uint8_t* entry = entries + i * kDirectoryEntrySize;
        const uint32_t name = Dword(entry);
        const uint32_t target = Dword(entry + 4);
        if (name & kHighBit) {
            // A counted UTF-16 text.
            const uint8_t* text = AtOffset(rootOffset + (name & ~kHighBit), 2);
            if (!text || !AtOffset(rootOffset + (name & ~kHighBit), 2 + static_cast<uint64_t>(Word(text)) * 2))
                return false;
        }
        const bool isDirectory = (target & kHighBit) != 0;
        // Types and names lead to directories, languages to data records: the system's walk
        // takes the shape for granted.
        if (isDirectory != (level < kLanguageLevel))
            return false;
        if (isDirectory) {
            if (!DirectoryFits(target & ~kHighBit, level + 1))
                return false;
        } else if (!AtOffset(rootOffset + target, kDataEntrySize)) {
            return false;
        }
    }
    return true;
}

} // namespace win
} // namespace dll
} // namespace archive
} // namespace s
