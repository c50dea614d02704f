#include "measurement/sensors/SensorChips.h"

#include <cwchar>

#include "core/thread/ObjLocker.h"
#include "measurement/sensors/ChipPorts.h"
#include "measurement/sensors/ChipReaders.h"
#include "measurement/sensors/HardwareAccess.h"

namespace s {
namespace system {
namespace win {

namespace {
using str::strbuffer::StrBuffer;

const int32_t kMissingTemperature = 127;
const uint16_t kFirstIndexPort = 0x2E;
const uint16_t kSecondIndexPort = 0x4E;
const uint32_t kChipIdHigh = 0x20;
const uint32_t kChipIdLow = 0x21;
const uint32_t kChipRevision = 0x22;
const uint32_t kDeviceSelect = 0x07;
const uint32_t kBaseHigh = 0x60;
const uint32_t kBaseLow = 0x61;
const uint32_t kActivate = 0x30;
const uint32_t kExitKey = 0xAA;
const uint32_t kConfigControl = 0x02;

// The configuration-mode keys: A at both ports, B with a last byte of its own at each.
const int32_t kKeyA[Chip::kKeyLength] = {0x87, 0x87, -1, -1};
const int32_t kKeyB2E[Chip::kKeyLength] = {0x87, 0x01, 0x55, 0x55};
const int32_t kKeyB4E[Chip::kKeyLength] = {0x87, 0x01, 0x55, 0xAA};

struct PciRow {
    const wchar_t* name;
    int32_t vendor;
    int32_t device;
    int32_t function;
};

const PciRow kPciRows[] = {
    {L"K10 (Family 10h) Athlon64/Opteron/Sempron Miscellaneous Control", 0x1022, 0x1203, 3},
    {L"K8 [Athlon64/Opteron] Miscellaneous Control", 0x1022, 0x1103, 3},
    {L"Intel 82801EB ICH5", 0x8086, 0x24D3, -1},
};

enum Key { kA, kB };

struct Family {
    Chip::InitOperation init;
    Chip::Reader temperatures[Chip::kTemperatureCount];
    Chip::Reader fans[Chip::kFanCount];
    int32_t portReach;
};

const Family kWinbondOnce = {&WinbondOnceInit,
                             {&WinbondTemperature1, &WinbondTemperature2, &WinbondTemperature3},
                             {&WinbondFan1, &WinbondFan2, &WinbondFan3},
                             kWinbondPortReach};
const Family kWinbondOnceTwo = {&WinbondOnceInit,
                                {&WinbondTemperature1, &WinbondTemperature2},
                                {&WinbondFan1, &WinbondFan2},
                                kWinbondPortReach};
const Family kWinbond = {&WinbondInit,
                         {&WinbondTemperature1, &WinbondTemperature2, &WinbondTemperature3},
                         {&WinbondFan1, &WinbondFan2, &WinbondFan3},
                         kWinbondPortReach};
const Family kWinbondTwoFans = {&WinbondInit,
                                {&WinbondTemperature1, &WinbondTemperature2, &WinbondTemperature3},
                                {&WinbondFan1, &WinbondFan2},
                                kWinbondPortReach};
const Family kVia = {&ViaInit, {&ViaTemperature1, &ViaTemperature2}, {&ViaFan1, &ViaFan2}, kViaPortReach};
const Family kFintekA = {&FintekInit,
                         {&FintekATemperature1, &FintekATemperature2, &FintekATemperature3},
                         {&FintekAFan1, &FintekAFan2, &FintekAFan3},
                         kFintekPortReach};
const Family kFintekB = {nullptr,
                         {&FintekBTemperature1, &FintekBTemperature2, &FintekBTemperature3},
                         {&FintekBFan1, &FintekBFan2, &FintekBFan3},
                         kFintekPortReach};
const Family kNone = {nullptr, {}, {}, 0};
const Family kIteThreeFans = {&IteInit,
                              {&IteTemperature1, &IteTemperature2, &IteTemperature3},
                              {&IteFan1, &IteFan2, &IteFan3},
                              kItePortReach};
const Family kIte = {&IteInit,
                     {&IteTemperature1, &IteTemperature2, &IteTemperature3},
                     {&IteFan1, &IteFan2, &IteFan3, &IteFan4, &IteFan5},
                     kItePortReach};

struct SuperIoRow {
    const wchar_t* name;
    int32_t id;
    int32_t mask;
    int32_t logicalDevice;
    Key key;
    const Family* family;
};

// In probe order.
const SuperIoRow kSuperIoRows[] = {
    {L"Winbond W83627HF/F/HG/G Super IO Sensors", 0x52, 0, 0x0B, kA, &kWinbondOnce},
    {L"Winbond W83627THF/THG Super IO Sensors", 0x82, 0, 0x0B, kA, &kWinbondOnce},
    {L"Winbond W83637HF/HG Super IO Sensors", 0x70, 0, 0x0B, kA, &kWinbondOnce},
    {L"Winbond W83687THF Super IO Sensors", 0x85, 0, 0x0B, kA, &kWinbondOnce},
    {L"Winbond W83697HF/F/HG Super IO Sensors", 0x60, 0, 0x0B, kA, &kWinbondOnceTwo},
    {L"Winbond W83627EHF/EF/EHG/EG Super IO Sensors", 0x8840, 0xFFC0, 0x0B, kA, &kWinbond},
    {L"Winbond W83627DHG Super IO Sensors", 0xA020, 0xFFF0, 0x0B, kA, &kWinbond},
    {L"Winbond W83627DHG-P Super IO Sensors", 0xB070, 0xFFF0, 0x0B, kA, &kWinbond},
    {L"Winbond W83667HG Super IO Sensors", 0xA510, 0xFFF0, 0x0B, kA, &kWinbondTwoFans},
    {L"VIA VT1211 Super IO Sensors", 0x3C, 0, 0x0B, kA, &kVia},
    {L"Fintek F71805F/FG Super IO Sensors", 0x406, 0, 4, kA, &kFintekA},
    {L"Fintek F71806FG/F71872FG Super IO Sensors", 0x341, 0, 4, kA, &kFintekA},
    {L"Fintek F71862FG Super IO Sensors", 0x601, 0, 4, kA, &kFintekB},
    {L"Fintek F71858DG Super IO Sensors", 0x507, 0, 2, kA, &kFintekB},
    {L"Fintek F71882FG/F71883FG Super IO Sensors", 0x541, 0, 4, kA, &kFintekB},
    {L"Asus F8000 Super IO", 0x581, 0, 4, kA, &kFintekB},
    {L"ITE IT8702F Super IO Fan Sensors", 0x8702, 0, 4, kB, &kNone},
    {L"ITE IT8705F Super IO Sensors", 0x8705, 0, 4, kB, &kIteThreeFans},
    {L"ITE IT8712F Super IO Sensors", 0x8712, 0, 4, kB, &kIte},
    {L"ITE IT8716F Super IO Sensors", 0x8716, 0, 4, kB, &kIte},
    {L"ITE IT8718F Super IO Sensors", 0x8718, 0, 4, kB, &kIte},
    {L"ITE IT8720F Super IO Sensors", 0x8720, 0, 4, kB, &kIte},
    {L"ITE IT8721F Super IO Sensors", 0x8721, 0, 4, kB, &kIte},
    {L"ITE IT8726F Super IO Sensors", 0x8726, 0, 4, kB, &kIte},
    {L"ITE IT8728F Super IO Sensors", 0x8728, 0, 4, kB, &kIte},
    {L"ITE IT8771E Super IO Sensors", 0x8771, 0, 4, kB, &kIte},
    {L"ITE IT8772E Super IO Sensors", 0x8772, 0, 4, kB, &kIte},
    {L"ITE IT8782F Super IO Sensors", 0x8782, 0, 4, kB, &kIte},
    {L"ITE IT8783E/F Super IO Sensors", 0x8783, 0, 4, kB, &kIte},
};

void CopyKey(int32_t* to, const int32_t* from)
{
    for (int32_t i = 0; i < Chip::kKeyLength; ++i)
        to[i] = from[i];
}

uint8_t ReadConfig(uint16_t indexPort, uint16_t dataPort, uint32_t reg)
{
    int32_t value = 0;
    ReadIndexedRegister(indexPort, dataPort, reg, &value);
    return static_cast<uint8_t>(value);
}

void LeaveConfigMode(uint16_t indexPort, uint16_t dataPort)
{
    WriteIoPortByte(indexPort, kExitKey);
    WriteIoPortByte(indexPort, kConfigControl);
    WriteIoPortByte(dataPort, kConfigControl);
}
} // namespace

SensorChips::SensorChips()
    : winbondInitDone(false), iteFansDiscovered(false), iteFanMask(0), detected_(false), idLogged_(false)
{
    InitializeCriticalSection(&detectLock_);
    InitializeCriticalSection(&logLock_);
    CreateTable();
}

SensorChips::~SensorChips()
{
    for (uint32_t i = 0; i < chips_.GetCount(); ++i)
        static_cast<Chip*>(chips_.Get(i))->ReleaseToPool();
    DeleteCriticalSection(&logLock_);
    DeleteCriticalSection(&detectLock_);
}

Chip* SensorChips::AddChip(const wchar_t* name)
{
    Chip* chip = Chip::New();
    if (!chip)
        return nullptr;
    chip->name->Assign(name);
    chip->owner = this;
    chips_.Append(chip);
    return chip;
}

void SensorChips::CreateTable()
{
    for (const PciRow& row : kPciRows) {
        Chip* chip = AddChip(row.name);
        if (!chip)
            continue;
        chip->pciVendor = row.vendor;
        chip->pciDevice = row.device;
        chip->wantedPciFunction = row.function;
    }
    for (const SuperIoRow& row : kSuperIoRows) {
        Chip* chip = AddChip(row.name);
        if (!chip)
            continue;
        chip->chipId = row.id;
        chip->idMask = row.mask;
        chip->logicalDevice = row.logicalDevice;
        CopyKey(chip->key2E, row.key == kA ? kKeyA : kKeyB2E);
        CopyKey(chip->key4E, row.key == kA ? kKeyA : kKeyB4E);
        chip->init = row.family->init;
        for (int32_t i = 0; i < Chip::kTemperatureCount; ++i)
            chip->temperatureReaders[i] = row.family->temperatures[i];
        for (int32_t i = 0; i < Chip::kFanCount; ++i)
            chip->fanReaders[i] = row.family->fans[i];
        chip->portReach = row.family->portReach;
    }
}

void SensorChips::Detect()
{
    if (detected_.load())
        return;
    thread::ScopedLock hold(detectLock_);
    if (detected_.load())
        return;
    DetectPci();
    for (uint32_t i = 0; i < chips_.GetCount(); ++i) {
        Chip* chip = GetChip(i);
        if (chip->chipId >= 0)
            Probe(chip);
    }
    detected_.store(true);
}

void SensorChips::DetectPci()
{
    for (uint32_t i = 0; i < chips_.GetCount(); ++i) {
        Chip* chip = GetChip(i);
        if (chip->pciVendor == 0)
            continue;
        if (!FindPciDevice(static_cast<uint16_t>(chip->pciVendor), static_cast<uint16_t>(chip->pciDevice),
                           &chip->foundBus, &chip->foundDevice, &chip->foundFunction, chip->wantedPciFunction))
            continue;
        chip->pciFound = true;
        chip->matched = true;
        StrBuffer* line = StrBuffer::New();
        if (line) {
            line->Assign(L"PCI: ")->AppendStr(chip->name);
            AddLog(line->GetText());
            line->ReleaseToPool();
        }
        found_.Append(chip);
    }
}

void SensorChips::Probe(Chip* chip)
{
    ProbeAt(chip, kFirstIndexPort, kFirstIndexPort + 1);
    if (chip->baseAddress <= 0 || !chip->active)
        ProbeAt(chip, kSecondIndexPort, kSecondIndexPort + 1);
    if (!chip->found)
        return;
    // A first reading of each sensor, so the next one the gadget takes is a settled one.
    if (chip->IsQueryable()) {
        int32_t discarded = 0;
        for (Chip::Reader reader : chip->temperatureReaders) {
            if (reader)
                reader(chip, &discarded);
        }
        for (int32_t i = 0; i < 3; ++i) {
            if (chip->fanReaders[i])
                chip->fanReaders[i](chip, &discarded);
        }
    }
    if (chip->matched)
        found_.Append(chip);
}

void SensorChips::ProbeAt(Chip* chip, uint16_t indexPort, uint16_t dataPort)
{
    LeaveConfigMode(indexPort, dataPort);
    const int32_t* key = indexPort == kFirstIndexPort ? chip->key2E : chip->key4E;
    for (int32_t i = 0; i < Chip::kKeyLength; ++i) {
        if (key[i] >= 0)
            WriteIoPortByte(indexPort, static_cast<uint32_t>(key[i]));
    }
    const uint8_t idBytes[2] = {ReadConfig(indexPort, dataPort, kChipIdHigh),
                                ReadConfig(indexPort, dataPort, kChipIdLow)};
    const int32_t id = idBytes[0] * 256 + idBytes[1];
    if (id == 0 || id == 0xFFFF) {
        LeaveConfigMode(indexPort, dataPort);
        return;
    }
    if (!idLogged_) {
        idLogged_ = true;
        StrBuffer* line = StrBuffer::New();
        if (line) {
            line->Assign(L"SuperIO Device ID: 0x");
            line->AppendHexBytes(idBytes, 2);
            AddLog(line->GetText());
            line->ReleaseToPool();
        }
    }
    const bool match = chip->chipId > 0xFF ? (id & (chip->idMask ? chip->idMask : 0xFFFF)) == chip->chipId
                                           : idBytes[0] == chip->chipId;
    if (!match) {
        LeaveConfigMode(indexPort, dataPort);
        return;
    }

    StrBuffer* line = StrBuffer::New();
    if (line) {
        line->Assign(L"SuperIO Found: ")->AppendStr(chip->name);
        AddLog(line->GetText());
        line->ReleaseToPool();
    }
    chip->found = true;
    chip->matched = true;
    chip->indexPort = indexPort;
    chip->dataPort = dataPort;
    WriteIndexedRegister(indexPort, dataPort, kDeviceSelect, chip->logicalDevice);
    const int32_t address = ReadConfig(indexPort, dataPort, kBaseHigh) * 256 + ReadConfig(indexPort, dataPort, kBaseLow);
    // A base so high that the family's registers would wrap past port 0xFFFF onto unrelated low
    // ports is no usable address.
    const bool usable = chip->FitsBase(address);
    if (usable)
        chip->baseAddress = address;
    ReadConfig(indexPort, dataPort, kActivate);

    if (!usable) {
        AddLog(L"ISA Address: Not Found");
    } else {
        int32_t revision = ReadConfig(indexPort, dataPort, kChipRevision);
        if (revision == 0xFF)
            revision = 0;
        chip->revision = revision & 0x0F;
        AddLogFormatted(L"Device Revision: %d\n", chip->revision);
        chip->active = true;
        AddLogFormatted(L"Active at ISA Address: 0x%x\n", address);
    }
    if (chip->init && chip->IsQueryable())
        chip->init(chip);
    LeaveConfigMode(indexPort, dataPort);
}

void SensorChips::AddLogFormatted(const wchar_t* format, int32_t value)
{
    wchar_t text[64] = {};
    swprintf(text, sizeof(text) / sizeof(text[0]), format, value);
    AddLog(text);
}

void SensorChips::AddLog(const wchar_t* text)
{
    thread::ScopedLock hold(logLock_);
    log_.AddText(text);
    while (log_.GetCount() > kLogLimit) {
        StrBuffer* oldest = static_cast<StrBuffer*>(log_.Items().RemoveAt(0));
        if (oldest)
            oldest->ReleaseToPool();
    }
}

bool SensorChips::AskFoundChips(int64_t* out, bool temperature, int32_t index)
{
    Detect();
    const int32_t count = temperature ? Chip::kTemperatureCount : Chip::kFanCount;
    if (index < 0 || index >= count)
        return false;
    for (uint32_t i = 0; i < found_.GetCount(); ++i) {
        Chip* chip = GetFound(i);
        Chip::Reader reader = temperature ? chip->temperatureReaders[index] : chip->fanReaders[index];
        int32_t value = 0;
        if (chip->IsQueryable() && reader && reader(chip, &value)) {
            *out = value;
            return true;
        }
    }
    return false;
}

bool SensorChips::GetTemperature(int64_t* out, int32_t sensor)
{
    *out = kMissingTemperature;
    if (!AskFoundChips(out, true, sensor))
        return false;
    if (*out < 0)
        *out = 0;
    return true;
}

bool SensorChips::GetFanSpeed(int64_t* out, int32_t fan)
{
    *out = 0;
    return AskFoundChips(out, false, fan);
}

str::strarray::StrArray* SensorChips::BuildReport()
{
    Detect();
    str::strarray::StrArray* lines = str::strarray::StrArray::New();
    if (!lines)
        return nullptr;
    lines->AddText(L"[Chips]");
    thread::ScopedLock hold(logLock_);
    for (uint32_t i = 0; i < log_.GetCount(); ++i)
        lines->AddText(log_.Get(i)->GetText());
    return lines;
}

SensorChips& GetSensorChips()
{
    static SensorChips chips;
    return chips;
}

bool GetSensorTemperature(int64_t* out, int32_t sensor)
{
    return GetSensorChips().GetTemperature(out, sensor);
}

bool GetSensorFanSpeed(int64_t* out, int32_t fan)
{
    return GetSensorChips().GetFanSpeed(out, fan);
}

str::strarray::StrArray* BuildChipsReport()
{
    return GetSensorChips().BuildReport();
}

void AddChipLog(const wchar_t* text)
{
    GetSensorChips().AddLog(text);
}

} // namespace win
} // namespace system
} // namespace s
