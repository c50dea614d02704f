#include "measurement/win/OsVersion.h"

#include <cwchar>

#include "core/thread/ObjLocker.h"

namespace s {
namespace system {
namespace win {

void OsVersionInfo::SetVersion(int32_t majorVersion, int32_t minorVersion)
{
    major = majorVersion;
    minor = minorVersion;
    isVistaOrLater = major > 6 || (major == 6 && minor >= 0);
    isWindows7OrLater = major > 6 || (major == 6 && minor >= 1);
    isWindows8OrLater = major > 6 || (major == 6 && minor >= 2);
}

OsVersionInfo& GetOsVersion()
{
    static OsVersionInfo record;
    return record;
}

void LoadOsVersion()
{
    static thread::ObjLocker probeLock;
    OsVersionInfo& record = GetOsVersion();
    thread::ScopedLock hold(probeLock);
    if (record.done)
        return;
    record.is64BitProcess = true;

    OSVERSIONINFOW version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    // A failed call leaves the zeros, and the flags follow from them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&version);
#pragma GCC diagnostic pop
    record.isNtPlatform = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    record.SetVersion(static_cast<int32_t>(version.dwMajorVersion), static_cast<int32_t>(version.dwMinorVersion));
    record.build = static_cast<int32_t>(version.dwBuildNumber);
    const size_t length = wcsnlen(version.szCSDVersion, 128);
    wmemcpy(record.servicePack, version.szCSDVersion, length);
    record.servicePack[length] = L'\0';
    record.done = true;
}

} // namespace win
} // namespace system
} // namespace s
