#pragma once
#include <windows.h>

#include <cstdint>

namespace s {
namespace system {
namespace win {

// The entry points of the WinRing0 hardware-access library, resolved at run time by these names
// and in this order. All null until the library has been loaded with every one of them.
struct HardwareFunctions {
    typedef BOOL(WINAPI* InitializeOlsFn)();
    typedef VOID(WINAPI* DeinitializeOlsFn)();
    typedef BOOL(WINAPI* CpuidFn)(DWORD index, PDWORD eax, PDWORD ebx, PDWORD ecx, PDWORD edx);
    typedef BOOL(WINAPI* IsMsrFn)();
    typedef BOOL(WINAPI* RdmsrFn)(DWORD index, PDWORD low, PDWORD high);
    typedef BOOL(WINAPI* RdmsrPxFn)(DWORD index, PDWORD low, PDWORD high, DWORD_PTR processAffinityMask);
    typedef BOOL(WINAPI* RdmsrTxFn)(DWORD index, PDWORD low, PDWORD high, DWORD_PTR threadAffinityMask);
    typedef BOOL(WINAPI* ReadPciConfigDwordExFn)(DWORD pciAddress, DWORD offset, PDWORD value);
    typedef DWORD(WINAPI* FindPciDeviceByIdFn)(WORD vendor, WORD device, BYTE index);
    typedef BOOL(WINAPI* ReadIoPortByteExFn)(WORD port, PBYTE value);
    typedef BOOL(WINAPI* WriteIoPortByteExFn)(WORD port, BYTE value);

    InitializeOlsFn initializeOls;
    DeinitializeOlsFn deinitializeOls;
    // Resolved so that an incomplete library counts as missing; never called.
    CpuidFn cpuid;
    IsMsrFn isMsr;
    RdmsrFn rdmsr;
    RdmsrPxFn rdmsrPx;
    RdmsrTxFn rdmsrTx;
    ReadPciConfigDwordExFn readPciConfigDwordEx;
    FindPciDeviceByIdFn findPciDeviceById;
    ReadIoPortByteExFn readIoPortByteEx;
    WriteIoPortByteExFn writeIoPortByteEx;
};

// The library answers this for a device index it does not have.
static const DWORD kNoPciDevice = 0xFFFFFFFF;

// Loads the library on the first call of the process ("WinRing0x64.dll", else "WinRing0.dll")
// and tells whether it is usable. A missing library is told to the user once, through the
// measurement layer's failure box; a library that lacks an entry point is silently unusable.
// Neither is tried again; "DeinitializeOls" runs at process exit after a successful load.
bool IsHardwareAccessReady();
// The process-wide table, loading the library first.
const HardwareFunctions& GetHardwareFunctions();

// The index-th device (from 0) of vendor and device whose function is wantedFunction (-1: any).
// The out values hold the last device looked at.
bool FindPciDevice(uint16_t vendor, uint16_t device, int32_t* bus, int32_t* deviceNumber, int32_t* function,
                   int32_t wantedFunction);
bool ReadPciConfigDword(int32_t bus, int32_t device, int32_t function, uint32_t offset, uint32_t* value);
// The value is 0 when the read fails.
bool ReadIoPortByte(uint16_t port, uint8_t* value);
bool WriteIoPortByte(uint16_t port, uint32_t value);
// Model-specific register reads: on the calling thread's processor, and on the first processor.
bool ReadMsr(uint32_t index, uint32_t* low, uint32_t* high);
bool ReadMsrOnFirstProcessor(uint32_t index, uint32_t* low, uint32_t* high);

} // namespace win
} // namespace system
} // namespace s
