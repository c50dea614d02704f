#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

#include "core/thread/Thread.h"
#include "support/ThreadPlace.h"

using s::thread::ITask;
using s::thread::win::Thread;

namespace {

// Every wait of these tests is bounded: a hang shows as a failure, never as a stuck run.
const DWORD kHangLimitMs = 20000;

int64_t NowMs()
{
    static const int64_t frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<int64_t>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<int64_t>(now.QuadPart) * 1000 / frequency;
}

bool WaitFor(const std::function<bool()>& condition, DWORD limitMs = kHangLimitMs)
{
    const int64_t end = NowMs() + limitMs;
    while (!condition()) {
        if (NowMs() > end)
            return false;
        Sleep(1);
    }
    return true;
}

// As WaitFor, but looks again at once for a short while first, so that the caller acts in the
// very moment the condition comes true.
bool SpinFor(const std::function<bool()>& condition, DWORD limitMs)
{
    const int kEagerLooks = 20000;
    for (int i = 0; i < kEagerLooks; ++i) {
        if (condition())
            return true;
        if (i % 64 == 63)
            SwitchToThread();
    }
    return WaitFor(condition, limitMs);
}

DWORD WINAPI RunCall(void* parameter)
{
    (*static_cast<std::function<void()>*>(parameter))();
    return 0;
}

// Runs a call that may block on a helper thread and tells whether it returned in time. A call
// that hangs is left behind with its arguments (the test has failed by then).
bool ReturnsWithin(std::function<void()> call, DWORD limitMs = kHangLimitMs)
{
    auto* held = new std::function<void()>(std::move(call));
    HANDLE helper = CreateThread(nullptr, 0, &RunCall, held, 0, nullptr);
    if (!helper) {
        delete held;
        return false;
    }
    const bool returned = WaitForSingleObject(helper, limitMs) == WAIT_OBJECT_0;
    CloseHandle(helper);
    if (returned)
        delete held;
    return returned;
}

// Counts its runs and notes when each began and ended; a run can be made to last a while.
class Probe : public ITask {
public:
    explicit Probe(DWORD workMs = 0) : workMs_(workMs) {}

    void Run() override
    {
        const int64_t start = NowMs();
        if (workMs_)
            Sleep(workMs_);
        {
            std::lock_guard<std::mutex> hold(mutex_);
            starts_.push_back(start);
            ends_.push_back(NowMs());
        }
        runs_.fetch_add(1);
    }

    int Runs() const { return runs_.load(); }
    std::vector<int64_t> Starts()
    {
        std::lock_guard<std::mutex> hold(mutex_);
        return starts_;
    }
    std::vector<int64_t> Ends()
    {
        std::lock_guard<std::mutex> hold(mutex_);
        return ends_;
    }

private:
    DWORD workMs_;
    std::atomic<int> runs_{0};
    std::mutex mutex_;
    std::vector<int64_t> starts_;
    std::vector<int64_t> ends_;
};

// Stays in its run until released.
class Blocker : public ITask {
public:
    void Run() override
    {
        entered_ = true;
        while (!released_)
            Sleep(1);
    }
    std::atomic<bool> entered_{false};
    std::atomic<bool> released_{false};
};

// Late: first waits inside the system until its timer is due (none: not at all), then runs its
// own code until released.
class LateWorker : public ITask {
public:
    explicit LateWorker(HANDLE timer) : timer_(timer) {}
    void Run() override
    {
        entered_ = true;
        if (timer_)
            WaitForSingleObject(timer_, INFINITE);
        while (!released_)
            ++spins_;
    }
    HANDLE timer_;
    std::atomic<bool> entered_{false};
    std::atomic<bool> released_{false};
    std::atomic<long> spins_{0};
};

// A pooled thread, given back at the end of the test; one that was told to exit is deleted
// instead, so a test that exits a thread leaves the pool exactly as it found it.
class ThreadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        thread_ = Thread::New();
        ASSERT_NE(thread_, nullptr);
    }
    void TearDown() override
    {
        if (!thread_)
            return;
        Thread* thread = thread_;
        thread_ = nullptr;
        const bool exited = exited_;
        EXPECT_TRUE(ReturnsWithin([thread, exited] {
            if (exited)
                delete thread;
            else
                thread->ReleaseToPool();
        })) << "giving the thread back hung";
    }
    bool WaitIdle() { return WaitFor([this] { return thread_->IsIdle(); }); }

    Thread* thread_ = nullptr;
    bool exited_ = false;
};

