#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

namespace s {
namespace system {
namespace win {

// The running Windows version, filled once on first use and then only read.
struct OsVersionInfo {
    std::atomic<bool> done{false};
    bool is64BitProcess = false;
    bool isNtPlatform = false;
    int32_t major = 0;
    int32_t minor = 0;
    int32_t build = 0;
    bool isVistaOrLater = false;
    bool isWindows7OrLater = false;
    bool isWindows8OrLater = false;
    wchar_t servicePack[256] = {};

    // The three threshold flags follow from the version numbers alone.
    void SetVersion(int32_t majorVersion, int32_t minorVersion);
};

// The process-wide record. Readers test done and call LoadOsVersion while it is false.
OsVersionInfo& GetOsVersion();
void LoadOsVersion();

} // namespace win
} // namespace system
} // namespace s
