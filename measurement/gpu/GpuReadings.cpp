#include "measurement/gpu/GpuReadings.h"

#include <windows.h>

#include <atomic>

namespace s {
namespace system {
namespace win {

namespace {
struct NvState {
    CRITICAL_SECTION lock;
    std::atomic<bool> done{false};
    bool hasTemperature = false;
    bool hasFan = false;
    bool hasUsage = false;
    NvPhysicalGpuHandle gpu = nullptr;
    NvState() { InitializeCriticalSection(&lock); }
};

NvState& Nv()
{
    static NvState state;
    return state;
}

// The first GPU of the physical list, else of the TCC list; null when neither has one.
NvPhysicalGpuHandle FirstGpu()
{
    NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS] = {};
    uint32_t count = 0;
    if (NvAPI_EnumPhysicalGPUs(handles, &count) == NVAPI_OK && count > 0)
        return handles[0];
    count = 0;
    if (NvAPI_EnumTCCPhysicalGPUs(handles, &count) == NVAPI_OK && count > 0)
        return handles[0];
    return nullptr;
}
} // namespace

int32_t GetAdlGpuActivity()
{
    return kGpuReadingMissing;
}

int32_t GetAdlGpuTemperature()
{
    return kGpuReadingMissing;
}

int32_t GetAdlFanSpeed()
{
    return kGpuReadingMissing;
}

void InitNvGpu()
{
    NvState& state = Nv();
    if (state.done)
        return;
    EnterCriticalSection(&state.lock);
    if (!state.done) {
        state.gpu = FirstGpu();
        uint32_t rpm = 0;
        state.hasFan = state.gpu && NvAPI_GPU_GetTachReading(state.gpu, &rpm) == NVAPI_OK;
        // Without the vendor library no thermal or usage entry point exists.
        state.hasTemperature = false;
        state.hasUsage = false;
        state.done = true;
    }
    LeaveCriticalSection(&state.lock);
}

bool NvGpuHasTemperature()
{
    return Nv().done && Nv().hasTemperature;
}

bool NvGpuHasFan()
{
    return Nv().done && Nv().hasFan;
}

bool ReadNvFanSpeed(int32_t* rpm)
{
    *rpm = 0;
    NvState& state = Nv();
    EnterCriticalSection(&state.lock);
    uint32_t reading = 0;
    NvAPI_Status status = NvAPI_GPU_GetTachReading(state.gpu, &reading);
    if (status == NVAPI_HANDLE_INVALIDATED) {
        NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS] = {};
        uint32_t count = 0;
        if (NvAPI_EnumPhysicalGPUs(handles, &count) == NVAPI_OK && count > 0) {
            state.gpu = handles[0];
            status = NvAPI_GPU_GetTachReading(state.gpu, &reading);
        } else {
            count = 0;
            if (NvAPI_EnumTCCPhysicalGPUs(handles, &count) == NVAPI_OK && count > 0)
                state.gpu = handles[0];
            status = NVAPI_HANDLE_INVALIDATED;
        }
    }
    LeaveCriticalSection(&state.lock);
    if (status != NVAPI_OK || reading == 0)
        return false;
    *rpm = static_cast<int32_t>(reading);
    return true;
}

int32_t GetNvGpuUsage()
{
    return kGpuReadingMissing;
}

bool GetNvThermalSettings(int32_t, int32_t* defaultMinimum, int32_t* current, int32_t* defaultMaximum)
{
    *defaultMinimum = kGpuReadingMissing;
    *current = kGpuReadingMissing;
    *defaultMaximum = kGpuReadingMissing;
    return false;
}

} // namespace win
} // namespace system
} // namespace s
