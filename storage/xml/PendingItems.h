#pragma once
#include <cstdint>

#include "storage/xml/ShortList.h"

namespace s {
namespace xml {

// What the parser has read of the elements still open, innermost last: each element's items
// wait here until it ends and then move into room of exactly their number (ShortList::AppendRun),
// so that no element keeps slots it never fills. One stack serves every level of one parse.
class PendingItems {
public:
    // Where the items of an element begin.
    uint32_t Mark() const { return items_.GetCount(); }
    // False when no memory was left.
    bool Push(void* item) { return items_.Append(item); }
    // The items from mark up; valid until the next Push.
    void* const* From(uint32_t mark) const { return items_.GetItems() + mark; }
    uint32_t CountFrom(uint32_t mark) const { return items_.GetCount() - mark; }
    // Forgets the items from mark up.
    void PopTo(uint32_t mark) { items_.Truncate(mark); }

private:
    ShortList items_;
};

// The records and the children of the open elements of one parse.
struct PendingLists {
    PendingItems records;
    PendingItems children;
};

} // namespace xml
} // namespace s
