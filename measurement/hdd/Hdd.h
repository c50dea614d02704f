#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ITask.h"
#include "core/thread/ObjLocker.h"
#include "core/thread/Thread.h"
#include "measurement/hdd/IHdd.h"

namespace s {
namespace system {
namespace hdd {
namespace win {

// One physical disk. Its handle is open only inside a read; its own worker, started by the first
// refresh request, reads S.M.A.R.T. data at most once per 5 s.
class Hdd : public IHdd, public thread::IPoolable, public thread::ITask {
public:
    static constexpr int32_t kSlotCount = 49;
    static constexpr int32_t kPauseAfterReadMs = 5000;
    static constexpr int32_t kPollStepMs = 100;
    // The firmware whose temperature is attribute 178.
    static const wchar_t kAttribute178Firmware[];

    Hdd();
    ~Hdd() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    uint32_t GetIndex() override { return index_; }
    void SetIndex(uint32_t index) override { index_ = index; }
    str::strbuffer::StrBuffer* GetName() override { return &name_; }
    void SetName(const wchar_t* name) override;
    int32_t GetDriveNumber() override { return driveNumber_; }
    int64_t GetCylinders() override { return cylinders_; }
    uint32_t GetTracksPerCylinder() override { return tracksPerCylinder_; }
    uint32_t GetSectorsPerTrack() override { return sectorsPerTrack_; }
    uint32_t GetBytesPerSector() override { return bytesPerSector_; }
    int64_t GetSizeBytes() override { return sizeBytes_; }
    int64_t GetSizeKilobytes() override { return sizeBytes_ / 1024; }
    int64_t GetSizeMegabytes() override { return sizeBytes_ / 1048576; }
    int64_t GetSizeGigabytes() override { return sizeBytes_ / 1073741824; }
    bool HasDeviceInfo() override { return hasDeviceInfo_; }
    uint32_t GetDeviceInfoValue() override { return deviceInfoValue_; }
    str::strbuffer::StrBuffer* GetFirmware() override { return &firmware_; }
    str::strbuffer::StrBuffer* GetSerial() override { return &serial_; }
    str::strbuffer::StrBuffer* GetModel() { return &model_; }
    bool IsAccessible() override { return isAccessible_; }
    bool HasVersionIoControl() override { return hasVersionIoControl_; }
    bool HasIdentifyCommand() override { return hasIdentifyCommand_; }
    bool HasSmart() override { return hasSmart_; }
    int32_t GetTemperature() override;
    int32_t GetTemperatureFahrenheit() override;
    int64_t GetAttribute194() override { return values_[16]; }
    int64_t GetAttribute194Min() override { return values_[43]; }
    int64_t GetAttribute194Max() override { return values_[44]; }
    int64_t GetAttribute231() override { return values_[45]; }
    int64_t GetAttribute231Min() override { return values_[46]; }
    int64_t GetAttribute231Max() override { return values_[47]; }
    void ReadSmart(str::strarray::StrArray* report) override;
    void RequestRefresh() override;
    void Reserved() override {}

    // The worker's loop.
    void Run() override;

    void ReleaseToPool() override;
    void Reset() override;

    static thread::EasyPooler* GetPool();
    static Hdd* New();

    // Sets the device path, drive number and geometry found by OpenHdd.
    void SetDevice(int32_t driveNumber, int64_t cylinders, uint32_t tracksPerCylinder, uint32_t sectorsPerTrack,
                   uint32_t bytesPerSector);
    // The slot of an attribute id, -1 for ids that are not kept.
    static int32_t SlotOf(uint8_t id);
    int64_t GetSlot(int32_t slot) { return slot >= 0 && slot < kSlotCount ? values_[slot].load() : kUnknown; }
    // Stores one 12-byte attribute entry.
    void StoreAttribute(const uint8_t* entry);

private:
    Hdd(const Hdd&) = delete;
    Hdd& operator=(const Hdd&) = delete;

    // The protocol's steps on an open device.
    void ReadOpenDevice(HANDLE device, str::strarray::StrArray* report);
    void ParseIdentify(const uint8_t* data, bool deviceCommand);
    void ReadAttributes(const uint8_t* data, str::strarray::StrArray* report);
    void ClearSlots();

    uint32_t index_;
    str::strbuffer::StrBuffer name_;
    str::strbuffer::StrBuffer devicePath_;
    int32_t driveNumber_;
    int64_t cylinders_;
    uint32_t tracksPerCylinder_;
    uint32_t sectorsPerTrack_;
    uint32_t bytesPerSector_;
    int64_t sizeBytes_;
    bool hasDeviceInfo_;
    uint32_t deviceInfoValue_;
    str::strbuffer::StrBuffer model_;
    str::strbuffer::StrBuffer firmware_;
    str::strbuffer::StrBuffer serial_;
    bool isAccessible_;
    bool hasVersionIoControl_;
    bool hasIdentifyCommand_;
    bool hasSmart_;
    // Null when closed, INVALID_HANDLE_VALUE after a failed open (not tried again until Reset).
    HANDLE deviceHandle_;
    // A read holds the device: a second reader leaves it alone instead of opening it again.
    bool busy_;
    uint8_t* attributeBuffer_;
    uint8_t* commandBuffer_;
    std::atomic<int64_t> values_[kSlotCount];
    bool refreshRequested_;
    std::atomic<bool> stopRequested_;
    std::atomic<bool> running_;
    thread::win::Thread* worker_;
    // Guards refreshRequested, worker, busy and the handle.
    thread::ObjLocker locker_;
};

} // namespace win
} // namespace hdd
} // namespace system
} // namespace s
