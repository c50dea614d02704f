#pragma once
#include <windows.h>
#include <winioctl.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "measurement/hdd/DiskDeviceCalls.h"

typedef std::array<uint8_t, 12> AttributeEntry;

// An attribute entry: id and the six raw bytes (little-endian) at bytes 5 to 10.
AttributeEntry Entry(uint8_t id, std::array<uint8_t, 6> raw);
// An entry whose first raw word is value and the rest 0.
AttributeEntry Word(uint8_t id, int16_t value);

// One "\\.\PhysicalDrive" n as the tests script it.
struct ScriptedDisk {
    bool opens = true;          // with access 0
    bool geometry = true;
    bool opensForReading = true;
    bool version = true;
    bool enable = true;
    bool identify = true;
    bool attributes = true;
    uint8_t deviceMap = 0;
    int64_t cylinders = 1000;
    DWORD tracks = 255, sectors = 63, bytes = 512;
    // The IDENTIFY field bytes as they read (swapped into words by the script).
    std::string model = "SCRIPTED DISK", firmware = "FW1", serial = "SN42";
    uint16_t word3 = 0x3FFF;
    // Replaces the whole 512-byte IDENTIFY block when not empty.
    std::vector<uint8_t> identifyBlock;
    std::vector<AttributeEntry> entries;
    // Time an attribute read takes.
    int32_t attributeDelayMs = 0;
};

// One device call as the scripted devices saw it.
struct DeviceCall {
    int32_t drive;
    DWORD code;
    DWORD inSize, outSize;
    DWORD bufferSize;
    uint8_t features, count, number, cylinderLow, cylinderHigh, driveHead, command, driveNumber;
};

struct ScriptedDisks {
    std::map<int32_t, ScriptedDisk> disks;
    std::vector<DeviceCall> calls;
    std::vector<DWORD> openAccesses;
    std::atomic<int32_t> attributeReads{0};
    std::atomic<int32_t> openHandles{0};
    std::atomic<int32_t> mostOpenAtOnce{0};
    CRITICAL_SECTION lock;
    ScriptedDisks() { InitializeCriticalSection(&lock); }
};

ScriptedDisks& Devices();

// Puts the scripted devices in place of the system's for its life.
class ScriptedDisksScope {
public:
    ScriptedDisksScope();
    ~ScriptedDisksScope();

private:
    s::system::hdd::win::DiskDeviceCalls saved_;
};
