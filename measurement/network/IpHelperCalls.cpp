// The 64-bit interface row is declared with the Winsock address types; no Winsock call is made.
#include <winsock2.h>
#include <ws2ipdef.h>

#include "measurement/network/IpHelperCalls.h"

#include <netioapi.h>

#include "measurement/win/OsVersion.h"

namespace s {
namespace system {
namespace network {
namespace win {

namespace {
typedef NETIO_STATUS(WINAPI* GetIfEntry2Function)(PMIB_IF_ROW2 row);

// Looked up at run time: the entry is missing before Windows 6.0.
GetIfEntry2Function ResolveGetIfEntry2()
{
    HMODULE module = GetModuleHandleW(L"iphlpapi.dll");
    if (!module)
        return nullptr;
    return reinterpret_cast<GetIfEntry2Function>(reinterpret_cast<void*>(GetProcAddress(module, "GetIfEntry2")));
}

bool GetIfOctets64(DWORD interfaceIndex, uint64_t* in, uint64_t* out)
{
    static const GetIfEntry2Function getIfEntry2 = ResolveGetIfEntry2();
    if (!getIfEntry2)
        return false;
    MIB_IF_ROW2 row = {};
    row.InterfaceIndex = interfaceIndex;
    if (getIfEntry2(&row) != NO_ERROR)
        return false;
    *in = row.InOctets;
    *out = row.OutOctets;
    return true;
}
} // namespace

IpHelperCalls SystemIpHelperCalls()
{
    system::win::OsVersionInfo& version = system::win::GetOsVersion();
    if (!version.done)
        system::win::LoadOsVersion();
    IpHelperCalls calls = {};
    calls.getAdaptersInfo = GetAdaptersInfo;
    calls.getPerAdapterInfo = GetPerAdapterInfo;
    calls.getIfTable = GetIfTable;
    calls.getIfOctets64 = version.isVistaOrLater ? GetIfOctets64 : nullptr;
    calls.openKey = RegOpenKeyExW;
    return calls;
}

IpHelperCalls& GetIpHelperCalls()
{
    static IpHelperCalls calls = SystemIpHelperCalls();
    return calls;
}

} // namespace win
} // namespace network
} // namespace system
} // namespace s
