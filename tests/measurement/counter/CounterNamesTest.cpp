#include "measurement/counter/CounterNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/str/StrArray.h"
#include "measurement/counter/FakePdhControl.h"
#include "measurement/counter/MachineRegistry.h"

namespace cn = s::system::counter::win;
using testing_support::FakePdh;

namespace {

const wchar_t kEnglishProbe[] = L"\\Process(_Total)\\% Processor Time";
const wchar_t kGermanProbe[] = L"\\Prozess(_Total)\\Prozessorzeit (%)";
const wchar_t kRussianProbe[] = L"\\Процесс(_Total)\\Рабочее множество";
const wchar_t kIndexProbe[] = L"\\230(_Total)\\6";
const size_t kProbeCount = 36;

int gRebuilds = 0;
void CountRebuild()
{
    ++gRebuilds;
}

class FakePdhNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!FakePdh::Install())
            GTEST_SKIP() << "another Pdh.dll was bound first in this process";
        FakePdh::Reset();
        previous_ = cn::SetCounterRegistryRebuild(&CountRebuild);
    }
    void TearDown() override { cn::SetCounterRegistryRebuild(previous_); }

    static std::vector<std::wstring> Names()
    {
        std::vector<std::wstring> names;
        for (int32_t k = 0; k < cn::kCounterKindCount; ++k)
            names.push_back(cn::GetCounterName(k));
        return names;
    }

    cn::CounterRegistryRebuild previous_ = nullptr;
};

TEST_F(FakePdhNames, AnEnglishSystemIsKnownByOneProbe)
{
    // A system whose names validate is not repaired here, however its switches stand.
    const bool switchable = testing_support::WriteMachineDword(testing_support::kPerfOsKey,
                                                               testing_support::kDisableCounters, 1);
    FakePdh::SetValid(kEnglishProbe);
    FakePdh::SetValid(L"\\Processor(_Total)\\% Processor Time");
    cn::SelectCounterNames();

    const std::vector<std::wstring> validated = FakePdh::Validated();
    ASSERT_EQ(2u, validated.size());
    EXPECT_EQ(kEnglishProbe, validated[0]);
    EXPECT_EQ(L"\\Processor(_Total)\\% Processor Time", validated[1]);
    EXPECT_TRUE(cn::EnglishCounterNames);
    EXPECT_FALSE(cn::CounterNamesMissing);
    EXPECT_TRUE(cn::ProcessorFormValid);
    const std::vector<std::wstring> names = Names();
    EXPECT_EQ(L"Processor", names[cn::kProcessorObject]);
    EXPECT_EQ(L"% User Time", names[cn::kUserTime]);
    EXPECT_EQ(L"Network Interface", names[cn::kNetworkObject]);
    EXPECT_EQ(L"Elapsed Time", names[cn::kElapsedTime]);
    if (switchable) {
        EXPECT_EQ(1u, testing_support::ReadMachineDword(testing_support::kPerfOsKey, testing_support::kDisableCounters));
        testing_support::WriteMachineDword(testing_support::kPerfOsKey, testing_support::kDisableCounters, 0);
    }
}

TEST_F(FakePdhNames, AGermanSystemGetsTheGermanNames)
{
    FakePdh::SetValid(kGermanProbe);
    cn::SelectCounterNames();

    const std::vector<std::wstring> validated = FakePdh::Validated();
    ASSERT_EQ(3u, validated.size());
    EXPECT_EQ(kEnglishProbe, validated[0]);
    EXPECT_EQ(kGermanProbe, validated[1]);
    EXPECT_EQ(L"\\Prozessor(_Total)\\Prozessorzeit (%)", validated[2]);
    EXPECT_FALSE(cn::EnglishCounterNames);
    EXPECT_FALSE(cn::CounterNamesMissing);
    EXPECT_FALSE(cn::ProcessorFormValid);
    const std::vector<std::wstring> names = Names();
    EXPECT_EQ(L"Prozessor", names[cn::kProcessorObject]);
    EXPECT_EQ(L"Benutzerzeit (%)", names[cn::kUserTime]);
    EXPECT_EQ(L"Physikalischer Datenträger", names[cn::kPhysicalDiskObject]);
    EXPECT_EQ(L"Verstrichene Zeit", names[cn::kElapsedTime]);
    EXPECT_EQ(0, gRebuilds);
}

TEST_F(FakePdhNames, AnotherLanguageTakesTheSystemsOwnNamesByIndex)
{
    FakePdh::SetValid(kRussianProbe);
    FakePdh::SetIndexName(238, L"Процессор");
    FakePdh::SetIndexName(6, L"% загруженности процессора");
    FakePdh::SetIndexName(230, L"Процесс");
    FakePdh::SetValid(L"\\Процессор(_Total)\\% загруженности процессора");
    cn::SelectCounterNames();

    const std::vector<std::wstring> validated = FakePdh::Validated();
    // Rows 1 to 12 in order, then the processor form.
    ASSERT_EQ(13u, validated.size());
    EXPECT_EQ(kEnglishProbe, validated[0]);
    EXPECT_EQ(kGermanProbe, validated[1]);
    EXPECT_EQ(L"\\Fysieke schijf(_Total)\\Schijfleesbewerkingen in bytes per seconde", validated[2]);
    EXPECT_EQ(L"\\Processus(_Total)\\Nombre d\u2019opérations de lecture/s", validated[10]);
    EXPECT_EQ(kRussianProbe, validated[11]);
    EXPECT_TRUE(cn::ProcessorFormValid);
    EXPECT_FALSE(cn::CounterNamesMissing);
    const std::vector<std::wstring> names = Names();
    EXPECT_EQ(L"Процессор", names[cn::kProcessorObject]);
    EXPECT_EQ(L"% загруженности процессора", names[cn::kProcessorTime]);
    EXPECT_EQ(L"Процесс", names[cn::kProcessObject]);
    // A name the system's table lacks keeps its index.
    EXPECT_EQ(L"684", names[cn::kElapsedTime]);
}

