#pragma once
#include <cstdint>

namespace s {
namespace xml {

// One attribute of an element, or one run of its text (name length 0). Both texts are owned,
// NUL-terminated copies; the value is kept in its escaped form and decoded only on request.
// Packed: a document holds tens of thousands of records, and the padding after each length
// would be a quarter of every one (x86-64 reads the pointers at any address).
#pragma pack(push, 4)
struct AttrRecord {
    uint32_t nameLength;
    wchar_t* name;
    uint32_t valueLength;
    wchar_t* value;
};
#pragma pack(pop)

} // namespace xml
} // namespace s
