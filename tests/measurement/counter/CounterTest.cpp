#include "measurement/counter/Counter.h"

#include <gtest/gtest.h>

#include <string>

#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "measurement/counter/FakePdhControl.h"

using s::system::counter::win::Counter;
using testing_support::FakePdh;
using testing_support::WaitFor;

namespace {

const wchar_t kProcessorTotal[] = L"\\Processor(_Total)\\% Processor Time";
const DWORD kInvalidData = 0xC0000BBA;

// A query of its own per test, from the pool; given back (and so stopped) at the end.
class FakePdhCounter : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!FakePdh::Install())
            GTEST_SKIP() << "another Pdh.dll was bound first in this process";
        FakePdh::Reset();
        counter_ = Counter::New();
        ASSERT_NE(nullptr, counter_);
        ASSERT_TRUE(counter_->IsQueryOpen());
    }
    void TearDown() override
    {
        if (counter_)
            counter_->ReleaseToPool();
    }

    bool ReadsValue(int32_t index, int64_t expected)
    {
        return WaitFor([&] {
            int64_t value = -1;
            return counter_->Read(index, &value) && value == expected;
        });
    }

    Counter* counter_ = nullptr;
};

TEST_F(FakePdhCounter, AddsEachExactPathOnce)
{
    FakePdh::SetCounter(kProcessorTotal, 1);
    FakePdh::SetCounter(L"\\processor(_total)\\% processor time", 2);

    EXPECT_EQ(0, counter_->AddCounter(kProcessorTotal));
    EXPECT_EQ(0, counter_->AddCounter(kProcessorTotal));
    EXPECT_EQ(1, FakePdh::Adds(kProcessorTotal));
    // Letter case makes another path, and another counter.
    EXPECT_EQ(1, counter_->AddCounter(L"\\processor(_total)\\% processor time"));
    EXPECT_EQ(2, counter_->GetCount());
    EXPECT_TRUE(ReadsValue(0, 1));
    EXPECT_TRUE(ReadsValue(1, 2));
}

TEST_F(FakePdhCounter, ARejectedPathAddsNothingAndStartsNoSampler)
{
    EXPECT_EQ(-1, counter_->AddCounter(L"\\NoSuchObject(_Total)\\Nothing"));
    EXPECT_EQ(-1, counter_->AddCounter(nullptr));
    EXPECT_EQ(0, counter_->GetCount());
    EXPECT_FALSE(counter_->IsSamplerStarted());
    int64_t value = 5;
    EXPECT_FALSE(counter_->Read(-1, &value));
    EXPECT_EQ(0, value);
}

TEST_F(FakePdhCounter, OneBelowNormalSamplerCollectsEveryCounter)
{
    const int kCounters = 40;
    for (int i = 0; i < kCounters; ++i) {
        const std::wstring path = L"\\Process(p" + std::to_wstring(i) + L")\\Working Set";
        FakePdh::SetCounter(path.c_str(), 1000 + i);
        ASSERT_EQ(i, counter_->AddCounter(path.c_str()));
    }
    EXPECT_TRUE(counter_->IsSamplerStarted());
    ASSERT_TRUE(WaitFor([] { return FakePdh::Calls("PdhCollectQueryData") >= 3; }));
    EXPECT_EQ(1, FakePdh::CollectThreads());
    EXPECT_EQ(THREAD_PRIORITY_BELOW_NORMAL, FakePdh::CollectPriority());
    EXPECT_EQ(static_cast<DWORD>(PDH_FMT_LARGE), FakePdh::LastFormat());
    for (int i = 0; i < kCounters; ++i)
        EXPECT_TRUE(ReadsValue(i, 1000 + i)) << i;
}

TEST_F(FakePdhCounter, ReadsTheLatestValueAndItsValidity)
{
    FakePdh::SetCounter(L"\\A\\Good", 7);
    FakePdh::SetCounter(L"\\A\\Bad status", 9, kInvalidData);
    FakePdh::SetCounter(L"\\A\\Failing call", 11);
    FakePdh::FailCounter(L"\\A\\Failing call");
    ASSERT_EQ(0, counter_->AddCounter(L"\\A\\Good"));
    ASSERT_EQ(1, counter_->AddCounter(L"\\A\\Bad status"));
    ASSERT_EQ(2, counter_->AddCounter(L"\\A\\Failing call"));
    ASSERT_TRUE(ReadsValue(0, 7));

    struct Case {
        int32_t index;
        bool valid;
        int64_t value;
    };
    const Case cases[] = {
        {0, true, 7}, {1, false, 0}, {2, false, 0}, {-1, false, 0}, {3, false, 0}, {1000, false, 0},
    };
    for (const Case& c : cases) {
        int64_t value = -5;
        EXPECT_EQ(c.valid, counter_->Read(c.index, &value)) << c.index;
        EXPECT_EQ(c.value, value) << c.index;
    }

    // A failing counter leaves the others alone, and a new value arrives with a later pass.
    FakePdh::SetCounter(L"\\A\\Good", 8);
    EXPECT_TRUE(ReadsValue(0, 8));
}

