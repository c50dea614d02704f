#pragma once
#include <cstddef>

namespace s {
namespace xml {

// Room for the copied names and values of the tree. A parse's copies are carved from shared
// slabs (SlabHeap): a document holds tens of thousands of them, and a heap block apiece costs a
// header each and a heap call to take and to give back. Copies made later, by the setters, come
// from the heap: only parses fill slabs, so a tree whose values are replaced one by one over a
// day never holds more slab room than its parse took.
enum class TextOrigin { kParse, kSetter };

// Room for units wide characters; null when no memory is left.
wchar_t* NewTextRoom(size_t units, TextOrigin origin);
// Gives back room from NewTextRoom, whichever its origin; null is ignored.
void FreeTextRoom(wchar_t* text);

} // namespace xml
} // namespace s
