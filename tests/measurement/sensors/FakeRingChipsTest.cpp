// Run in a process whose hardware-access library is the tests' stand-in: its ports emulate the
// Super I/O chips each test places at 0x2E or 0x4E. Every test probes with a chip set of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/str/StrArray.h"
#include "measurement/sensors/SensorChips.h"
#include "support/FakeRing.h"

namespace w = s::system::win;
using testing_support::FakeRing;

namespace {

struct Reading {
    bool ok;
    int64_t value;
};

class FakeRingChips : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FakeRing::Install());
        FakeRing::Reset();
    }

    static std::vector<std::wstring> Log(w::SensorChips& chips)
    {
        std::vector<std::wstring> lines;
        s::str::strarray::StrArray* report = chips.BuildReport();
        for (uint32_t i = 0; i < report->GetCount(); ++i)
            lines.push_back(report->Get(i)->GetText());
        report->ReleaseToPool();
        return lines;
    }

    static Reading Temperature(w::SensorChips& chips, int32_t sensor)
    {
        Reading r{false, -1};
        r.ok = chips.GetTemperature(&r.value, sensor);
        return r;
    }

    static Reading Fan(w::SensorChips& chips, int32_t fan)
    {
        Reading r{false, -1};
        r.ok = chips.GetFanSpeed(&r.value, fan);
        return r;
    }

    static std::vector<std::wstring> FoundNames(w::SensorChips& chips)
    {
        std::vector<std::wstring> names;
        for (uint32_t i = 0; i < chips.GetFoundCount(); ++i)
            names.push_back(chips.GetFound(i)->name->GetText());
        return names;
    }

    // A Winbond of the older rows at 0x2E with its banked registers at base + 5 and + 6.
    static void PlaceWinbond(uint16_t indexPort, BYTE idHigh, BYTE idLow, uint16_t base)
    {
        FakeRing::AddSuperIo(indexPort, FakeRing::kKeyA, idHigh, idLow, 0x13, base);
        FakeRing::AddRegisterFile(base + 5, base + 6, true);
    }
};

void ExpectReading(const Reading& actual, bool ok, int64_t value, const char* what)
{
    EXPECT_EQ(ok, actual.ok) << what;
    EXPECT_EQ(value, actual.value) << what;
}

TEST_F(FakeRingChips, NoChipAnswersAllOnesAndNothingIsFoundOrLogged)
{
    w::SensorChips chips;
    EXPECT_EQ(32u, chips.GetChipCount());
    EXPECT_EQ(std::vector<std::wstring>{L"[Chips]"}, Log(chips));
    EXPECT_EQ(0u, chips.GetFoundCount());
    ExpectReading(Temperature(chips, 0), false, 127, "temperature 1");
    ExpectReading(Fan(chips, 0), false, 0, "fan 1");
    // Every probe left the configuration mode it may have opened.
    for (uint16_t port : {0x2E, 0x4E}) {
        bool exitSeen = false;
        for (const auto& write : FakeRing::Writes())
            exitSeen = exitSeen || (write.first == port && write.second == 0xAA);
        EXPECT_TRUE(exitSeen) << port;
    }
}

