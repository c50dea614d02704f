#pragma once
#include <cstdint>

#include "gpu_vendor/NvApiStatus.h"
#include "gpu_vendor/NvGpuRecords.h"

// The NVIDIA interfaces the system calls, each through its NvApiStub. Without the library every
// call answers NVAPI_LIBRARY_NOT_FOUND and writes nothing.

static const uint32_t kNvApiIdEnumPhysicalGpus = 0xE5AC921F;
static const uint32_t kNvApiIdEnumTccPhysicalGpus = 0xD9930B07;
static const uint32_t kNvApiIdGetDynamicPstatesInfoEx = 0x60DED2ED;
static const uint32_t kNvApiIdGetThermalSettings = 0xE3640A56;
static const uint32_t kNvApiIdGetTachReading = 0x5F608315;

// Status 0, the physical GPU handles (at most NVAPI_MAX_PHYSICAL_GPUS) and their count.
NvAPI_Status NvAPI_EnumPhysicalGPUs(NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS], uint32_t* count);
// The same for GPUs in TCC mode.
NvAPI_Status NvAPI_EnumTCCPhysicalGPUs(NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS], uint32_t* count);
// The utilisation of the GPU's engines; the record's version word must be set.
NvAPI_Status NvAPI_GPU_GetDynamicPstatesInfoEx(NvPhysicalGpuHandle gpu, NvDynamicPstatesRecord* record);
// The thermal settings of one sensor; the record's version word must be set.
NvAPI_Status NvAPI_GPU_GetThermalSettings(NvPhysicalGpuHandle gpu, uint32_t sensor, NvThermalRecord* record);
// Status 0 and the fan tachometer reading; NVAPI_HANDLE_INVALIDATED when the GPU is gone.
NvAPI_Status NvAPI_GPU_GetTachReading(NvPhysicalGpuHandle gpu, uint32_t* rpm);
