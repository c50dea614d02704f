// Run in a process whose hardware-access library is the tests' stand-in.
#include <gtest/gtest.h>

#include <string>

#include "measurement/sensors/CpuIdentity.h"
#include "measurement/sensors/CpuTemperature.h"
#include "support/FakeRing.h"

namespace w = s::system::win;
using testing_support::FakeRing;

namespace {

const uint32_t kValid = 0x80000000u;

uint32_t Reading(uint32_t belowTjMax)
{
    return kValid | (belowTjMax << 16);
}

class FakeRingCpuTemperature : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FakeRing::Install());
        FakeRing::Reset();
    }

    static void Describe(w::CpuIdentity& identity, const wchar_t* vendor, int32_t family, int32_t model,
                         int32_t extendedModel, int32_t stepping, const wchar_t* name = L"")
    {
        identity.vendor.Assign(vendor);
        identity.name.Assign(name);
        identity.family = family;
        identity.model = model;
        identity.extendedModel = extendedModel;
        identity.stepping = stepping;
    }
};

TEST_F(FakeRingCpuTemperature, TjMaxFollowsTheModelTable)
{
    struct Msr {
        bool present;
        uint32_t low;
        uint32_t high;
    };
    struct Case {
        int32_t family, model, stepping;
        const wchar_t* name;
        Msr platform;       // register 0x17
        Msr extendedConfig; // register 0xEE
        int32_t tjMax;
    };
    const Msr none = {false, 0, 0};
    const Msr plain = {true, 0, 0};
    const Msr bit28 = {true, 1u << 28, 0};
    const Msr platform5 = {true, 0, 5u << 18};
    const Msr platform7 = {true, 0, 7u << 18};
    const Msr platform3 = {true, 0, 3u << 18};
    const Msr bit30 = {true, 1u << 30, 0};
    const Case cases[] = {
        {6, 28, 2, L"Intel(R) Atom(TM) CPU 230 @ 1.60GHz", none, none, 100},
        {6, 28, 2, L"Intel(R) Atom(TM) CPU 330 @ 1.60GHz", none, none, 125},
        {6, 28, 2, L"Intel(R) Atom(TM) CPU N270 @ 1.60GHz", none, none, 90},
        {6, 28, 10, L"Intel(R) Atom(TM) CPU CE4150 @ 1.20GHz", none, none, 110},
        {6, 28, 10, L"Intel(R) Atom(TM) CPU D510 @ 1.66GHz", none, none, 100},
        {6, 28, 5, L"Intel(R) Atom(TM) CPU 330 @ 1.60GHz", none, none, 90},
        {15, 28, 10, L"Intel(R) Atom(TM) CPU CE4150 @ 1.20GHz", none, none, 100},
        {15, 28, 2, L"Intel(R) Atom(TM) CPU 330 @ 1.60GHz", none, none, 90},
        {6, 38, 1, L"", none, none, 90},
        {6, 39, 1, L"", none, none, 90},
        {6, 53, 1, L"", none, none, 90},
        {6, 54, 1, L"", none, none, 90},
        {6, 15, 13, L"", none, none, 85},
        {6, 15, 2, L"", bit28, none, 100},
        {6, 14, 8, L"", bit28, none, 100},
        {6, 26, 5, L"", none, none, 100},
        {6, 22, 1, L"", plain, none, 100},
        {6, 22, 1, L"", bit28, bit30, 100},
        {6, 23, 6, L"", platform5, none, 105},
        {6, 23, 6, L"", platform5, bit30, 90},
        {6, 23, 6, L"", platform7, bit30, 90},
        {6, 23, 6, L"", platform5, plain, 100},
        {6, 23, 6, L"", platform3, bit30, 100},
        {6, 15, 6, L"", platform7, bit30, 100},
    };
    for (const Case& c : cases) {
        FakeRing::Reset();
        if (c.platform.present)
            FakeRing::SetMsr(0x17, c.platform.low, c.platform.high);
        if (c.extendedConfig.present)
            FakeRing::SetMsr(0xEE, c.extendedConfig.low, c.extendedConfig.high);
        EXPECT_EQ(c.tjMax, w::TjMaxOfModel(c.family, c.model, c.stepping, c.name))
            << "family " << c.family << " model " << c.model << " stepping " << c.stepping;
    }
}

TEST_F(FakeRingCpuTemperature, IntelReadsBelowTheTjMaxOfItsModel)
{
    // Register 0x1A2 gives no TjMax: model 26 (extended model 1, model 10) settles 100 through
    // register 0x17.
    FakeRing::SetMsr(0x1A2, 0, 0);
    FakeRing::SetMsr(0x17, 0, 0);
    FakeRing::SetMsr(0x1B1, Reading(30), 0);
    w::CpuIdentity identity;
    Describe(identity, L"GenuineIntel", 6, 10, 1, 5);
    w::CpuTemperature reader;
    EXPECT_EQ(70, reader.Read(identity));
    EXPECT_EQ(100, reader.tjMax);
}

TEST_F(FakeRingCpuTemperature, RegisterTjMaxWinsWheneverItIsGiven)
{
    w::CpuIdentity identity;
    Describe(identity, L"genuineintel", 6, 10, 1, 5);
    w::CpuTemperature reader;
    FakeRing::SetMsr(0x1A2, 95u << 16, 0);
    FakeRing::SetMsr(0x1B1, Reading(20), 0);
    EXPECT_EQ(75, reader.Read(identity));
    // A later zero keeps the settled value; a later value replaces it.
    FakeRing::SetMsr(0x1A2, 0, 0);
    EXPECT_EQ(75, reader.Read(identity));
    FakeRing::SetMsr(0x1A2, 105u << 16, 0);
    EXPECT_EQ(85, reader.Read(identity));
    EXPECT_EQ(0, FakeRing::MsrReads(0x17));
}

