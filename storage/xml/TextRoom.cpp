#include "storage/xml/TextRoom.h"

#include <cstdlib>

#include "storage/xml/SlabHeap.h"

namespace s {
namespace xml {

namespace {

// 16 KB a slab: a small settings file fills little more than one, a language pack a few dozen.
const uint32_t kUnitsPerSlab = 8192;

// Never torn down: static trees free their texts in their destructors at exit, after every
// static object may have gone.
SlabHeap& TextSlabs()
{
    static SlabHeap* heap = new SlabHeap(sizeof(wchar_t), kUnitsPerSlab, alignof(wchar_t));
    return *heap;
}

} // namespace

wchar_t* NewTextRoom(size_t units, TextOrigin origin)
{
    if (units > SIZE_MAX / sizeof(wchar_t))
        return nullptr;
    const size_t bytes = units * sizeof(wchar_t);
    if (origin == TextOrigin::kParse) {
        if (void* room = TextSlabs().AllocateBytes(bytes))
            return static_cast<wchar_t*>(room);
    }
    return static_cast<wchar_t*>(std::malloc(bytes));
}

void FreeTextRoom(wchar_t* text)
{
    FreeSlabOrHeap(TextSlabs(), text);
}

} // namespace xml
} // namespace s
