#pragma once
#include <cstdint>

// The NVIDIA interface entry points the monitor calls. The vendor library is not loaded in this
// build: every call answers NVAPI_LIBRARY_NOT_FOUND, so the callers take their no-GPU paths.
typedef void* NvPhysicalGpuHandle;
typedef int32_t NvAPI_Status;

static const NvAPI_Status NVAPI_OK = 0;
static const NvAPI_Status NVAPI_LIBRARY_NOT_FOUND = -2;
static const NvAPI_Status NVAPI_EXPECTED_PHYSICAL_GPU_HANDLE = -101;
static const NvAPI_Status NVAPI_HANDLE_INVALIDATED = -10;
static const int32_t NVAPI_MAX_PHYSICAL_GPUS = 64;

// Status 0 and the fan tachometer reading of the GPU; NVAPI_HANDLE_INVALIDATED when it is gone.
NvAPI_Status NvAPI_GPU_GetTachReading(NvPhysicalGpuHandle gpu, uint32_t* rpm);
// Status 0 and up to NVAPI_MAX_PHYSICAL_GPUS handles with their count.
NvAPI_Status NvAPI_EnumPhysicalGPUs(NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS], uint32_t* count);
// The same for GPUs in TCC mode.
NvAPI_Status NvAPI_EnumTCCPhysicalGPUs(NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS], uint32_t* count);
