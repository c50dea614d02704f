#include "measurement/gpu/GpuReadings.h"

#include <windows.h>

#include <atomic>

#include "core/thread/ObjLocker.h"
#include "gpu_vendor/NvApi.h"
#include "gpu_vendor/NvApiLoader.h"
#include "measurement/win/DllLocater.h"

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

bool InitializeNvApi(uintptr_t*)
{
    return NvAPI_Initialize() == NVAPI_OK;
}

void UnloadNvApi(uintptr_t*)
{
    NvAPI_Unload();
}

// The vendor interface's once-initialiser: made on the first set-up, destroyed at process exit,
// when it unloads the library it initialised.
Initializer& NvApiInitializer()
{
    static Initializer initializer(&InitializeNvApi, &UnloadNvApi);
    return initializer;
}

// The first GPU of an enumeration; null when it fails or finds none.
NvPhysicalGpuHandle FirstOf(NvAPI_Status (*enumerate)(NvPhysicalGpuHandle*, uint32_t*))
{
    NvPhysicalGpuHandle handles[NVAPI_MAX_PHYSICAL_GPUS] = {};
    uint32_t count = 0;
    if (enumerate(handles, &count) != NVAPI_OK || count == 0)
        return nullptr;
    return handles[0];
}

// The first physical GPU, else the first TCC one. Called with the NVIDIA lock held.
NvPhysicalGpuHandle FirstGpu()
{
    NvPhysicalGpuHandle gpu = FirstOf(&NvAPI_EnumPhysicalGPUs);
    return gpu ? gpu : FirstOf(&NvAPI_EnumTCCPhysicalGPUs);
}

// The graphics engine's load of the GPU; kGpuReadingMissing when the GPU does not give it.
NvAPI_Status ReadUsage(NvPhysicalGpuHandle gpu, int32_t* percent)
{
    *percent = kGpuReadingMissing;
    NvDynamicPstatesRecord record = {};
    record.version = kNvDynamicPstatesVersion1;
    const NvAPI_Status status = NvAPI_GPU_GetDynamicPstatesInfoEx(gpu, &record);
    if (status != NVAPI_OK)
        return status;
    const NvDynamicPstatesRecord::Domain& graphics = record.domains[kNvGraphicsDomain];
    if ((graphics.present & 1) && graphics.percent <= 100)
        *percent = static_cast<int32_t>(graphics.percent);
    return status;
}

struct Temperatures {
    int32_t minimum = kGpuReadingMissing;
    int32_t current = kGpuReadingMissing;
    int32_t maximum = kGpuReadingMissing;
};

// One sensor of the GPU in one record version. Asked for one sensor, the library answers it as the
// record's only entry; a record that holds every sensor gives it at its index. A count beyond the
// record's entries is cut to them.
NvAPI_Status ReadThermal(NvPhysicalGpuHandle gpu, int32_t sensor, uint32_t version, Temperatures* out)
{
    NvThermalRecord record = {};
    record.version = version;
    NvAPI_Status status = NvAPI_GPU_GetThermalSettings(gpu, static_cast<uint32_t>(sensor), &record);
    if (status != NVAPI_OK)
        return status;
    const uint32_t count = record.count < kNvMaxThermalSensors ? record.count : kNvMaxThermalSensors;
    uint32_t entry = 0;
    if (count > 1)
        entry = static_cast<uint32_t>(sensor);
    if (count == 0 || entry >= count)
        return NVAPI_ERROR;
    const NvThermalRecord::Sensor& s = record.sensors[entry];
    // Version 1 holds unsigned words: one beyond the signed range is no temperature.
    if (version == kNvThermalVersion1 && (s.defaultMinimum < 0 || s.current < 0 || s.defaultMaximum < 0))
        return NVAPI_ERROR;
    out->minimum = s.defaultMinimum;
    out->current = s.current;
    out->maximum = s.defaultMaximum;
    return NVAPI_OK;
}

