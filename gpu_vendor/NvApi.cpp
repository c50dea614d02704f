#include "gpu_vendor/NvApi.h"

#include "gpu_vendor/NvApiStub.h"

// The other interfaces of the library are not built: the system calls only these five, and the
// arguments of the rest are not known here.

NvAPI_Status NvAPI_EnumPhysicalGPUs(NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS], uint32_t* count)
{
    static NvApiStub stub(kNvApiIdEnumPhysicalGpus);
    return stub.Call(handles, count);
}

NvAPI_Status NvAPI_EnumTCCPhysicalGPUs(NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS], uint32_t* count)
{
    static NvApiStub stub(kNvApiIdEnumTccPhysicalGpus);
    return stub.Call(handles, count);
}

NvAPI_Status NvAPI_GPU_GetDynamicPstatesInfoEx(NvPhysicalGpuHandle gpu, NvDynamicPstatesRecord* record)
{
    static NvApiStub stub(kNvApiIdGetDynamicPstatesInfoEx);
    return stub.Call(gpu, record);
}

NvAPI_Status NvAPI_GPU_GetThermalSettings(NvPhysicalGpuHandle gpu, uint32_t sensor, NvThermalRecord* record)
{
    static NvApiStub stub(kNvApiIdGetThermalSettings);
    return stub.Call(gpu, sensor, record);
}

NvAPI_Status NvAPI_GPU_GetTachReading(NvPhysicalGpuHandle gpu, uint32_t* rpm)
{
    static NvApiStub stub(kNvApiIdGetTachReading);
    return stub.Call(gpu, rpm);
}