TEST_F(FakeRingChips, WinbondIsFoundByItsHighIdByteSetUpOnceAndRead)
{
    // Register 0x21 holds anything: the first Winbond matches by register 0x20 alone.
    PlaceWinbond(0x2E, 0x52, 0x17, 0x290);
    const uint16_t data = 0x296;
    FakeRing::SetRegister(data, 0x27, 45);
    // Bank 1 register 0x50: 53 degrees in half degrees; bank 2: just below 0.
    FakeRing::SetRegister(data, 0x150, 0x35);
    FakeRing::SetRegister(data, 0x151, 0x00);
    FakeRing::SetRegister(data, 0x250, 0xFF);
    FakeRing::SetRegister(data, 0x251, 0x00);
    // Fan 1: count 75, divisor exponent 1; fan 2: a count of 255; fan 3: count 150 with the
    // exponent 2 of register 0x4B and 4 more from bit 7 of 0x5D.
    FakeRing::SetRegister(data, 0x28, 75);
    FakeRing::SetRegister(data, 0x29, 255);
    FakeRing::SetRegister(data, 0x2A, 150);
    FakeRing::SetRegister(data, 0x47, 0x10);
    FakeRing::SetRegister(data, 0x4B, 0x80);
    FakeRing::SetRegister(data, 0x5D, 0x80);
    // What the once-init changes.
    FakeRing::SetRegister(data, 0x152, 0x01);
    FakeRing::SetRegister(data, 0x252, 0x03);
    FakeRing::SetRegister(data, 0x40, 0xFF);

    w::SensorChips chips;
    const std::vector<std::wstring> log = {L"[Chips]", L"SuperIO Device ID: 0x5217",
                                           L"SuperIO Found: Winbond W83627HF/F/HG/G Super IO Sensors",
                                           L"Device Revision: 3\n", L"Active at ISA Address: 0x290\n"};
    EXPECT_EQ(log, Log(chips));
    ASSERT_EQ(1u, chips.GetFoundCount());
    w::Chip* chip = chips.GetFound(0);
    EXPECT_EQ(0x290, chip->baseAddress);
    EXPECT_EQ(3, chip->revision);
    EXPECT_EQ(0x2E, chip->indexPort);
    EXPECT_EQ(0x2F, chip->dataPort);
    EXPECT_TRUE(chip->active);
    EXPECT_EQ(0x0B, FakeRing::ConfigRegister(0x2E, 0x07));
    EXPECT_FALSE(FakeRing::InConfigMode(0x2E));

    EXPECT_EQ(0x00, FakeRing::Register(data, 0x152));
    EXPECT_EQ(0x02, FakeRing::Register(data, 0x252));
    EXPECT_EQ(0xF7, FakeRing::Register(data, 0x40));
    EXPECT_EQ(0x81, FakeRing::Register(data, 0x5D));

    ExpectReading(Temperature(chips, 0), true, 45, "temperature 1");
    ExpectReading(Temperature(chips, 1), true, 53, "temperature 2");
    ExpectReading(Temperature(chips, 2), true, 0, "a negative temperature 3");
    ExpectReading(Temperature(chips, 3), false, 127, "no sensor 4");
    ExpectReading(Fan(chips, 0), true, 9000, "fan 1");
    ExpectReading(Fan(chips, 1), true, 0, "fan 2 counting 255");
    ExpectReading(Fan(chips, 2), true, 140, "fan 3");
    ExpectReading(Fan(chips, 3), false, 0, "no fan 4");
    ExpectReading(Fan(chips, -1), false, 0, "no fan -1");
}

TEST_F(FakeRingChips, WinbondFanDivisorsThatCannotBeReadLeaveTheDefaultExponent)
{
    PlaceWinbond(0x2E, 0x82, 0x00, 0x290);
    const uint16_t data = 0x296;
    FakeRing::SetRegister(data, 0x28, 100);
    FakeRing::SetRegister(data, 0x29, 100);
    FakeRing::SetRegister(data, 0x47, 0xF0);
    FakeRing::SetRegister(data, 0x5D, 0x61);
    w::SensorChips chips;
    chips.Detect();
    // 0x47 read: exponent 3, and 4 more from 0x5D bit 5 for fan 1.
    ExpectReading(Fan(chips, 0), true, 1350000 / (100 << 7), "fan 1 with both divisors");
    FakeRing::FailRegister(data, 0x5D);
    ExpectReading(Fan(chips, 0), true, 1350000 / (100 << 3), "fan 1 without 0x5D");
    FakeRing::FailRegister(data, 0x47);
    ExpectReading(Fan(chips, 1), true, 1350000 / (100 << 1), "fan 2 without 0x47");
    // A count of 0 is no speed; the reader still succeeds.
    FakeRing::SetRegister(data, 0x28, 0);
    ExpectReading(Fan(chips, 0), true, 0, "fan 1 counting 0");
    // The count itself cannot be read: the reader fails.
    FakeRing::FailRegister(data, 0x28);
    ExpectReading(Fan(chips, 0), false, 0, "fan 1 unreadable");
}

