#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace hdd {

// One physical disk ("\\.\PhysicalDrive" n) with its S.M.A.R.T. data.
class IHdd {
public:
    // Readings that are not available.
    static const int32_t kNoTemperature = -1000;

    virtual ~IHdd() {}
    // The n of "\\.\PhysicalDrive" n.
    virtual int32_t GetIndex() = 0;
    virtual bool HasSmart() = 0;
    // Asks the disk's task to read the S.M.A.R.T. data again; the first request starts it.
    virtual void RequestRefresh() = 0;
    // Degrees C, kNoTemperature when not available.
    virtual int32_t GetTemperature() = 0;
    // GetTemperature * 9 / 5 + 32, kNoTemperature when not available.
    virtual int32_t GetTemperatureFahrenheit() = 0;
};

} // namespace hdd
} // namespace system
} // namespace s
