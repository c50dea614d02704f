#pragma once
#include <windows.h>

namespace s {
namespace system {
namespace hdd {
namespace win {

// The device calls the disks read through, replaceable as a whole so that tests can script a set
// of "\\.\PhysicalDrive" devices.
struct DiskDeviceCalls {
    // Opens a device for sharing read and write, existing only; INVALID_HANDLE_VALUE on failure.
    HANDLE (*open)(const wchar_t* path, DWORD access);
    BOOL (*control)(HANDLE device, DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned);
    void (*close)(HANDLE device);
};

DiskDeviceCalls& GetDiskDeviceCalls();
DiskDeviceCalls SystemDiskDeviceCalls();

} // namespace win
} // namespace hdd
} // namespace system
} // namespace s
