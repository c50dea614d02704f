#pragma once
#include <cstdint>

namespace s {
namespace col {
namespace _array {
class ArrayS32;
}
} // namespace col
namespace gui {

// The header of a report list: its columns' display order and its height.
class IListHeader {
public:
    virtual ~IListHeader() {}
    virtual col::_array::ArrayS32* GetOrder() = 0;
    // The header control's height in pixels; 0 without one.
    virtual int32_t GetHeight() = 0;
};

} // namespace gui
} // namespace s
