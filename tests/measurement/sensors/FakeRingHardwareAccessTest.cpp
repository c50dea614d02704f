// Run in a process whose hardware-access library is the tests' stand-in.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "measurement/sensors/HardwareAccess.h"
#include "measurement/win/FailureBoxRecorder.h"
#include "support/FakeRing.h"

namespace w = s::system::win;
using testing_support::FailureBoxRecorder;
using testing_support::FakeRing;

namespace {

class FakeRingLibrary : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FakeRing::Install());
        FakeRing::Reset();
    }
};

TEST_F(FakeRingLibrary, IsLoadedAndInitialisedOnceWithoutABox)
{
    EXPECT_TRUE(w::IsHardwareAccessReady());
    EXPECT_TRUE(w::IsHardwareAccessReady());
    EXPECT_EQ(1, FakeRing::Inits());
    EXPECT_EQ(0, FakeRing::Deinits());
    EXPECT_TRUE(FailureBoxRecorder::Take().empty());
    const w::HardwareFunctions& f = w::GetHardwareFunctions();
    EXPECT_TRUE(f.cpuid && f.isMsr && f.rdmsrPx && f.rdmsr && f.rdmsrTx);
}

TEST_F(FakeRingLibrary, PciSearchSplitsTheAddressAndSkipsOtherFunctions)
{
    // Bus 2, device 24, functions 1 and 3 of the same id; another device between them.
    FakeRing::AddPciDevice(0x1022, 0x1203, (2 << 8) | (24 << 3) | 1);
    FakeRing::AddPciDevice(0x8086, 0x24D3, (0 << 8) | (31 << 3) | 0);
    FakeRing::AddPciDevice(0x1022, 0x1203, (2 << 8) | (24 << 3) | 3);
    int32_t bus = 0, device = 0, function = 0;
    ASSERT_TRUE(w::FindPciDevice(0x1022, 0x1203, &bus, &device, &function, 3));
    EXPECT_EQ(2, bus);
    EXPECT_EQ(24, device);
    EXPECT_EQ(3, function);
    EXPECT_EQ(2, FakeRing::FindCalls());

    ASSERT_TRUE(w::FindPciDevice(0x1022, 0x1203, &bus, &device, &function, -1));
    EXPECT_EQ(1, function);
    EXPECT_FALSE(w::FindPciDevice(0x1022, 0x1203, &bus, &device, &function, 2));
    EXPECT_FALSE(w::FindPciDevice(0x10DE, 0x0001, &bus, &device, &function, -1));
}

TEST_F(FakeRingLibrary, PciSearchEndsAfterTheLastIndexALibraryCanBeAsked)
{
    // A library that answers every index with a device of function 1.
    FakeRing::AnswerEveryPciIndex((1 << 8) | (3 << 3) | 1);
    int32_t bus = 0, device = 0, function = 0;
    EXPECT_FALSE(w::FindPciDevice(0x1022, 0x1103, &bus, &device, &function, 3));
    EXPECT_EQ(256, FakeRing::FindCalls());
}

TEST_F(FakeRingLibrary, PciConfigReadsAtTheBuiltAddress)
{
    FakeRing::SetPciConfig((0 << 8) | (24 << 3) | 3, 0xA4, 0x12345678);
    uint32_t value = 7;
    EXPECT_TRUE(w::ReadPciConfigDword(0, 24, 3, 0xA4, &value));
    EXPECT_EQ(0x12345678u, value);
    value = 7;
    EXPECT_FALSE(w::ReadPciConfigDword(0, 24, 3, 0xE4, &value));
}

TEST_F(FakeRingLibrary, PortsReadTheByteOrZeroAndWriteTheLowByte)
{
    FakeRing::SetPort(0x295, 0x5A);
    FakeRing::SetPort(0x290, 0);
    FakeRing::FailPort(0x296);
    uint8_t value = 9;
    EXPECT_TRUE(w::ReadIoPortByte(0x295, &value));
    EXPECT_EQ(0x5A, value);
    value = 9;
    EXPECT_FALSE(w::ReadIoPortByte(0x296, &value));
    EXPECT_EQ(0, value);
    EXPECT_TRUE(w::WriteIoPortByte(0x290, 0x1234));
    EXPECT_EQ(0x34, FakeRing::Port(0x290));
    EXPECT_FALSE(w::WriteIoPortByte(0x296, 1));
}

TEST_F(FakeRingLibrary, RegisterReadsGoToTheFirstProcessorOrTheCallingOne)
{
    FakeRing::SetMsr(0x1B1, 0x88220000, 5);
    FakeRing::FailMsr(0x19C, true, false);
    uint32_t low = 0, high = 0;
    EXPECT_TRUE(w::ReadMsrOnFirstProcessor(0x1B1, &low, &high));
    EXPECT_EQ(0x88220000u, low);
    EXPECT_EQ(5u, high);
    EXPECT_FALSE(w::ReadMsrOnFirstProcessor(0x19C, &low, &high));
    EXPECT_EQ(0u, low);
    EXPECT_TRUE(w::ReadMsr(0x19C, &low, &high));
    EXPECT_FALSE(w::ReadMsr(0x17, &low, &high));
}

// In a child process: the library's own set-up reports failure, which is not consulted; the
// library counts as ready, answers what it answers and is torn down once at exit.
void UseALibraryWhoseSetUpFails()
{
    if (!FakeRing::Install())
        std::_Exit(2);
    FakeRing::SetInitFails(true);
    FakeRing::SetPort(0x295, 0x21);
    uint8_t value = 0;
    const bool ok = w::IsHardwareAccessReady() && w::ReadIoPortByte(0x295, &value) && value == 0x21;
    std::exit(ok ? 0 : 1);
}

TEST_F(FakeRingLibrary, IsTornDownOnceAtExitEvenWhenItsSetUpFailed)
{
    // The child runs this test from its start as well: it takes the file the parent named.
    wchar_t log[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"FAKE_RING_LOG", log, MAX_PATH)) {
        wchar_t folder[MAX_PATH] = {};
        ASSERT_NE(0u, GetTempPathW(MAX_PATH, folder));
        ASSERT_NE(0u, GetTempFileNameW(folder, L"rng", 0, log));
        ASSERT_TRUE(SetEnvironmentVariableW(L"FAKE_RING_LOG", log));
    }
    EXPECT_EXIT(UseALibraryWhoseSetUpFails(), testing::ExitedWithCode(0), "");
    SetEnvironmentVariableW(L"FAKE_RING_LOG", nullptr);
    std::string text;
    if (FILE* file = _wfopen(log, L"rb")) {
        char buffer[256];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
            text.append(buffer, n);
        std::fclose(file);
    }
    DeleteFileW(log);
    EXPECT_EQ("InitializeOls\nDeinitializeOls\n", text);
}

} // namespace