TEST_F(FakeRingChips, NewerWinbondsMatchThroughTheirIdMasks)
{
    struct Case {
        BYTE high, low;
        const wchar_t* name;
        bool bank2Cleared;
    };
    const Case cases[] = {
        {0x88, 0x7F, L"Winbond W83627EHF/EF/EHG/EG Super IO Sensors", true},
        {0xA0, 0x2F, L"Winbond W83627DHG Super IO Sensors", true},
        {0xB0, 0x73, L"Winbond W83627DHG-P Super IO Sensors", true},
        {0xA5, 0x1C, L"Winbond W83667HG Super IO Sensors", false},
    };
    for (const Case& c : cases) {
        FakeRing::Reset();
        PlaceWinbond(0x2E, c.high, c.low, 0x290);
        FakeRing::SetRegister(0x296, 0x40, 0x10);
        FakeRing::SetRegister(0x296, 0x152, 0x05);
        FakeRing::SetRegister(0x296, 0x252, 0x05);
        w::SensorChips chips;
        chips.Detect();
        EXPECT_EQ(std::vector<std::wstring>{c.name}, FoundNames(chips)) << c.name;
        EXPECT_EQ(0x11, FakeRing::Register(0x296, 0x40)) << c.name;
        EXPECT_EQ(0x04, FakeRing::Register(0x296, 0x152)) << c.name;
        EXPECT_EQ(c.bank2Cleared ? 0x04 : 0x05, FakeRing::Register(0x296, 0x252)) << c.name;
    }
    // Outside the masked bits: no chip, but the id is logged.
    FakeRing::Reset();
    PlaceWinbond(0x2E, 0x88, 0x80, 0x290);
    w::SensorChips chips;
    EXPECT_EQ((std::vector<std::wstring>{L"[Chips]", L"SuperIO Device ID: 0x8880"}), Log(chips));
    EXPECT_EQ(0u, chips.GetFoundCount());
}

TEST_F(FakeRingChips, FintekBFoundOnlyAtTheSecondPortReadsItsSignedTemperaturesAndFans)
{
    FakeRing::AddSuperIo(0x4E, FakeRing::kKeyA, 0x05, 0x41, 0xFF, 0xA00);
    FakeRing::AddRegisterFile(0xA0A, 0xA0B, false);
    const uint16_t data = 0xA0B;
    FakeRing::SetRegister(data, 0x70, 45);
    FakeRing::SetRegister(data, 0x72, 0xF6);
    FakeRing::SetRegister(data, 0x74, 30);
    // 1,000 counts: 1,500 RPM; 4,096 counts work out to 366, no fan; no count at all.
    FakeRing::SetRegister(data, 0xA0, 0x03);
    FakeRing::SetRegister(data, 0xA1, 0xE8);
    FakeRing::SetRegister(data, 0xB0, 0x10);
    FakeRing::SetRegister(data, 0xB1, 0x00);

    w::SensorChips chips;
    const std::vector<std::wstring> log = {L"[Chips]", L"SuperIO Device ID: 0x0541",
                                           L"SuperIO Found: Fintek F71882FG/F71883FG Super IO Sensors",
                                           L"Device Revision: 0\n", L"Active at ISA Address: 0xa00\n"};
    EXPECT_EQ(log, Log(chips));
    ASSERT_EQ(1u, chips.GetFoundCount());
    EXPECT_EQ(0x4E, chips.GetFound(0)->indexPort);
    EXPECT_EQ(0, chips.GetFound(0)->revision);
    EXPECT_EQ(4, FakeRing::ConfigRegister(0x4E, 0x07));
    ExpectReading(Temperature(chips, 0), true, 45, "temperature 1");
    ExpectReading(Temperature(chips, 1), true, 0, "a negative temperature 2");
    ExpectReading(Temperature(chips, 2), true, 30, "temperature 3");
    ExpectReading(Fan(chips, 0), true, 1500, "fan 1");
    ExpectReading(Fan(chips, 1), true, 0, "fan 2 at 366");
    ExpectReading(Fan(chips, 2), true, 0, "fan 3 counting 0");
    ExpectReading(Fan(chips, 3), false, 0, "no fan 4");
}

