#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <vector>

#include "FakeFieldRow.h"
#include "FakeSources.h"
#include "app/monitor/FieldRefresh.h"
#include "app/monitor/RefreshCycle.h"
#include "app/monitor/TrimSchedule.h"
#include "app/monitor/UnknownLocale.h"
#include "measurement/counter/CounterNames.h"
#include "support/BoxRecorder.h"

using namespace s::gui::dialogs::monitor;

namespace {
// A clock that moves only when the worker sleeps, and a window that records the update times.
int64_t fakeNow = 0;
int64_t FakeClock() { return fakeNow; }
void FakeSleep(uint32_t milliseconds) { fakeNow += milliseconds; }

class ScriptedWindow : public IRefreshTarget {
public:
    explicit ScriptedWindow(RefreshCycle* cycle) : cycle_(cycle) {}
    void PrepareRefresh() override { ++prepared; }
    void SendStatusUpdate() override
    {
        updates.push_back(fakeNow);
        fakeNow += handlingTime;
        if (onUpdate)
            onUpdate(this, static_cast<int32_t>(updates.size()));
        if (static_cast<int32_t>(updates.size()) >= stopAfter)
            cycle_->SetClosing(true);
    }
    bool IsIconized() override { return iconized; }

    RefreshCycle* cycle_;
    std::vector<int64_t> updates;
    int32_t prepared = 0;
    int64_t handlingTime = 0;
    bool iconized = false;
    int32_t stopAfter = 4;
    void (*onUpdate)(ScriptedWindow* window, int32_t update) = nullptr;
};

class RefreshCycleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fakeNow = 1000000;
        cycle.SetClock(FakeClock, FakeSleep);
    }
    std::vector<int64_t> Gaps(const ScriptedWindow& window)
    {
        std::vector<int64_t> gaps;
        for (size_t i = 1; i < window.updates.size(); ++i)
            gaps.push_back(window.updates[i] - window.updates[i - 1]);
        return gaps;
    }
    RefreshCycle cycle;
};

TEST_F(RefreshCycleTest, PeriodCountsFromTheStartOfTheCycle)
{
    ScriptedWindow window(&cycle);
    window.handlingTime = 200;
    cycle.Run(&window);
    EXPECT_EQ(1, window.prepared);
    EXPECT_EQ((std::vector<int64_t>{1000, 1000, 1000}), Gaps(window));
    EXPECT_FALSE(cycle.IsRunning());
    // An update longer than the period gives back-to-back updates.
    ScriptedWindow slow(&cycle);
    slow.handlingTime = 1500;
    cycle.SetClosing(false);
    cycle.Run(&slow);
    EXPECT_EQ((std::vector<int64_t>{1500, 1500, 1500}), Gaps(slow));
}

TEST_F(RefreshCycleTest, IconizedWindowIsRefreshedEveryThreeSeconds)
{
    ScriptedWindow window(&cycle);
    cycle.SetPeriod(500);
    window.iconized = true;
    window.stopAfter = 5;
    window.onUpdate = [](ScriptedWindow* w, int32_t update) {
        if (update == 3)
            w->iconized = false;   // restored: back to its own period from the next cycle
    };
    cycle.Run(&window);
    EXPECT_EQ((std::vector<int64_t>{3000, 3000, 500, 500}), Gaps(window));
    // A longer period of its own stays as it is.
    ScriptedWindow slow(&cycle);
    slow.iconized = true;
    cycle.SetPeriod(5000);
    cycle.SetClosing(false);
    cycle.Run(&slow);
    EXPECT_EQ(5000, Gaps(slow)[0]);
}

TEST_F(RefreshCycleTest, WakeRequestAndAClockGoingBackEndTheWait)
{
    ScriptedWindow window(&cycle);
    cycle.SetPeriod(300000);
    window.stopAfter = 3;
    static RefreshCycle* current;
    current = &cycle;
    // The wake request comes from the window's thread while the worker waits; here it is
    // seen at the first step after it.
    cycle.SetClock(FakeClock, [](uint32_t milliseconds) {
        fakeNow += milliseconds;
        if (fakeNow % 1000 == 0)
            current->RequestWake();
    });
    cycle.Run(&window);
    for (int64_t gap : Gaps(window))
        EXPECT_LE(gap, 1000);

    ScriptedWindow back(&cycle);
    back.stopAfter = 2;
    cycle.SetClosing(false);
    cycle.SetClock(FakeClock, [](uint32_t) { fakeNow -= 60000; });
    cycle.Run(&back);
    EXPECT_EQ(-60000, Gaps(back)[0]);   // one step, not five minutes plus an hour
}

TEST_F(RefreshCycleTest, WakeRequestBeforeTheUpdateEndsIsForgotten)
{
    ScriptedWindow window(&cycle);
    window.stopAfter = 3;
    window.onUpdate = [](ScriptedWindow* w, int32_t) { w->cycle_->RequestWake(); };
    cycle.Run(&window);
    EXPECT_EQ((std::vector<int64_t>{1000, 1000}), Gaps(window));
}

