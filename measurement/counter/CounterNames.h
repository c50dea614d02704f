#pragma once
#include <cstdint>

#include "core/str/StrArray.h"

namespace s {
namespace system {
namespace counter {
namespace win {

// The 25 object and counter names that the counter paths are built from, in the running system's
// own language. The comments give the English names.
enum CounterKind : int32_t {
    kProcessorObject = 0,     // "Processor"
    kProcessorTime = 1,       // "% Processor Time"
    kUserTime = 2,            // "% User Time"
    kPhysicalDiskObject = 3,  // "PhysicalDisk"
    kDiskReadBytes = 4,       // "Disk Read Bytes/sec"
    kDiskWriteBytes = 5,      // "Disk Write Bytes/sec"
    kDiskReads = 6,           // "Disk Reads/sec"
    kDiskWrites = 7,          // "Disk Writes/sec"
    kDiskTime = 8,            // "% Disk Time"
    kLogicalDiskObject = 9,   // "LogicalDisk"
    kFreeSpace = 10,          // "% Free Space"
    kFreeMegabytes = 11,      // "Free Megabytes"
    kNetworkObject = 12,      // "Network Interface"
    kBytesSent = 13,          // "Bytes Sent/sec"
    kBytesReceived = 14,      // "Bytes Received/sec"
    kProcessObject = 15,      // "Process"
    kProcessId = 16,          // "ID Process"
    kWorkingSet = 17,         // "Working Set"
    kIoReadOperations = 18,   // "IO Read Operations/sec"
    kIoWriteOperations = 19,  // "IO Write Operations/sec"
    kIoReadBytes = 20,        // "IO Read Bytes/sec"
    kIoWriteBytes = 21,       // "IO Write Bytes/sec"
    kThreadCount = 22,        // "Thread Count"
    kHandleCount = 23,        // "Handle Count"
    kElapsedTime = 24,        // "Elapsed Time"
    kCounterKindCount = 25,
};

// The chosen name of a kind; empty until SelectCounterNames has run.
const wchar_t* GetCounterName(int32_t kind);

// Process-wide results of the choice and the repair, written under the counter set-up lock before
// the set-up is marked done, and only read afterwards.
extern bool EnglishCounterNames;
// No language's probe validated in the last pass.
extern bool CounterNamesMissing;
// "\" Processor "(_Total)\" % Processor Time validates.
extern bool ProcessorFormValid;
// The repair changed a registry value.
extern bool CounterRepairMade;
// The counter registry has not been rebuilt in this process yet.
extern bool LodctrPending;

// Chooses the names by validating one probe path per known language variant, English first;
// when none validates, rebuilds the counter registry (once per process), repairs it and tries
// once more. English names stay when nothing validates.
void SelectCounterNames();

// Turns the performance counters of the system back on and raises the Perflib "Last Counter" and
// "Last Help" values to the largest index that the name tables use.
void RepairPerfCounters();

// The system's counter and help name tables (alternating index and name texts), each a new list
// from the pool that the caller gives back, or null when the table cannot be read.
void ReadPerflibNames(str::strarray::StrArray** counters, str::strarray::StrArray** help);

// The largest index among the even-position entries of a name table that are integers; -1 when
// the table is missing, has fewer than two entries or an odd number of them, or holds no index.
int32_t LargestPerflibIndex(str::strarray::StrArray* table);

// The rebuild of the counter registry (the system folder's "\lodctr.exe" "/R", elevated on Vista
// and later, waited for). Replaceable, so that a test program never rebuilds its host's registry.
typedef void (*CounterRegistryRebuild)();
CounterRegistryRebuild SetCounterRegistryRebuild(CounterRegistryRebuild rebuild);

} // namespace win
} // namespace counter
} // namespace system
} // namespace s
