#include "measurement/hdd/Hdd.h"

#include <winioctl.h>

#include <cstdlib>
#include <cstring>

#include "core/str/AsciiFold.h"
#include "measurement/hdd/DiskDeviceCalls.h"
#include "measurement/win/AnsiText.h"

namespace s {
namespace system {
namespace hdd {
namespace win {

const wchar_t Hdd::kAttribute178Firmware[] = L"VAM05D1Q";

namespace {
using str::strbuffer::StrBuffer;

const wchar_t kDevicePrefix[] = L"\\\\.\\PhysicalDrive";
// The command block without its one data byte, and the answers: the 16-byte header alone, or
// with the 512 data bytes.
const DWORD kCommandInSize = 32;
const DWORD kCommandBufferSize = 33;
const DWORD kStatusOutSize = 16;
const DWORD kDataOutSize = 528;
const DWORD kDataOffset = 16;
const DWORD kSectorBytes = 512;
const DWORD kVersionSize = 24;

const uint8_t kSmartCommand = 0xB0;
const uint8_t kEnableFeature = 0xD8;
const uint8_t kReadAttributesFeature = 0xD0;
const uint8_t kIdentifyDevice = 0xEC;
const uint8_t kIdentifyPacketDevice = 0xA1;
const uint8_t kSmartCylinderLow = 0x4F;
const uint8_t kSmartCylinderHigh = 0xC2;

// The attribute table: 30 entries of 12 bytes after the 2-byte revision.
const int32_t kAttributeEntries = 30;
const int32_t kAttributeEntrySize = 12;
const int32_t kAttributeTableOffset = 2;

const int32_t kSlot194 = 16, kSlot3Second = 42, kSlot194Min = 43, kSlot194Max = 44, kSlot231 = 45,
              kSlot231Min = 46, kSlot231Max = 47, kSlot178 = 48;

// IDENTIFY texts: words with their two bytes swapped, in the ANSI code page, control characters
// read as blanks and blanks trimmed at both ends. Never read past the field.
void AssignIdentifyText(StrBuffer* out, const uint8_t* data, uint32_t offset, uint32_t size)
{
    char bytes[64];
    for (uint32_t i = 0; i + 1 < size; i += 2) {
        bytes[i] = static_cast<char>(data[offset + i + 1]);
        bytes[i + 1] = static_cast<char>(data[offset + i]);
    }
    for (uint32_t i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(bytes[i]) < 0x20 || bytes[i] == 0x7F)
            bytes[i] = ' ';
    }
    system::win::AssignAnsi(out, bytes, size);
    out->TrimStart();
    out->TrimEnd();
}

void SetRegisters(SENDCMDINPARAMS* command, DWORD bufferSize, uint8_t feature, uint8_t cylinderLow,
                  uint8_t cylinderHigh, uint8_t driveHead, uint8_t commandCode, int32_t driveNumber)
{
    std::memset(command, 0, kCommandBufferSize);
    command->cBufferSize = bufferSize;
    command->irDriveRegs.bFeaturesReg = feature;
    command->irDriveRegs.bSectorCountReg = 1;
    command->irDriveRegs.bSectorNumberReg = 1;
    command->irDriveRegs.bCylLowReg = cylinderLow;
    command->irDriveRegs.bCylHighReg = cylinderHigh;
    command->irDriveRegs.bDriveHeadReg = driveHead;
    command->irDriveRegs.bCommandReg = commandCode;
    command->bDriveNumber = static_cast<BYTE>(driveNumber);
}

int16_t Word(const uint8_t* bytes)
{
    return static_cast<int16_t>(bytes[0] | (bytes[1] << 8));
}
} // namespace

Hdd::Hdd()
    : index_(0), driveNumber_(0), cylinders_(0), tracksPerCylinder_(0), sectorsPerTrack_(0), bytesPerSector_(0),
      sizeBytes_(0), hasDeviceInfo_(false), deviceInfoValue_(0), isAccessible_(false), hasVersionIoControl_(false),
      hasIdentifyCommand_(false), hasSmart_(false), deviceHandle_(nullptr), busy_(false), attributeBuffer_(nullptr),
      commandBuffer_(nullptr), refreshRequested_(false), stopRequested_(false), running_(false), worker_(nullptr)
{
    ClearSlots();
}

Hdd::~Hdd()
{
    stopRequested_ = true;
    if (worker_) {
        worker_->WaitUntilIdle();
        // Deleted, not given back: at exit the thread pool may be gone already.
        delete worker_;
    }
    std::free(attributeBuffer_);
    std::free(commandBuffer_);
}

const wchar_t* Hdd::GetClassName()
{
    return L"s_system_hdd_win_Hdd";
}

base::IObject* Hdd::NewInstance()
{
    return New();
}

thread::EasyPooler* Hdd::GetPool()
{
    return &thread::PoolOf<Hdd>();
}

Hdd* Hdd::New()
{
    return thread::TakeFromPool<Hdd>();
}

void Hdd::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Hdd::ClearSlots()
{
    for (std::atomic<int64_t>& value : values_)
        value = kUnknown;
}

void Hdd::Reset()
{
    // The stop is asked under the lock but waited for outside it: the worker takes the lock
    // at every step.
    thread::win::Thread* worker = nullptr;
    {
        thread::ScopedLock hold(locker_);
        stopRequested_ = true;
        worker = worker_;
        worker_ = nullptr;
    }
    if (worker) {
        worker->WaitUntilIdle();
        worker->ReleaseToPool();
    }
    thread::ScopedLock hold(locker_);
    stopRequested_ = false;
    running_ = false;
    refreshRequested_ = false;
    index_ = 0;
    name_.Assign(L"");
    devicePath_.Assign(L"");
    model_.Assign(L"");
    firmware_.Assign(L"");
    serial_.Assign(L"");
    driveNumber_ = 0;
    cylinders_ = 0;
    tracksPerCylinder_ = 0;
    sectorsPerTrack_ = 0;
    bytesPerSector_ = 0;
    sizeBytes_ = 0;
    isAccessible_ = false;
    hasVersionIoControl_ = false;
    hasIdentifyCommand_ = false;
    hasSmart_ = false;
    hasDeviceInfo_ = false;
    deviceInfoValue_ = 0;
    if (deviceHandle_ && deviceHandle_ != INVALID_HANDLE_VALUE)
        GetDiskDeviceCalls().close(deviceHandle_);
    deviceHandle_ = nullptr;
    busy_ = false;
    ClearSlots();
}

void Hdd::SetName(const wchar_t* name)
{
    name_.Assign(name ? name : L"");
}

void Hdd::SetDevice(int32_t driveNumber, int64_t cylinders, uint32_t tracksPerCylinder, uint32_t sectorsPerTrack,
                    uint32_t bytesPerSector)
{
    driveNumber_ = driveNumber;
    devicePath_.Assign(kDevicePrefix)->AppendInt32(driveNumber);
    cylinders_ = cylinders;
    tracksPerCylinder_ = tracksPerCylinder;
    sectorsPerTrack_ = sectorsPerTrack;
    bytesPerSector_ = bytesPerSector;
    sizeBytes_ = cylinders * tracksPerCylinder * sectorsPerTrack * bytesPerSector;
}

int32_t Hdd::SlotOf(uint8_t id)
{
    if (id >= 1 && id <= 13)
        return id - 1;
    if (id >= 195 && id <= 209)
        return id - 178;
    switch (id) {
    case 191:
    case 221:
        return 13;
    case 192:
        return 14;
    case 193:
    case 225:
        return 15;
    case 194:
        return kSlot194;
    case 220:
        return 32;
    case 222:
    case 223:
    case 224:
        return id - 189;
    case 226:
    case 227:
    case 228:
        return id - 190;
    case 230:
        return 39;
    case 231:
        return kSlot231;
    case 240:
        return 40;
    case 250:
        return 41;
    case 178:
        return kSlot178;
    default:
        return -1;
    }
}

void Hdd::StoreAttribute(const uint8_t* entry)
{
    const uint8_t id = entry[0];
    const int32_t slot = SlotOf(id);
    if (slot < 0)
        return;
    int64_t raw = 0;
    for (int32_t i = 10; i >= 5; --i)
        raw = (raw << 8) | entry[i];
    const int16_t w1 = Word(entry + 5), w2 = Word(entry + 7), w3 = Word(entry + 9);
    if (id == 1 || id == 2 || id > 231) {
        values_[slot] = raw;
    } else if (id == 3) {
        values_[slot] = w1;
        if (w2 != 0)
            values_[kSlot3Second] = w2;
    } else if (id == 178 || id == 194 || id == 231) {
        values_[slot] = w1;
        if (raw != w1 && id != 178) {
            const int32_t low = id == 194 ? kSlot194Min : kSlot231Min;
            values_[low] = w2 < w3 ? w2 : w3;
            values_[low + 1] = w2 < w3 ? w3 : w2;
        }
    } else {
        values_[slot] = raw;
    }
}

int32_t Hdd::GetTemperature()
{
    int64_t t = values_[kSlot194];
    if (t == kUnknown)
        t = values_[kSlot231];
    if (str::EqualsIgnoreCaseAscii(firmware_.GetText(), kAttribute178Firmware))
        t = values_[kSlot178];
    if (t == kUnknown)
        return kNoTemperature;
    if (t < 0)
        return static_cast<int32_t>(-t);
    if (t > 200)
        return static_cast<int32_t>((t + 5) / 10);
    return static_cast<int32_t>(t);
}

int32_t Hdd::GetTemperatureFahrenheit()
{
    const int32_t celsius = GetTemperature();
    if (celsius == kNoTemperature)
        return kNoTemperature;
    return celsius * 9 / 5 + 32;
}

void Hdd::ParseIdentify(const uint8_t* data, bool deviceCommand)
{
    hasDeviceInfo_ = deviceCommand;
    if (deviceCommand)
        deviceInfoValue_ = static_cast<uint32_t>(data[6] | (data[7] << 8));
    AssignIdentifyText(&model_, data, 54, 40);
    AssignIdentifyText(&firmware_, data, 46, 8);
    AssignIdentifyText(&serial_, data, 20, 20);
    if (name_.GetLength() == 0)
        SetName(model_.GetText());
}

void Hdd::ReadAttributes(const uint8_t* data, str::strarray::StrArray* report)
{
    StrBuffer* text = report ? StrBuffer::New() : nullptr;
    if (report && !text)
        return;
    for (int32_t i = 0; i < kAttributeEntries; ++i) {
        const uint8_t* entry = data + kAttributeTableOffset + i * kAttributeEntrySize;
        if (!report) {
            StoreAttribute(entry);
            continue;
        }
        if (entry[0] == 0)
            continue;
        int64_t raw = 0;
        for (int32_t b = 10; b >= 5; --b)
            raw = (raw << 8) | entry[b];
        if (text->GetLength() != 0)
            text->Append(L"\r\n");
        text->AppendInt32(entry[0])->Append(L": ")->AppendInt64(raw);
    }
    if (report)
        report->Add(text);
}

void Hdd::ReadOpenDevice(HANDLE device, str::strarray::StrArray* report)
{
    DiskDeviceCalls& calls = GetDiskDeviceCalls();
    isAccessible_ = true;
    GETVERSIONINPARAMS version = {};
    DWORD returned = 0;
    if (!calls.control(device, SMART_GET_VERSION, nullptr, 0, &version, kVersionSize, &returned))
        return;
    hasVersionIoControl_ = true;
    const uint8_t driveHead = driveNumber_ % 2 == 1 ? 0xB0 : 0xA0;
    SENDCMDINPARAMS* command = reinterpret_cast<SENDCMDINPARAMS*>(commandBuffer_);

    uint8_t status[kStatusOutSize + 1] = {};
    SetRegisters(command, 0, kEnableFeature, kSmartCylinderLow, kSmartCylinderHigh, driveHead, kSmartCommand,
                 driveNumber_);
    hasSmart_ = calls.control(device, SMART_SEND_DRIVE_COMMAND, command, kCommandInSize, status, kStatusOutSize,
                              &returned) != 0;

    const uint32_t map = static_cast<uint32_t>(version.bIDEDeviceMap) >> (driveNumber_ & 31);
    const uint8_t identifyCommand = (map & 0x10) ? kIdentifyPacketDevice : kIdentifyDevice;
    uint8_t identify[kDataOutSize] = {};
    SetRegisters(command, kSectorBytes, 0, 0, 0, driveHead, identifyCommand, driveNumber_);
    if (calls.control(device, SMART_RCV_DRIVE_DATA, command, kCommandInSize, identify, kDataOutSize, &returned)) {
        hasIdentifyCommand_ = true;
        ParseIdentify(identify + kDataOffset, identifyCommand == kIdentifyDevice);
    }

    if (!attributeBuffer_)
        attributeBuffer_ = static_cast<uint8_t*>(std::malloc(kDataOutSize));
    if (!attributeBuffer_)
        return;
    std::memset(attributeBuffer_, 0, kDataOutSize);
    SetRegisters(command, kSectorBytes, kReadAttributesFeature, kSmartCylinderLow, kSmartCylinderHigh, driveHead,
                 kSmartCommand, driveNumber_);
    if (calls.control(device, SMART_RCV_DRIVE_DATA, command, kCommandInSize, attributeBuffer_, kDataOutSize,
                      &returned))
        ReadAttributes(attributeBuffer_ + kDataOffset, report);
}

void Hdd::ReadSmart(str::strarray::StrArray* report)
{
    DiskDeviceCalls& calls = GetDiskDeviceCalls();
    {
        thread::ScopedLock hold(locker_);
        // A read is under way, or an earlier open failed.
        if (busy_ || deviceHandle_ != nullptr)
            return;
        busy_ = true;
    }
    if (!commandBuffer_)
        commandBuffer_ = static_cast<uint8_t*>(std::calloc(1, kCommandBufferSize));
    const HANDLE device = commandBuffer_ ? calls.open(devicePath_.GetText(), GENERIC_READ | GENERIC_WRITE)
                                         : INVALID_HANDLE_VALUE;
    if (device == INVALID_HANDLE_VALUE) {
        values_[kSlot194] = kUnknown;
        values_[kSlot231] = kUnknown;
        values_[kSlot178] = kUnknown;
        thread::ScopedLock hold(locker_);
        deviceHandle_ = commandBuffer_ ? INVALID_HANDLE_VALUE : nullptr;
        busy_ = false;
        return;
    }
    {
        thread::ScopedLock hold(locker_);
        deviceHandle_ = device;
    }
    ReadOpenDevice(device, report);
    thread::ScopedLock hold(locker_);
    calls.close(device);
    deviceHandle_ = nullptr;
    busy_ = false;
}

void Hdd::RequestRefresh()
{
    thread::ScopedLock hold(locker_);
    refreshRequested_ = true;
    if (worker_)
        return;
    worker_ = thread::win::Thread::New();
    if (!worker_)
        return;
    worker_->SetPriority(thread::win::Thread::kPriorityBelowNormal);
    running_ = true;
    stopRequested_ = false;
    worker_->RunOnce(this);
}

void Hdd::Run()
{
    running_ = true;
    while (!stopRequested_) {
        bool read = false;
        {
            thread::ScopedLock hold(locker_);
            read = refreshRequested_;
            refreshRequested_ = false;
        }
        if (!read) {
            Sleep(kPollStepMs);
            continue;
        }
        ReadSmart(nullptr);
        for (int32_t slept = 0; slept < kPauseAfterReadMs && !stopRequested_; slept += kPollStepMs)
            Sleep(kPollStepMs);
    }
    stopRequested_ = false;
    running_ = false;
}

} // namespace win
} // namespace hdd
} // namespace system
} // namespace s
