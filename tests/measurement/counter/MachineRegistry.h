#pragma once
#include <windows.h>

namespace testing_support {

// The machine's performance-counter switches, read and written straight through the system's
// calls, on the test prefix's own registry.
const wchar_t kPerfOsKey[] = L"SYSTEM\\CurrentControlSet\\Services\\PerfOS\\Performance";
const wchar_t kPerflibKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib";
const wchar_t kDisableCounters[] = L"Disable Performance Counters";

// False when the key cannot be created or written here.
inline bool WriteMachineDword(const wchar_t* path, const wchar_t* name, DWORD value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const bool ok =
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

// 0xDEADBEEF when the value cannot be read.
inline DWORD ReadMachineDword(const wchar_t* path, const wchar_t* name)
{
    DWORD value = 0xDEADBEEF;
    DWORD size = sizeof(value);
    RegGetValueW(HKEY_LOCAL_MACHINE, path, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

} // namespace testing_support
