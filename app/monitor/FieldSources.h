#pragma once
#include <windows.h>
#include <psapi.h>

#include <cstdint>

#include "core/str/StrBuffer.h"
#include "measurement/hdd/IHdd.h"
#include "measurement/network/IGipFinder.h"
#include "measurement/network/INicConn.h"

namespace s {
namespace system {
namespace counter {

// Every reading the field callbacks take, as replaceable functions: the process-wide set starts
// with the system's own sources, and a test puts its fakes in place and restores the set.
struct FieldSources {
    typedef bool (*InstanceReader)(int64_t* out, int32_t instance);
    typedef bool (*TotalReader)(int64_t* out);

    // Performance counters (instance -1 is the total).
    InstanceReader processorTime;
    InstanceReader processorUserTime;
    InstanceReader diskReadBytes;
    InstanceReader diskWriteBytes;
    InstanceReader diskReads;
    InstanceReader diskWrites;
    InstanceReader diskTime;
    InstanceReader networkReceived;
    InstanceReader networkSent;
    TotalReader totalThreads;
    TotalReader totalHandles;
    TotalReader upTimeSeconds;
    InstanceReader driveFreeMegabytes;

    // Expands the processor and process lists again, once per refresh before any field reads.
    void (*refreshInstances)();
    // The counter instance lists the per-core and per-disk fields are made from
    // (counter::win::InstanceList).
    int32_t (*instanceCount)(int32_t list);
    bool (*instanceName)(int32_t list, int32_t index, str::strbuffer::StrBuffer* out);
    // The process list of this refresh and its per-process readings.
    int32_t (*processCount)();
    bool (*processName)(int32_t index, str::strbuffer::StrBuffer* out);
    InstanceReader processProcessorTime;
    InstanceReader processWorkingSet;
    InstanceReader processIoReads;
    InstanceReader processIoWrites;
    InstanceReader processThreads;
    InstanceReader processHandles;

    // Sensors and graphics processors.
    int32_t (*cpuTemperature)();
    bool (*sensorTemperature)(int64_t* out, int32_t sensor);
    bool (*sensorFan)(int64_t* out, int32_t fan);
    int32_t (*adlActivity)();
    int32_t (*adlTemperature)();
    int32_t (*adlFan)();
    void (*initNvGpu)();
    bool (*nvHasTemperature)();
    bool (*nvHasFan)();
    int32_t (*nvUsage)();
    bool (*nvThermal)(int32_t sensor, int32_t* minimum, int32_t* current, int32_t* maximum);
    bool (*nvFan)(int32_t* rpm);

    // Drives, disks and connections.
    int32_t (*fixedDriveCount)();
    const wchar_t* (*fixedDriveRoot)(int32_t index);
    int32_t (*fixedDrivesUsedPercent)();
    int32_t (*driveUsedPercent)(const wchar_t* drive);
    int32_t (*hddCount)();
    hdd::IHdd* (*hdd)(int32_t index);
    int32_t (*nicCount)();
    network::INicConn* (*nic)(int32_t index);
    network::IGipFinder* (*gipFinder)();

    // Windows itself.
    bool (*computerName)(str::strbuffer::StrBuffer* out);
    bool (*memoryStatus)(MEMORYSTATUSEX* out);
    bool (*performanceInfo)(PERFORMANCE_INFORMATION* out);
    bool (*powerStatus)(SYSTEM_POWER_STATUS* out);
    void (*localTime)(SYSTEMTIME* out);
    bool (*establishedConnections)(int64_t* out);
    // Wall-clock seconds since 1970.
    int64_t (*wallSeconds)();
    // The processor's time-stamp counter and the performance counter with its frequency.
    uint64_t (*timeStamp)();
    bool (*performanceCounter)(int64_t* out);
    bool (*performanceFrequency)(int64_t* out);
};

// The process-wide set the callbacks read.
FieldSources& GetFieldSources();
// The system's own sources, for a test to start from and to restore.
FieldSources SystemFieldSources();

} // namespace counter
} // namespace system
} // namespace s
