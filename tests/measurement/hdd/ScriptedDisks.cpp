#include "ScriptedDisks.h"

#include <cstring>
#include <cwchar>

namespace hw = s::system::hdd::win;

namespace {
const wchar_t kPrefix[] = L"\\\\.\\PhysicalDrive";
const uintptr_t kHandleBase = 0x7000;

int32_t DriveOf(HANDLE device)
{
    return static_cast<int32_t>(reinterpret_cast<uintptr_t>(device) - kHandleBase);
}

HANDLE Open(const wchar_t* path, DWORD access)
{
    ScriptedDisks& d = Devices();
    const size_t prefix = std::wcslen(kPrefix);
    if (std::wcsncmp(path, kPrefix, prefix) != 0)
        return INVALID_HANDLE_VALUE;
    const int32_t number = _wtoi(path + prefix);
    EnterCriticalSection(&d.lock);
    d.openAccesses.push_back(access);
    LeaveCriticalSection(&d.lock);
    auto found = d.disks.find(number);
    if (found == d.disks.end())
        return INVALID_HANDLE_VALUE;
    if (access == 0 ? !found->second.opens : !found->second.opensForReading)
        return INVALID_HANDLE_VALUE;
    const int32_t open = ++d.openHandles;
    int32_t most = d.mostOpenAtOnce;
    while (open > most && !d.mostOpenAtOnce.compare_exchange_weak(most, open)) {
    }
    return reinterpret_cast<HANDLE>(kHandleBase + static_cast<uintptr_t>(number));
}

void Close(HANDLE)
{
    --Devices().openHandles;
}

void PutText(uint8_t* block, uint32_t offset, uint32_t size, const std::string& text)
{
    std::string padded = text;
    padded.resize(size, ' ');
    for (uint32_t i = 0; i + 1 < size; i += 2) {
        block[offset + i] = static_cast<uint8_t>(padded[i + 1]);
        block[offset + i + 1] = static_cast<uint8_t>(padded[i]);
    }
}

BOOL Control(HANDLE device, DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned)
{
    ScriptedDisks& d = Devices();
    const int32_t drive = DriveOf(device);
    auto found = d.disks.find(drive);
    if (found == d.disks.end())
        return FALSE;
    ScriptedDisk& disk = found->second;
    DeviceCall call = {};
    call.drive = drive;
    call.code = code;
    call.inSize = inSize;
    call.outSize = outSize;
    if (in && inSize >= 13) {
        const SENDCMDINPARAMS* command = static_cast<const SENDCMDINPARAMS*>(in);
        call.bufferSize = command->cBufferSize;
        call.features = command->irDriveRegs.bFeaturesReg;
        call.count = command->irDriveRegs.bSectorCountReg;
        call.number = command->irDriveRegs.bSectorNumberReg;
        call.cylinderLow = command->irDriveRegs.bCylLowReg;
        call.cylinderHigh = command->irDriveRegs.bCylHighReg;
        call.driveHead = command->irDriveRegs.bDriveHeadReg;
        call.command = command->irDriveRegs.bCommandReg;
        call.driveNumber = command->bDriveNumber;
    }
    EnterCriticalSection(&d.lock);
    d.calls.push_back(call);
    LeaveCriticalSection(&d.lock);
    *returned = 0;
    uint8_t* bytes = static_cast<uint8_t*>(out);
    if (code == IOCTL_DISK_GET_DRIVE_GEOMETRY) {
        if (!disk.geometry || outSize < sizeof(DISK_GEOMETRY))
            return FALSE;
        DISK_GEOMETRY* g = static_cast<DISK_GEOMETRY*>(out);
        g->Cylinders.QuadPart = disk.cylinders;
        g->MediaType = FixedMedia;
        g->TracksPerCylinder = disk.tracks;
        g->SectorsPerTrack = disk.sectors;
        g->BytesPerSector = disk.bytes;
        *returned = sizeof(DISK_GEOMETRY);
        return TRUE;
    }
    if (code == SMART_GET_VERSION) {
        if (!disk.version || outSize < sizeof(GETVERSIONINPARAMS))
            return FALSE;
        GETVERSIONINPARAMS* v = static_cast<GETVERSIONINPARAMS*>(out);
        v->bVersion = 1;
        v->bIDEDeviceMap = disk.deviceMap;
        *returned = sizeof(GETVERSIONINPARAMS);
        return TRUE;
    }
    if (code == SMART_SEND_DRIVE_COMMAND)
        return disk.enable ? TRUE : FALSE;
    if (code != SMART_RCV_DRIVE_DATA || outSize < 528)
        return FALSE;
    std::memset(bytes, 0, outSize);
    uint8_t* data = bytes + 16;
    if (call.features == 0xD0) {
        if (disk.attributeDelayMs)
            Sleep(disk.attributeDelayMs);
        ++d.attributeReads;
        if (!disk.attributes)
            return FALSE;
        for (size_t i = 0; i < disk.entries.size() && i < 30; ++i)
            std::memcpy(data + 2 + 12 * i, disk.entries[i].data(), 12);
        return TRUE;
    }
    if (!disk.identify)
        return FALSE;
    if (!disk.identifyBlock.empty()) {
        std::memcpy(data, disk.identifyBlock.data(), disk.identifyBlock.size() < 512 ? disk.identifyBlock.size() : 512);
        return TRUE;
    }
    data[6] = static_cast<uint8_t>(disk.word3);
    data[7] = static_cast<uint8_t>(disk.word3 >> 8);
    PutText(data, 54, 40, disk.model);
    PutText(data, 46, 8, disk.firmware);
    PutText(data, 20, 20, disk.serial);
    return TRUE;
}
} // namespace

AttributeEntry Entry(uint8_t id, std::array<uint8_t, 6> raw)
{
    AttributeEntry entry = {};
    entry[0] = id;
    for (int32_t i = 0; i < 6; ++i)
        entry[5 + i] = raw[i];
    return entry;
}

AttributeEntry Word(uint8_t id, int16_t value)
{
    const uint16_t bits = static_cast<uint16_t>(value);
    return Entry(id, {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8), 0, 0, 0, 0});
}

ScriptedDisks& Devices()
{
    static ScriptedDisks devices;
    return devices;
}

ScriptedDisksScope::ScriptedDisksScope() : saved_(hw::GetDiskDeviceCalls())
{
    ScriptedDisks& d = Devices();
    d.disks.clear();
    d.calls.clear();
    d.openAccesses.clear();
    d.attributeReads = 0;
    d.openHandles = 0;
    d.mostOpenAtOnce = 0;
    hw::DiskDeviceCalls& calls = hw::GetDiskDeviceCalls();
    calls.open = Open;
    calls.control = Control;
    calls.close = Close;
}

ScriptedDisksScope::~ScriptedDisksScope()
{
    hw::GetDiskDeviceCalls() = saved_;
}
