#include "measurement/hdd/LogicalDrives.h"

#include <windows.h>

#include <atomic>
#include <cwchar>

namespace s {
namespace system {
namespace hdd {
namespace win {

namespace {
const int32_t kMaxDrives = 26;
const int32_t kRootLength = 4;

struct DriveLists {
    CRITICAL_SECTION lock;
    std::atomic<bool> done{false};
    wchar_t fixed[kMaxDrives][kRootLength] = {};
    int32_t fixedCount = 0;
    int32_t opticalCount = 0;
    DriveLists() { InitializeCriticalSection(&lock); }
};

DriveLists& Lists()
{
    static DriveLists lists;
    return lists;
}

bool DriveBytes(const wchar_t* root, uint64_t* total, uint64_t* free)
{
    ULARGE_INTEGER totalBytes = {}, freeBytes = {};
    if (!GetDiskFreeSpaceExW(root, nullptr, &totalBytes, &freeBytes))
        return false;
    *total = totalBytes.QuadPart;
    *free = freeBytes.QuadPart;
    return true;
}
} // namespace

void LoadLogicalDrives()
{
    DriveLists& lists = Lists();
    if (lists.done)
        return;
    EnterCriticalSection(&lists.lock);
    if (!lists.done) {
        const DWORD mask = GetLogicalDrives();
        for (int32_t letter = 0; letter < kMaxDrives; ++letter) {
            if (!(mask & (1u << letter)))
                continue;
            const wchar_t root[kRootLength] = {static_cast<wchar_t>(L'A' + letter), L':', L'\\', 0};
            const UINT type = GetDriveTypeW(root);
            if (type == DRIVE_FIXED)
                std::wcscpy(lists.fixed[lists.fixedCount++], root);
            else if (type == DRIVE_CDROM)
                ++lists.opticalCount;
        }
        lists.done = true;
    }
    LeaveCriticalSection(&lists.lock);
}

int32_t GetFixedDriveCount()
{
    LoadLogicalDrives();
    return Lists().fixedCount;
}

const wchar_t* GetFixedDriveRoot(int32_t index)
{
    LoadLogicalDrives();
    if (index < 0 || index >= Lists().fixedCount)
        return nullptr;
    return Lists().fixed[index];
}

int32_t GetOpticalDriveCount()
{
    LoadLogicalDrives();
    return Lists().opticalCount;
}

int32_t UsedPercent(uint64_t totalBytes, uint64_t freeBytes)
{
    if (totalBytes == 0 || freeBytes >= totalBytes)
        return 0;
    // The product stays inside 64 bits up to 18 petabytes; beyond that the tenths come from a
    // scaled-down pair.
    uint64_t used = totalBytes - freeBytes;
    while (used > UINT64_MAX / 1000) {
        used >>= 10;
        totalBytes >>= 10;
    }
    return static_cast<int32_t>((used * 1000 / totalBytes + 5) / 10);
}

int32_t GetFixedDrivesUsedPercent()
{
    uint64_t total = 0, free = 0;
    const int32_t count = GetFixedDriveCount();
    for (int32_t i = 0; i < count; ++i) {
        uint64_t driveTotal = 0, driveFree = 0;
        if (DriveBytes(GetFixedDriveRoot(i), &driveTotal, &driveFree)) {
            total += driveTotal;
            free += driveFree;
        }
    }
    return UsedPercent(total, free);
}

int32_t GetDriveUsedPercent(const wchar_t* drive)
{
    if (!drive || !drive[0])
        return 0;
    wchar_t root[MAX_PATH + 1];
    const size_t length = std::wcslen(drive);
    if (length >= MAX_PATH)
        return 0;
    std::wcscpy(root, drive);
    // A bare letter or "C:" names the drive's root; GetDiskFreeSpaceExW wants its backslash.
    if (length == 1)
        std::wcscat(root, L":\\");
    else if (length == 2 && root[1] == L':')
        std::wcscat(root, L"\\");
    uint64_t total = 0, free = 0;
    if (!DriveBytes(root, &total, &free))
        return 0;
    return UsedPercent(total, free);
}

} // namespace win
} // namespace hdd
} // namespace system
} // namespace s
