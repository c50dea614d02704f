// The repair writes the performance-counter switches of the machine: these tests run on the
// test prefix's own registry.
#include <gtest/gtest.h>

#include "measurement/counter/CounterNames.h"

namespace cw = s::system::counter::win;

namespace {

const wchar_t kPerfOs[] = L"SYSTEM\\CurrentControlSet\\Services\\PerfOS\\Performance";
const wchar_t kPerflib[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Perflib";

bool WriteDword(const wchar_t* path, const wchar_t* name, DWORD value)
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

DWORD ReadDword(const wchar_t* path, const wchar_t* name)
{
    DWORD value = 0xDEADBEEF;
    DWORD size = sizeof(value);
    RegGetValueW(HKEY_LOCAL_MACHINE, path, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

TEST(PerfCounterRepair, DisabledCountersAreSwitchedBackOn)
{
    if (!WriteDword(kPerfOs, L"Disable Performance Counters", 1))
        GTEST_SKIP() << "the machine's performance keys cannot be written here";
    cw::CounterRepairMade = false;
    cw::RepairPerfCounters();
    EXPECT_EQ(0u, ReadDword(kPerfOs, L"Disable Performance Counters"));
    EXPECT_TRUE(cw::CounterRepairMade);
}

TEST(PerfCounterRepair, ALastCounterAboveEveryIndexIsLeftAlone)
{
    const DWORD high = 0x7FFFFFF0;
    if (!WriteDword(kPerflib, L"Last Counter", high) || !WriteDword(kPerflib, L"Last Help", high))
        GTEST_SKIP() << "the Perflib key cannot be written here";
    cw::RepairPerfCounters();
    EXPECT_EQ(high, ReadDword(kPerflib, L"Last Counter"));
    EXPECT_EQ(high, ReadDword(kPerflib, L"Last Help"));
}

} // namespace
