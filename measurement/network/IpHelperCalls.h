#pragma once
#include <windows.h>
#include <iphlpapi.h>

#include <cstdint>

namespace s {
namespace system {
namespace network {
namespace win {

// The system calls the connection list reads through, replaceable as a whole so that tests can
// script adapters, interface tables and connection names.
struct IpHelperCalls {
    DWORD(WINAPI* getAdaptersInfo)(PIP_ADAPTER_INFO info, PULONG size);
    DWORD(WINAPI* getPerAdapterInfo)(ULONG index, PIP_PER_ADAPTER_INFO info, PULONG size);
    DWORD(WINAPI* getIfTable)(PMIB_IFTABLE table, PULONG size, BOOL order);
    // The 64-bit counts of an interface by its index; null where the system has none (before 6.0).
    bool (*getIfOctets64)(DWORD interfaceIndex, uint64_t* in, uint64_t* out);
    LONG(WINAPI* openKey)(HKEY parent, LPCWSTR path, DWORD options, REGSAM access, PHKEY key);
};

// The process-wide set, starting with the system's own calls.
IpHelperCalls& GetIpHelperCalls();
IpHelperCalls SystemIpHelperCalls();

} // namespace win
} // namespace network
} // namespace system
} // namespace s