TEST_F(FakeRingChips, FintekAIsStartedAndCountsTwelveBits)
{
    FakeRing::AddSuperIo(0x2E, FakeRing::kKeyA, 0x04, 0x06, 0x01, 0x600);
    FakeRing::AddRegisterFile(0x60A, 0x60B, false);
    const uint16_t data = 0x60B;
    FakeRing::SetRegister(data, 0x00, 0x40);
    FakeRing::SetRegister(data, 0x1B, 50);
    FakeRing::SetRegister(data, 0x1C, 0x80);
    FakeRing::SetRegister(data, 0x20, 0xFF);
    FakeRing::SetRegister(data, 0x21, 0xFF);
    FakeRing::SetRegister(data, 0x22, 0x05);
    FakeRing::SetRegister(data, 0x23, 0xDC);
    w::SensorChips chips;
    chips.Detect();
    EXPECT_EQ(std::vector<std::wstring>{L"Fintek F71805F/FG Super IO Sensors"}, FoundNames(chips));
    EXPECT_EQ(0x01, FakeRing::Register(data, 0x00));
    ExpectReading(Temperature(chips, 0), true, 50, "temperature 1");
    ExpectReading(Temperature(chips, 1), true, 0, "temperature 2 at -128");
    ExpectReading(Fan(chips, 0), true, 0, "fan 1 counting 0xFFF");
    ExpectReading(Fan(chips, 1), true, 1000, "fan 2");
    ExpectReading(Fan(chips, 2), true, 0, "fan 3 counting 0");
}

TEST_F(FakeRingChips, ViaReadsItsRegistersAtPortsOfTheirOwn)
{
    const uint16_t base = 0x6000;
    FakeRing::AddSuperIo(0x2E, FakeRing::kKeyA, 0x3C, 0x02, 0x02, base);
    FakeRing::SetPort(base + 5 + 0x4A, 0xFF);
    FakeRing::SetPort(base + 5 + 0x4B, 0xFF);
    FakeRing::SetPort(base + 5 + 0x4C, 0xFF);
    FakeRing::SetPort(base + 5 + 0x1F, 40);
    FakeRing::SetPort(base + 5 + 0x20, 60);
    FakeRing::SetPort(base + 5 + 0x29, 128);
    FakeRing::SetPort(base + 5 + 0x2A, 0);
    FakeRing::SetPort(base + 5 + 0x47, 0x20);
    w::SensorChips chips;
    chips.Detect();
    EXPECT_EQ(std::vector<std::wstring>{L"VIA VT1211 Super IO Sensors"}, FoundNames(chips));
    EXPECT_EQ(0x83, FakeRing::Port(base + 5 + 0x4A));
    EXPECT_EQ(0x00, FakeRing::Port(base + 5 + 0x4B));
    EXPECT_EQ(0x00, FakeRing::Port(base + 5 + 0x4C));
    ExpectReading(Temperature(chips, 0), true, 40, "temperature 1");
    ExpectReading(Temperature(chips, 1), true, 9, "temperature 2");
    FakeRing::SetPort(base + 5 + 0x20, 50);
    ExpectReading(Temperature(chips, 1), true, 0, "temperature 2 below 51");
    ExpectReading(Temperature(chips, 2), false, 127, "no temperature 3");
    ExpectReading(Fan(chips, 0), true, 10240 / 4, "fan 1");
    ExpectReading(Fan(chips, 1), true, 0, "fan 2 counting 0");
    FakeRing::FailPort(base + 5 + 0x47);
    ExpectReading(Fan(chips, 0), true, 10240, "fan 1 without its divisor");
    ExpectReading(Fan(chips, 2), false, 0, "no fan 3");
}