TEST(RefreshCycleThread, ReleaseIsSeenWithinAStepOfALongWait)
{
    // The real clock and Sleep: a worker in a five-minute wait leaves soon after the closing flag.
    RefreshCycle cycle;
    cycle.SetPeriod(300000);
    struct Window : IRefreshTarget {
        std::atomic<int32_t> updates{0};
        void PrepareRefresh() override {}
        void SendStatusUpdate() override { ++updates; }
        bool IsIconized() override { return false; }
    } window;
    struct Start {
        RefreshCycle* cycle;
        Window* window;
    } start = {&cycle, &window};
    HANDLE worker = CreateThread(nullptr, 0, [](void* p) -> DWORD {
        Start* s = static_cast<Start*>(p);
        s->cycle->Run(s->window);
        return 0;
    }, &start, 0, nullptr);
    ASSERT_NE(nullptr, worker);
    for (int32_t i = 0; i < 500 && window.updates == 0; ++i)
        Sleep(10);
    ASSERT_EQ(1, window.updates);
    const DWORD before = GetTickCount();
    cycle.SetClosing(true);
    // Well inside the 3,000 ms the controller gives the worker before it ends it by force.
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(worker, 2500));
    EXPECT_LT(GetTickCount() - before, 2500u);
    EXPECT_FALSE(cycle.IsRunning());
    EXPECT_EQ(1, window.updates);
    CloseHandle(worker);
}

int32_t trims = 0;
void CountTrim() { ++trims; }

TEST(TrimScheduleTest, EarlyTrimsOnEveryThirdShownUpdateThenPeriodic)
{
    TrimSchedule schedule;
    schedule.SetTrimmer(CountTrim);
    trims = 0;
    std::vector<int32_t> trimmedAt;
    for (int32_t update = 1; update <= 1300; ++update) {
        const int32_t before = trims;
        schedule.OnUpdate(true);
        if (trims != before)
            trimmedAt.push_back(update);
    }
    EXPECT_EQ((std::vector<int32_t>{3, 6, 9, 12, 15, 61, 662, 1263}), trimmedAt);
    EXPECT_FALSE(schedule.EarlyTrimsEnabled());
    EXPECT_EQ(5, schedule.GetEarlyTrimCount());
}

TEST(TrimScheduleTest, IconizedWindowHasOnlyThePeriodicTrims)
{
    TrimSchedule schedule;
    schedule.SetTrimmer(CountTrim);
    trims = 0;
    for (int32_t update = 1; update <= 661; ++update)
        schedule.OnUpdate(false);
    EXPECT_EQ(1, trims);   // the 61st update
    EXPECT_TRUE(schedule.EarlyTrimsEnabled());
    EXPECT_EQ(0, schedule.GetEarlyTrimCount());
    schedule.OnUpdate(false);
    EXPECT_EQ(2, trims);
    // The default trimmer gives pages back for real and survives being called.
    schedule.SetTrimmer(nullptr);
    for (int32_t update = 0; update < 3; ++update)
        schedule.OnUpdate(true);
    EXPECT_EQ(1, schedule.GetEarlyTrimCount());
}

void CountingCallback(s::system::counter::IFieldRow* field, void* userData, int64_t extraValue)
{
    static_cast<FakeFieldRow*>(field)->value = std::to_wstring(extraValue);
    ++*static_cast<int32_t*>(userData);
}

TEST(FieldRefreshTest, SwitchedOffFieldsAreNotRead)
{
    FakeSourcesScope scope;
    int32_t calls = 0;
    FakeFieldRow on(3), off(3), none(3);
    on.callback = off.callback = CountingCallback;
    on.userData = off.userData = &calls;
    on.extraValue = 7;
    off.enabled = false;
    s::system::counter::IFieldRow* fields[] = {&on, &off, &none, nullptr};
    s::system::counter::RefreshFields(fields, 4);
    EXPECT_EQ(1, calls);
    EXPECT_EQ(L"7", on.value);
    EXPECT_TRUE(off.value.empty());
    EXPECT_EQ(1, Fake().instanceRefreshes);
    off.enabled = true;
    s::system::counter::RefreshFields(fields, 4);
    EXPECT_EQ(3, calls);
}

TEST(UnknownLocaleTest, NoticeOnlyWhenNoLanguageMatchedAndNothingWasRepaired)
{
    using namespace s::system::counter::win;
    EXPECT_FALSE(SetUpCountersAndReportUnknownLocale() && CounterRepairMade);
    testing_support::BoxRecorder::Take();
    const bool missing = CounterNamesMissing, repaired = CounterRepairMade;
    struct Case {
        bool missing, repaired, notice;
    } cases[] = {{true, false, true}, {true, true, false}, {false, false, false}};
    for (const Case& c : cases) {
        CounterNamesMissing = c.missing;
        CounterRepairMade = c.repaired;
        EXPECT_EQ(c.notice, SetUpCountersAndReportUnknownLocale());
        const auto boxes = testing_support::BoxRecorder::Take();
        ASSERT_EQ(c.notice ? 1u : 0u, boxes.size());
        if (c.notice) {
            EXPECT_EQ(kUnknownLocaleText, boxes[0].text);
            EXPECT_EQ(static_cast<UINT>(MB_ICONINFORMATION), boxes[0].type & MB_ICONMASK);
            EXPECT_EQ(nullptr, boxes[0].owner);
        }
    }
    CounterNamesMissing = missing;
    CounterRepairMade = repaired;
}
} // namespace
