#include "windowing/ProcessKey.h"

#include <ntsecapi.h>

#include <cstdint>

namespace s {
namespace gui {
namespace win {

namespace {

const uint64_t kOwnedRecordBit = 1;
// Only for a process key that came out all zero.
const uint64_t kSpareKey = 0x5A17C0DE5EEDF00Dull & ~kOwnedRecordBit;

uint64_t MakeProcessKey()
{
    uint64_t key = 0;
    if (!RtlGenRandom(&key, sizeof(key))) {
        // Without the system's generator: what differs between processes and runs, mixed.
        LARGE_INTEGER counter = {};
        QueryPerformanceCounter(&counter);
        key = (static_cast<uint64_t>(GetCurrentProcessId()) << 32) ^ static_cast<uint64_t>(counter.QuadPart);
        key ^= key >> 33;
        key *= 0xFF51AFD7ED558CCDull;
        key ^= key >> 33;
    }
    key &= ~kOwnedRecordBit;
    return key ? key : kSpareKey;
}

} // namespace

LPARAM ProcessKey()
{
    static const uint64_t key = MakeProcessKey();
    return static_cast<LPARAM>(key);
}

bool FromThisProcess(LPARAM key)
{
    return key == ProcessKey();
}

LPARAM OwnedRecordKey()
{
    return ProcessKey() | static_cast<LPARAM>(kOwnedRecordBit);
}

} // namespace win
} // namespace gui
} // namespace s