TEST_F(FakeRingChips, AnAddressWhoseRegistersWouldPassTheLastPortIsNotUsed)
{
    // VIA's registers reach 0x51 above the base: 0xFFAE is the highest base that fits.
    struct Case {
        BYTE idHigh;
        uint16_t base;
        bool usable;
    };
    const Case cases[] = {{0x3C, 0xFFAE, true}, {0x3C, 0xFFAF, false}, {0x3C, 0xFFFF, false},
                          {0x52, 0xFFF9, true}, {0x52, 0xFFFA, false}};
    for (const Case& c : cases) {
        FakeRing::Reset();
        FakeRing::AddSuperIo(0x2E, FakeRing::kKeyA, c.idHigh, 0x00, 0x01, c.base);
        w::SensorChips chips;
        const std::vector<std::wstring> log = Log(chips);
        ASSERT_EQ(1u, chips.GetFoundCount()) << c.base;
        w::Chip* chip = chips.GetFound(0);
        EXPECT_EQ(c.usable, chip->active) << c.base;
        EXPECT_EQ(c.usable ? c.base : -1, chip->baseAddress) << c.base;
        if (!c.usable) {
            EXPECT_EQ(L"ISA Address: Not Found", log.back()) << c.base;
            ExpectReading(Temperature(chips, 0), false, 127, "a chip without address");
            // Only the configuration ports were written: nothing wrapped onto low ports.
            for (const auto& write : FakeRing::Writes()) {
                EXPECT_TRUE(write.first == 0x2E || write.first == 0x2F || write.first == 0x4E || write.first == 0x4F)
                    << std::hex << write.first;
            }
        }
    }
}

TEST_F(FakeRingChips, AChipWithoutAddressIsFoundButNeverStartedOrAsked)
{
    PlaceWinbond(0x2E, 0x52, 0x00, 0);
    w::SensorChips chips;
    const std::vector<std::wstring> log = {L"[Chips]", L"SuperIO Device ID: 0x5200",
                                           L"SuperIO Found: Winbond W83627HF/F/HG/G Super IO Sensors",
                                           L"ISA Address: Not Found"};
    EXPECT_EQ(log, Log(chips));
    ASSERT_EQ(1u, chips.GetFoundCount());
    EXPECT_FALSE(chips.GetFound(0)->active);
    EXPECT_FALSE(chips.winbondInitDone);
    ExpectReading(Temperature(chips, 0), false, 127, "temperature 1");
}

