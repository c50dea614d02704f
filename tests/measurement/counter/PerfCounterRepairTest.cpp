// The repair writes the performance-counter switches of the machine: these tests run on the
// test prefix's own registry.
#include <gtest/gtest.h>

#include "measurement/counter/CounterNames.h"
#include "measurement/counter/MachineRegistry.h"

namespace cw = s::system::counter::win;
using namespace testing_support;

namespace {

TEST(PerfCounterRepair, DisabledCountersAreSwitchedBackOn)
{
    if (!WriteMachineDword(kPerfOsKey, kDisableCounters, 1))
        GTEST_SKIP() << "the machine's performance keys cannot be written here";
    cw::CounterRepairMade = false;
    cw::RepairPerfCounters();
    EXPECT_EQ(0u, ReadMachineDword(kPerfOsKey, kDisableCounters));
    EXPECT_TRUE(cw::CounterRepairMade);
}

TEST(PerfCounterRepair, ALastCounterAboveEveryIndexIsLeftAlone)
{
    const DWORD high = 0x7FFFFFF0;
    if (!WriteMachineDword(kPerflibKey, L"Last Counter", high) || !WriteMachineDword(kPerflibKey, L"Last Help", high))
        GTEST_SKIP() << "the Perflib key cannot be written here";
    cw::RepairPerfCounters();
    EXPECT_EQ(high, ReadMachineDword(kPerflibKey, L"Last Counter"));
    EXPECT_EQ(high, ReadMachineDword(kPerflibKey, L"Last Help"));
}

TEST(PerfCounterRepair, SwitchesTheUserMayOnlyReadAreLeftAndNoRepairIsClaimed)
{
    // Last values above every index: the Perflib key needs no repair of its own.
    const DWORD high = 0x7FFFFFF0;
    if (!WriteMachineDword(kPerfOsKey, kDisableCounters, 1) || !WriteMachineDword(kPerflibKey, L"Last Counter", high) ||
        !WriteMachineDword(kPerflibKey, L"Last Help", high))
        GTEST_SKIP() << "the machine's performance keys cannot be written here";
    {
        OnlyReadableMachineKey readOnly(kPerfOsKey);
        ASSERT_TRUE(readOnly.Applied());
        cw::CounterRepairMade = false;
        cw::RepairPerfCounters();
        EXPECT_EQ(1u, ReadMachineDword(kPerfOsKey, kDisableCounters));
        EXPECT_FALSE(cw::CounterRepairMade);
    }
    EXPECT_TRUE(WriteMachineDword(kPerfOsKey, kDisableCounters, 0));
}

} // namespace
