#include "measurement/sensors/CpuTemperature.h"

#include <cwchar>

#include "measurement/sensors/HardwareAccess.h"

namespace s {
namespace system {
namespace win {

namespace {
const uint32_t kTemperatureTarget = 0x1A2;
const uint32_t kPackageThermalStatus = 0x1B1;
const uint32_t kThermalStatus = 0x19C;
const uint32_t kPlatformId = 0x17;
const uint32_t kExtendedConfig = 0xEE;

const uint16_t kAmdVendor = 0x1022;
const uint16_t kK10MiscControl[] = {0x1203, 0x1303, 0x1703, 0x1603, 0x1403, 0x1533};
const uint16_t kK8MiscControl = 0x1103;
const int32_t kMiscControlFunction = 3;
const uint32_t kK8Thermtrip = 0xE4;
const uint32_t kK10ReportedTemperature = 0xA4;

bool Contains(const wchar_t* name, const wchar_t* part)
{
    return name && std::wcsstr(name, part) != nullptr;
}

// A thermal-status register's reading below TjMax, when its valid bit is set.
bool ReadThermalStatus(uint32_t index, int32_t tjMax, int32_t* celsius)
{
    uint32_t low = 0, high = 0;
    if (!ReadMsrOnFirstProcessor(index, &low, &high) && !ReadMsr(index, &low, &high))
        return false;
    if (!(low & 0x80000000u))
        return false;
    *celsius = tjMax - static_cast<int32_t>((low >> 16) & 0x7F);
    return true;
}

int32_t Widened(int32_t extended, int32_t base)
{
    return (extended > 0 ? extended : 0) * 16 + base;
}
} // namespace

int32_t TjMaxOfModel(int32_t family, int32_t model, int32_t stepping, const wchar_t* name)
{
    if (model == 28) {
        if (family == 6 && stepping == 2) {
            if (Contains(name, L" 230 "))
                return 100;
            if (Contains(name, L" 330 "))
                return 125;
            return 90;
        }
        if (stepping == 10) {
            if (family == 6 && (Contains(name, L" CE4110 ") || Contains(name, L" CE4150 ") ||
                                Contains(name, L" CE4170 ")))
                return 110;
            return 100;
        }
        return 90;
    }
    if (model == 38 || model == 39 || model == 53 || model == 54)
        return 90;
    if (family == 6 && model == 15 && stepping == 13)
        return 85;
    if (model == 15 && stepping < 4)
        return 100;
    if (model <= 14)
        return 100;
    uint32_t low = 0, high = 0;
    if (!ReadMsrOnFirstProcessor(kPlatformId, &low, &high))
        return 100;
    if (model < 23 && !(low & (1u << 28)))
        return 100;
    const uint32_t platform = (high >> 18) & 7;
    if (model == 23 && (platform == 5 || platform == 7)) {
        if (!ReadMsrOnFirstProcessor(kExtendedConfig, &low, &high))
            return 105;
        if (low & (1u << 30))
            return 90;
    }
    return 100;
}

CpuTemperature::CpuTemperature()
    : tjMax(0), lastIntel(kUnsupported), amdProbed(false), k10Found(false), k8Found(false), bus(-1), device(-1),
      function(-1)
{
}

int32_t CpuTemperature::Read(CpuIdentity& identity)
{
    if (_wcsicmp(identity.vendor.GetText(), L"GenuineIntel") == 0)
        return ReadIntel(identity);
    if (_wcsicmp(identity.vendor.GetText(), L"AuthenticAMD") == 0)
        return ReadAmd();
    return kUnsupported;
}

int32_t CpuTemperature::ReadIntel(CpuIdentity& identity)
{
    if (!IsHardwareAccessReady() || !GetHardwareFunctions().rdmsr)
        return lastIntel;
    const int32_t family = Widened(identity.extendedFamily, identity.family);
    const int32_t model = Widened(identity.extendedModel, identity.model);

    uint32_t low = 0, high = 0;
    if (ReadMsrOnFirstProcessor(kTemperatureTarget, &low, &high) && ((low >> 16) & 0xFF) != 0)
        tjMax = static_cast<int32_t>((low >> 16) & 0xFF);
    if (tjMax == 0)
        tjMax = TjMaxOfModel(family, model, identity.stepping, identity.name.GetText());

    int32_t celsius = 0;
    if (ReadThermalStatus(kPackageThermalStatus, tjMax, &celsius) ||
        ReadThermalStatus(kThermalStatus, tjMax, &celsius))
        lastIntel = celsius;
    return lastIntel;
}

bool CpuTemperature::FindMiscControl(uint16_t deviceId)
{
    return FindPciDevice(kAmdVendor, deviceId, &bus, &device, &function, kMiscControlFunction);
}

void CpuTemperature::ProbeAmd()
{
    amdProbed = true;
    if (!IsHardwareAccessReady() || !GetHardwareFunctions().findPciDeviceById)
        return;
    for (uint16_t id : kK10MiscControl) {
        if (FindMiscControl(id)) {
            k10Found = true;
            return;
        }
    }
    k8Found = FindMiscControl(kK8MiscControl);
}

int32_t CpuTemperature::ReadAmd()
{
    if (!amdProbed)
        ProbeAmd();
    if (!(k10Found || k8Found) || !IsHardwareAccessReady() || !GetHardwareFunctions().readPciConfigDwordEx)
        return kUnsupported;
    uint32_t value = 0;
    if (k8Found) {
        if (!ReadPciConfigDword(bus, device, function, kK8Thermtrip, &value))
            return kUnsupported;
        return static_cast<int32_t>((value >> 16) & 0xFF) - 49;
    }
    if (!ReadPciConfigDword(bus, device, function, kK10ReportedTemperature, &value))
        return kUnsupported;
    // Eighths of a degree in bits 21-31; the whole degrees without the field's top bit.
    return static_cast<int32_t>((value >> 24) & 0x7F);
}

int32_t GetCpuTemperature()
{
    static CpuTemperature reader;
    LoadCpuIdentity();
    return reader.Read(GetCpuIdentityRecord());
}

} // namespace win
} // namespace system
} // namespace s
