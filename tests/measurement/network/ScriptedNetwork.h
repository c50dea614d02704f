#pragma once
#include <windows.h>
#include <iphlpapi.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "measurement/network/IpHelperCalls.h"

// One adapter as IP Helper's adapter list reports it.
struct ScriptedAdapter {
    std::string name;
    std::string description;
    std::vector<uint8_t> mac;
    // Written as the record's length when not 0 (a length beyond the field).
    UINT macLength = 0;
    std::string ip, mask, gateway;
    bool dhcp = false;
    std::string dhcpServer;
    bool wins = false;
    std::string primaryWins, secondaryWins;
    DWORD index = 0;
    std::vector<std::string> dns;
};

// One interface-table row: its description bytes as the row holds them (length given apart, so a
// length beyond the array can be scripted), its index and 32-bit counts.
struct ScriptedInterface {
    std::string description;
    DWORD descriptionLength = 0;
    DWORD index = 0;
    DWORD in = 0, out = 0;
};

// The scripted network every IP Helper call and the connections' registry key read while a
// ScriptedNetworkScope lives. The connection names are written to a key of the tests' own under
// HKEY_CURRENT_USER and removed afterwards.
struct ScriptedNetwork {
    std::vector<ScriptedAdapter> adapters;
    std::vector<ScriptedInterface> interfaces;
    // 64-bit counts by interface index; without an entry the 64-bit call fails.
    std::map<DWORD, std::pair<uint64_t, uint64_t>> counts64;
    bool has64 = true;
    DWORD adaptersResult = NO_ERROR;
    int32_t adapterCalls = 0, tableCalls = 0;
    // Every access mask asked for the connections' key and its subkeys.
    std::vector<REGSAM> accesses;
};

ScriptedNetwork& Scripted();

class ScriptedNetworkScope {
public:
    ScriptedNetworkScope();
    ~ScriptedNetworkScope();
    // A registry connection: subkey name (the adapter's GUID text) with its PnpInstanceID and Name.
    void AddRegistryConnection(const wchar_t* adapterId, const wchar_t* pnpId, const wchar_t* name);
    // The key of the connections, for values of other types.
    HKEY OpenConnectionKey(const wchar_t* adapterId);

private:
    s::system::network::win::IpHelperCalls saved_;
};
