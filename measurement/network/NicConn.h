#pragma once
#include <atomic>
#include <cstdint>

#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ITask.h"
#include "core/thread/ObjLocker.h"
#include "core/thread/Thread.h"
#include "measurement/network/INicConn.h"
#include "measurement/network/IpHelperCalls.h"

namespace s {
namespace system {
namespace network {
namespace win {

// One network connection over its adapter in IP Helper's adapter list. Its own worker, below
// normal priority, refreshes the adapter's texts every 3,000 ms; readers copy them under the lock.
class NicConn : public INicConn, public thread::IPoolable, public thread::ITask {
public:
    static constexpr int32_t kRefreshPeriodMs = 3000;
    static constexpr int32_t kSleepStepMs = 200;

    NicConn();
    ~NicConn() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    void StartSampler() override;
    void StopSampler(bool wait) override;
    void RefreshAdapterInfo() override;
    bool IsValid() override;
    void SetValid(bool valid) override;
    str::strbuffer::StrBuffer* GetName() override { return &name_; }
    void SetName(const wchar_t* name) override;
    str::strbuffer::StrBuffer* GetAdapterId() override { return &adapterId_; }
    void SetAdapterId(const wchar_t* id) override;
    bool IsVirtual() override;
    str::strbuffer::StrBuffer* GetPnpInstanceId() override { return &pnpInstanceId_; }
    void SetPnpInstanceId(const wchar_t* id) override;
    int64_t GetPeakTotal() override { return peakTotal_; }
    void RaisePeakTotal(int64_t rate) override { Raise(&peakTotal_, rate); }
    int64_t GetPeakReceived() override { return peakReceived_; }
    void RaisePeakReceived(int64_t rate) override { Raise(&peakReceived_, rate); }
    int64_t GetPeakSent() override { return peakSent_; }
    void RaisePeakSent(int64_t rate) override { Raise(&peakSent_, rate); }
    bool GetDescription(str::strbuffer::StrBuffer* out) override;
    bool GetTotalOctets(int64_t* out) override;
    bool GetInOctets(int64_t* out) override;
    bool GetOutOctets(int64_t* out) override;
    bool GetMacAddress(str::strbuffer::StrBuffer* out) override;
    bool GetIpAddress(str::strbuffer::StrBuffer* out) override;
    bool GetSubnetMask(str::strbuffer::StrBuffer* out) override;
    bool GetGateway(str::strbuffer::StrBuffer* out) override;
    bool GetDnsServer1(str::strbuffer::StrBuffer* out) override;
    bool GetDnsServer2(str::strbuffer::StrBuffer* out) override;
    bool IsDhcpEnabled(bool* out) override;
    bool GetDhcpServer(str::strbuffer::StrBuffer* out) override;
    bool HasWins(bool* out) override;
    bool GetPrimaryWins(str::strbuffer::StrBuffer* out) override;
    bool GetSecondaryWins(str::strbuffer::StrBuffer* out) override;
    void ReadAllFields() override;

    // The refresh loop on the worker.
    void Run() override;

    void ReleaseToPool() override;
    void Reset() override;

    static thread::EasyPooler* GetPool();
    static NicConn* New();

private:
    NicConn(const NicConn&) = delete;
    NicConn& operator=(const NicConn&) = delete;

    static void Raise(std::atomic<int64_t>* peak, int64_t rate);
    bool CopyIfValid(str::strbuffer::StrBuffer& text, str::strbuffer::StrBuffer* out);
    // in and out of the matching interface row; false when none matches.
    bool ReadOctets(int64_t* in, int64_t* out);
    // The adapter of adapterId in the list just read, or null.
    const IP_ADAPTER_INFO* FindAdapter();
    void ReadDnsServers(DWORD adapterIndex);
    void ClearTexts();

    thread::win::Thread* worker_;
    std::atomic<bool> running_;
    std::atomic<bool> stopRequested_;
    bool valid_;
    str::strbuffer::StrBuffer name_;
    str::strbuffer::StrBuffer adapterId_;
    str::strbuffer::StrBuffer pnpInstanceId_;
    str::strbuffer::StrBuffer description_;
    str::strbuffer::StrBuffer macAddress_;
    str::strbuffer::StrBuffer ipAddress_;
    str::strbuffer::StrBuffer subnetMask_;
    str::strbuffer::StrBuffer gateway_;
    str::strbuffer::StrBuffer dnsServer1_;
    str::strbuffer::StrBuffer dnsServer2_;
    bool dhcpEnabled_;
    str::strbuffer::StrBuffer dhcpServer_;
    bool hasWins_;
    str::strbuffer::StrBuffer primaryWins_;
    str::strbuffer::StrBuffer secondaryWins_;
    std::atomic<int64_t> peakTotal_;
    std::atomic<int64_t> peakReceived_;
    std::atomic<int64_t> peakSent_;
    // Kept between refreshes; replaced by a larger one when IP Helper asks for more.
    uint8_t* adapterBuffer_;
    ULONG adapterSize_;
    uint8_t* perAdapterBuffer_;
    ULONG perAdapterSize_;
    // Guards valid and the adapter texts.
    thread::ObjLocker locker_;
};

// The interface-table row whose description equals this one (trailing blanks and NULs of the
// row ignored, letter case ignored), read into in and out: the 64-bit counts of the same
// interface where the system has them, else the row's 32-bit ones. False when no row matches or
// the table cannot be read. The table's buffer is kept between calls.
bool ReadInterfaceOctets(const wchar_t* description, int64_t* in, int64_t* out);

} // namespace win
} // namespace network
} // namespace system
} // namespace s
