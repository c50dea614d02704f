#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"

namespace s {
namespace system {
namespace win {

// What the processor says of itself: registry texts, system information and the CPUID leaves.
// The process-wide record is filled once (LoadCpuIdentity); readers test loaded and take no lock.
class CpuIdentity {
public:
    // The four registers of one CPUID leaf: EAX, EBX, ECX, EDX. False when the processor has no
    // CPUID instruction.
    typedef bool (*CpuidReader)(uint32_t leaf, uint32_t registers[4]);

    CpuIdentity();
    ~CpuIdentity();

    // Fills the record once, from the registry key of the first processor under
    // HKEY_LOCAL_MACHINE, the system information and the given CPUID reader. A second call
    // does nothing.
    void Load(const wchar_t* registryPath, CpuidReader cpuid);

    // The real CPUID instruction.
    static bool ReadCpuid(uint32_t leaf, uint32_t registers[4]);
    static const wchar_t* const kRegistryPath;

    std::atomic<bool> loaded;
    str::strbuffer::StrBuffer vendor;
    str::strbuffer::StrBuffer name;
    str::strbuffer::StrBuffer identifier;
    // Sorted ascending, ignoring case.
    str::strarray::StrArray features;

    bool is64Bit;
    bool isIa64;
    bool is32Bit;
    int32_t nativeProcessorCount;
    int32_t processorCount;

    int32_t stepping;
    int32_t model;
    int32_t family;
    int32_t processorType;
    int32_t extendedModel;
    int32_t extendedFamily;
    int32_t brandIndex;
    int32_t clflushLineSize;
    int32_t apicId;

    bool sse3;
    bool monitor;
    bool dsCpl;
    bool tm2;
    bool l1ContextId;
    bool cpuidAvailable;
    bool msr;
    bool tsc;

    int32_t l2LineSize;
    int32_t l2Associativity;
    int32_t l2SizeKb;

private:
    CpuIdentity(const CpuIdentity&) = delete;
    CpuIdentity& operator=(const CpuIdentity&) = delete;

    void ReadRegistry(const wchar_t* registryPath);
    void ReadSystemInfo();
    void ReadCpuidLeaves(CpuidReader cpuid);
    void AddFeatures(uint32_t edx);

    CRITICAL_SECTION lock_;
};

// The process-wide record, not yet loaded.
CpuIdentity& GetCpuIdentityRecord();
// Fills the process-wide record once, from this machine.
void LoadCpuIdentity();
// The processor's name (empty when unknown), loading the record first.
const wchar_t* GetCpuName();
// The "[CPU]" lines of the system report from a loaded record: vendor, name, identifier and
// "family, model+extended model, stepping".
str::strarray::StrArray* BuildCpuReport(CpuIdentity& record);
str::strarray::StrArray* BuildCpuReport();

} // namespace win
} // namespace system
} // namespace s
