#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "core/str/StrArray.h"
#include "measurement/sensors/CpuIdentity.h"

namespace w = s::system::win;

namespace {

typedef std::array<uint32_t, 4> Leaf;
// The leaves the seam answers; a processor without the instruction answers none.
std::map<uint32_t, Leaf> gLeaves;
bool gHasCpuid = true;

bool ScriptedCpuid(uint32_t leaf, uint32_t registers[4])
{
    if (!gHasCpuid)
        return false;
    const Leaf values = gLeaves.count(leaf) ? gLeaves[leaf] : Leaf{};
    std::memcpy(registers, values.data(), sizeof(uint32_t) * 4);
    return true;
}

uint32_t Chars(const char* four)
{
    uint32_t value = 0;
    std::memcpy(&value, four, 4);
    return value;
}

// The brand string over leaves 0x80000002 to 0x80000004, NUL-padded unless it fills all 48 bytes.
void SetBrand(const std::string& brand)
{
    char bytes[48] = {};
    std::memcpy(bytes, brand.data(), brand.size() < 48 ? brand.size() : 48);
    for (uint32_t i = 0; i < 3; ++i) {
        Leaf leaf;
        std::memcpy(leaf.data(), bytes + i * 16, 16);
        gLeaves[0x80000002 + i] = leaf;
    }
}

void SetVendor(uint32_t highest, const char* vendor)
{
    gLeaves[0] = Leaf{highest, Chars(vendor), Chars(vendor + 8), Chars(vendor + 4)};
}

const wchar_t kNoKey[] = L"SOFTWARE\\Pulsegrid Tests\\No Such Processor";
const wchar_t kTestKey[] = L"SOFTWARE\\Pulsegrid Tests\\CentralProcessor\\0";

std::vector<std::wstring> Lines(s::str::strarray::StrArray* list)
{
    std::vector<std::wstring> lines;
    for (uint32_t i = 0; i < list->GetCount(); ++i)
        lines.push_back(list->Get(i)->GetText());
    list->ReleaseToPool();
    return lines;
}

class CpuIdentityTest : public testing::Test {
protected:
    void SetUp() override
    {
        gLeaves.clear();
        gHasCpuid = true;
    }
    void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Pulsegrid Tests"); }

    void WriteKey(const wchar_t* name, const std::wstring& data, bool terminated = true)
    {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, 0, KEY_SET_VALUE,
                                                 nullptr, &key, nullptr));
        const DWORD bytes = static_cast<DWORD>((data.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
        EXPECT_EQ(ERROR_SUCCESS,
                  RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), bytes));
        RegCloseKey(key);
    }
};

TEST_F(CpuIdentityTest, ReadsTheLeavesOfAnyProcessor)
{
    SetVendor(0x0D, "GenuineIntel");
    // Stepping 5, model 10, family 6, extended model 1; CLFLUSH 8 units, APIC id 3.
    gLeaves[1] = Leaf{0x000106A5, (3u << 24) | (8u << 8) | 2u, (1u << 0) | (1u << 3) | (1u << 4) | (1u << 8) | (1u << 10),
                      (1u << 0) | (1u << 4) | (1u << 5) | (1u << 25) | (1u << 26) | (1u << 28)};
    gLeaves[0x80000000] = Leaf{0x80000008, 0, 0, 0};
    // Leading blanks, and the 48 bytes filled without a terminator.
    SetBrand(" Intel(R) Core(TM) i7 CPU         920  @ 2.67GHz");
    gLeaves[0x80000006] = Leaf{0, 0, (256u << 16) | (8u << 12) | 64u, 0};

    w::CpuIdentity identity;
    identity.Load(kNoKey, &ScriptedCpuid);
    ASSERT_TRUE(identity.loaded);
    EXPECT_TRUE(identity.cpuidAvailable);
    EXPECT_STREQ(L"GenuineIntel", identity.vendor.GetText());
    EXPECT_STREQ(L"Intel(R) Core(TM) i7 CPU         920  @ 2.67GHz", identity.name.GetText());
    EXPECT_STREQ(L"UnKnown Identifier", identity.identifier.GetText());
    EXPECT_EQ(5, identity.stepping);
    EXPECT_EQ(10, identity.model);
    EXPECT_EQ(6, identity.family);
    EXPECT_EQ(1, identity.extendedModel);
    EXPECT_EQ(0, identity.extendedFamily);
    EXPECT_EQ(2, identity.brandIndex);
    EXPECT_EQ(64, identity.clflushLineSize);
    EXPECT_EQ(3, identity.apicId);
    EXPECT_TRUE(identity.sse3 && identity.monitor && identity.dsCpl && identity.tm2 && identity.l1ContextId);
    EXPECT_TRUE(identity.tsc && identity.msr);
    EXPECT_EQ(64, identity.l2LineSize);
    EXPECT_EQ(8, identity.l2Associativity);
    EXPECT_EQ(256, identity.l2SizeKb);

    const std::vector<std::wstring> expected = {
        L"CPL Qualified Debug Store", L"Hyper-threading Technology", L"L1 Context ID",
        L"MONITOR/MWAIT",             L"RDMSR and WRMSR Support",    L"SSE Extensions",
        L"SSE2 Extensions",           L"SSE3 New Instructions",      L"Thermal Monitor 2",
        L"Time Stamp Counter",        L"x87 FPU On Chip"};
    std::vector<std::wstring> features;
    for (uint32_t i = 0; i < identity.features.GetCount(); ++i)
        features.push_back(identity.features.Get(i)->GetText());
    EXPECT_EQ(expected, features);

    const std::vector<std::wstring> report = {L"[CPU]", L"GenuineIntel",
                                              L"Intel(R) Core(TM) i7 CPU         920  @ 2.67GHz",
                                              L"UnKnown Identifier", L"6, 10+1, 5"};
    EXPECT_EQ(report, Lines(w::BuildCpuReport(identity)));

    // Filled once: a second load changes nothing.
    SetVendor(0x0D, "AuthenticAMD");
    identity.Load(kNoKey, &ScriptedCpuid);
    EXPECT_STREQ(L"GenuineIntel", identity.vendor.GetText());
}