TEST_F(FakePdhNames, OnlyTheIndexFormBuildsEveryPathFromNumbers)
{
    FakePdh::SetValid(kIndexProbe);
    FakePdh::SetValid(L"\\238(_Total)\\6");
    cn::SelectCounterNames();

    const std::vector<std::wstring> validated = FakePdh::Validated();
    ASSERT_EQ(kProbeCount, validated.size());
    EXPECT_EQ(kIndexProbe, validated[kProbeCount - 2]);
    EXPECT_EQ(L"\\238(_Total)\\6", validated.back());
    EXPECT_TRUE(cn::ProcessorFormValid);
    const std::vector<std::wstring> names = Names();
    const wchar_t* const expected[] = {L"238", L"6",   L"142",  L"234",  L"220",  L"222",  L"214",
                                       L"216", L"200", L"236",  L"408",  L"410",  L"510",  L"506",
                                       L"264", L"230", L"784",  L"180",  L"1412", L"1414", L"1420",
                                       L"1422", L"680", L"952", L"684"};
    for (int32_t k = 0; k < cn::kCounterKindCount; ++k)
        EXPECT_EQ(expected[k], names[k]) << k;
}

TEST_F(FakePdhNames, TheSecondIndexVariantHasNoProcessorTimeName)
{
    FakePdh::SetValid(L"\\230(_Total)\\?");
    cn::SelectCounterNames();
    EXPECT_EQ(L"\\238(_Total)\\?", FakePdh::Validated().back());
    EXPECT_STREQ(L"?", cn::GetCounterName(cn::kProcessorTime));
    EXPECT_STREQ(L"142", cn::GetCounterName(cn::kUserTime));
}

// The rebuild is once per process, so this one test walks both calls.
TEST_F(FakePdhNames, NothingValidatesRebuildsOnceAndKeepsEnglishNames)
{
    ASSERT_TRUE(cn::LodctrPending);
    const bool switchable = testing_support::WriteMachineDword(testing_support::kPerfOsKey,
                                                               testing_support::kDisableCounters, 1);
    cn::CounterRepairMade = false;
    cn::SelectCounterNames();
    EXPECT_EQ(1, gRebuilds);
    // The repair ran after the rebuild.
    if (switchable) {
        EXPECT_EQ(0u, testing_support::ReadMachineDword(testing_support::kPerfOsKey, testing_support::kDisableCounters));
        EXPECT_TRUE(cn::CounterRepairMade);
    }
    EXPECT_FALSE(cn::LodctrPending);
    // Two passes over every probe and the processor form.
    EXPECT_EQ(static_cast<long>(2 * (kProbeCount + 1)), FakePdh::Calls("PdhValidatePathW"));
    EXPECT_TRUE(cn::CounterNamesMissing);
    EXPECT_FALSE(cn::EnglishCounterNames);
    EXPECT_STREQ(L"Processor", cn::GetCounterName(cn::kProcessorObject));
    EXPECT_STREQ(L"% Processor Time", cn::GetCounterName(cn::kProcessorTime));

    // Later passes neither rebuild nor repair again.
    if (switchable)
        testing_support::WriteMachineDword(testing_support::kPerfOsKey, testing_support::kDisableCounters, 1);
    cn::SelectCounterNames();
    EXPECT_EQ(1, gRebuilds);
    EXPECT_EQ(static_cast<long>(3 * (kProbeCount + 1)), FakePdh::Calls("PdhValidatePathW"));
    if (switchable) {
        EXPECT_EQ(1u, testing_support::ReadMachineDword(testing_support::kPerfOsKey, testing_support::kDisableCounters));
        testing_support::WriteMachineDword(testing_support::kPerfOsKey, testing_support::kDisableCounters, 0);
    }
}

TEST(PerflibIndex, TheLargestEvenPositionIntegerOfAWholeTable)
{
    struct Case {
        std::vector<const wchar_t*> entries;
        int32_t largest;
    };
    const Case cases[] = {
        {{}, -1},
        {{L"1"}, -1},
        {{L"1", L"1847", L"2"}, -1},
        {{L"1", L"1847", L"2", L"System", L"4", L"Memory"}, 4},
        {{L"1", L"x", L"10", L"y", L"4", L"z"}, 10},
        // Names are never indexes, even when they look like numbers.
        {{L"2", L"9999", L"4", L"Memory"}, 4},
        {{L"abc", L"x", L"7x", L"y"}, -1},
        {{L"-5", L"a", L"2", L"b"}, 2},
    };
    for (const Case& c : cases) {
        s::str::strarray::StrArray* table = s::str::strarray::StrArray::New();
        for (const wchar_t* e : c.entries)
            table->AddText(e);
        EXPECT_EQ(c.largest, cn::LargestPerflibIndex(table)) << c.entries.size();
        table->ReleaseToPool();
    }
    EXPECT_EQ(-1, cn::LargestPerflibIndex(nullptr));
}

} // namespace
