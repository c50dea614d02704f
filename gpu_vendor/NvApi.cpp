#include "gpu_vendor/NvApi.h"

NvAPI_Status NvAPI_GPU_GetTachReading(NvPhysicalGpuHandle, uint32_t* rpm)
{
    if (rpm)
        *rpm = 0;
    return NVAPI_LIBRARY_NOT_FOUND;
}

NvAPI_Status NvAPI_EnumPhysicalGPUs(NvPhysicalGpuHandle*, uint32_t* count)
{
    if (count)
        *count = 0;
    return NVAPI_LIBRARY_NOT_FOUND;
}

NvAPI_Status NvAPI_EnumTCCPhysicalGPUs(NvPhysicalGpuHandle*, uint32_t* count)
{
    if (count)
        *count = 0;
    return NVAPI_LIBRARY_NOT_FOUND;
}
