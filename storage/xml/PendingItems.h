#pragma once
#include <cstdint>
#include <cstdlib>

namespace s {
namespace xml {

// What the parser has read of the elements still open, innermost last: each element's items
// wait here until it ends and then move into room of exactly their number (ShortList::AppendRun),
// so that no element keeps slots it never fills. One stack serves every level of one parse.
class PendingItems {
public:
    PendingItems() : items_(nullptr), count_(0), capacity_(0) {}
    ~PendingItems() { std::free(items_); }

    // Where the items of an element begin.
    uint32_t Mark() const { return count_; }
    // False when no memory was left.
    bool Push(void* item)
    {
        if (count_ == capacity_) {
            const uint32_t capacity = capacity_ ? capacity_ * 2 : kFirstSlots;
            if (capacity < capacity_)
                return false;
            void** grown = static_cast<void**>(std::realloc(items_, static_cast<size_t>(capacity) * sizeof(void*)));
            if (!grown)
                return false;
            items_ = grown;
            capacity_ = capacity;
        }
        items_[count_++] = item;
        return true;
    }
    // The items from mark up; valid until the next Push.
    void* const* From(uint32_t mark) const { return items_ + mark; }
    uint32_t CountFrom(uint32_t mark) const { return count_ - mark; }
    // Forgets the items from mark up.
    void PopTo(uint32_t mark) { count_ = mark; }

private:
    PendingItems(const PendingItems&) = delete;
    PendingItems& operator=(const PendingItems&) = delete;

    static const uint32_t kFirstSlots = 64;

    void** items_;
    uint32_t count_;
    uint32_t capacity_;
};

// The records and the children of the open elements of one parse.
struct PendingLists {
    PendingItems records;
    PendingItems children;
};

} // namespace xml
} // namespace s
