#include <gtest/gtest.h>

#include "FakeFieldRow.h"
#include "FakeSources.h"
#include "app/monitor/ProcessFields.h"

using namespace s::system::counter;

namespace {
class ProcessFields : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fake().memory.ullTotalPhys = 1000;
        // name, processor, working set, IO reads, IO writes, threads, handles
        Fake().processes = {
            {L"Pulsegrid", 80, 900, 0, 0, 10, 100},
            {L"editor", 30, 200, 5, 5, 60, 300},
            {L"compiler", 30, 300, 20, 10, 40, 2000},
            {L"PULSEGRID helper", 50, 100, 0, 0, 5, 10},
        };
    }
    FakeSourcesScope scope;
};

TEST_F(ProcessFields, BottleneckTestsInOrder)
{
    struct Case {
        int64_t processor, memoryLoad, diskTime, diskOps, graphics;
        const wchar_t* text;
        bool red;
    } cases[] = {
        {97, 95, 30, 60, 99, L"CPU", true},
        {50, 95, 30, 60, 99, L"Memory", true},
        {50, 50, 30, 40, 0, L"---", false},
        {50, 50, 30, 50, 0, L"HDD", true},
        {50, 50, 0, 500, 0, L"---", false},
        {50, 50, 0, 0, 95, L"GPU", true},
        {94, 89, 0, 0, 94, L"---", false},
    };
    for (const Case& c : cases) {
        Fake().processorTime[-1] = c.processor;
        Fake().memory.dwMemoryLoad = static_cast<DWORD>(c.memoryLoad);
        Fake().diskTime[-1] = c.diskTime;
        Fake().diskReads[-1] = c.diskOps;
        Fake().nvUsage = static_cast<int32_t>(c.graphics);
        FakeFieldRow row(3);
        row.highlighted = !c.red;   // the colour follows the test both ways
        UpdateBottleneck(&row, nullptr, 0);
        EXPECT_EQ(c.text, row.value);
        EXPECT_EQ(c.red, row.highlighted) << c.text;
        EXPECT_TRUE(row.primary.empty());
    }
}

TEST_F(ProcessFields, MainVillainNamesTheProcessOfTheBottleneck)
{
    FakeFieldRow row(3);
    Fake().processorTime[-1] = 97;
    UpdateMainVillain(&row, nullptr, 0);
    // Own processes skipped by their prefix in any case; ties go to the earlier process.
    EXPECT_EQ(L"editor", row.value);
    EXPECT_TRUE(row.highlighted);
    EXPECT_EQ(30, row.primary.back());

    Fake().processorTime[-1] = 10;
    Fake().memory.dwMemoryLoad = 95;
    UpdateMainVillain(&row, nullptr, 0);
    EXPECT_EQ(L"Pulsegrid", row.value);   // the memory search takes every process
    EXPECT_EQ(90, row.primary.back());

    Fake().memory.dwMemoryLoad = 10;
    Fake().diskTime[-1] = 5;
    Fake().diskReads[-1] = 200;
    UpdateMainVillain(&row, nullptr, 0);
    EXPECT_EQ(L"compiler", row.value);
    EXPECT_EQ(30 * 100 / 200, row.primary.back());

    Fake().diskTime[-1] = 0;
    Fake().adlActivity = 99;
    UpdateMainVillain(&row, nullptr, 0);
    EXPECT_EQ(L"---", row.value);
    EXPECT_FALSE(row.highlighted);
    EXPECT_EQ(0, row.primary.back());
}

TEST_F(ProcessFields, ProcessorAndMemoryVillainsSkipTheProgramAndAreCachedPerRefresh)
{
    FakeFieldRow cpu(3), memory(3);
    Fake().processorTime[-1] = 95;
    Fake().memory.dwMemoryLoad = 90;
    UpdateCpuVillain(&cpu, nullptr, 0);
    UpdateMemVillain(&memory, nullptr, 0);
    EXPECT_EQ(L"editor", cpu.value);
    EXPECT_EQ(L"compiler", memory.value);
    EXPECT_TRUE(cpu.highlighted);
    EXPECT_TRUE(memory.highlighted);
    EXPECT_EQ(30, cpu.primary.back());
    EXPECT_EQ(30, memory.primary.back());
    // Within one refresh the cached answer stands; a new process list searches again.
    Fake().processes[2].processor = 70;
    UpdateCpuVillain(&cpu, nullptr, 0);
    EXPECT_EQ(L"editor", cpu.value);
    ResetProcessCaches();
    UpdateCpuVillain(&cpu, nullptr, 0);
    EXPECT_EQ(L"compiler", cpu.value);
    // No process at all: dashes and a zero sample.
    Fake().processes.clear();
    ResetProcessCaches();
    UpdateMemVillain(&memory, nullptr, 0);
    EXPECT_EQ(L"---", memory.value);
    EXPECT_EQ(0, memory.primary.back());
}

TEST_F(ProcessFields, DiskVillainNeedsOperations)
{
    FakeFieldRow row(3);
    row.highlighted = true;
    UpdateHddVillain(&row, nullptr, 0);
    EXPECT_EQ(L"---", row.value);
    EXPECT_FALSE(row.highlighted);
    EXPECT_EQ(0, row.primary.back());
    Fake().diskReads[-1] = 40;
    Fake().diskTime[-1] = 1;
    UpdateHddVillain(&row, nullptr, 0);
    EXPECT_EQ(L"compiler", row.value);
    EXPECT_FALSE(row.highlighted);
    EXPECT_EQ(30, row.primary.back());   // 30 of 40, over a floor of 100
    Fake().diskReads[-1] = 50;
    UpdateHddVillain(&row, nullptr, 0);
    EXPECT_TRUE(row.highlighted);
}

TEST_F(ProcessFields, ThreadAndHandleVillainsCountEveryProcess)
{
    FakeFieldRow threads(3), handles(3);
    UpdateThreadVillain(&threads, nullptr, 0);
    UpdateHandleVillain(&handles, nullptr, 0);
    EXPECT_EQ(L"editor", threads.value);
    EXPECT_EQ(60 * 100 / 500, threads.primary.back());   // 115 threads in all: the floor of 500
    EXPECT_EQ(L"compiler", handles.value);
    EXPECT_EQ(2000 * 100 / 10000, handles.primary.back());
    Fake().processes[1].threads = 1000;
    UpdateThreadVillain(&threads, nullptr, 0);
    EXPECT_EQ(1000 * 100 / 1055, threads.primary.back());
    EXPECT_FALSE(threads.highlighted);
    Fake().processes.clear();
    UpdateThreadVillain(&threads, nullptr, 0);
    EXPECT_EQ(L"---", threads.value);
    EXPECT_EQ(0, threads.primary.back());
}

TEST(OwnProcessName, PrefixInAnyCase)
{
    EXPECT_TRUE(IsOwnProcessName(L"Pulsegrid"));
    EXPECT_TRUE(IsOwnProcessName(L"pulsegrid#1"));
    EXPECT_FALSE(IsOwnProcessName(L"Pulse"));
    EXPECT_FALSE(IsOwnProcessName(L"xPulsegrid"));
    EXPECT_FALSE(IsOwnProcessName(L""));
    EXPECT_FALSE(IsOwnProcessName(nullptr));
}
} // namespace
