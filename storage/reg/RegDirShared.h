#pragma once
#include <windows.h>

#include "core/col/Arrays.h"
#include "core/thread/ObjLocker.h"

namespace s {
namespace reg {
namespace win {

// What a key is opened with. Every kind can read, so a held handle always serves a read.
// Reads and listings:
const ACCESS_MASK kKeyRead = KEY_READ;
// value writes and deletions, creation and renaming:
const ACCESS_MASK kKeyWrite = KEY_READ | KEY_WRITE;
// deleting the key itself:
const ACCESS_MASK kKeyDeleteSelf = KEY_READ | DELETE;

// A process-wide byte buffer of the key objects that only grows, with the lock held for the
// whole call that uses it.
struct RegSharedBuffer {
    thread::ObjLocker locker;
    col::_array::ArrayU08 bytes;

    // Room for at least n bytes by the growth rule; returns the start.
    uint8_t* Reserve(uint32_t n)
    {
        bytes.EnsureCapacity(n);
        return static_cast<uint8_t*>(bytes.GetData());
    }
    uint32_t GetCapacity() const { return bytes.GetCapacity(); }
};

// What to offer next after the native call answered that a record of needed bytes does not fit
// into offered ones: the record and some room, and always more than before.
inline uint32_t GrownOffer(uint32_t offered, uint32_t needed, uint32_t room)
{
    const uint32_t wanted = needed + room;
    return wanted > offered ? wanted : offered + room;
}

} // namespace win
} // namespace reg
} // namespace s