TEST_F(ThreadTest, CountedSeriesRunExactlyTheirCountThenGoIdle)
{
    struct Case {
        int32_t n;
        int expected;
    };
    const Case cases[] = {{1, 1}, {3, 3}, {0, 0}};
    for (const Case& c : cases) {
        Probe probe;
        thread_->RunTimes(&probe, c.n);
        ASSERT_TRUE(WaitIdle()) << "n=" << c.n;
        // Idle is set only after the last run; nothing may follow it.
        Sleep(50);
        EXPECT_EQ(probe.Runs(), c.expected) << "n=" << c.n;
        EXPECT_TRUE(thread_->IsIdle());
    }
}

TEST_F(ThreadTest, RunOnceAfterASeriesRunsTheNewTaskOnce)
{
    Probe first;
    Probe second;
    thread_->RunTimes(&first, 4);
    ASSERT_TRUE(WaitIdle());
    thread_->RunOnce(&second);
    ASSERT_TRUE(WaitFor([&] { return second.Runs() == 1; }));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(first.Runs(), 4);
    EXPECT_EQ(second.Runs(), 1);
}

TEST_F(ThreadTest, ThreadRunsItsTaggedFunctionThroughItsOwnTaskFace)
{
    static std::atomic<ITask*> seen{nullptr};
    seen = nullptr;
    thread_->SetTag([](ITask* self) { seen = self; });
    thread_->RunOnce(thread_);
    ASSERT_TRUE(WaitFor([] { return seen.load() != nullptr; }));
    EXPECT_EQ(seen.load(), static_cast<ITask*>(thread_));
    ASSERT_TRUE(WaitIdle());
}

TEST_F(ThreadTest, PauseModeWaitsTheIntervalBetweenRunsButNotAfterTheLast)
{
    const int32_t interval = 1000;
    Probe probe;
    thread_->RunTimesEvery(&probe, 2, interval);
    ASSERT_TRUE(WaitFor([&] { return probe.Runs() == 2; }));
    ASSERT_TRUE(WaitIdle());
    const int64_t idleAt = NowMs();
    const std::vector<int64_t> starts = probe.Starts();
    const std::vector<int64_t> ends = probe.Ends();
    const int64_t pause = starts[1] - ends[0];
    EXPECT_GE(pause, interval - 10);
    EXPECT_LT(pause, interval + 2000);
    // A wait after the last run would keep the thread busy for another whole interval.
    EXPECT_LT(idleAt - ends[1], interval - 200);
}

TEST_F(ThreadTest, FixedRateKeepsItsPeriodAndStartsLateRunsAtOnce)
{
    struct Case {
        int32_t interval;
        DWORD work;
    };
    // A run shorter than the period, and one longer than it.
    const Case cases[] = {{300, 150}, {200, 350}};
    for (const Case& c : cases) {
        Probe probe(c.work);
        const int runs = 6;
        thread_->RunTimesAtRate(&probe, runs, c.interval);
        ASSERT_TRUE(WaitFor([&] { return probe.Runs() == runs; })) << "interval " << c.interval;
        ASSERT_TRUE(WaitIdle());
        const std::vector<int64_t> starts = probe.Starts();
        const std::vector<int64_t> ends = probe.Ends();
        const int64_t expectedPeriod = c.work < static_cast<DWORD>(c.interval) ? c.interval : c.work;
        int64_t gaps = 0;
        for (int i = 1; i < runs; ++i)
            gaps += starts[i] - ends[i - 1];
        // Over the whole series, so that one late start cannot make a period look short.
        const int64_t meanPeriod = (starts[runs - 1] - starts[0]) / (runs - 1);
        EXPECT_GE(meanPeriod, expectedPeriod - 10) << "interval " << c.interval;
        // Sleeping the interval after each run would add the run's length to every period.
        EXPECT_LT(meanPeriod, expectedPeriod + 120) << "interval " << c.interval;
        if (c.work > static_cast<DWORD>(c.interval)) {
            EXPECT_LT(gaps / (runs - 1), 100) << "late runs must follow at once";
        }
    }
}