TEST_F(FakeRingChips, IteWithSixteenBitCountersFindsFiveFans)
{
    FakeRing::AddSuperIo(0x2E, FakeRing::kKeyB2E, 0x87, 0x12, 0x08, 0x290);
    FakeRing::AddRegisterFile(0x295, 0x297, false);
    const uint16_t data = 0x297;
    FakeRing::SetRegister(data, 0x00, 0xFF);
    FakeRing::SetRegister(data, 0x13, 0x00);
    FakeRing::SetRegister(data, 0x0C, 0x30);
    FakeRing::SetRegister(data, 0x29, 40);
    FakeRing::SetRegister(data, 0x2A, 0x80);
    FakeRing::SetRegister(data, 0x2B, 35);
    FakeRing::SetRegister(data, 0x0D, 0x2C);
    FakeRing::SetRegister(data, 0x18, 0x01);
    FakeRing::SetRegister(data, 0x0E, 0xFF);
    FakeRing::SetRegister(data, 0x19, 0xFF);
    FakeRing::SetRegister(data, 0x80, 100);
    FakeRing::SetRegister(data, 0x82, 200);

    w::SensorChips chips;
    const std::vector<std::wstring> log = {L"[Chips]", L"SuperIO Device ID: 0x8712",
                                           L"SuperIO Found: ITE IT8712F Super IO Sensors", L"Device Revision: 8\n",
                                           L"Active at ISA Address: 0x290\n"};
    EXPECT_EQ(log, Log(chips));
    EXPECT_EQ(0x2A, FakeRing::Register(data, 0x51));
    EXPECT_EQ(0x70, FakeRing::Register(data, 0x13));
    EXPECT_EQ(0x37, FakeRing::Register(data, 0x0C));
    EXPECT_EQ(0x37, FakeRing::Register(data, 0x00));
    EXPECT_EQ(0x1F, chips.iteFanMask);
    EXPECT_FALSE(FakeRing::InConfigMode(0x2E));

    ExpectReading(Temperature(chips, 0), true, 40, "temperature 1");
    ExpectReading(Temperature(chips, 1), true, 0, "temperature 2 at -128");
    ExpectReading(Temperature(chips, 2), true, 35, "temperature 3");
    ExpectReading(Fan(chips, 0), true, 2250, "fan 1");
    ExpectReading(Fan(chips, 1), true, 0, "fan 2 counting 0xFFFF");
    ExpectReading(Fan(chips, 2), true, 0, "fan 3 counting 0");
    ExpectReading(Fan(chips, 3), true, 6750, "fan 4");
    ExpectReading(Fan(chips, 4), true, 3375, "fan 5");
}

TEST_F(FakeRingChips, IteWithEightBitCountersUsesItsDivisorsAndHasNoFourthFan)
{
    // An IT8705F before revision 3, at the second port; its fan control enables fans 1 and 3.
    FakeRing::AddSuperIo(0x4E, FakeRing::kKeyB4E, 0x87, 0x05, 0x02, 0x2A0);
    FakeRing::AddRegisterFile(0x2A5, 0x2A7, false);
    const uint16_t data = 0x2A7;
    FakeRing::SetRegister(data, 0x13, 0x50);
    FakeRing::SetRegister(data, 0x0B, 0x41);
    FakeRing::SetRegister(data, 0x0D, 75);
    FakeRing::SetRegister(data, 0x0E, 75);
    FakeRing::SetRegister(data, 0x0F, 100);
    w::SensorChips chips;
    chips.Detect();
    EXPECT_EQ(std::vector<std::wstring>{L"ITE IT8705F Super IO Sensors"}, FoundNames(chips));
    EXPECT_EQ(0x50, FakeRing::Register(data, 0x13));
    EXPECT_EQ(0x05, chips.iteFanMask);
    ExpectReading(Fan(chips, 0), true, 9000, "fan 1");
    ExpectReading(Fan(chips, 1), false, 0, "fan 2 not enabled");
    ExpectReading(Fan(chips, 2), true, 1687, "fan 3");
    ExpectReading(Fan(chips, 3), false, 0, "no fan 4");
    ExpectReading(Fan(chips, 4), false, 0, "no fan 5");
    FakeRing::SetRegister(data, 0x0D, 255);
    ExpectReading(Fan(chips, 0), true, 0, "fan 1 counting 255");
}

