#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/str/StrBuffer.h"

namespace s {
namespace system {
namespace network {

// One network connection: its names, its adapter's addresses, the peaks of its rates and its
// interface's octet counts.
class INicConn : public base::IObject {
public:
    virtual void StartSampler() = 0;
    // Asks the refresh task to stop; with wait, returns once it has.
    virtual void StopSampler(bool wait) = 0;
    virtual void RefreshAdapterInfo() = 0;
    // The connection's adapter was found at its last refresh.
    virtual bool IsValid() = 0;
    virtual void SetValid(bool valid) = 0;
    virtual str::strbuffer::StrBuffer* GetName() = 0;
    virtual void SetName(const wchar_t* name) = 0;
    virtual str::strbuffer::StrBuffer* GetAdapterId() = 0;
    virtual void SetAdapterId(const wchar_t* id) = 0;
    // A connection that the registry does not name.
    virtual bool IsVirtual() = 0;
    virtual str::strbuffer::StrBuffer* GetPnpInstanceId() = 0;
    virtual void SetPnpInstanceId(const wchar_t* id) = 0;
    // Highest rates seen, in bytes per second; each Raise keeps the larger one.
    virtual int64_t GetPeakTotal() = 0;
    virtual void RaisePeakTotal(int64_t rate) = 0;
    virtual int64_t GetPeakReceived() = 0;
    virtual void RaisePeakReceived(int64_t rate) = 0;
    virtual int64_t GetPeakSent() = 0;
    virtual void RaisePeakSent(int64_t rate) = 0;
    // The text getters below copy under the lock and answer false, writing nothing, while the
    // connection is not valid.
    virtual bool GetDescription(str::strbuffer::StrBuffer* out) = 0;
    // The interface table's counts of the interface with this description; false when none has it.
    virtual bool GetTotalOctets(int64_t* out) = 0;
    virtual bool GetInOctets(int64_t* out) = 0;
    virtual bool GetOutOctets(int64_t* out) = 0;
    virtual bool GetMacAddress(str::strbuffer::StrBuffer* out) = 0;
    virtual bool GetIpAddress(str::strbuffer::StrBuffer* out) = 0;
    virtual bool GetSubnetMask(str::strbuffer::StrBuffer* out) = 0;
    virtual bool GetGateway(str::strbuffer::StrBuffer* out) = 0;
    virtual bool GetDnsServer1(str::strbuffer::StrBuffer* out) = 0;
    virtual bool GetDnsServer2(str::strbuffer::StrBuffer* out) = 0;
    virtual bool IsDhcpEnabled(bool* out) = 0;
    virtual bool GetDhcpServer(str::strbuffer::StrBuffer* out) = 0;
    virtual bool HasWins(bool* out) = 0;
    virtual bool GetPrimaryWins(str::strbuffer::StrBuffer* out) = 0;
    virtual bool GetSecondaryWins(str::strbuffer::StrBuffer* out) = 0;
    virtual void ReadAllFields() = 0;
};

} // namespace network
} // namespace system
} // namespace s