TEST_F(ThreadTest, ForeverSeriesWaitAfterEveryRunUntilStopped)
{
    Probe probe;
    thread_->RunForeverEvery(&probe, 50);
    ASSERT_TRUE(WaitFor([&] { return probe.Runs() >= 4; }));
    ASSERT_TRUE(ReturnsWithin([this] { thread_->StopAndWait(); }));
    EXPECT_TRUE(thread_->IsIdle());
    const int stoppedAt = probe.Runs();
    Sleep(200);
    EXPECT_EQ(probe.Runs(), stoppedAt);

    const std::vector<int64_t> starts = probe.Starts();
    const std::vector<int64_t> ends = probe.Ends();
    for (size_t i = 1; i < starts.size(); ++i)
        EXPECT_GE(starts[i] - ends[i - 1], 50 - 10);
}

TEST_F(ThreadTest, ForcedRestartOfABusyThreadKeepsItsPriority)
{
    ASSERT_TRUE(thread_->SetPriority(Thread::kPriorityBelowNormal));
    Blocker blocker;
    thread_->RunOnce(&blocker);
    ASSERT_TRUE(WaitFor([&] { return blocker.entered_.load(); }));
    const uint32_t oldId = thread_->GetThreadId();

    ASSERT_TRUE(ReturnsWithin([this] { thread_->ForceRestart(100); }));
    EXPECT_TRUE(thread_->IsIdle());
    EXPECT_NE(thread_->GetThreadId(), oldId);
    EXPECT_EQ(thread_->GetPriority(), Thread::kPriorityBelowNormal);

    Probe probe;
    thread_->RunTimes(&probe, 2);
    ASSERT_TRUE(WaitFor([&] { return probe.Runs() == 2; }));
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(thread_->GetPriority(), Thread::kPriorityBelowNormal);
    blocker.released_ = true;
}

TEST_F(ThreadTest, ForcedRestartEndsAWorkerLateInItsOwnCodeAtOnce)
{
    ASSERT_TRUE(thread_->SetPriority(Thread::kPriorityBelowNormal));
    LateWorker late(nullptr);
    thread_->RunOnce(&late);
    ASSERT_TRUE(WaitFor([&] { return late.spins_ > 0; }));
    HANDLE old = OpenThread(SYNCHRONIZE, FALSE, thread_->GetThreadId());
    ASSERT_NE(nullptr, old);

    const int64_t start = NowMs();
    ASSERT_TRUE(ReturnsWithin([this] { thread_->ForceRestart(100); }));
    EXPECT_LT(NowMs() - start, 4000) << "no patience spent on a thread in its own code";
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(old, 0)) << "the late worker has ended";
    EXPECT_TRUE(thread_->IsIdle());
    EXPECT_EQ(thread_->GetPriority(), Thread::kPriorityBelowNormal);
    Probe probe;
    thread_->RunOnce(&probe);
    EXPECT_TRUE(WaitFor([&] { return probe.Runs() == 1; }));
    CloseHandle(old);
}

