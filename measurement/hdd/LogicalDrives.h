#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace hdd {
namespace win {

// The drive roots of the machine ("C:\" ...), split into fixed and optical drives, listed once
// under a lock. Later drives get no entry until the next start.
void LoadLogicalDrives();
int32_t GetFixedDriveCount();
// The root text of fixed drive i, null beyond the list.
const wchar_t* GetFixedDriveRoot(int32_t index);
int32_t GetOpticalDriveCount();

// Used space in whole percent, ((total - free) * 1000 / total + 5) / 10; 0 when total is 0 and
// a free count above the total reads as nothing used.
int32_t UsedPercent(uint64_t totalBytes, uint64_t freeBytes);
// Over all fixed drives; 0 when none can be read.
int32_t GetFixedDrivesUsedPercent();
// Of one drive given as "C", "C:", "C:\" or any folder on it; 0 when it cannot be read.
int32_t GetDriveUsedPercent(const wchar_t* drive);

} // namespace win
} // namespace hdd
} // namespace system
} // namespace s
