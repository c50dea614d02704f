#pragma once
#include <cstdint>

// The records the graphics-processor interfaces fill, in the vendor's published layouts. Each
// record starts with its version word: the record's size in bytes and, above bit 16, its version.

typedef void* NvPhysicalGpuHandle;

// The enumerations write at most this many handles.
static const uint32_t NVAPI_MAX_PHYSICAL_GPUS = 64;

constexpr uint32_t NvRecordVersion(uint32_t size, uint32_t version)
{
    return size | (version << 16);
}

// Utilisation per engine domain: 0 is the graphics engine, then frame buffer, video engine and
// bus interface.
static const uint32_t kNvUtilizationDomains = 8;
static const uint32_t kNvGraphicsDomain = 0;
struct NvDynamicPstatesRecord {
    uint32_t version;
    // Bit 0: dynamic performance states are enabled.
    uint32_t flags;
    struct Domain {
        // Bit 0: the domain is present.
        uint32_t present;
        uint32_t percent;
    } domains[kNvUtilizationDomains];
};
static const uint32_t kNvDynamicPstatesVersion1 = NvRecordVersion(sizeof(NvDynamicPstatesRecord), 1);

// Thermal sensors of one GPU. Version 1 holds the temperatures as unsigned words, version 2 as
// signed ones; the layout is the same.
static const uint32_t kNvMaxThermalSensors = 3;
struct NvThermalRecord {
    uint32_t version;
    uint32_t count;
    struct Sensor {
        int32_t controller;
        int32_t defaultMinimum;
        int32_t defaultMaximum;
        int32_t current;
        int32_t target;
    } sensors[kNvMaxThermalSensors];
};
static const uint32_t kNvThermalVersion1 = NvRecordVersion(sizeof(NvThermalRecord), 1);
static const uint32_t kNvThermalVersion2 = NvRecordVersion(sizeof(NvThermalRecord), 2);
static_assert(sizeof(NvDynamicPstatesRecord) == 72, "the vendor's record is 72 bytes");
static_assert(sizeof(NvThermalRecord) == 68, "the vendor's record is 68 bytes");