TEST_F(ThreadTest, ForcedRestartEndsAWorkerLateInsideTheSystemOnlyOnceOutOfIt)
{
    ASSERT_TRUE(thread_->SetPriority(Thread::kPriorityBelowNormal));
    HANDLE timer = CreateWaitableTimerW(nullptr, TRUE, nullptr);
    ASSERT_NE(nullptr, timer);
    LateWorker late(timer);
    thread_->RunOnce(&late);
    ASSERT_TRUE(WaitFor([&] { return late.entered_.load(); }));
    const uint32_t oldId = thread_->GetThreadId();
    HANDLE old = OpenThread(SYNCHRONIZE | THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, oldId);
    ASSERT_NE(nullptr, old);
    ASSERT_TRUE(WaitFor([&] { return testing_support::RunsSystemCode(old); }));
    // Due well after the restart's own wait, so that the worker is still in the system then.
    LARGE_INTEGER due = {};
    due.QuadPart = -8 * 1000000LL;
    ASSERT_TRUE(SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE));

    ASSERT_TRUE(ReturnsWithin([this] { thread_->ForceRestart(100); }));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(timer, 0)) << "not ended inside its wait";
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(old, 0)) << "the late worker has ended";
    EXPECT_TRUE(thread_->IsIdle());
    EXPECT_NE(thread_->GetThreadId(), oldId);
    EXPECT_EQ(thread_->GetPriority(), Thread::kPriorityBelowNormal);
    Probe probe;
    thread_->RunTimes(&probe, 2);
    EXPECT_TRUE(WaitFor([&] { return probe.Runs() == 2; }));
    CloseHandle(old);
    CloseHandle(timer);
}

TEST_F(ThreadTest, ForcedRestartLeavesAnIdleThreadAlone)
{
    Probe probe;
    thread_->RunOnce(&probe);
    ASSERT_TRUE(WaitIdle());
    const uint32_t id = thread_->GetThreadId();
    ASSERT_TRUE(ReturnsWithin([this] { thread_->ForceRestart(100); }));
    EXPECT_EQ(thread_->GetThreadId(), id);
    thread_->RunOnce(&probe);
    ASSERT_TRUE(WaitFor([&] { return probe.Runs() == 2; }));
}

TEST_F(ThreadTest, ExitEndsAnIdleThread)
{
    Probe probe;
    thread_->RunOnce(&probe);
    ASSERT_TRUE(WaitIdle());
    exited_ = true;
    ASSERT_TRUE(ReturnsWithin([this] { thread_->Exit(); }));
}

TEST_F(ThreadTest, ExitEndsAThreadThatWasNeverStarted)
{
    exited_ = true;
    ASSERT_TRUE(ReturnsWithin([this] { thread_->Exit(); }));
}

TEST_F(ThreadTest, ExitWaitsForTheRunInProgress)
{
    Probe probe(200);
    thread_->RunForever(&probe);
    ASSERT_TRUE(WaitFor([&] { return probe.Runs() >= 1; }));
    exited_ = true;
    ASSERT_TRUE(ReturnsWithin([this] { thread_->Exit(); }));
    const int runs = probe.Runs();
    Sleep(300);
    EXPECT_EQ(probe.Runs(), runs);
}

TEST_F(ThreadTest, NoRunRequestRestartsAnEndedLoopAndNoWaitHangsOnIt)
{
    exited_ = true;
    ASSERT_TRUE(ReturnsWithin([this] { thread_->Exit(); }));
    Probe probe;
    thread_->RunOnce(&probe);
    // The request cleared idle and finished, but the loop is gone and will set neither again.
    EXPECT_TRUE(ReturnsWithin([this] { thread_->WaitUntilIdle(); }));
    EXPECT_TRUE(ReturnsWithin([this] { thread_->Exit(); }));
    EXPECT_EQ(probe.Runs(), 0);
}

