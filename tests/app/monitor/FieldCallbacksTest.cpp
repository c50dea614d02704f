#include <gtest/gtest.h>

#include "FakeFieldRow.h"
#include "FakeSources.h"
#include "app/monitor/FieldCallbacks.h"
#include "app/monitor/FieldRowRules.h"

using namespace s::system::counter;

namespace {
class FieldCallbacks : public ::testing::Test {
protected:
    FakeSourcesScope scope;
};

TEST_F(FieldCallbacks, ProcessorUsageTurnsRedAtItsLimitOnlyOnAChange)
{
    FakeFieldRow row(2);
    struct Step {
        int64_t total, user;
        const wchar_t* text;
        bool red;
        int32_t colourChanges;
    } steps[] = {
        {94, 50, L"94%", false, 0},  // normal stays normal, untouched
        {95, 50, L"95%", true, 1},
        {99, 50, L"99%", true, 1},   // no second colour change while over the limit
        {94, 10, L"94%", false, 2},
        {300, 0, L"300%", true, 3},  // out-of-range readings are shown, the series clamps
    };
    for (const Step& step : steps) {
        Fake().processorTime[-1] = step.total;
        Fake().processorUser[-1] = step.user;
        UpdateCpuUsage(&row, nullptr, -1);
        EXPECT_EQ(step.text, row.value);
        EXPECT_EQ(step.red, row.highlighted) << step.total;
        EXPECT_EQ(step.colourChanges, row.colourChanges) << step.total;
        EXPECT_EQ(step.total, row.primary.back());
        EXPECT_EQ(step.total - step.user, row.secondary.back());
    }
    // Graphs redraw on every refresh, the label quietly.
    EXPECT_EQ(5, row.counterRedraws);
    EXPECT_EQ(0, row.labelRepaints);
}

TEST_F(FieldCallbacks, TemperaturesUseTheirOwnLimitsAndDashesForMissingReadings)
{
    struct Case {
        FieldUpdateCallback callback;
        int32_t celsius;
        const wchar_t* text;
        bool red;
    } cases[] = {
        {UpdateCpuTempC, 99, L"99 \u00B0C", false},
        {UpdateCpuTempC, 100, L"100 \u00B0C", true},
        {UpdateCpuTempF, 79, L"174 \u00B0F", false},
        {UpdateCpuTempF, 80, L"176 \u00B0F", true},   // red from 80 Celsius already
        {UpdateCpuTempC, -100, L"-----", false},
        {UpdateCpuTempF, -100, L"-----", false},
    };
    for (const Case& c : cases) {
        FakeFieldRow row(3);
        Fake().cpuTemperature = c.celsius;
        c.callback(&row, nullptr, -1);
        EXPECT_EQ(c.text, row.value);
        EXPECT_EQ(c.red, row.highlighted) << c.celsius;
        EXPECT_EQ(1, row.labelRepaints);
        EXPECT_EQ(0, row.counterRedraws);
        EXPECT_TRUE(row.primary.empty());
    }
}

TEST_F(FieldCallbacks, SensorWithoutReadingKeepsItsColour)
{
    FakeFieldRow row(3);
    Fake().sensorOk = true;
    Fake().sensorCelsius = 85;
    UpdateSensorTempC(&row, nullptr, 0);
    EXPECT_EQ(L"85 \u00B0C", row.value);
    EXPECT_TRUE(row.highlighted);
    for (bool ok : {true, false}) {
        Fake().sensorOk = ok;
        Fake().sensorCelsius = 127;
        UpdateSensorTempF(&row, nullptr, 0);
        EXPECT_EQ(L"-----", row.value);
        EXPECT_TRUE(row.highlighted);
    }
    Fake().sensorOk = false;
    UpdateSensorFan(&row, nullptr, 0);
    EXPECT_EQ(L"-----", row.value);
    Fake().sensorOk = true;
    Fake().fanRpm = 1234;
    UpdateSensorFan(&row, nullptr, 0);
    EXPECT_EQ(L"1,234", row.value);
}

TEST_F(FieldCallbacks, GraphicsReadingsFallBackFromAmdToNvidia)
{
    FakeFieldRow row(1);
    UpdateGpuUsage(&row, nullptr, -1);
    EXPECT_EQ(L"-----", row.value);
    EXPECT_EQ(-1, row.primary.back());   // the missing reading is still a sample
    Fake().nvUsage = 96;
    UpdateGpuUsage(&row, nullptr, -1);
    EXPECT_EQ(L"96%", row.value);
    EXPECT_TRUE(row.highlighted);

    FakeFieldRow temperature(3);
    UpdateGpuTempC(&temperature, nullptr, -1);
    EXPECT_EQ(L"-----", temperature.value);
    Fake().nvTemperature = true;
    Fake().nvCurrent = 90;
    Fake().nvMaximum = 90;   // not below the sensor's maximum: no reading
    UpdateGpuTempC(&temperature, nullptr, -1);
    EXPECT_EQ(L"-----", temperature.value);
    Fake().nvMaximum = 127;
    UpdateGpuTempF(&temperature, nullptr, -1);
    EXPECT_EQ(L"194 \u00B0F", temperature.value);
    EXPECT_TRUE(temperature.highlighted);
    Fake().adlTemperature = 50;
    UpdateGpuTempC(&temperature, nullptr, -1);
    EXPECT_EQ(L"50 \u00B0C", temperature.value);
    EXPECT_FALSE(temperature.highlighted);

    FakeFieldRow fan(3);
    UpdateGpuFan(&fan, nullptr, -1);
    EXPECT_EQ(L"-----", fan.value);
    Fake().nvFanPresent = true;
    Fake().nvFanRpm = 2100;
    UpdateGpuFan(&fan, nullptr, -1);
    EXPECT_EQ(L"2,100", fan.value);
}

TEST_F(FieldCallbacks, MemoryFieldsShareTheLoadLimitAndSwapSurvivesAZeroCommitLimit)
{
    Fake().memory.dwMemoryLoad = 90;
    Fake().memory.ullTotalPhys = 8ull << 30;
    Fake().memory.ullAvailPhys = 2ull << 30;
    FakeFieldRow usage(3), used(3), free(3), swap(3);
    UpdateMemoryUsage(&usage, nullptr, 0);
    UpdateMemoryUsed(&used, nullptr, 0);
    UpdateMemoryFree(&free, nullptr, 0);
    EXPECT_EQ(L"90%", usage.value);
    EXPECT_EQ(L"6.00 GB", used.value);
    EXPECT_EQ(L"2.00 GB", free.value);
    EXPECT_TRUE(usage.highlighted && used.highlighted && free.highlighted);
    EXPECT_EQ(10, free.primary.back());

    Fake().commitTotal = 950;
    Fake().commitLimit = 1000;
    UpdateMemorySwap(&swap, nullptr, 0);
    EXPECT_EQ(L"95%", swap.value);
    EXPECT_TRUE(swap.highlighted);
    Fake().commitLimit = 0;
    UpdateMemorySwap(&swap, nullptr, 0);
    EXPECT_EQ(L"0%", swap.value);
    EXPECT_FALSE(swap.highlighted);
    Fake().performanceOk = false;
    Fake().commitLimit = 10;
    UpdateMemorySwap(&swap, nullptr, 0);
    EXPECT_EQ(L"0%", swap.value);
}

TEST_F(FieldCallbacks, MetersRedrawOnlyWhenTheirSampleMoves)
{
    FakeFieldRow row(3);
    Fake().memory.dwMemoryLoad = 40;
    UpdateMemoryUsage(&row, nullptr, 0);
    EXPECT_EQ(1, row.counterRedraws);
    EXPECT_EQ(40, row.lastPrimary);
    UpdateMemoryUsage(&row, nullptr, 0);
    EXPECT_EQ(1, row.counterRedraws);   // same sample: the label repaints alone
    EXPECT_EQ(1, row.labelRepaints);
    Fake().memory.dwMemoryLoad = 41;
    UpdateMemoryUsage(&row, nullptr, 0);
    EXPECT_EQ(2, row.counterRedraws);
    // Graph kinds count every sample as a change.
    FakeFieldRow graph(1);
    UpdateMemoryUsage(&graph, nullptr, 0);
    UpdateMemoryUsage(&graph, nullptr, 0);
    EXPECT_EQ(2, graph.counterRedraws);
    EXPECT_EQ(-1, graph.lastPrimary);
}

TEST_F(FieldCallbacks, LabelOnlyRowsAreNeverColoured)
{
    FakeFieldRow row(0);
    Fake().processorTime[-1] = 100;
    UpdateCpuUsage(&row, nullptr, -1);
    EXPECT_FALSE(row.highlighted);
    EXPECT_EQ(0, row.colourChanges);
    EXPECT_TRUE(row.primary.empty());
}

TEST_F(FieldCallbacks, DrivesTotalPerDriveAndBeyondTheList)
{
    Fake().drives = {L"C:\\", L"D:\\"};
    Fake().driveUsed[L"C:\\"] = 96;
    Fake().driveUsed[L"D:\\"] = 20;
    Fake().drivesUsed = 50;
    struct Case {
        int64_t instance;
        const wchar_t* text;
        bool red;
    } cases[] = {{-1, L"50%", false}, {0, L"96%", true}, {1, L"20%", false}, {2, L"0%", false}};
    for (const Case& c : cases) {
        FakeFieldRow row(3);
        UpdateDriveUsed(&row, nullptr, c.instance);
        EXPECT_EQ(c.text, row.value);
        EXPECT_EQ(c.red, row.highlighted);
    }
    // Red at 3,071 MB free, normal at 3,072.
    FakeFieldRow free(3);
    Fake().driveFreeMegabytes[0] = 3071;
    UpdateDriveFree(&free, nullptr, 0);
    EXPECT_TRUE(free.highlighted);
    EXPECT_EQ(4, free.primary.back());
    Fake().driveFreeMegabytes[0] = 3072;
    UpdateDriveFree(&free, nullptr, 0);
    EXPECT_FALSE(free.highlighted);
    EXPECT_EQ(L"3.00 GB", free.value);
}

TEST_F(FieldCallbacks, DiskRatesAreRedAgainstTheirRunningMaximum)
{
    FakeFieldRow io(2), read(1);
    Fake().diskReadBytes[-1] = 20971520;
    UpdateDiskIo(&io, nullptr, -1);
    EXPECT_TRUE(io.highlighted);   // 20 MB/s against the starting maximum
    EXPECT_EQ(L"20.0 MB", io.value);
    Fake().diskReadBytes[-1] = 40000000;
    UpdateDiskIo(&io, nullptr, -1);
    EXPECT_TRUE(io.highlighted);
    Fake().diskReadBytes[-1] = 20971520;
    UpdateDiskIo(&io, nullptr, -1);
    EXPECT_FALSE(io.highlighted);
    // The maximum belongs to its callback: the read field still starts from 20 MB/s.
    UpdateDiskRead(&read, nullptr, 0);
    EXPECT_FALSE(read.highlighted);   // no per-disk reading
    Fake().diskReadBytes[0] = 16000000;
    UpdateDiskRead(&read, nullptr, 0);
    EXPECT_TRUE(read.highlighted);
    Fake().diskWriteBytes[-1] = 7;
    Fake().diskReadBytes[-1] = 3;
    UpdateDiskIo(&io, nullptr, -1);
    EXPECT_EQ(10, io.primary.back());
    EXPECT_EQ(7, io.secondary.back());
}

TEST_F(FieldCallbacks, SeekAndBusyNeedDiskTimeAndFiftyOperations)
{
    struct Case {
        int64_t time, reads, writes;
        bool red;
    } cases[] = {{30, 20, 20, false}, {30, 25, 25, true}, {0, 100, 100, false}};
    for (const Case& c : cases) {
        Fake().diskTime[-1] = c.time;
        Fake().diskReads[-1] = c.reads;
        Fake().diskWrites[-1] = c.writes;
        FakeFieldRow seek(2), busy(3);
        UpdateDiskSeek(&seek, nullptr, -1);
        UpdateDiskBusy(&busy, nullptr, -1);
        EXPECT_EQ(std::to_wstring(c.reads + c.writes), seek.value);
        EXPECT_EQ(std::to_wstring(c.time) + L"%", busy.value);
        EXPECT_EQ(c.red, seek.highlighted) << c.time << " " << c.reads;
        EXPECT_EQ(c.red, busy.highlighted) << c.time << " " << c.reads;
        EXPECT_EQ(c.writes, seek.secondary.back());
    }
}

TEST_F(FieldCallbacks, DiskTemperatureNeedsSmartAndAReading)
{
    FakeHdd disk;
    Fake().hdds = {&disk};
    FakeFieldRow row(3);
    disk.celsius = 80;
    UpdateHddTempC(&row, nullptr, 0);
    EXPECT_EQ(L"80 \u00B0C", row.value);
    EXPECT_TRUE(row.highlighted);
    EXPECT_EQ(1, disk.refreshes);
    UpdateHddTempF(&row, nullptr, 0);
    EXPECT_EQ(L"176 \u00B0F", row.value);
    disk.celsius = s::system::hdd::IHdd::kNoTemperature;
    UpdateHddTempC(&row, nullptr, 0);
    EXPECT_EQ(L"-----", row.value);
    disk.smart = false;
    disk.celsius = 30;
    UpdateHddTempC(&row, nullptr, 0);
    EXPECT_EQ(L"-----", row.value);
    EXPECT_EQ(3, disk.refreshes);
    UpdateHddTempC(&row, nullptr, 5);
    EXPECT_EQ(L"-----", row.value);
}

TEST_F(FieldCallbacks, NetworkPeaksStartAfterTheWarmUpSecond)
{
    FakeConnection first, second;
    Fake().connections = {&first, &second};
    Fake().networkReceived[0] = 100;
    Fake().networkSent[0] = 50;
    Fake().networkReceived[1] = 1000;
    FakeFieldRow io(2), max(0);
    UpdateNetworkIo(&io, nullptr, -1);
    EXPECT_EQ(L"1.12 KB", io.value);
    EXPECT_EQ(1150, io.primary.back());
    EXPECT_EQ(50, io.secondary.back());
    EXPECT_EQ(0, first.peakTotal);
    Fake().wallSeconds += 1;   // one second later: still warming up
    UpdateNetworkIo(&io, nullptr, -1);
    EXPECT_EQ(0, first.peakTotal);
    Fake().wallSeconds += 1;   // two past the first call: the mark clears after this call
    UpdateNetworkIo(&io, nullptr, -1);
    EXPECT_EQ(0, first.peakTotal);
    UpdateNetworkIo(&io, nullptr, -1);
    EXPECT_EQ(150, first.peakTotal);
    EXPECT_EQ(100, first.peakReceived);
    EXPECT_EQ(50, first.peakSent);
    EXPECT_EQ(1000, second.peakTotal);
    // Each callback warms up on its own; the maximum field shows the summed peaks.
    UpdateNetworkMax(&max, nullptr, -1);
    EXPECT_EQ(L"1.12 KB", max.value);
    EXPECT_EQ(0, max.labelRepaints);
    UpdateNetworkInMaxBits(&max, nullptr, 0);
    EXPECT_EQ(L"800 b", max.value);
    UpdateNetworkOutMax(&max, nullptr, 1);
    EXPECT_EQ(L"0 B", max.value);
}

TEST_F(FieldCallbacks, OctetSumsAndAddresses)
{
    FieldUpdateCallback sums[] = {UpdateNetworkSum, UpdateNetworkInSum, UpdateNetworkOutSum};
    FakeFieldRow row(0);
    for (FieldUpdateCallback sum : sums) {
        sum(&row, nullptr, -1);
        EXPECT_EQ(L"-----", row.value);   // no connection answers
    }
    FakeConnection first, second;
    second.octets = false;
    first.totalOctets = 2048;
    Fake().connections = {&first, &second};
    UpdateNetworkSum(&row, nullptr, -1);
    EXPECT_EQ(L"2.00 KB", row.value);
    UpdateNetworkSum(&row, nullptr, 1);
    EXPECT_EQ(L"-----", row.value);

    UpdateLocalIp(&row, nullptr, 0);
    EXPECT_EQ(L"192.168.1.5", row.value);
    first.valid = false;
    UpdateLocalIp(&row, nullptr, 0);
    EXPECT_EQ(L"---------", row.value);
    UpdateLocalIp(&row, nullptr, 7);
    EXPECT_EQ(L"---------", row.value);
}

TEST_F(FieldCallbacks, GlobalAddressIsSoughtWhileAConnectionIsUp)
{
    FakeFieldRow row(0);
    FakeFieldRow* r = &row;
    UpdateGlobalIp(r, nullptr, 0);
    EXPECT_EQ(L"---------", row.value);
    EXPECT_EQ(1, Fake().finder.starts);
    EXPECT_EQ(1, Fake().finder.clears);
    FakeConnection down, up;
    down.valid = false;
    Fake().connections = {&down, &up};
    UpdateGlobalIp(r, nullptr, 0);
    EXPECT_EQ(L"finding..", row.value);
    EXPECT_EQ(2, Fake().finder.starts);
    Fake().finder.findOnStart = true;
    UpdateGlobalIp(r, nullptr, 0);
    EXPECT_EQ(L"203.0.113.7", row.value);
    UpdateGlobalIp(r, nullptr, 0);
    EXPECT_EQ(3, Fake().finder.starts);   // an address held is not sought again
    EXPECT_EQ(1, Fake().finder.clears);
}

TEST_F(FieldCallbacks, BatteryStates)
{
    struct Case {
        bool ok;
        BYTE line, percent;
        const wchar_t* text;
        bool red;
        int64_t sample;
    } cases[] = {
        {false, 0, 10, L"---", false, 100},
        {true, 1, 10, L"AC", false, 10},
        {true, 1, 255, L"AC", false, 100},
        {true, 0, 15, L"15%", true, 15},
        {true, 0, 16, L"16%", false, 16},
        {true, 0, 255, L"---", false, 100},
        {true, 255, 5, L"---", false, 100},
    };
    for (const Case& c : cases) {
        Fake().powerOk = c.ok;
        Fake().power.ACLineStatus = c.line;
        Fake().power.BatteryLifePercent = c.percent;
        FakeFieldRow row(3);
        UpdateBattery(&row, nullptr, 0);
        EXPECT_EQ(c.text, row.value) << int(c.line) << " " << int(c.percent);
        EXPECT_EQ(c.red, row.highlighted) << int(c.line) << " " << int(c.percent);
        EXPECT_EQ(c.sample, row.primary.back());
    }
}

TEST_F(FieldCallbacks, CountsAndUptime)
{
    FakeFieldRow row(0);
    Fake().established = 0;
    UpdateConnectionCount(&row, nullptr, 0);
    EXPECT_EQ(L"0", row.value);
    Fake().processes.resize(41);
    UpdateProcessCount(&row, nullptr, 0);
    EXPECT_EQ(L"42", row.value);   // and the idle process
    Fake().threads = 1234567;
    UpdateThreadCount(&row, nullptr, 0);
    EXPECT_EQ(L"1,234,567", row.value);
    Fake().handles = 999;
    UpdateHandleCount(&row, nullptr, 0);
    EXPECT_EQ(L"999", row.value);
    Fake().upTime = 3600 + 120;
    UpdateUptime(&row, nullptr, 0);
    EXPECT_EQ(L"1h 2m", row.value);
}

TEST(GroupedNumber, GroupsOfThreeFromTheRight)
{
    struct Case {
        int64_t value;
        const wchar_t* text;
    } cases[] = {{0, L"0"}, {999, L"999"}, {1000, L"1,000"}, {100000, L"100,000"}, {-1234, L"-1,234"},
                 {INT64_MIN, L"-9,223,372,036,854,775,808"}};
    s::str::strbuffer::StrBuffer* text = s::str::strbuffer::StrBuffer::New();
    for (const Case& c : cases) {
        FormatGroupedNumber(c.value, text);
        EXPECT_STREQ(c.text, text->GetText());
    }
    text->ReleaseToPool();
}

TEST_F(FieldCallbacks, ProcessorClockStartsAtZeroThenMeasures)
{
    FakeFieldRow row(0);
    UpdateCpuGhz(&row, nullptr, 0);
    EXPECT_EQ(L"0.000", row.value);
    // 2.4 billion ticks in one second of a 10 MHz performance counter.
    Fake().timeStamp = 2400000000ull;
    Fake().performanceCounter = 10000000;
    UpdateCpuGhz(&row, nullptr, 0);
    EXPECT_EQ(L"2.400", row.value);
    UpdateCpuGhz(&row, nullptr, 0);   // the performance counter did not move
    EXPECT_EQ(L"0.000", row.value);
}

TEST(CpuClockText, FiveCharacters)
{
    struct Case {
        int64_t megahertz;
        const wchar_t* text;
    } cases[] = {{0, L"0.000"}, {2400, L"2.400"}, {999, L"0.999"}, {12345, L"12.34"}, {123456, L"123.4"}};
    s::str::strbuffer::StrBuffer* text = s::str::strbuffer::StrBuffer::New();
    for (const Case& c : cases) {
        FormatCpuClock(c.megahertz, text);
        EXPECT_STREQ(c.text, text->GetText());
    }
    text->ReleaseToPool();
}

TEST_F(FieldCallbacks, DateFieldNamesTheDayWithOrWithoutBrackets)
{
    DateNameList names;
    const wchar_t* english[] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun", L"Jul", L"Aug", L"Sep", L"Oct",
                                L"Nov", L"Dec", L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
    for (int32_t i = 0; i < kDateNameCount; ++i)
        names.names[i] = english[i];
    Fake().localTime.wYear = 2026;
    Fake().localTime.wMonth = 12;
    Fake().localTime.wDay = 9;
    Fake().localTime.wHour = 9;
    Fake().localTime.wMinute = 5;
    uint8_t brackets = 1;
    FakeFieldRow row(3);
    const int64_t list = reinterpret_cast<intptr_t>(&names);
    UpdateDateTime(&row, &brackets, list);
    EXPECT_EQ(L"[Dec 9, Wed]", row.name);
    EXPECT_EQ(L"09:05", row.value);
    EXPECT_EQ(1, row.relayouts);
    EXPECT_EQ((5 + 9 * 60) * 100 / 1440, row.primary.back());
    UpdateDateTime(&row, &brackets, list);
    EXPECT_EQ(1, row.relayouts);   // same name: no new layout
    brackets = 0;
    Fake().localTime.wHour = 12;
    Fake().localTime.wMinute = 0;
    UpdateDateTime(&row, &brackets, list);
    EXPECT_EQ(L"Dec 9, Wed", row.name);
    EXPECT_EQ(L"12:00", row.value);
    EXPECT_EQ(50, row.primary.back());
    // Before 1900 the time is the calendar's start, not garbage.
    Fake().localTime.wYear = 1601;
    UpdateDateTime(&row, &brackets, list);
    EXPECT_FALSE(row.value.empty());
}
} // namespace
