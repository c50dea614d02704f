#pragma once
#include <map>
#include <string>
#include <vector>

#include "app/monitor/FieldCallbacks.h"
#include "app/monitor/FieldSources.h"
#include "app/monitor/ProcessFields.h"
#include "measurement/hdd/Hdd.h"
#include "measurement/network/NicConn.h"

// The readings a test sets; every source of the fields reads from here while a FakeSourcesScope
// lives.
struct FakeProcess {
    std::wstring name;
    int64_t processor, workingSet, ioReads, ioWrites, threads, handles;
};

// Real connection objects with scripted readings: only what the fields read is replaced.
struct FakeConnection : s::system::network::win::NicConn {
    bool valid = true;
    std::wstring address = L"192.168.1.5";
    int64_t peakTotal = 0, peakReceived = 0, peakSent = 0;
    bool octets = true;
    int64_t totalOctets = 0, inOctets = 0, outOctets = 0;
    bool IsValid() override { return valid; }
    bool GetIpAddress(s::str::strbuffer::StrBuffer* out) override
    {
        if (!valid)
            return false;
        out->Assign(address.c_str());
        return true;
    }
    int64_t GetPeakTotal() override { return peakTotal; }
    int64_t GetPeakReceived() override { return peakReceived; }
    int64_t GetPeakSent() override { return peakSent; }
    void RaisePeakTotal(int64_t rate) override { peakTotal = rate > peakTotal ? rate : peakTotal; }
    void RaisePeakReceived(int64_t rate) override { peakReceived = rate > peakReceived ? rate : peakReceived; }
    void RaisePeakSent(int64_t rate) override { peakSent = rate > peakSent ? rate : peakSent; }
    bool GetTotalOctets(int64_t* out) override { *out = totalOctets; return octets; }
    bool GetInOctets(int64_t* out) override { *out = inOctets; return octets; }
    bool GetOutOctets(int64_t* out) override { *out = outOctets; return octets; }
};

struct FakeGipFinder : s::system::network::IGipFinder {
    std::wstring address;
    int32_t starts = 0, clears = 0;
    bool findOnStart = false;
    const wchar_t* GetClassName() override { return L"FakeGipFinder"; }
    s::base::IObject* NewInstance() override { return nullptr; }
    void Start() override
    {
        ++starts;
        if (findOnStart)
            address = L"203.0.113.7";
    }
    void Stop(bool) override {}
    void ClearFound() override { ++clears; }
    bool IsFound() override { return !address.empty(); }
    bool GetAddress(s::str::strbuffer::StrBuffer* out) override
    {
        if (address.empty())
            return false;
        out->Assign(address.c_str());
        return true;
    }
};

// A real disk object whose S.M.A.R.T. answers are scripted.
struct FakeHdd : s::system::hdd::win::Hdd {
    bool smart = true;
    int32_t celsius = 40;
    int32_t refreshes = 0;
    bool HasSmart() override { return smart; }
    void RequestRefresh() override { ++refreshes; }
    int32_t GetTemperature() override { return celsius; }
    int32_t GetTemperatureFahrenheit() override { return celsius == kNoTemperature ? kNoTemperature : celsius * 9 / 5 + 32; }
};

struct FakeReadings {
    // Performance counters by instance; -1 is the total.
    std::map<int32_t, int64_t> processorTime, processorUser, diskReadBytes, diskWriteBytes, diskReads, diskWrites,
        diskTime, networkReceived, networkSent, driveFreeMegabytes;
    int32_t instanceRefreshes = 0;
    std::vector<std::wstring> processors, disks;
    std::wstring computer = L"DESKTOP-7";
    int64_t threads = 0, handles = 0, upTime = 0;
    std::vector<FakeProcess> processes;
    int32_t cpuTemperature = -100;
    bool sensorOk = false;
    int32_t sensorCelsius = 127, fanRpm = 0;
    int32_t adlActivity = -1, adlTemperature = -1, adlFan = -1, nvUsage = -1;
    bool nvTemperature = false, nvFanPresent = false;
    int32_t nvCurrent = 0, nvMaximum = 0, nvFanRpm = 0;
    std::vector<std::wstring> drives;
    std::map<std::wstring, int32_t> driveUsed;
    int32_t drivesUsed = 0;
    std::vector<FakeHdd*> hdds;
    std::vector<FakeConnection*> connections;
    FakeGipFinder finder;
    MEMORYSTATUSEX memory = {};
    bool performanceOk = true;
    uint64_t commitTotal = 0, commitLimit = 0;
    bool powerOk = true;
    SYSTEM_POWER_STATUS power = {};
    SYSTEMTIME localTime = {};
    int64_t established = 0;
    int64_t wallSeconds = 1000;
    uint64_t timeStamp = 0;
    int64_t performanceCounter = 0, performanceFrequency = 10000000;
};

FakeReadings& Fake();

// Puts the fake readings in place for its life, with fresh callback state.
class FakeSourcesScope {
public:
    FakeSourcesScope();
    ~FakeSourcesScope();

private:
    s::system::counter::FieldSources saved_;
};