TEST_F(ThreadTest, ThreadBackFromThePoolRunsAgainAndExits)
{
    Probe probe;
    thread_->SetPriority(Thread::kPriorityBelowNormal);
    thread_->RunOnce(&probe);
    ASSERT_TRUE(WaitIdle());
    // Released idle it is suspended once more on top of its idle wait; the pool hands the most
    // recently released thread out first.
    Thread* released = thread_;
    thread_ = nullptr;
    ASSERT_TRUE(ReturnsWithin([released] { released->ReleaseToPool(); }));
    thread_ = Thread::New();
    ASSERT_EQ(thread_, released);
    EXPECT_EQ(thread_->GetPriority(), Thread::kPriorityNormal);

    thread_->RunOnce(&probe);
    ASSERT_TRUE(WaitFor([&] { return probe.Runs() == 2; }));
    ASSERT_TRUE(WaitIdle());
    exited_ = true;
    ASSERT_TRUE(ReturnsWithin([this] { thread_->Exit(); }));
}

// Giving back a thread whose loop was told to end must not hand a dead thread to the next
// taker, whose requests would then never run.
TEST_F(ThreadTest, ThreadGivenBackAfterExitRunsForItsNextTaker)
{
    struct Case {
        const char* name;
        bool busy;
    };
    const Case cases[] = {{"exited while idle", false}, {"told to exit while busy", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Blocker blocker;
        if (c.busy) {
            thread_->RunOnce(&blocker);
            ASSERT_TRUE(WaitFor([&] { return blocker.entered_.load(); }));
            thread_->RequestExit();
            blocker.released_ = true;
        } else {
            ASSERT_TRUE(ReturnsWithin([this] { thread_->Exit(); }));
        }
        Thread* released = thread_;
        thread_ = nullptr;
        ASSERT_TRUE(ReturnsWithin([released] { released->ReleaseToPool(); }));
        thread_ = Thread::New();
        ASSERT_EQ(thread_, released);

        Probe probe;
        thread_->RunOnce(&probe);
        const bool ran = WaitFor([&] { return probe.Runs() == 1; }, 5000);
        // A dead thread must not go back to the pool for the tests after this one.
        exited_ = !ran;
        ASSERT_TRUE(ran) << "the request to a thread back from the pool never ran";
        ASSERT_TRUE(WaitIdle());
    }
}

TEST_F(ThreadTest, ReleasingABusyThreadStopsItFirst)
{
    Probe probe(20);
    thread_->RunForever(&probe);
    ASSERT_TRUE(WaitFor([&] { return probe.Runs() >= 2; }));
    Thread* released = thread_;
    thread_ = nullptr;
    ASSERT_TRUE(ReturnsWithin([released] { released->ReleaseToPool(); }));
    EXPECT_TRUE(released->IsIdle());
    const int runs = probe.Runs();
    Sleep(100);
    EXPECT_EQ(probe.Runs(), runs);
}

// Each request lands just as the loop has finished a run and is on its way to its idle wait,
// the moment where a request used to wake a thread that had not yet gone to sleep.
TEST_F(ThreadTest, RequestsHandedOverWhileTheLoopGoesIdleAreNeverLost)
{
    const int kHandOvers = 20000;
    Probe probe;
    bool lost = false;
    int expected = 0;
    for (int i = 0; i < kHandOvers && !lost; ++i) {
        const int32_t times = i % 3 == 2 ? 2 : 1;
        thread_->RunTimes(&probe, times);
        expected += times;
        lost = !SpinFor([&] { return probe.Runs() == expected; }, 5000);
        if (!lost && i % 2000 == 1999)
            lost = !ReturnsWithin([this] { thread_->StopAndWait(); });
    }
    ASSERT_FALSE(lost) << "a request was lost after " << probe.Runs() << " runs";
    ASSERT_TRUE(ReturnsWithin([this] { thread_->StopAndWait(); }));
    EXPECT_EQ(probe.Runs(), expected);
    exited_ = true;
    ASSERT_TRUE(ReturnsWithin([this] { thread_->Exit(); }));
}

} // namespace
