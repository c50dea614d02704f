#pragma once
#include <cstdint>

#include "core/str/StrArray.h"
#include "measurement/hdd/IHdd.h"
#include "measurement/win/PooledList.h"

namespace s {
namespace system {
namespace hdd {
namespace win {

class Hdd;

// The physical disks that could be opened, in drive order with consecutive indexes.
class HddList : public system::win::PooledList<IHdd> {};

// The device's disk with its geometry, or null when it cannot be opened (access 0) or its
// geometry cannot be read.
Hdd* OpenHdd(int32_t driveNumber);
// "\\.\PhysicalDrive" 0 to 23 in order: each disk that opens is read once on the calling thread
// and appended.
void LoadHdds(HddList* list);
// The "[HDD]" lines of the system report, with a fresh read of each disk's attributes.
str::strarray::StrArray* BuildHddReport(HddList* list);

// The process-wide list, loaded once under its lock.
void LoadHdds();
HddList& GetHddList();
int32_t GetHddCount();
// Null beyond the list.
IHdd* GetHdd(int32_t index);
str::strarray::StrArray* BuildHddReport();

} // namespace win
} // namespace hdd
} // namespace system
} // namespace s
