#include "FakeSources.h"

#include "measurement/counter/CounterReaders.h"

using namespace s::system::counter;

namespace {
bool Lookup(const std::map<int32_t, int64_t>& values, int32_t instance, int64_t* out)
{
    auto found = values.find(instance);
    *out = found == values.end() ? 0 : found->second;
    return found != values.end();
}

#define FAKE_READER(member) [](int64_t* out, int32_t instance) { return Lookup(Fake().member, instance, out); }

const FakeProcess* ProcessAt(int32_t index)
{
    return index >= 0 && index < static_cast<int32_t>(Fake().processes.size()) ? &Fake().processes[index] : nullptr;
}

#define PROCESS_READER(member) [](int64_t* out, int32_t index) { \
    const FakeProcess* p = ProcessAt(index); *out = p ? p->member : 0; return p != nullptr; }
} // namespace

FakeReadings& Fake()
{
    static FakeReadings readings;
    return readings;
}

FakeSourcesScope::FakeSourcesScope() : saved_(GetFieldSources())
{
    Fake() = FakeReadings();
    ResetFieldCallbackState();
    ResetProcessCaches();
    FieldSources& s = GetFieldSources();
    s.processorTime = FAKE_READER(processorTime);
    s.processorUserTime = FAKE_READER(processorUser);
    s.diskReadBytes = FAKE_READER(diskReadBytes);
    s.diskWriteBytes = FAKE_READER(diskWriteBytes);
    s.diskReads = FAKE_READER(diskReads);
    s.diskWrites = FAKE_READER(diskWrites);
    s.diskTime = FAKE_READER(diskTime);
    s.networkReceived = FAKE_READER(networkReceived);
    s.networkSent = FAKE_READER(networkSent);
    s.driveFreeMegabytes = FAKE_READER(driveFreeMegabytes);
    s.totalThreads = [](int64_t* out) { *out = Fake().threads; return true; };
    s.totalHandles = [](int64_t* out) { *out = Fake().handles; return true; };
    s.upTimeSeconds = [](int64_t* out) { *out = Fake().upTime; return true; };
    s.refreshInstances = []() { ++Fake().instanceRefreshes; };
    s.instanceCount = [](int32_t list) {
        return static_cast<int32_t>(list == s::system::counter::win::kProcessorInstances ? Fake().processors.size()
                                    : list == s::system::counter::win::kPhysicalDiskInstances ? Fake().disks.size() : 0);
    };
    s.instanceName = [](int32_t list, int32_t index, s::str::strbuffer::StrBuffer* out) {
        const std::vector<std::wstring>& names =
            list == s::system::counter::win::kProcessorInstances ? Fake().processors : Fake().disks;
        if (index < 0 || index >= static_cast<int32_t>(names.size()))
            return false;
        out->Assign(names[index].c_str());
        return true;
    };
    s.computerName = [](s::str::strbuffer::StrBuffer* out) { out->Assign(Fake().computer.c_str()); return true; };
    s.processCount = []() { return static_cast<int32_t>(Fake().processes.size()); };
    s.processName = [](int32_t index, s::str::strbuffer::StrBuffer* out) {
        const FakeProcess* p = ProcessAt(index);
        if (p)
            out->Assign(p->name.c_str());
        return p != nullptr;
    };
    s.processProcessorTime = PROCESS_READER(processor);
    s.processWorkingSet = PROCESS_READER(workingSet);
    s.processIoReads = PROCESS_READER(ioReads);
    s.processIoWrites = PROCESS_READER(ioWrites);
    s.processThreads = PROCESS_READER(threads);
    s.processHandles = PROCESS_READER(handles);
    s.cpuTemperature = []() { return Fake().cpuTemperature; };
    s.sensorTemperature = [](int64_t* out, int32_t) { *out = Fake().sensorCelsius; return Fake().sensorOk; };
    s.sensorFan = [](int64_t* out, int32_t) { *out = Fake().fanRpm; return Fake().sensorOk; };
    s.adlActivity = []() { return Fake().adlActivity; };
    s.adlTemperature = []() { return Fake().adlTemperature; };
    s.adlFan = []() { return Fake().adlFan; };
    s.initNvGpu = []() {};
    s.nvHasTemperature = []() { return Fake().nvTemperature; };
    s.nvHasFan = []() { return Fake().nvFanPresent; };
    s.nvUsage = []() { return Fake().nvUsage; };
    s.nvThermal = [](int32_t, int32_t* minimum, int32_t* current, int32_t* maximum) {
        *minimum = 0;
        *current = Fake().nvCurrent;
        *maximum = Fake().nvMaximum;
        return Fake().nvTemperature;
    };
    s.nvFan = [](int32_t* rpm) { *rpm = Fake().nvFanRpm; return Fake().nvFanRpm > 0; };
    s.fixedDriveCount = []() { return static_cast<int32_t>(Fake().drives.size()); };
    s.fixedDriveRoot = [](int32_t index) -> const wchar_t* {
        return index >= 0 && index < static_cast<int32_t>(Fake().drives.size()) ? Fake().drives[index].c_str() : nullptr;
    };
    s.fixedDrivesUsedPercent = []() { return Fake().drivesUsed; };
    s.driveUsedPercent = [](const wchar_t* drive) { return Fake().driveUsed[drive]; };
    s.hddCount = []() { return static_cast<int32_t>(Fake().hdds.size()); };
    s.hdd = [](int32_t index) -> s::system::hdd::IHdd* {
        return index >= 0 && index < static_cast<int32_t>(Fake().hdds.size()) ? Fake().hdds[index] : nullptr;
    };
    s.nicCount = []() { return static_cast<int32_t>(Fake().connections.size()); };
    s.nic = [](int32_t index) -> s::system::network::INicConn* {
        return index >= 0 && index < static_cast<int32_t>(Fake().connections.size()) ? Fake().connections[index] : nullptr;
    };
    s.gipFinder = []() -> s::system::network::IGipFinder* { return &Fake().finder; };
    s.memoryStatus = [](MEMORYSTATUSEX* out) { *out = Fake().memory; return true; };
    s.performanceInfo = [](PERFORMANCE_INFORMATION* out) {
        out->CommitTotal = Fake().commitTotal;
        out->CommitLimit = Fake().commitLimit;
        return Fake().performanceOk;
    };
    s.powerStatus = [](SYSTEM_POWER_STATUS* out) { *out = Fake().power; return Fake().powerOk; };
    s.localTime = [](SYSTEMTIME* out) { *out = Fake().localTime; };
    s.establishedConnections = [](int64_t* out) { *out = Fake().established; return true; };
    s.wallSeconds = []() { return Fake().wallSeconds; };
    s.timeStamp = []() { return Fake().timeStamp; };
    s.performanceCounter = [](int64_t* out) { *out = Fake().performanceCounter; return true; };
    s.performanceFrequency = [](int64_t* out) { *out = Fake().performanceFrequency; return true; };
}

FakeSourcesScope::~FakeSourcesScope()
{
    GetFieldSources() = saved_;
    ResetFieldCallbackState();
    ResetProcessCaches();
}
