#include "app/monitor/FieldSources.h"

#include <iphlpapi.h>
#include <x86intrin.h>

#include "measurement/counter/CounterReaders.h"
#include "measurement/gpu/GpuReadings.h"
#include "measurement/hdd/Hdds.h"
#include "measurement/hdd/LogicalDrives.h"
#include "measurement/network/GipFinder.h"
#include "measurement/network/NicConns.h"
#include "measurement/sensors/CpuTemperature.h"
#include "measurement/sensors/SensorChips.h"

namespace s {
namespace system {
namespace counter {

namespace {
// 100-ns units from 1601 to 1970.
const int64_t kUnixEpochInFileTime = 116444736000000000LL;
const int64_t kFileTimePerSecond = 10000000LL;

int32_t ProcessCount()
{
    return win::GetInstanceCount(win::kProcessInstances);
}

bool ProcessName(int32_t index, str::strbuffer::StrBuffer* out)
{
    return win::GetInstanceName(win::kProcessInstances, index, out);
}

int32_t InstanceCount(int32_t list)
{
    return win::GetInstanceCount(static_cast<win::InstanceList>(list));
}

bool InstanceName(int32_t list, int32_t index, str::strbuffer::StrBuffer* out)
{
    return win::GetInstanceName(static_cast<win::InstanceList>(list), index, out);
}

bool ComputerName(str::strbuffer::StrBuffer* out)
{
    // The NetBIOS name fits 15 characters and its end.
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(name, &length))
        return false;
    out->Assign(name);
    return true;
}

bool MemoryStatus(MEMORYSTATUSEX* out)
{
    out->dwLength = sizeof(*out);
    return GlobalMemoryStatusEx(out) != 0;
}

bool PerformanceInfo(PERFORMANCE_INFORMATION* out)
{
    return GetPerformanceInfo(out, sizeof(*out)) != 0;
}

bool PowerStatus(SYSTEM_POWER_STATUS* out)
{
    return GetSystemPowerStatus(out) != 0;
}

bool EstablishedConnections(int64_t* out)
{
    MIB_TCPSTATS stats = {};
    *out = 0;
    if (GetTcpStatistics(&stats) != NO_ERROR)
        return false;
    *out = stats.dwCurrEstab;
    return true;
}

int64_t WallSeconds()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const int64_t units = (static_cast<int64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return (units - kUnixEpochInFileTime) / kFileTimePerSecond;
}

uint64_t TimeStamp()
{
    return __rdtsc();
}

bool PerformanceCounter(int64_t* out)
{
    LARGE_INTEGER value = {};
    *out = 0;
    if (!QueryPerformanceCounter(&value))
        return false;
    *out = value.QuadPart;
    return true;
}

bool PerformanceFrequency(int64_t* out)
{
    LARGE_INTEGER value = {};
    *out = 0;
    if (!QueryPerformanceFrequency(&value))
        return false;
    *out = value.QuadPart;
    return true;
}
} // namespace

FieldSources SystemFieldSources()
{
    FieldSources sources = {};
    sources.processorTime = win::GetProcessorTime;
    sources.processorUserTime = win::GetProcessorUserTime;
    sources.diskReadBytes = win::GetDiskReadBytes;
    sources.diskWriteBytes = win::GetDiskWriteBytes;
    sources.diskReads = win::GetDiskReads;
    sources.diskWrites = win::GetDiskWrites;
    sources.diskTime = win::GetDiskTime;
    sources.networkReceived = win::GetNetworkBytesReceived;
    sources.networkSent = win::GetNetworkBytesSent;
    sources.totalThreads = win::GetTotalThreadCount;
    sources.totalHandles = win::GetTotalHandleCount;
    sources.upTimeSeconds = win::GetSystemUpTime;
    sources.driveFreeMegabytes = win::GetDriveFreeMegabytes;
    sources.refreshInstances = win::RefreshInstances;
    sources.instanceCount = InstanceCount;
    sources.instanceName = InstanceName;
    sources.computerName = ComputerName;
    sources.processCount = ProcessCount;
    sources.processName = ProcessName;
    sources.processProcessorTime = win::GetProcessProcessorTime;
    sources.processWorkingSet = win::GetProcessWorkingSet;
    sources.processIoReads = win::GetProcessIoReads;
    sources.processIoWrites = win::GetProcessIoWrites;
    sources.processThreads = win::GetProcessThreadCount;
    sources.processHandles = win::GetProcessHandleCount;
    sources.cpuTemperature = system::win::GetCpuTemperature;
    sources.sensorTemperature = system::win::GetSensorTemperature;
    sources.sensorFan = system::win::GetSensorFanSpeed;
    sources.adlActivity = system::win::GetAdlGpuActivity;
    sources.adlTemperature = system::win::GetAdlGpuTemperature;
    sources.adlFan = system::win::GetAdlFanSpeed;
    sources.initNvGpu = system::win::InitNvGpu;
    sources.nvHasTemperature = system::win::NvGpuHasTemperature;
    sources.nvHasFan = system::win::NvGpuHasFan;
    sources.nvUsage = system::win::GetNvGpuUsage;
    sources.nvThermal = system::win::GetNvThermalSettings;
    sources.nvFan = system::win::ReadNvFanSpeed;
    sources.fixedDriveCount = hdd::win::GetFixedDriveCount;
    sources.fixedDriveRoot = hdd::win::GetFixedDriveRoot;
    sources.fixedDrivesUsedPercent = hdd::win::GetFixedDrivesUsedPercent;
    sources.driveUsedPercent = hdd::win::GetDriveUsedPercent;
    sources.hddCount = hdd::win::GetHddCount;
    sources.hdd = hdd::win::GetHdd;
    sources.nicCount = network::win::GetNicConnCount;
    sources.nic = network::win::GetNicConn;
    sources.gipFinder = network::win::GetGipFinder;
    sources.memoryStatus = MemoryStatus;
    sources.performanceInfo = PerformanceInfo;
    sources.powerStatus = PowerStatus;
    sources.localTime = GetLocalTime;
    sources.establishedConnections = EstablishedConnections;
    sources.wallSeconds = WallSeconds;
    sources.timeStamp = TimeStamp;
    sources.performanceCounter = PerformanceCounter;
    sources.performanceFrequency = PerformanceFrequency;
    return sources;
}

FieldSources& GetFieldSources()
{
    static FieldSources sources = SystemFieldSources();
    return sources;
}

} // namespace counter
} // namespace system
} // namespace s