TEST_F(FakePdhCounter, ACounterHasNoValueBeforeItsFirstCollection)
{
    FakePdh::SetCounter(L"\\A\\First", 3);
    FakePdh::SetCounter(L"\\A\\Second", 4);
    ASSERT_EQ(0, counter_->AddCounter(L"\\A\\First"));
    ASSERT_TRUE(ReadsValue(0, 3));
    // Holding the query's lock keeps the sampler out between the add and the read.
    s::thread::ScopedLock hold(counter_->GetLocker());
    ASSERT_EQ(1, counter_->AddCounter(L"\\A\\Second"));
    int64_t value = -1;
    EXPECT_FALSE(counter_->Read(1, &value));
    EXPECT_EQ(0, value);
}

TEST_F(FakePdhCounter, ResetStopsTheSamplerAndTheNextAddStartsItAgain)
{
    FakePdh::SetCounter(kProcessorTotal, 12);
    ASSERT_EQ(0, counter_->AddCounter(kProcessorTotal));
    ASSERT_TRUE(ReadsValue(0, 12));

    counter_->Reset();
    EXPECT_FALSE(counter_->IsSamplerStarted());
    EXPECT_EQ(0, counter_->GetCount());
    const long collected = FakePdh::Calls("PdhCollectQueryData");
    Sleep(2 * Counter::kSamplePeriodMs);
    EXPECT_EQ(collected, FakePdh::Calls("PdhCollectQueryData"));

    // The path is new again to this query, and a new loop starts with it.
    EXPECT_EQ(0, counter_->AddCounter(kProcessorTotal));
    EXPECT_EQ(2, FakePdh::Adds(kProcessorTotal));
    EXPECT_TRUE(counter_->IsSamplerStarted());
    EXPECT_TRUE(WaitFor([&] { return FakePdh::Calls("PdhCollectQueryData") > collected; }));
    EXPECT_TRUE(ReadsValue(0, 12));
    EXPECT_STREQ(L"s_system_counter_win_Counter", counter_->GetClassName());
}

TEST_F(FakePdhCounter, WithoutAnOpenQueryEveryAddFails)
{
    FakePdh::SetOpenFails(true);
    FakePdh::SetCounter(kProcessorTotal, 1);
    Counter closed;
    EXPECT_FALSE(closed.IsQueryOpen());
    EXPECT_EQ(-1, closed.AddCounter(kProcessorTotal));
    EXPECT_EQ(0, FakePdh::Adds(kProcessorTotal));
    int64_t value = 3;
    EXPECT_FALSE(closed.Read(0, &value));
    EXPECT_EQ(0, value);
}

TEST_F(FakePdhCounter, ExpandsInstancesWithoutTheTotal)
{
    FakePdh::SetExpansion(L"\\Processor(*)\\% Processor Time",
                          {L"\\Processor(0)\\% Processor Time", L"\\Processor(1)\\% Processor Time",
                           L"\\Processor(_Total)\\% Processor Time", L"\\Processor(_TOTAL)\\% Processor Time",
                           L"\\Processor(0 C:)\\% Processor Time", L"no instance here"});
    s::str::strarray::StrArray* list = s::str::strarray::StrArray::New();
    list->AddText(L"stale");
    Counter::ExpandInstances(L"\\Processor(*)\\% Processor Time", list);
    ASSERT_EQ(3u, list->GetCount());
    EXPECT_STREQ(L"0", list->Get(0)->GetText());
    EXPECT_STREQ(L"1", list->Get(1)->GetText());
    EXPECT_STREQ(L"0 C:", list->Get(2)->GetText());

    // An object the system lacks expands to nothing.
    Counter::ExpandInstances(L"\\Nothing(*)\\None", list);
    EXPECT_EQ(0u, list->GetCount());
    list->ReleaseToPool();
}

} // namespace
