#include "measurement/hdd/DiskDeviceCalls.h"

namespace s {
namespace system {
namespace hdd {
namespace win {

namespace {
HANDLE Open(const wchar_t* path, DWORD access)
{
    return CreateFileW(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
}

BOOL Control(HANDLE device, DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned)
{
    return DeviceIoControl(device, code, in, inSize, out, outSize, returned, nullptr);
}

void Close(HANDLE device)
{
    CloseHandle(device);
}
} // namespace

DiskDeviceCalls SystemDiskDeviceCalls()
{
    DiskDeviceCalls calls = {};
    calls.open = Open;
    calls.control = Control;
    calls.close = Close;
    return calls;
}

DiskDeviceCalls& GetDiskDeviceCalls()
{
    static DiskDeviceCalls calls = SystemDiskDeviceCalls();
    return calls;
}

} // namespace win
} // namespace hdd
} // namespace system
} // namespace s