// Runs a reading of the remembered GPU; when its handle went stale the GPUs are enumerated once
// more and the reading repeated with the new first one. Called with the NVIDIA lock held.
template <class Read>
NvAPI_Status ReadFresh(NvState& state, Read read)
{
    NvAPI_Status status = read(state.gpu);
    if (status == NVAPI_HANDLE_INVALIDATED) {
        state.gpu = FirstGpu();
        status = state.gpu ? read(state.gpu) : NVAPI_HANDLE_INVALIDATED;
    }
    return status;
}

NvAPI_Status ReadThermalAnyVersion(NvState& state, int32_t sensor, Temperatures* out)
{
    NvAPI_Status status = ReadFresh(state, [&](NvPhysicalGpuHandle gpu) {
        return ReadThermal(gpu, sensor, kNvThermalVersion2, out);
    });
    if (status != NVAPI_OK && status != NVAPI_HANDLE_INVALIDATED && state.gpu)
        status = ReadThermal(state.gpu, sensor, kNvThermalVersion1, out);
    return status;
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
    thread::ScopedLock held(state.lock);
    if (state.done)
        return;
    if (NvApiInitializer().initialized) {
        state.gpu = FirstGpu();
        if (state.gpu) {
            uint32_t rpm = 0;
            state.hasFan = NvAPI_GPU_GetTachReading(state.gpu, &rpm) == NVAPI_OK;
            int32_t percent = kGpuReadingMissing;
            state.hasUsage = ReadUsage(state.gpu, &percent) == NVAPI_OK;
            Temperatures temperatures;
            state.hasTemperature = ReadThermalAnyVersion(state, 0, &temperatures) == NVAPI_OK;
        }
    }
    state.done = true;
}

bool NvGpuHasTemperature()
{
    return Nv().done && Nv().hasTemperature;
}

bool NvGpuHasFan()
{
    return Nv().done && Nv().hasFan;
}

bool NvGpuHasUsage()
{
    return Nv().done && Nv().hasUsage;
}

bool ReadNvFanSpeed(int32_t* rpm)
{
    *rpm = 0;
    InitNvGpu();
    NvState& state = Nv();
    if (!state.hasFan)
        return false;
    uint32_t reading = 0;
    NvAPI_Status status = NVAPI_ERROR;
    {
        thread::ScopedLock held(state.lock);
        status = NvAPI_GPU_GetTachReading(state.gpu, &reading);
        if (status == NVAPI_HANDLE_INVALIDATED) {
            // A GPU gone from the physical list may be in TCC mode now: remember it, but take no
            // reading this time.
            state.gpu = FirstOf(&NvAPI_EnumPhysicalGPUs);
            if (state.gpu)
                status = NvAPI_GPU_GetTachReading(state.gpu, &reading);
            else
                state.gpu = FirstOf(&NvAPI_EnumTCCPhysicalGPUs);
        }
    }
    if (status != NVAPI_OK || reading == 0 || reading > INT32_MAX)
        return false;
    *rpm = static_cast<int32_t>(reading);
    return true;
}

int32_t GetNvGpuUsage()
{
    InitNvGpu();
    NvState& state = Nv();
    if (!state.hasUsage)
        return kGpuReadingMissing;
    thread::ScopedLock held(state.lock);
    int32_t percent = kGpuReadingMissing;
    const NvAPI_Status status = ReadFresh(state, [&](NvPhysicalGpuHandle gpu) { return ReadUsage(gpu, &percent); });
    return status == NVAPI_OK ? percent : kGpuReadingMissing;
}

bool GetNvThermalSettings(int32_t sensor, int32_t* defaultMinimum, int32_t* current, int32_t* defaultMaximum)
{
    *defaultMinimum = kGpuReadingMissing;
    *current = kGpuReadingMissing;
    *defaultMaximum = kGpuReadingMissing;
    InitNvGpu();
    NvState& state = Nv();
    if (!state.hasTemperature || sensor < 0 || sensor >= static_cast<int32_t>(kNvMaxThermalSensors))
        return false;
    Temperatures temperatures;
    {
        thread::ScopedLock held(state.lock);
        if (ReadThermalAnyVersion(state, sensor, &temperatures) != NVAPI_OK)
            return false;
    }
    *defaultMinimum = temperatures.minimum;
    *current = temperatures.current;
    *defaultMaximum = temperatures.maximum;
    return true;
}

} // namespace win
} // namespace system
} // namespace s