TEST_F(CpuIdentityTest, WithoutKeyOrInstructionTheTextsKeepTheirDefaults)
{
    gHasCpuid = false;
    w::CpuIdentity identity;
    identity.Load(kNoKey, &ScriptedCpuid);
    EXPECT_TRUE(identity.loaded);
    EXPECT_FALSE(identity.cpuidAvailable);
    EXPECT_STREQ(L"UnKnown Vender", identity.vendor.GetText());
    EXPECT_STREQ(L"UnKnown Processor", identity.name.GetText());
    EXPECT_STREQ(L"UnKnown Identifier", identity.identifier.GetText());
    EXPECT_EQ(0u, identity.features.GetCount());
    const std::vector<std::wstring> report = {L"[CPU]", L"UnKnown Vender", L"UnKnown Processor",
                                              L"UnKnown Identifier", L"0, 0+0, 0"};
    EXPECT_EQ(report, Lines(w::BuildCpuReport(identity)));
}

TEST_F(CpuIdentityTest, RegistryTextsLoseTheirLeadingBlanksAndAreReadWithinTheirData)
{
    WriteKey(L"VendorIdentifier", L"AuthenticAMD");
    WriteKey(L"ProcessorNameString", L"\u3000\t \r\n AMD Phenom(tm) II X4 955 Processor");
    // Written without its terminating NUL.
    WriteKey(L"Identifier", L"AMD64 Family 16 Model 4 Stepping 2", false);
    gHasCpuid = false;
    w::CpuIdentity identity;
    identity.Load(kTestKey, &ScriptedCpuid);
    EXPECT_STREQ(L"AuthenticAMD", identity.vendor.GetText());
    EXPECT_STREQ(L"AMD Phenom(tm) II X4 955 Processor", identity.name.GetText());
    EXPECT_STREQ(L"AMD64 Family 16 Model 4 Stepping 2", identity.identifier.GetText());
}

TEST_F(CpuIdentityTest, TheInstructionReplacesTheVendorAndOnlyABrandStringTheName)
{
    WriteKey(L"VendorIdentifier", L"Registry Vendor");
    WriteKey(L"ProcessorNameString", L"Registry Name");
    // No brand leaves and no feature bits.
    SetVendor(1, "CentaurHauls");
    gLeaves[0x80000000] = Leaf{0x80000001, 0, 0, 0};
    w::CpuIdentity identity;
    identity.Load(kTestKey, &ScriptedCpuid);
    EXPECT_STREQ(L"CentaurHauls", identity.vendor.GetText());
    EXPECT_STREQ(L"Registry Name", identity.name.GetText());
    EXPECT_EQ(0u, identity.features.GetCount());
}

TEST_F(CpuIdentityTest, ABrandStringThatFillsItsLeavesIsReadWithinThem)
{
    SetVendor(1, "AuthenticAMD");
    gLeaves[0x80000000] = Leaf{0x80000004, 0, 0, 0};
    SetBrand("  " + std::string(46, 'X'));
    // The register past the brand leaves is not part of the string.
    gLeaves[0x80000005] = Leaf{Chars("YYYY"), Chars("YYYY"), Chars("YYYY"), Chars("YYYY")};
    w::CpuIdentity identity;
    identity.Load(kNoKey, &ScriptedCpuid);
    EXPECT_EQ(std::wstring(46, L'X'), identity.name.GetText());
}

TEST(CpuIdentity, TheProcessWideRecordIsThisMachinesProcessor)
{
    w::LoadCpuIdentity();
    w::CpuIdentity& record = w::GetCpuIdentityRecord();
    EXPECT_TRUE(record.loaded);
    EXPECT_TRUE(record.cpuidAvailable);
    EXPECT_EQ(12u, record.vendor.GetLength());
    EXPECT_STREQ(record.name.GetText(), w::GetCpuName());
    EXPECT_GT(record.processorCount, 0);
    EXPECT_EQ(5u, Lines(w::BuildCpuReport()).size());
}

} // namespace