TEST_F(FakeRingCpuTemperature, PackageStatusFirstThenCoreStatusThenTheLastReading)
{
    w::CpuIdentity identity;
    Describe(identity, L"GenuineIntel", 6, 10, 1, 5);
    w::CpuTemperature reader;
    FakeRing::SetMsr(0x1A2, 100u << 16, 0);
    // Neither register valid before any reading: the sentinel.
    FakeRing::SetMsr(0x1B1, 30u << 16, 0);
    FakeRing::SetMsr(0x19C, 35u << 16, 0);
    EXPECT_EQ(-100, reader.Read(identity));

    FakeRing::SetMsr(0x19C, Reading(35), 0);
    EXPECT_EQ(65, reader.Read(identity));
    FakeRing::SetMsr(0x1B1, Reading(40), 0);
    EXPECT_EQ(60, reader.Read(identity));
    // The first processor's read fails: the calling processor's is taken.
    FakeRing::FailMsr(0x1B1, true, false);
    EXPECT_EQ(60, reader.Read(identity));
    FakeRing::SetMsr(0x1B1, Reading(45), 0);
    FakeRing::FailMsr(0x1B1, true, false);
    EXPECT_EQ(55, reader.Read(identity));
    // Both invalid: the previous reading, not the sentinel.
    FakeRing::SetMsr(0x1B1, 45u << 16, 0);
    FakeRing::SetMsr(0x19C, 10u << 16, 0);
    EXPECT_EQ(55, reader.Read(identity));
    FakeRing::FailMsr(0x1B1, true, true);
    FakeRing::FailMsr(0x19C, true, true);
    EXPECT_EQ(55, reader.Read(identity));
}

TEST_F(FakeRingCpuTemperature, AmdK10IsFoundAtFunctionThreeAndProbedOnce)
{
    // An id of the list at function 2 only, a later one at function 3.
    FakeRing::AddPciDevice(0x1022, 0x1203, (24u << 3) | 2u);
    const uint32_t address = (1u << 8) | (25u << 3) | 3u;
    FakeRing::AddPciDevice(0x1022, 0x1703, address);
    // 45 whole degrees and 5 eighths, with the field's top bit set.
    FakeRing::SetPciConfig(address, 0xA4, (1u << 31) | (45u << 24) | (5u << 21));
    w::CpuIdentity identity;
    Describe(identity, L"AuthenticAMD", 15, 4, 0, 2);
    w::CpuTemperature reader;
    EXPECT_EQ(45, reader.Read(identity));
    EXPECT_TRUE(reader.k10Found);
    EXPECT_FALSE(reader.k8Found);
    EXPECT_EQ(1, reader.bus);
    EXPECT_EQ(25, reader.device);
    const long calls = FakeRing::FindCalls();
    FakeRing::SetPciConfig(address, 0xA4, 50u << 24);
    EXPECT_EQ(50, reader.Read(identity));
    EXPECT_EQ(calls, FakeRing::FindCalls());
}

TEST_F(FakeRingCpuTemperature, AmdK8IsAskedWhenNoK10Answers)
{
    const uint32_t address = (24u << 3) | 3u;
    FakeRing::AddPciDevice(0x1022, 0x1103, address);
    FakeRing::SetPciConfig(address, 0xE4, 99u << 16);
    w::CpuIdentity identity;
    Describe(identity, L"AuthenticAMD", 15, 4, 0, 2);
    w::CpuTemperature reader;
    EXPECT_EQ(50, reader.Read(identity));
    EXPECT_TRUE(reader.k8Found);
    // A failed read gives the sentinel.
    FakeRing::Reset();
    EXPECT_EQ(-100, reader.Read(identity));
}

TEST_F(FakeRingCpuTemperature, AmdWithoutAKnownDeviceAnswersTheSentinelWithoutProbingAgain)
{
    w::CpuIdentity identity;
    Describe(identity, L"AuthenticAMD", 15, 4, 0, 2);
    w::CpuTemperature reader;
    EXPECT_EQ(-100, reader.Read(identity));
    // One question for each of the seven ids.
    EXPECT_EQ(7, FakeRing::FindCalls());
    FakeRing::AddPciDevice(0x1022, 0x1103, (24u << 3) | 3u);
    EXPECT_EQ(-100, reader.Read(identity));
    EXPECT_EQ(7, FakeRing::FindCalls());
}

TEST_F(FakeRingCpuTemperature, AnotherVendorIsUnsupported)
{
    FakeRing::SetMsr(0x1B1, Reading(20), 0);
    w::CpuIdentity identity;
    Describe(identity, L"CentaurHauls", 6, 15, 0, 2);
    w::CpuTemperature reader;
    EXPECT_EQ(-100, reader.Read(identity));
    EXPECT_EQ(0, FakeRing::MsrReads(0x1B1));
    EXPECT_EQ(0, FakeRing::FindCalls());
}

TEST_F(FakeRingCpuTemperature, TheProcessWideReadingIsThisProcessorsThroughTheLibrary)
{
    w::LoadCpuIdentity();
    const bool scripted = FakeRing::ScriptCpuTemperature(w::GetCpuIdentityRecord().vendor.GetText(), 47);
    EXPECT_EQ(scripted ? 47 : -100, w::GetCpuTemperature());
}

} // namespace
