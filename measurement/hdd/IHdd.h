#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"

namespace s {
namespace system {
namespace hdd {

// One physical disk ("\\.\PhysicalDrive" n) with its geometry, identity and S.M.A.R.T. data.
class IHdd : public base::IObject {
public:
    // A reading that is not available.
    static constexpr int32_t kNoTemperature = -1000;
    static constexpr int64_t kUnknown = -1000;

    // The position in the disk list.
    virtual uint32_t GetIndex() = 0;
    virtual void SetIndex(uint32_t index) = 0;
    virtual str::strbuffer::StrBuffer* GetName() = 0;
    virtual void SetName(const wchar_t* name) = 0;
    // The n of "\\.\PhysicalDrive" n.
    virtual int32_t GetDriveNumber() = 0;
    virtual int64_t GetCylinders() = 0;
    virtual uint32_t GetTracksPerCylinder() = 0;
    virtual uint32_t GetSectorsPerTrack() = 0;
    virtual uint32_t GetBytesPerSector() = 0;
    virtual int64_t GetSizeBytes() = 0;
    virtual int64_t GetSizeKilobytes() = 0;
    virtual int64_t GetSizeMegabytes() = 0;
    virtual int64_t GetSizeGigabytes() = 0;
    virtual bool HasDeviceInfo() = 0;
    virtual uint32_t GetDeviceInfoValue() = 0;
    virtual str::strbuffer::StrBuffer* GetFirmware() = 0;
    virtual str::strbuffer::StrBuffer* GetSerial() = 0;
    virtual bool IsAccessible() = 0;
    virtual bool HasVersionIoControl() = 0;
    virtual bool HasIdentifyCommand() = 0;
    virtual bool HasSmart() = 0;
    // Degrees C, kNoTemperature when not available.
    virtual int32_t GetTemperature() = 0;
    // GetTemperature * 9 / 5 + 32, kNoTemperature when not available.
    virtual int32_t GetTemperatureFahrenheit() = 0;
    virtual int64_t GetAttribute194() = 0;
    virtual int64_t GetAttribute194Min() = 0;
    virtual int64_t GetAttribute194Max() = 0;
    virtual int64_t GetAttribute231() = 0;
    virtual int64_t GetAttribute231Min() = 0;
    virtual int64_t GetAttribute231Max() = 0;
    // Reads the disk once; with a report list the attributes are appended to it as one text
    // instead of being stored.
    virtual void ReadSmart(str::strarray::StrArray* report) = 0;
    // Asks the disk's task to read the S.M.A.R.T. data again; the first request starts it.
    virtual void RequestRefresh() = 0;
    virtual void Reserved() = 0;
};

} // namespace hdd
} // namespace system
} // namespace s
