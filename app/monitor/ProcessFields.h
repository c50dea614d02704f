#pragma once
#include <cstdint>

#include "app/monitor/IFieldRow.h"

namespace s {
namespace system {
namespace counter {

// What limits the machine now, by the first test that holds.
enum Bottleneck : int32_t {
    kNoBottleneck = 0,
    kProcessorBottleneck = 1,
    kMemoryBottleneck = 2,
    kDiskBottleneck = 3,
    kGraphicsBottleneck = 4,
};
// diskOperations receives the total disk reads plus writes per second the disk test read.
Bottleneck FindBottleneck(int64_t* diskOperations);

// The program's own processes, skipped where a top process is named for the user.
bool IsOwnProcessName(const wchar_t* name);

void UpdateBottleneck(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateMainVillain(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateCpuVillain(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateMemVillain(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateHddVillain(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateThreadVillain(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateHandleVillain(IFieldRow* field, void* userData, int64_t extraValue);

// Forgets the top processor and memory processes; called after every process-list refresh.
void ResetProcessCaches();

} // namespace counter
} // namespace system
} // namespace s
