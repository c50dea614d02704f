#include "measurement/network/NicConn.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <cstring>

#include "core/str/AsciiFold.h"
#include "measurement/win/AnsiText.h"

namespace s {
namespace system {
namespace network {
namespace win {

namespace {
using str::strbuffer::StrBuffer;

const wchar_t kVirtual[] = L"Virtual";
// The interface table's first buffer: room for the header and one row.
const ULONG kFirstTableSize = 864;
// IP Helper may ask for more between two calls while adapters come and go.
const int32_t kSizeTries = 3;

// Calls an IP Helper list function until the kept buffer is large enough: replaced by one of
// the size asked while it answers with overflow. The call's own result.
template <class Call>
DWORD FillBuffer(uint8_t** buffer, ULONG* size, DWORD overflow, Call call)
{
    DWORD result = overflow;
    for (int32_t attempt = 0; attempt < kSizeTries; ++attempt) {
        ULONG asked = *size;
        result = call(*buffer, &asked);
        if (result != overflow)
            return result;
        if (asked <= *size && *buffer)
            return result;
        uint8_t* larger = static_cast<uint8_t*>(std::malloc(asked));
        if (!larger)
            return result;
        std::free(*buffer);
        *buffer = larger;
        *size = asked;
    }
    return result;
}

// An IP address text of a fixed field (16 bytes), never read past it.
void AssignAddress(StrBuffer* out, const IP_ADDR_STRING& address)
{
    system::win::AssignAnsi(out, address.IpAddress.String, sizeof(address.IpAddress.String));
}

// Two upper-case hexadecimal digits per byte joined by ":", at most the field's bytes.
void AssignHardwareAddress(StrBuffer* out, const IP_ADAPTER_INFO& adapter)
{
    out->Assign(L"");
    UINT length = adapter.AddressLength;
    if (length > sizeof(adapter.Address))
        length = sizeof(adapter.Address);
    for (UINT i = 0; i < length; ++i) {
        wchar_t digits[4];
        swprintf(digits, 4, i + 1 < length ? L"%.2X:" : L"%.2X", adapter.Address[i]);
        out->Append(digits);
    }
}

// The description of an interface-table row equals text, each byte one character, trailing
// blanks and NULs of the row ignored, letter case ignored. No string is made.
bool RowHasDescription(const MIB_IFROW& row, const wchar_t* text)
{
    DWORD length = row.dwDescrLen;
    if (length > sizeof(row.bDescr))
        length = sizeof(row.bDescr);
    while (length > 0 && (row.bDescr[length - 1] == ' ' || row.bDescr[length - 1] == 0))
        --length;
    DWORD i = 0;
    for (; i < length; ++i) {
        if (text[i] == 0 || str::ToLowerAscii(static_cast<wchar_t>(row.bDescr[i])) != str::ToLowerAscii(text[i]))
            return false;
    }
    return text[i] == 0;
}

// The interface table's kept buffer, shared by every connection.
struct InterfaceTable {
    thread::ObjLocker locker;
    uint8_t* buffer = nullptr;
    ULONG size = 0;
};

InterfaceTable& Table()
{
    static InterfaceTable table;
    return table;
}
} // namespace

bool ReadInterfaceOctets(const wchar_t* description, int64_t* in, int64_t* out)
{
    *in = 0;
    *out = 0;
    if (!description || !description[0])
        return false;
    IpHelperCalls& calls = GetIpHelperCalls();
    InterfaceTable& table = Table();
    thread::ScopedLock hold(table.locker);
    if (!table.buffer) {
        table.buffer = static_cast<uint8_t*>(std::malloc(kFirstTableSize));
        if (!table.buffer)
            return false;
        table.size = kFirstTableSize;
    }
    const DWORD result = FillBuffer(&table.buffer, &table.size, ERROR_INSUFFICIENT_BUFFER,
        [&calls](uint8_t* buffer, ULONG* size) {
            return calls.getIfTable(reinterpret_cast<PMIB_IFTABLE>(buffer), size, FALSE);
        });
    if (result != NO_ERROR)
        return false;
    const MIB_IFTABLE* rows = reinterpret_cast<const MIB_IFTABLE*>(table.buffer);
    // A count that the buffer cannot hold is cut to what it holds.
    const size_t room = (table.size - offsetof(MIB_IFTABLE, table)) / sizeof(MIB_IFROW);
    const size_t count = rows->dwNumEntries < room ? rows->dwNumEntries : room;
    for (size_t i = 0; i < count; ++i) {
        const MIB_IFROW& row = rows->table[i];
        if (!RowHasDescription(row, description))
            continue;
        // The 32-bit counts wrap at 4 GiB: the same interface's 64-bit ones where they exist.
        uint64_t in64 = 0, out64 = 0;
        if (calls.getIfOctets64 && calls.getIfOctets64(row.dwIndex, &in64, &out64)) {
            *in = static_cast<int64_t>(in64);
            *out = static_cast<int64_t>(out64);
        } else {
            *in = row.dwInOctets;
            *out = row.dwOutOctets;
        }
        return true;
    }
    return false;
}

NicConn::NicConn()
    : worker_(thread::win::Thread::New()), running_(false), stopRequested_(false), valid_(false), dhcpEnabled_(false),
      hasWins_(false), peakTotal_(0), peakReceived_(0), peakSent_(0), adapterBuffer_(nullptr), adapterSize_(0),
      perAdapterBuffer_(nullptr), perAdapterSize_(0)
{
    if (worker_)
        worker_->SetPriority(thread::win::Thread::kPriorityBelowNormal);
}

NicConn::~NicConn()
{
    StopSampler(true);
    // Deleted, not given back: at exit the thread pool may be gone already.
    delete worker_;
    std::free(adapterBuffer_);
    std::free(perAdapterBuffer_);
}

const wchar_t* NicConn::GetClassName()
{
    return L"s_system_network_win_NicConn";
}

base::IObject* NicConn::NewInstance()
{
    return New();
}

thread::EasyPooler* NicConn::GetPool()
{
    return &thread::PoolOf<NicConn>();
}

NicConn* NicConn::New()
{
    return thread::TakeFromPool<NicConn>();
}

void NicConn::ReleaseToPool()
{
    GetPool()->Give(this);
}

void NicConn::Reset()
{
    StopSampler(true);
    running_ = false;
    stopRequested_ = false;
    thread::ScopedLock hold(locker_);
    valid_ = false;
    name_.Assign(L"");
    adapterId_.Assign(L"");
    pnpInstanceId_.Assign(L"");
    ClearTexts();
    peakTotal_ = 0;
    peakReceived_ = 0;
    peakSent_ = 0;
}

void NicConn::ClearTexts()
{
    for (StrBuffer* text : {&description_, &macAddress_, &ipAddress_, &subnetMask_, &gateway_, &dnsServer1_,
                            &dnsServer2_, &dhcpServer_, &primaryWins_, &secondaryWins_})
        text->Assign(L"");
    dhcpEnabled_ = false;
    hasWins_ = false;
}

void NicConn::StartSampler()
{
    if (running_ && stopRequested_)
        StopSampler(true);
    if (running_ || !worker_)
        return;
    running_ = true;
    worker_->RunOnce(this);
}

void NicConn::StopSampler(bool wait)
{
    stopRequested_ = true;
    if (!wait)
        return;
    if (worker_)
        worker_->WaitUntilIdle();
    running_ = false;
    stopRequested_ = false;
}

void NicConn::Run()
{
    running_ = true;
    while (!stopRequested_) {
        for (int32_t slept = 0; slept < kRefreshPeriodMs && !stopRequested_; slept += kSleepStepMs)
            Sleep(kSleepStepMs);
        if (!stopRequested_)
            RefreshAdapterInfo();
    }
    stopRequested_ = false;
    running_ = false;
}

const IP_ADAPTER_INFO* NicConn::FindAdapter()
{
    StrBuffer* name = StrBuffer::New();
    if (!name)
        return nullptr;
    const IP_ADAPTER_INFO* found = nullptr;
    for (const IP_ADAPTER_INFO* adapter = reinterpret_cast<const IP_ADAPTER_INFO*>(adapterBuffer_); adapter;
         adapter = adapter->Next) {
        system::win::AssignAnsi(name, adapter->AdapterName, sizeof(adapter->AdapterName));
        if (name->EqualsIgnoreCase(&adapterId_)) {
            found = adapter;
            break;
        }
    }
    name->ReleaseToPool();
    return found;
}

void NicConn::ReadDnsServers(DWORD adapterIndex)
{
    IpHelperCalls& calls = GetIpHelperCalls();
    const DWORD result = FillBuffer(&perAdapterBuffer_, &perAdapterSize_, ERROR_BUFFER_OVERFLOW,
        [&calls, adapterIndex](uint8_t* buffer, ULONG* size) {
            return calls.getPerAdapterInfo(adapterIndex, reinterpret_cast<PIP_PER_ADAPTER_INFO>(buffer), size);
        });
    if (result != ERROR_SUCCESS || !perAdapterBuffer_)
        return;
    const IP_PER_ADAPTER_INFO* info = reinterpret_cast<const IP_PER_ADAPTER_INFO*>(perAdapterBuffer_);
    AssignAddress(&dnsServer1_, info->DnsServerList);
    if (info->DnsServerList.Next)
        AssignAddress(&dnsServer2_, *info->DnsServerList.Next);
}

void NicConn::RefreshAdapterInfo()
{
    IpHelperCalls& calls = GetIpHelperCalls();
    bool becameValid = false;
    {
        // The kept buffers belong to the refresh, which a test may run beside the worker.
        thread::ScopedLock hold(locker_);
        const DWORD result = FillBuffer(&adapterBuffer_, &adapterSize_, ERROR_BUFFER_OVERFLOW,
            [&calls](uint8_t* buffer, ULONG* size) {
                return calls.getAdaptersInfo(reinterpret_cast<PIP_ADAPTER_INFO>(buffer), size);
            });
        const IP_ADAPTER_INFO* adapter = result == ERROR_SUCCESS && adapterBuffer_ ? FindAdapter() : nullptr;
        if (adapter) {
            system::win::AssignAnsi(&description_, adapter->Description, sizeof(adapter->Description));
            description_.TrimEndChars(L" ", 1);
            AssignHardwareAddress(&macAddress_, *adapter);
            AssignAddress(&ipAddress_, adapter->IpAddressList);
            system::win::AssignAnsi(&subnetMask_, adapter->IpAddressList.IpMask.String,
                                    sizeof(adapter->IpAddressList.IpMask.String));
            AssignAddress(&gateway_, adapter->GatewayList);
            dhcpEnabled_ = adapter->DhcpEnabled == 1;
            if (dhcpEnabled_)
                AssignAddress(&dhcpServer_, adapter->DhcpServer);
            else
                dhcpServer_.Assign(L"");
            hasWins_ = adapter->HaveWins == 1;
            if (hasWins_) {
                AssignAddress(&primaryWins_, adapter->PrimaryWinsServer);
                AssignAddress(&secondaryWins_, adapter->SecondaryWinsServer);
            } else {
                primaryWins_.Assign(L"");
                secondaryWins_.Assign(L"");
            }
            dnsServer1_.Assign(L"");
            dnsServer2_.Assign(L"");
            ReadDnsServers(adapter->Index);
        }
        becameValid = adapter && !valid_;
        valid_ = adapter != nullptr;
    }
    if (becameValid)
        ReadAllFields();
}

bool NicConn::IsValid()
{
    thread::ScopedLock hold(locker_);
    return valid_;
}

void NicConn::SetValid(bool valid)
{
    thread::ScopedLock hold(locker_);
    valid_ = valid;
}

void NicConn::SetName(const wchar_t* name)
{
    name_.Assign(name ? name : L"");
}

void NicConn::SetAdapterId(const wchar_t* id)
{
    adapterId_.Assign(id ? id : L"");
}

bool NicConn::IsVirtual()
{
    return str::EqualsIgnoreCaseAscii(pnpInstanceId_.GetText(), kVirtual);
}

void NicConn::SetPnpInstanceId(const wchar_t* id)
{
    pnpInstanceId_.Assign(id ? id : L"");
}

void NicConn::Raise(std::atomic<int64_t>* peak, int64_t rate)
{
    int64_t held = peak->load();
    while (rate > held && !peak->compare_exchange_weak(held, rate)) {
    }
}

bool NicConn::CopyIfValid(StrBuffer& text, StrBuffer* out)
{
    thread::ScopedLock hold(locker_);
    if (!valid_)
        return false;
    out->AssignStr(&text);
    return true;
}

bool NicConn::GetDescription(StrBuffer* out)
{
    return CopyIfValid(description_, out);
}

bool NicConn::ReadOctets(int64_t* in, int64_t* out)
{
    *in = 0;
    *out = 0;
    // The description is copied aside: the table's lock is never taken inside this one.
    wchar_t description[MAX_ADAPTER_DESCRIPTION_LENGTH + 8];
    {
        thread::ScopedLock hold(locker_);
        if (!valid_)
            return false;
        const uint32_t length = description_.GetLength() < MAX_ADAPTER_DESCRIPTION_LENGTH + 7
                              ? description_.GetLength() : MAX_ADAPTER_DESCRIPTION_LENGTH + 7;
        std::memcpy(description, description_.GetText(), length * sizeof(wchar_t));
        description[length] = 0;
    }
    return ReadInterfaceOctets(description, in, out);
}

bool NicConn::GetTotalOctets(int64_t* out)
{
    int64_t in = 0, sent = 0;
    const bool ok = ReadOctets(&in, &sent);
    *out = in + sent;
    return ok;
}

bool NicConn::GetInOctets(int64_t* out)
{
    int64_t sent = 0;
    return ReadOctets(out, &sent);
}

bool NicConn::GetOutOctets(int64_t* out)
{
    int64_t in = 0;
    return ReadOctets(&in, out);
}

bool NicConn::GetMacAddress(StrBuffer* out)
{
    return CopyIfValid(macAddress_, out);
}

bool NicConn::GetIpAddress(StrBuffer* out)
{
    return CopyIfValid(ipAddress_, out);
}

bool NicConn::GetSubnetMask(StrBuffer* out)
{
    return CopyIfValid(subnetMask_, out);
}

bool NicConn::GetGateway(StrBuffer* out)
{
    return CopyIfValid(gateway_, out);
}

bool NicConn::GetDnsServer1(StrBuffer* out)
{
    return CopyIfValid(dnsServer1_, out);
}

bool NicConn::GetDnsServer2(StrBuffer* out)
{
    return CopyIfValid(dnsServer2_, out);
}

bool NicConn::IsDhcpEnabled(bool* out)
{
    thread::ScopedLock hold(locker_);
    if (!valid_)
        return false;
    *out = dhcpEnabled_;
    return true;
}

bool NicConn::GetDhcpServer(StrBuffer* out)
{
    return CopyIfValid(dhcpServer_, out);
}

bool NicConn::HasWins(bool* out)
{
    thread::ScopedLock hold(locker_);
    if (!valid_)
        return false;
    *out = hasWins_;
    return true;
}

bool NicConn::GetPrimaryWins(StrBuffer* out)
{
    return CopyIfValid(primaryWins_, out);
}

bool NicConn::GetSecondaryWins(StrBuffer* out)
{
    return CopyIfValid(secondaryWins_, out);
}

void NicConn::ReadAllFields()
{
    StrBuffer* scratch = StrBuffer::New();
    if (!scratch)
        return;
    GetDescription(scratch);
    GetMacAddress(scratch);
    GetIpAddress(scratch);
    GetGateway(scratch);
    GetDnsServer1(scratch);
    GetDnsServer2(scratch);
    bool enabled = false;
    if (IsDhcpEnabled(&enabled) && enabled)
        GetDhcpServer(scratch);
    if (HasWins(&enabled) && enabled) {
        GetPrimaryWins(scratch);
        GetSecondaryWins(scratch);
    }
    scratch->ReleaseToPool();
}

} // namespace win
} // namespace network
} // namespace system
} // namespace s
