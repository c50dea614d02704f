#include "measurement/sensors/HardwareAccess.h"

#include "core/str/StrBuffer.h"
#include "measurement/win/DllLocater.h"
#include "measurement/win/FailureBox.h"

namespace s {
namespace system {
namespace win {

namespace {
const wchar_t kLibrary64[] = L"WinRing0x64.dll";
const wchar_t kLibrary32[] = L"WinRing0.dll";
const wchar_t kLoadFailed[] = L"Failed to Load WinRing0.dll!!\n";
const wchar_t kErrorCode[] = L"Error Code - ";
// The index the library is asked with is a byte: 256 answers at most.
const int32_t kPciIndexCount = 256;

HardwareFunctions gFunctions = {};

// Each library holder is made on the loader's first run and freed at exit, after the
// initializer (made later) has uninitialised the library.
DllLocater& Library64()
{
    static DllLocater holder(kLibrary64);
    return holder;
}

DllLocater& Library32()
{
    static DllLocater holder(kLibrary32);
    return holder;
}

template <class F>
bool Resolve(HMODULE module, const char* name, F* slot)
{
    *slot = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return *slot != nullptr;
}

void ShowLoadFailure(DWORD error)
{
    str::strbuffer::StrBuffer* text = str::strbuffer::StrBuffer::New();
    if (!text)
        return;
    text->Assign(kLoadFailed)->Append(kErrorCode)->AppendUInt32(error);
    ShowFailureBox(text->GetText());
    text->ReleaseToPool();
}

bool LoadLibraryTable(uintptr_t*)
{
    HMODULE module64 = Library64().module;
    // The error of the last attempt is the one the user sees.
    DWORD error = module64 ? 0 : GetLastError();
    HMODULE module32 = Library32().module;
    if (!module32 && !module64)
        error = GetLastError();
    const HMODULE module = module64 ? module64 : module32;
    if (!module) {
        ShowLoadFailure(error);
        return false;
    }
    HardwareFunctions f = {};
    const bool complete = Resolve(module, "InitializeOls", &f.initializeOls) &&
                          Resolve(module, "DeinitializeOls", &f.deinitializeOls) &&
                          Resolve(module, "Cpuid", &f.cpuid) && Resolve(module, "IsMsr", &f.isMsr) &&
                          Resolve(module, "Rdmsr", &f.rdmsr) && Resolve(module, "RdmsrPx", &f.rdmsrPx) &&
                          Resolve(module, "RdmsrTx", &f.rdmsrTx) &&
                          Resolve(module, "ReadPciConfigDwordEx", &f.readPciConfigDwordEx) &&
                          Resolve(module, "FindPciDeviceById", &f.findPciDeviceById) &&
                          Resolve(module, "ReadIoPortByteEx", &f.readIoPortByteEx) &&
                          Resolve(module, "WriteIoPortByteEx", &f.writeIoPortByteEx);
    if (!complete)
        return false;
    gFunctions = f;
    // Its answer is not consulted: the calls themselves report their success.
    gFunctions.initializeOls();
    return true;
}

void UnloadLibraryTable(uintptr_t*)
{
    if (gFunctions.deinitializeOls)
        gFunctions.deinitializeOls();
}

Initializer& HardwareInitializer()
{
    static Initializer initializer(&LoadLibraryTable, &UnloadLibraryTable);
    return initializer;
}
} // namespace

bool IsHardwareAccessReady()
{
    return HardwareInitializer().initialized;
}

const HardwareFunctions& GetHardwareFunctions()
{
    IsHardwareAccessReady();
    return gFunctions;
}

bool FindPciDevice(uint16_t vendor, uint16_t device, int32_t* bus, int32_t* deviceNumber, int32_t* function,
                   int32_t wantedFunction)
{
    if (!IsHardwareAccessReady() || !gFunctions.findPciDeviceById)
        return false;
    // A library that answers every index still ends after the last index it can be asked.
    for (int32_t index = 0; index < kPciIndexCount; ++index) {
        const DWORD address = gFunctions.findPciDeviceById(vendor, device, static_cast<BYTE>(index));
        if (address == kNoPciDevice)
            return false;
        *bus = static_cast<int32_t>((address >> 8) & 0xFF);
        *deviceNumber = static_cast<int32_t>((address >> 3) & 0x1F);
        *function = static_cast<int32_t>(address & 7);
        if (wantedFunction == -1 || *function == wantedFunction)
            return true;
    }
    return false;
}

bool ReadPciConfigDword(int32_t bus, int32_t device, int32_t function, uint32_t offset, uint32_t* value)
{
    *value = 0;
    if (!IsHardwareAccessReady() || !gFunctions.readPciConfigDwordEx)
        return false;
    const DWORD address = (static_cast<DWORD>(bus) << 8) | ((static_cast<DWORD>(device) * 8) & 0xFF) |
                          (static_cast<DWORD>(function) & 7);
    DWORD read = 0;
    const bool ok = gFunctions.readPciConfigDwordEx(address, offset, &read) != FALSE;
    *value = read;
    return ok;
}

bool ReadIoPortByte(uint16_t port, uint8_t* value)
{
    *value = 0;
    if (!IsHardwareAccessReady() || !gFunctions.readIoPortByteEx)
        return false;
    BYTE read = 0;
    if (!gFunctions.readIoPortByteEx(port, &read))
        return false;
    *value = read;
    return true;
}

bool WriteIoPortByte(uint16_t port, uint32_t value)
{
    if (!IsHardwareAccessReady() || !gFunctions.writeIoPortByteEx)
        return false;
    return gFunctions.writeIoPortByteEx(port, static_cast<BYTE>(value & 0xFF)) != FALSE;
}

bool ReadMsr(uint32_t index, uint32_t* low, uint32_t* high)
{
    *low = 0;
    *high = 0;
    if (!IsHardwareAccessReady() || !gFunctions.rdmsr)
        return false;
    DWORD lo = 0, hi = 0;
    const bool ok = gFunctions.rdmsr(index, &lo, &hi) != FALSE;
    *low = lo;
    *high = hi;
    return ok;
}

bool ReadMsrOnFirstProcessor(uint32_t index, uint32_t* low, uint32_t* high)
{
    *low = 0;
    *high = 0;
    if (!IsHardwareAccessReady() || !gFunctions.rdmsrTx)
        return false;
    DWORD lo = 0, hi = 0;
    const bool ok = gFunctions.rdmsrTx(index, &lo, &hi, 1) != FALSE;
    *low = lo;
    *high = hi;
    return ok;
}

} // namespace win
} // namespace system
} // namespace s
