#pragma once
#include <cstdint>

#include "measurement/sensors/CpuIdentity.h"

namespace s {
namespace system {
namespace win {

// The processor's temperature in whole degrees Celsius from its own registers: Intel's thermal
// status below TjMax, AMD's northbridge miscellaneous-control function. The process-wide reader
// keeps what it settles (TjMax, the AMD device) and the last Intel reading.
class CpuTemperature {
public:
    static const int32_t kUnsupported = -100;

    CpuTemperature();

    // The temperature of a processor of this identity, or kUnsupported.
    int32_t Read(CpuIdentity& identity);

    // 0 until settled; register 0x1A2 replaces it whenever it gives a value.
    int32_t tjMax;
    // What the Intel path answers when no register gives a valid reading.
    int32_t lastIntel;
    bool amdProbed;
    bool k10Found;
    bool k8Found;
    int32_t bus;
    int32_t device;
    int32_t function;

private:
    int32_t ReadIntel(CpuIdentity& identity);
    int32_t ReadAmd();
    void ProbeAmd();
    bool FindMiscControl(uint16_t deviceId);
};

// TjMax of an Intel processor whose register 0x1A2 does not give it, from its family, model,
// stepping and name, reading registers 0x17 and 0xEE where the model leaves it open.
int32_t TjMaxOfModel(int32_t family, int32_t model, int32_t stepping, const wchar_t* name);

// The processor's temperature, or -100 when it cannot be read.
int32_t GetCpuTemperature();

} // namespace win
} // namespace system
} // namespace s
