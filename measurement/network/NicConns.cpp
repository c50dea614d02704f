#include "measurement/network/NicConns.h"

#include <atomic>
#include <cstdlib>
#include <initializer_list>

#include "core/thread/ObjLocker.h"
#include "measurement/counter/CounterReaders.h"
#include "measurement/network/IpHelperCalls.h"
#include "measurement/network/NicConn.h"
#include "measurement/win/AnsiText.h"

namespace s {
namespace system {
namespace network {
namespace win {

namespace {
using str::strbuffer::StrBuffer;

const wchar_t kConnectionsKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
const wchar_t kConnectionSubkey[] = L"\\Connection";
const wchar_t kVirtualName[] = L"Virtual Connection ";
const wchar_t kVirtualPnpId[] = L"Virtual";
const DWORD kMaxSubkeyChars = 4096;
const DWORD kMaxValueBytes = 8192;

// A registry text value: REG_SZ or REG_EXPAND_SZ, at most 8,192 bytes, with its terminator
// inside the data. Anything else counts as missing.
bool ReadText(HKEY key, const wchar_t* name, StrBuffer* out)
{
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size < sizeof(wchar_t) || size > kMaxValueBytes)
        return false;
    wchar_t text[kMaxValueBytes / sizeof(wchar_t) + 1];
    // Exactly the stored bytes: a system that adds a terminator of its own finds no room for it,
    // so a stored text without one is seen as it is.
    DWORD read = size;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &read) != ERROR_SUCCESS)
        return false;
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || read > kMaxValueBytes)
        return false;
    const DWORD chars = read / sizeof(wchar_t);
    DWORD end = 0;
    while (end < chars && text[end] != 0)
        ++end;
    if (end == chars)
        return false;
    out->Assign(text);
    return true;
}

NicConn* NewConnection(const wchar_t* pnpInstanceId, const wchar_t* name, const wchar_t* adapterId)
{
    NicConn* connection = NicConn::New();
    if (!connection)
        return nullptr;
    connection->SetPnpInstanceId(pnpInstanceId);
    connection->SetName(name);
    connection->SetAdapterId(adapterId);
    return connection;
}

// The connections the registry names, in subkey order.
void AddRegistryConnections(NicConnList* list)
{
    IpHelperCalls& calls = GetIpHelperCalls();
    HKEY root = nullptr;
    // Read rights only: an unelevated run may not write here, and asking for more would lose
    // every name.
    if (calls.openKey(HKEY_LOCAL_MACHINE, kConnectionsKey, 0, KEY_READ, &root) != ERROR_SUCCESS)
        return;
    StrBuffer* path = StrBuffer::New();
    StrBuffer* pnpId = StrBuffer::New();
    StrBuffer* name = StrBuffer::New();
    if (path && pnpId && name) {
        wchar_t subkey[kMaxSubkeyChars + 1];
        for (DWORD index = 0;; ++index) {
            DWORD length = kMaxSubkeyChars + 1;
            if (RegEnumKeyExW(root, index, subkey, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                break;
            path->Assign(subkey)->Append(kConnectionSubkey);
            HKEY connectionKey = nullptr;
            if (calls.openKey(root, path->GetText(), 0, KEY_READ, &connectionKey) != ERROR_SUCCESS)
                continue;
            if (ReadText(connectionKey, L"PnpInstanceID", pnpId) && ReadText(connectionKey, L"Name", name)) {
                NicConn* connection = NewConnection(pnpId->GetText(), name->GetText(), subkey);
                if (connection)
                    list->Append(connection);
            }
            RegCloseKey(connectionKey);
        }
    }
    for (StrBuffer* text : {path, pnpId, name}) {
        if (text)
            text->ReleaseToPool();
    }
    RegCloseKey(root);
}

bool Listed(NicConnList* list, StrBuffer* adapterId)
{
    for (int32_t i = 0; i < list->GetCount(); ++i) {
        if (list->Get(i)->GetAdapterId()->EqualsIgnoreCase(adapterId))
            return true;
    }
    return false;
}

struct ProcessList {
    thread::ObjLocker locker;
    std::atomic<bool> done{false};
    NicConnList list;
};

ProcessList& Process()
{
    static ProcessList process;
    return process;
}

int32_t ConnectionCount()
{
    return GetNicConnCount();
}

bool ConnectionDescription(int32_t index, StrBuffer* out)
{
    INicConn* connection = GetNicConn(index);
    return connection && connection->GetDescription(out);
}
} // namespace

void AddVirtualNicConns(NicConnList* list)
{
    IpHelperCalls& calls = GetIpHelperCalls();
    ULONG size = 0;
    if (calls.getAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW || size == 0)
        return;
    uint8_t* buffer = static_cast<uint8_t*>(std::malloc(size));
    StrBuffer* adapterId = StrBuffer::New();
    StrBuffer* name = StrBuffer::New();
    if (buffer && adapterId && name
        && calls.getAdaptersInfo(reinterpret_cast<PIP_ADAPTER_INFO>(buffer), &size) == ERROR_SUCCESS) {
        int32_t number = 1;
        for (const IP_ADAPTER_INFO* adapter = reinterpret_cast<const IP_ADAPTER_INFO*>(buffer); adapter;
             adapter = adapter->Next) {
            system::win::AssignAnsi(adapterId, adapter->AdapterName, sizeof(adapter->AdapterName));
            if (Listed(list, adapterId))
                continue;
            name->Assign(kVirtualName)->AppendInt32(number);
            NicConn* connection = NewConnection(kVirtualPnpId, name->GetText(), adapterId->GetText());
            if (!connection)
                continue;
            list->Append(connection);
            ++number;
        }
    }
    for (StrBuffer* text : {adapterId, name}) {
        if (text)
            text->ReleaseToPool();
    }
    std::free(buffer);
}

void LoadNicConns(NicConnList* list)
{
    AddRegistryConnections(list);
    AddVirtualNicConns(list);
    for (int32_t i = 0; i < list->GetCount(); ++i) {
        INicConn* connection = list->Get(i);
        connection->RefreshAdapterInfo();
        connection->StartSampler();
    }
}

void LoadNicConns()
{
    ProcessList& process = Process();
    if (process.done)
        return;
    thread::ScopedLock hold(process.locker);
    if (process.done)
        return;
    LoadNicConns(&process.list);
    process.done = true;
    counter::win::SetNetworkConnectionSource(ConnectionCount, ConnectionDescription);
}

NicConnList& GetNicConnList()
{
    LoadNicConns();
    return Process().list;
}

int32_t GetNicConnCount()
{
    return GetNicConnList().GetCount();
}

INicConn* GetNicConn(int32_t index)
{
    return GetNicConnList().Get(index);
}

} // namespace win
} // namespace network
} // namespace system
} // namespace s
