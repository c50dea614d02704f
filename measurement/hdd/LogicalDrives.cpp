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
const DWORD kDriveStringsLength = 1024;

struct DriveLists {
    CRITICAL_SECTION lock;
    std::atomic<bool> done{false};
    wchar_t fixedDriveList[kMaxDrives][kRootLength] = {};
    wchar_t fixedDriveNameList[kMaxDrives][kRootLength] = {};
    int32_t fixedCount = 0;
    wchar_t opticalDriveList[kMaxDrives][kRootLength] = {};
    int32_t opticalCount = 0;
    DriveLists() { InitializeCriticalSection(&lock); }
};

DriveLists& Lists()
{
    static DriveLists lists;
    return lists;
}

const wchar_t* Entry(const wchar_t (*list)[kRootLength], int32_t count, int32_t index)
{
    if (index < 0 || index >= count)
        return nullptr;
    return list[index];
}
} // namespace

void LoadLogicalDrives()
{
    DriveLists& lists = Lists();
    if (lists.done)
        return;
    EnterCriticalSection(&lists.lock);
    if (!lists.done) {
        wchar_t roots[kDriveStringsLength + 1] = {};
        const DWORD used = GetLogicalDriveStringsW(kDriveStringsLength, roots);
        if (used > 0 && used < kDriveStringsLength) {
            for (const wchar_t* root = roots; *root; root += std::wcslen(root) + 1) {
                // Only drive roots ("C:\") are kept; anything else the system lists is no drive letter.
                if (std::wcslen(root) != 3 || lists.fixedCount == kMaxDrives || lists.opticalCount == kMaxDrives)
                    continue;
                const UINT type = GetDriveTypeW(root);
                if (type == DRIVE_FIXED) {
                    std::wcscpy(lists.fixedDriveList[lists.fixedCount], root);
                    std::wcsncpy(lists.fixedDriveNameList[lists.fixedCount], root, 2);
                    ++lists.fixedCount;
                } else if (type == DRIVE_CDROM) {
                    std::wcscpy(lists.opticalDriveList[lists.opticalCount++], root);
                }
            }
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
    return Entry(Lists().fixedDriveList, Lists().fixedCount, index);
}

const wchar_t* GetFixedDriveName(int32_t index)
{
    LoadLogicalDrives();
    return Entry(Lists().fixedDriveNameList, Lists().fixedCount, index);
}

int32_t GetOpticalDriveCount()
{
    LoadLogicalDrives();
    return Lists().opticalCount;
}

const wchar_t* GetOpticalDriveRoot(int32_t index)
{
    LoadLogicalDrives();
    return Entry(Lists().opticalDriveList, Lists().opticalCount, index);
}

bool CompleteDriveText(const wchar_t* drive, wchar_t* root, uint32_t size)
{
    if (!drive || !drive[0])
        return false;
    const size_t length = std::wcslen(drive);
    const wchar_t* tail = L"";
    if (length == 1)
        tail = L":\\";
    else if (length == 2)
        tail = drive[1] == L':' ? L"\\" : L":\\";
    else if (drive[length - 1] != L'\\')
        tail = L"\\";
    if (length + std::wcslen(tail) + 1 > size)
        return false;
    std::wcscpy(root, drive);
    std::wcscat(root, tail);
    return true;
}

bool ReadDriveSpace(const wchar_t* drive, uint64_t* totalBytes, uint64_t* freeBytes)
{
    *totalBytes = 0;
    *freeBytes = 0;
    wchar_t root[MAX_PATH + 2];
    if (!CompleteDriveText(drive, root, MAX_PATH + 2))
        return false;
    ULARGE_INTEGER total = {}, free = {};
    if (!GetDiskFreeSpaceExW(root, nullptr, &total, &free))
        return false;
    *totalBytes = total.QuadPart;
    *freeBytes = free.QuadPart;
    return true;
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

uint64_t GetDriveFreeBytes(const wchar_t* drive)
{
    uint64_t total = 0, free = 0;
    return ReadDriveSpace(drive, &total, &free) ? free : 0;
}

int32_t GetFixedDrivesUsedPercent()
{
    uint64_t total = 0, free = 0;
    const int32_t count = GetFixedDriveCount();
    for (int32_t i = 0; i < count; ++i) {
        uint64_t driveTotal = 0, driveFree = 0;
        if (ReadDriveSpace(GetFixedDriveRoot(i), &driveTotal, &driveFree)) {
            total += driveTotal;
            free += driveFree;
        }
    }
    return UsedPercent(total, free);
}

int32_t GetDriveUsedPercent(const wchar_t* drive)
{
    uint64_t total = 0, free = 0;
    if (!ReadDriveSpace(drive, &total, &free))
        return 0;
    return UsedPercent(total, free);
}

} // namespace win
} // namespace hdd
} // namespace system
} // namespace s
