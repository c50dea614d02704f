#pragma once
#include <cstdint>

namespace s {
namespace system {
namespace hdd {
namespace win {

// The drive roots of the machine in the system's order: the fixed drives ("C:\" ..., and the same
// without the backslash, "C:") and the optical drives, listed once under a lock. Later drives get
// no entry until the next start.
void LoadLogicalDrives();
int32_t GetFixedDriveCount();
// The root text of fixed drive i ("C:\"), null beyond the list.
const wchar_t* GetFixedDriveRoot(int32_t index);
// The same without its backslash ("C:"), null beyond the list.
const wchar_t* GetFixedDriveName(int32_t index);
int32_t GetOpticalDriveCount();
const wchar_t* GetOpticalDriveRoot(int32_t index);

// A drive text made a root for the space query: one character gets ":\"; two get "\" when the
// second is ":", else ":\"; longer texts get "\" unless they end with one. False for an empty
// text or one that does not fit size characters with its end.
bool CompleteDriveText(const wchar_t* drive, wchar_t* root, uint32_t size);
// Total and free bytes of a drive text (completed as above); false when it cannot be read.
bool ReadDriveSpace(const wchar_t* drive, uint64_t* totalBytes, uint64_t* freeBytes);

// Used space in whole percent, ((total - free) * 1000 / total + 5) / 10; 0 when total is 0 and
// a free count above the total reads as nothing used.
int32_t UsedPercent(uint64_t totalBytes, uint64_t freeBytes);
// The free bytes of a drive text; 0 when it cannot be read.
uint64_t GetDriveFreeBytes(const wchar_t* drive);
// Over all fixed drives that can be read; 0 when none can.
int32_t GetFixedDrivesUsedPercent();
// Of one drive given as "C", "C:", "C:\" or any folder on it; 0 when it cannot be read.
int32_t GetDriveUsedPercent(const wchar_t* drive);

} // namespace win
} // namespace hdd
} // namespace system
} // namespace s