TEST_F(FakeRingChips, TheFirstFoundChipAnswersAndTheNextIsAskedWhenItsReaderFails)
{
    PlaceWinbond(0x2E, 0x52, 0x00, 0x290);
    FakeRing::SetRegister(0x296, 0x27, 45);
    FakeRing::SetRegister(0x296, 0x28, 75);
    FakeRing::AddSuperIo(0x4E, FakeRing::kKeyB4E, 0x87, 0x16, 0x01, 0x2A0);
    FakeRing::AddRegisterFile(0x2A5, 0x2A7, false);
    FakeRing::SetRegister(0x2A7, 0x29, 40);
    FakeRing::SetRegister(0x2A7, 0x0C, 0x10);
    FakeRing::SetRegister(0x2A7, 0x80, 100);

    w::SensorChips chips;
    chips.Detect();
    EXPECT_EQ((std::vector<std::wstring>{L"Winbond W83627HF/F/HG/G Super IO Sensors", L"ITE IT8716F Super IO Sensors"}),
              FoundNames(chips));
    ExpectReading(Temperature(chips, 0), true, 45, "the first chip's temperature");
    ExpectReading(Fan(chips, 3), true, 6750, "the second chip's fourth fan");
    FakeRing::FailRegister(0x296, 0x27);
    ExpectReading(Temperature(chips, 0), true, 40, "the second chip's temperature");
}

TEST_F(FakeRingChips, PciFunctionsAreLoggedAndListedFirst)
{
    FakeRing::AddPciDevice(0x1022, 0x1203, (24u << 3) | 3u);
    FakeRing::AddPciDevice(0x8086, 0x24D3, (31u << 3) | 1u);
    PlaceWinbond(0x2E, 0x52, 0x00, 0x290);
    w::SensorChips chips;
    const std::vector<std::wstring> log = Log(chips);
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(L"PCI: K10 (Family 10h) Athlon64/Opteron/Sempron Miscellaneous Control", log[1]);
    EXPECT_EQ(L"PCI: Intel 82801EB ICH5", log[2]);
    EXPECT_EQ((std::vector<std::wstring>{L"K10 (Family 10h) Athlon64/Opteron/Sempron Miscellaneous Control",
                                         L"Intel 82801EB ICH5", L"Winbond W83627HF/F/HG/G Super IO Sensors"}),
              FoundNames(chips));
    EXPECT_TRUE(chips.GetFound(0)->pciFound);
    EXPECT_EQ(24, chips.GetFound(0)->foundDevice);
    // The PCI entries have no readers: the Super I/O chip answers.
    FakeRing::SetRegister(0x296, 0x27, 33);
    ExpectReading(Temperature(chips, 0), true, 33, "temperature 1");
}

TEST_F(FakeRingChips, TheLogKeepsTheLatestHundredLines)
{
    w::SensorChips chips;
    for (int i = 0; i < 150; ++i)
        chips.AddLog(std::to_wstring(i).c_str());
    const std::vector<std::wstring> log = Log(chips);
    ASSERT_EQ(101u, log.size());
    EXPECT_EQ(L"[Chips]", log[0]);
    EXPECT_EQ(L"50", log[1]);
    EXPECT_EQ(L"149", log[100]);
}

TEST_F(FakeRingChips, TheProcessWideSetAnswersThroughTheFreeFunctions)
{
    // No other test of this process probes with the process-wide set.
    PlaceWinbond(0x2E, 0x52, 0x00, 0x290);
    FakeRing::SetRegister(0x296, 0x27, 61);
    FakeRing::SetRegister(0x296, 0x28, 75);
    int64_t value = 0;
    EXPECT_TRUE(w::GetSensorTemperature(&value, 0));
    EXPECT_EQ(61, value);
    EXPECT_TRUE(w::GetSensorFanSpeed(&value, 0));
    EXPECT_EQ(1350000 / 75, value);
    w::AddChipLog(L"a line of the test");
    s::str::strarray::StrArray* report = w::BuildChipsReport();
    ASSERT_NE(nullptr, report);
    EXPECT_STREQ(L"[Chips]", report->Get(0)->GetText());
    EXPECT_STREQ(L"a line of the test", report->Get(report->GetCount() - 1)->GetText());
    report->ReleaseToPool();
}

} // namespace
