#pragma once
#include <cstdint>

#include "core/str/StrBuffer.h"

namespace s {
namespace system {
namespace network {

// One network connection: its address, the peaks of its rates and its interface's octet counts.
class INicConn {
public:
    virtual ~INicConn() {}
    // The connection's adapter was found at its last refresh.
    virtual bool IsValid() = 0;
    virtual void GetIpAddress(str::strbuffer::StrBuffer* out) = 0;
    virtual int64_t GetPeakTotal() = 0;
    virtual int64_t GetPeakReceived() = 0;
    virtual int64_t GetPeakSent() = 0;
    // Each raises its peak when the rate is larger.
    virtual void RaisePeakTotal(int64_t rate) = 0;
    virtual void RaisePeakReceived(int64_t rate) = 0;
    virtual void RaisePeakSent(int64_t rate) = 0;
    // The interface table's counts of the matching interface; false when none matches.
    virtual bool GetTotalOctets(int64_t* out) = 0;
    virtual bool GetInOctets(int64_t* out) = 0;
    virtual bool GetOutOctets(int64_t* out) = 0;
};

} // namespace network
} // namespace system
} // namespace s
