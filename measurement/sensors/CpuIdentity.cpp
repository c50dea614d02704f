#include "measurement/sensors/CpuIdentity.h"

#include <cpuid.h>

#include <cstring>

#include "core/col/MergeSort.h"
#include "core/thread/ObjLocker.h"
#include "measurement/win/AnsiText.h"
#include "storage/reg/RegDir.h"

namespace s {
namespace system {
namespace win {

namespace {
using str::strbuffer::StrBuffer;

const wchar_t kVendorValue[] = L"VendorIdentifier";
const wchar_t kNameValue[] = L"ProcessorNameString";
const wchar_t kIdentifierValue[] = L"Identifier";
const wchar_t kUnknownVendor[] = L"UnKnown Vender";
const wchar_t kUnknownName[] = L"UnKnown Processor";
const wchar_t kUnknownIdentifier[] = L"UnKnown Identifier";
// Makers pad their names at the front with these.
const wchar_t kLeadingBlanks[] = L" \n\u3000\t\r";
const int32_t kLeadingBlankCount = 5;

const uint32_t kExtendedLeaves = 0x80000000u;
const uint32_t kFirstBrandLeaf = 0x80000002u;
const uint32_t kLastBrandLeaf = 0x80000004u;
const uint32_t kL2CacheLeaf = 0x80000006u;
const uint32_t kBrandBytes = 48;

const wchar_t* const kEdxFeatures[32] = {
    L"x87 FPU On Chip",
    L"Virtual-8086 Mode Enhancement",
    L"Debugging Extensions",
    L"Page Size Extensions",
    L"Time Stamp Counter",
    L"RDMSR and WRMSR Support",
    L"Physical Address Extensions",
    L"Machine Check Exception",
    L"CMPXCHG8B Instruction",
    L"APIC On Chip",
    L"Unknown1",
    L"SYSENTER and SYSEXIT",
    L"Memory Type Range Registers",
    L"PTE Global Bit",
    L"Machine Check Architecture",
    L"Conditional Move/Compare Instruction",
    L"Page Attribute Table",
    L"Page Size Extension",
    L"Processor Serial Number",
    L"CFLUSH Extension",
    L"Unknown2",
    L"Debug Store",
    L"Thermal Monitor and Clock Ctrl",
    L"MMX Technology",
    L"FXSAVE/FXRSTOR",
    L"SSE Extensions",
    L"SSE2 Extensions",
    L"Self Snoop",
    L"Hyper-threading Technology",
    L"Thermal Monitor",
    L"Unknown4",
    L"Pend. Brk. EN.",
};

int32_t Bits(uint32_t value, int32_t low, int32_t count)
{
    return static_cast<int32_t>((value >> low) & ((1u << count) - 1));
}

int32_t CompareIgnoringCase(void* a, void* b, void*)
{
    return static_cast<StrBuffer*>(a)->CompareToIgnoreCase(static_cast<StrBuffer*>(b));
}

} // namespace

const wchar_t* const CpuIdentity::kRegistryPath = L"HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";

CpuIdentity::CpuIdentity()
    : loaded(false), is64Bit(false), isIa64(false), is32Bit(true), nativeProcessorCount(0), processorCount(0),
      stepping(0), model(0), family(0), processorType(0), extendedModel(0), extendedFamily(0), brandIndex(0),
      clflushLineSize(0), apicId(0), sse3(false), monitor(false), dsCpl(false), tm2(false), l1ContextId(false),
      cpuidAvailable(false), msr(false), tsc(false), l2LineSize(0), l2Associativity(0), l2SizeKb(0)
{
    InitializeCriticalSection(&lock_);
}

CpuIdentity::~CpuIdentity()
{
    DeleteCriticalSection(&lock_);
}

bool CpuIdentity::ReadCpuid(uint32_t leaf, uint32_t registers[4])
{
    // Every 64-bit processor has the instruction.
    __cpuid(leaf, registers[0], registers[1], registers[2], registers[3]);
    return true;
}

void CpuIdentity::Load(const wchar_t* registryPath, CpuidReader cpuid)
{
    if (loaded.load())
        return;
    thread::ScopedLock hold(lock_);
    if (loaded.load())
        return;
    vendor.Assign(kUnknownVendor);
    name.Assign(kUnknownName);
    identifier.Assign(kUnknownIdentifier);
    ReadRegistry(registryPath);
    ReadSystemInfo();
    ReadCpuidLeaves(cpuid);
    loaded.store(true);
}

void CpuIdentity::ReadRegistry(const wchar_t* registryPath)
{
    reg::win::RegDir* key = reg::win::RegDir::OpenNew(HKEY_LOCAL_MACHINE, registryPath);
    if (!key)
        return;
    if (key->IsOpen()) {
        vendor.Assign(key->GetString(kVendorValue, kUnknownVendor, nullptr, false));
        name.Assign(key->GetString(kNameValue, kUnknownName, nullptr, false));
        name.TrimStartChars(kLeadingBlanks, kLeadingBlankCount);
        identifier.Assign(key->GetString(kIdentifierValue, kUnknownIdentifier, nullptr, false));
    }
    key->ReleaseToPool();
}

void CpuIdentity::ReadSystemInfo()
{
    SYSTEM_INFO native = {};
    GetNativeSystemInfo(&native);
    if (native.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64) {
        is64Bit = true;
        is32Bit = false;
    } else if (native.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_IA64) {
        isIa64 = true;
        is32Bit = false;
    }
    nativeProcessorCount = static_cast<int32_t>(native.dwNumberOfProcessors);
    SYSTEM_INFO own = {};
    GetSystemInfo(&own);
    processorCount = static_cast<int32_t>(own.dwNumberOfProcessors);
}

void CpuIdentity::ReadCpuidLeaves(CpuidReader cpuid)
{
    uint32_t r[4] = {};
    cpuidAvailable = cpuid(0, r);
    if (!cpuidAvailable)
        return;
    const uint32_t highest = r[0];
    char vendorBytes[13] = {};
    std::memcpy(vendorBytes, &r[1], 4);
    std::memcpy(vendorBytes + 4, &r[3], 4);
    std::memcpy(vendorBytes + 8, &r[2], 4);

    // Of the basic leaves only leaf 1 says anything kept here.
    uint32_t features = 0;
    if (highest >= 1 && cpuid(1, r)) {
        stepping = Bits(r[0], 0, 4);
        model = Bits(r[0], 4, 4);
        family = Bits(r[0], 8, 4);
        processorType = Bits(r[0], 12, 2);
        extendedModel = Bits(r[0], 16, 4);
        extendedFamily = Bits(r[0], 20, 8);
        brandIndex = Bits(r[1], 0, 8);
        clflushLineSize = Bits(r[1], 8, 8) * 8;
        apicId = Bits(r[1], 24, 8);
        sse3 = Bits(r[2], 0, 1) != 0;
        monitor = Bits(r[2], 3, 1) != 0;
        dsCpl = Bits(r[2], 4, 1) != 0;
        tm2 = Bits(r[2], 8, 1) != 0;
        l1ContextId = Bits(r[2], 10, 1) != 0;
        features = r[3];
    }

    char brand[kBrandBytes + 1] = {};
    uint32_t highestExtended = 0;
    if (cpuid(kExtendedLeaves, r)) {
        highestExtended = r[0];
        for (uint32_t leaf = kFirstBrandLeaf; leaf <= kLastBrandLeaf && leaf <= highestExtended; ++leaf) {
            if (cpuid(leaf, r))
                std::memcpy(brand + (leaf - kFirstBrandLeaf) * 16, r, 16);
        }
        if (highestExtended >= kL2CacheLeaf && cpuid(kL2CacheLeaf, r)) {
            l2LineSize = Bits(r[2], 0, 8);
            l2Associativity = Bits(r[2], 12, 4);
            l2SizeKb = Bits(r[2], 16, 16);
        }
    }

    AssignAnsi(&vendor, vendorBytes, 12);
    if (highest >= 1 && (features || sse3 || monitor || dsCpl || tm2))
        AddFeatures(features);
    if (highestExtended >= kLastBrandLeaf) {
        AssignAnsi(&name, brand, kBrandBytes);
        name.TrimStartChars(kLeadingBlanks, kLeadingBlankCount);
    }
}

void CpuIdentity::AddFeatures(uint32_t edx)
{
    const struct {
        bool set;
        const wchar_t* text;
    } ecxFeatures[] = {
        {sse3, L"SSE3 New Instructions"},
        {monitor, L"MONITOR/MWAIT"},
        {dsCpl, L"CPL Qualified Debug Store"},
        {tm2, L"Thermal Monitor 2"},
        {l1ContextId, L"L1 Context ID"},
    };
    for (const auto& feature : ecxFeatures) {
        if (feature.set)
            features.AddText(feature.text);
    }
    for (int32_t bit = 0; bit < 32; ++bit) {
        if (!(edx & (1u << bit)))
            continue;
        features.AddText(kEdxFeatures[bit]);
        if (bit == 4)
            tsc = true;
        else if (bit == 5)
            msr = true;
    }
    col::SortArray(&features.Items(), &CompareIgnoringCase, nullptr);
}

CpuIdentity& GetCpuIdentityRecord()
{
    static CpuIdentity record;
    return record;
}

void LoadCpuIdentity()
{
    GetCpuIdentityRecord().Load(CpuIdentity::kRegistryPath, &CpuIdentity::ReadCpuid);
}

const wchar_t* GetCpuName()
{
    LoadCpuIdentity();
    return GetCpuIdentityRecord().name.GetText();
}

str::strarray::StrArray* BuildCpuReport(CpuIdentity& record)
{
    str::strarray::StrArray* lines = str::strarray::StrArray::New();
    if (!lines)
        return nullptr;
    lines->AddText(L"[CPU]");
    lines->AddText(record.vendor.GetText());
    lines->AddText(record.name.GetText());
    lines->AddText(record.identifier.GetText());
    StrBuffer* numbers = StrBuffer::New();
    if (numbers) {
        numbers->Assign(L"")->AppendInt32(record.family)->Append(L", ")->AppendInt32(record.model)->Append(L"+");
        numbers->AppendInt32(record.extendedModel > 0 ? record.extendedModel : 0)->Append(L", ");
        numbers->AppendInt32(record.stepping);
        lines->Add(numbers);
    }
    return lines;
}

str::strarray::StrArray* BuildCpuReport()
{
    LoadCpuIdentity();
    return BuildCpuReport(GetCpuIdentityRecord());
}

} // namespace win
} // namespace system
} // namespace s
