#pragma once
#include <cstdint>

namespace s {
namespace xml {

// The records or the children of one element: a bare run of pointers. A document holds tens of
// thousands of these lists, most of a handful of items; the library's arrays carry their
// collection and stream faces on each, several times the size of what such a list holds. The
// list owns its room, not its items: the element gives those back to their pools. A list that a
// parse fills whole takes its room from slabs shared by the lists of parses.
class ShortList {
public:
    ShortList() : items_(nullptr), count_(0), capacity_(0) {}
    ~ShortList() { Release(); }

    uint32_t GetCount() const { return count_; }
    uint32_t GetCapacity() const { return capacity_; }
    // The index must be below the count.
    void* Get(uint32_t index) const { return items_[index]; }
    // Appends one item, doubling the room from a few slots; false when no memory was left.
    bool Append(void* item);
    // Appends n items into room of exactly the new count: the parser's way, which knows an
    // element's lists whole when the element ends. False, and nothing appended, when no memory
    // was left.
    bool AppendRun(void* const* items, uint32_t n);
    // Takes the item at index out of the list; the later ones move down one place.
    void* TakeAt(uint32_t index);
    // The items in order; valid until the list next grows.
    void* const* GetItems() const { return items_; }
    // Forgets the items from count up, keeping the room.
    void Truncate(uint32_t count)
    {
        if (count < count_)
            count_ = count;
    }
    // Forgets every item and frees the room.
    void Release();

private:
    ShortList(const ShortList&) = delete;
    ShortList& operator=(const ShortList&) = delete;

    // Moves the items into heap room of capacity slots.
    bool Grow(uint32_t capacity);

    void** items_;
    uint32_t count_;
    uint32_t capacity_;
};

} // namespace xml
} // namespace s
