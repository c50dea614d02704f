#pragma once
#include <cstdint>

#include "core/str/StrBuffer.h"

namespace s {
namespace system {
namespace counter {
namespace win {

// The performance-counter readings. Each reader builds its counter path on first use, adds it to
// the shared query once and from then on copies the latest collected value. Instance -1 is the
// "_Total" instance; any other index must be below the count of the reader's instance list, and an
// index outside it (the lists change size at RefreshInstances) reads false with 0. A reader
// returns true when the value is valid.

// The one-time set-up: registry repair, choice of the names, instance lists and process table.
void InitCounters();

bool GetProcessorTime(int64_t* out, int32_t instance);
bool GetProcessorUserTime(int64_t* out, int32_t instance);

bool GetDiskReadBytes(int64_t* out, int32_t instance);
bool GetDiskWriteBytes(int64_t* out, int32_t instance);
bool GetDiskReads(int64_t* out, int32_t instance);
bool GetDiskWrites(int64_t* out, int32_t instance);
bool GetDiskTime(int64_t* out, int32_t instance);

// Instance i is network connection i of the connection source.
bool GetNetworkBytesSent(int64_t* out, int32_t instance);
bool GetNetworkBytesReceived(int64_t* out, int32_t instance);

bool GetTotalThreadCount(int64_t* out);
bool GetTotalHandleCount(int64_t* out);
// Seconds since the system started.
bool GetSystemUpTime(int64_t* out);

// Instance i is process i of the process table.
bool GetProcessProcessorTime(int64_t* out, int32_t instance);
bool GetProcessWorkingSet(int64_t* out, int32_t instance);
bool GetProcessIoReads(int64_t* out, int32_t instance);
bool GetProcessIoWrites(int64_t* out, int32_t instance);
bool GetProcessThreadCount(int64_t* out, int32_t instance);
bool GetProcessHandleCount(int64_t* out, int32_t instance);

// Free megabytes of fixed drive i, or of all fixed drives for -1, from the file system; false
// with 0 for an index beyond the fixed drives or when the drive cannot be asked.
bool GetDriveFreeMegabytes(int64_t* out, int32_t instance);

// The "Network Interface" instance of an adapter description: the trimmed description with
// "(" ")" "#" "/" escaped as "[" "]" "_" "_", replaced by the first instance equal to it or else
// starting with it (letter case ignored). Written into out.
void BuildNetworkInstanceName(const wchar_t* description, str::strbuffer::StrBuffer* out);

// Expands the process and processor lists again and rebuilds the process table. A process or
// processor that is still there keeps its counters.
void RefreshInstances();

// The instance lists that callers size their fields from.
enum InstanceList : int32_t {
    kProcessorInstances = 0,
    kPhysicalDiskInstances = 1,
    kLogicalDiskInstances = 2,
    kNetworkInstances = 3,
    kProcessInstances = 4,
};
int32_t GetInstanceCount(InstanceList list);
// False when the index is outside the list.
bool GetInstanceName(InstanceList list, int32_t index, str::strbuffer::StrBuffer* out);

// The network connections whose descriptions name the network instances. The network layer
// installs its list here; without one there are no connections.
typedef int32_t (*NetworkConnectionCount)();
typedef bool (*NetworkConnectionDescription)(int32_t index, str::strbuffer::StrBuffer* out);
void SetNetworkConnectionSource(NetworkConnectionCount count, NetworkConnectionDescription description);

} // namespace win
} // namespace counter
} // namespace system
} // namespace s
