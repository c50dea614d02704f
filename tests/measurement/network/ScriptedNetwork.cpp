#include "ScriptedNetwork.h"

#include <cstring>
#include <cwchar>

namespace nw = s::system::network::win;

namespace {
const wchar_t kSystemKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
const wchar_t kTestKey[] = L"Software\\PulsegridTests\\NetworkConnections";

void CopyField(char* field, size_t size, const std::string& text)
{
    std::memset(field, 0, size);
    std::memcpy(field, text.data(), text.size() < size ? text.size() : size);
}

void CopyAddress(IP_ADDR_STRING* address, const std::string& text)
{
    CopyField(address->IpAddress.String, sizeof(address->IpAddress.String), text);
}

DWORD WINAPI AdaptersInfo(PIP_ADAPTER_INFO info, PULONG size)
{
    ScriptedNetwork& net = Scripted();
    ++net.adapterCalls;
    if (net.adaptersResult != NO_ERROR)
        return net.adaptersResult;
    if (net.adapters.empty())
        return ERROR_NO_DATA;
    const ULONG needed = static_cast<ULONG>(net.adapters.size() * sizeof(IP_ADAPTER_INFO));
    if (!info || *size < needed) {
        *size = needed;
        return ERROR_BUFFER_OVERFLOW;
    }
    std::memset(info, 0, needed);
    for (size_t i = 0; i < net.adapters.size(); ++i) {
        const ScriptedAdapter& a = net.adapters[i];
        IP_ADAPTER_INFO& r = info[i];
        r.Next = i + 1 < net.adapters.size() ? &info[i + 1] : nullptr;
        CopyField(r.AdapterName, sizeof(r.AdapterName), a.name);
        CopyField(r.Description, sizeof(r.Description), a.description);
        std::memcpy(r.Address, a.mac.data(), a.mac.size() < sizeof(r.Address) ? a.mac.size() : sizeof(r.Address));
        r.AddressLength = a.macLength ? a.macLength : static_cast<UINT>(a.mac.size());
        r.Index = a.index;
        CopyAddress(&r.IpAddressList, a.ip);
        CopyField(r.IpAddressList.IpMask.String, sizeof(r.IpAddressList.IpMask.String), a.mask);
        CopyAddress(&r.GatewayList, a.gateway);
        r.DhcpEnabled = a.dhcp ? 1 : 0;
        CopyAddress(&r.DhcpServer, a.dhcpServer);
        r.HaveWins = a.wins ? 1 : 0;
        CopyAddress(&r.PrimaryWinsServer, a.primaryWins);
        CopyAddress(&r.SecondaryWinsServer, a.secondaryWins);
    }
    return NO_ERROR;
}

DWORD WINAPI PerAdapterInfo(ULONG index, PIP_PER_ADAPTER_INFO info, PULONG size)
{
    for (const ScriptedAdapter& a : Scripted().adapters) {
        if (a.index != index)
            continue;
        const size_t extra = a.dns.size() > 1 ? a.dns.size() - 1 : 0;
        const ULONG needed = static_cast<ULONG>(sizeof(IP_PER_ADAPTER_INFO) + extra * sizeof(IP_ADDR_STRING));
        if (!info || *size < needed) {
            *size = needed;
            return ERROR_BUFFER_OVERFLOW;
        }
        std::memset(info, 0, needed);
        IP_ADDR_STRING* more = reinterpret_cast<IP_ADDR_STRING*>(info + 1);
        IP_ADDR_STRING* last = &info->DnsServerList;
        for (size_t d = 0; d < a.dns.size(); ++d) {
            IP_ADDR_STRING* entry = d == 0 ? &info->DnsServerList : &more[d - 1];
            CopyAddress(entry, a.dns[d]);
            if (d > 0) {
                last->Next = entry;
                last = entry;
            }
        }
        return NO_ERROR;
    }
    return ERROR_NOT_FOUND;
}

DWORD WINAPI IfTable(PMIB_IFTABLE table, PULONG size, BOOL)
{
    ScriptedNetwork& net = Scripted();
    ++net.tableCalls;
    const ULONG needed = static_cast<ULONG>(offsetof(MIB_IFTABLE, table) + net.interfaces.size() * sizeof(MIB_IFROW));
    if (!table || *size < needed) {
        *size = needed;
        return ERROR_INSUFFICIENT_BUFFER;
    }
    std::memset(table, 0, needed);
    table->dwNumEntries = static_cast<DWORD>(net.interfaces.size());
    for (size_t i = 0; i < net.interfaces.size(); ++i) {
        const ScriptedInterface& f = net.interfaces[i];
        MIB_IFROW& row = table->table[i];
        std::memcpy(row.bDescr, f.description.data(),
                    f.description.size() < sizeof(row.bDescr) ? f.description.size() : sizeof(row.bDescr));
        row.dwDescrLen = f.descriptionLength ? f.descriptionLength : static_cast<DWORD>(f.description.size());
        row.dwIndex = f.index;
        row.dwInOctets = f.in;
        row.dwOutOctets = f.out;
    }
    return NO_ERROR;
}

bool IfOctets64(DWORD index, uint64_t* in, uint64_t* out)
{
    auto found = Scripted().counts64.find(index);
    if (found == Scripted().counts64.end())
        return false;
    *in = found->second.first;
    *out = found->second.second;
    return true;
}

// The connections' key is the tests' own; every access asked is recorded.
LONG WINAPI OpenKey(HKEY parent, LPCWSTR path, DWORD options, REGSAM access, PHKEY key)
{
    Scripted().accesses.push_back(access);
    if (parent == HKEY_LOCAL_MACHINE && std::wcscmp(path, kSystemKey) == 0)
        return RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, options, access, key);
    return RegOpenKeyExW(parent, path, options, access, key);
}
} // namespace

ScriptedNetwork& Scripted()
{
    static ScriptedNetwork net;
    return net;
}

ScriptedNetworkScope::ScriptedNetworkScope() : saved_(nw::GetIpHelperCalls())
{
    Scripted() = ScriptedNetwork();
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    nw::IpHelperCalls& calls = nw::GetIpHelperCalls();
    calls.getAdaptersInfo = AdaptersInfo;
    calls.getPerAdapterInfo = PerAdapterInfo;
    calls.getIfTable = IfTable;
    calls.getIfOctets64 = IfOctets64;
    calls.openKey = OpenKey;
}

ScriptedNetworkScope::~ScriptedNetworkScope()
{
    nw::GetIpHelperCalls() = saved_;
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
}

HKEY ScriptedNetworkScope::OpenConnectionKey(const wchar_t* adapterId)
{
    std::wstring path = std::wstring(kTestKey) + L"\\" + adapterId + L"\\Connection";
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return key;
}

void ScriptedNetworkScope::AddRegistryConnection(const wchar_t* adapterId, const wchar_t* pnpId, const wchar_t* name)
{
    HKEY key = OpenConnectionKey(adapterId);
    RegSetValueExW(key, L"PnpInstanceID", 0, REG_SZ, reinterpret_cast<const BYTE*>(pnpId),
                   static_cast<DWORD>((std::wcslen(pnpId) + 1) * sizeof(wchar_t)));
    RegSetValueExW(key, L"Name", 0, REG_SZ, reinterpret_cast<const BYTE*>(name),
                   static_cast<DWORD>((std::wcslen(name) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}
