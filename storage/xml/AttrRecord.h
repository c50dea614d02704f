#pragma once
#include <cstdint>

namespace s {
namespace xml {

// One attribute of an element, or one run of its text (name length 0). Both texts are owned,
// NUL-terminated copies; the value is kept in its escaped form and decoded only on request.
struct AttrRecord {
    uint32_t nameLength;
    wchar_t* name;
    uint32_t valueLength;
    wchar_t* value;
};

} // namespace xml
} // namespace s
