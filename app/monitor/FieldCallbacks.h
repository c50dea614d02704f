#pragma once
#include <cstdint>
#include <ctime>
#include <string>

#include "app/monitor/IFieldRow.h"
#include "core/str/StrBuffer.h"

namespace s {
namespace system {
namespace counter {

// The 12 month and 7 weekday names (Sunday first) of the language pack, for the date field.
static const int32_t kDateNameCount = 19;
struct DateNameList {
    std::wstring names[kDateNameCount];
};

// The local time as "%H:%M"; empty when the time cannot be converted.
void FormatClockTime(time_t time, str::strbuffer::StrBuffer* out);
// The processor clock in MHz as the five-character GHz text ("2.400", "0.000").
void FormatCpuClock(int64_t megahertz, str::strbuffer::StrBuffer* out);

// The update callbacks of the fields. The user data is the field's instance text (the date
// field: the bracket flag byte), the extra value its instance index, -1 for a total (the date
// field: its DateNameList).
void UpdateDateTime(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateCpuGhz(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateCpuUsage(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateCpuTempC(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateCpuTempF(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateGpuUsage(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateGpuTempC(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateGpuTempF(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateGpuFan(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateMemoryUsage(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateMemoryUsed(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateMemoryFree(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateMemorySwap(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateDriveUsed(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateDriveFree(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateDiskIo(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateDiskRead(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateDiskWrite(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateDiskSeek(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateDiskBusy(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateHddTempC(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateHddTempF(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateSensorTempC(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateSensorTempF(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateSensorFan(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateNetworkIo(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateNetworkIn(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateNetworkOut(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateNetworkMax(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateNetworkInMax(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateNetworkOutMax(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateNetworkMaxBits(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateNetworkInMaxBits(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateNetworkOutMaxBits(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateNetworkSum(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateNetworkInSum(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateNetworkOutSum(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateLocalIp(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateGlobalIp(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateConnectionCount(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateProcessCount(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateThreadCount(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateHandleCount(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateUptime(IFieldRow* field, void* userData, int64_t extraValue);
void UpdateBattery(IFieldRow* field, void* userData, int64_t extraValue);

// Forgets the running disk maxima, the network warm-up marks and the clock's last readings, as
// at the start of the program.
void ResetFieldCallbackState();

} // namespace counter
} // namespace system
} // namespace s
