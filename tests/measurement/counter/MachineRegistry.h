#pragma once
#include <windows.h>
#include <sddl.h>

#include <vector>

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

// Lets everyone only read a key of the machine, as a user who is not an administrator may, for
// the life of the object; then the key's own access list is put back.
class OnlyReadableMachineKey {
public:
    explicit OnlyReadableMachineKey(const wchar_t* path) : path_(path)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, READ_CONTROL | WRITE_DAC, &key) != ERROR_SUCCESS)
            return;
        DWORD size = 0;
        RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
        saved_.resize(size);
        PSECURITY_DESCRIPTOR readOnly = nullptr;
        // Deletion is denied outright: Wine grants it to the owner unless the list says no.
        if (size && RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, saved_.data(), &size) == ERROR_SUCCESS &&
            ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(D;;SD;;;WD)(A;;KR;;;WD)", SDDL_REVISION_1,
                                                                 &readOnly, nullptr)) {
            applied_ = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readOnly) == ERROR_SUCCESS;
            LocalFree(readOnly);
        }
        RegCloseKey(key);
    }
    ~OnlyReadableMachineKey()
    {
        HKEY key = nullptr;
        if (!applied_ || RegOpenKeyExW(HKEY_LOCAL_MACHINE, path_, 0, WRITE_DAC, &key) != ERROR_SUCCESS)
            return;
        RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, saved_.data());
        RegCloseKey(key);
    }
    bool Applied() const { return applied_; }

private:
    OnlyReadableMachineKey(const OnlyReadableMachineKey&) = delete;
    OnlyReadableMachineKey& operator=(const OnlyReadableMachineKey&) = delete;

    const wchar_t* path_;
    std::vector<BYTE> saved_;
    bool applied_ = false;
};

} // namespace testing_support
