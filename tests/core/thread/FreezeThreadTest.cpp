// A thread that would not end is frozen only where it runs the program's own code, never inside
// the system, unless it stays there for the whole patience.
#include <windows.h>

#include <atomic>

#include <gtest/gtest.h>

#include "core/thread/FreezeThread.h"
#include "support/ThreadPlace.h"
#include "support/Wait.h"

namespace {

using s::thread::win::FreezeInOwnCode;
using s::thread::win::TerminateInOwnCode;

const DWORD kPatienceMillis = 500;

std::atomic<bool> stop{false};
std::atomic<long> spins{0};

DWORD WINAPI Spin(void*)
{
    while (!stop)
        ++spins;
    return 0;
}

DWORD WINAPI WaitForEver(void* event)
{
    WaitForSingleObject(static_cast<HANDLE>(event), INFINITE);
    return 0;
}

// Waits inside the system now and then, for a short while each time, and spins between.
DWORD WINAPI SleepAndSpin(void*)
{
    while (!stop) {
        Sleep(5);
        for (int i = 0; i < 100000 && !stop; ++i)
            ++spins;
    }
    return 0;
}

// Waits inside the system until the timer is due, then runs its own code until stopped.
DWORD WINAPI WaitThenSpin(void* timer)
{
    WaitForSingleObject(static_cast<HANDLE>(timer), INFINITE);
    while (!stop)
        ++spins;
    return 0;
}

bool Never(void*)
{
    return false;
}

class FreezeThreadTest : public testing::Test {
protected:
    void SetUp() override
    {
        stop = false;
        spins = 0;
    }
    HANDLE Start(LPTHREAD_START_ROUTINE body, void* argument = nullptr)
    {
        thread_ = CreateThread(nullptr, 0, body, argument, 0, nullptr);
        return thread_;
    }
    // For a thread that was ended by the test.
    void Forget()
    {
        CloseHandle(thread_);
        thread_ = nullptr;
    }
    void TearDown() override
    {
        if (!thread_)
            return;
        stop = true;
        while (ResumeThread(thread_) > 1) {
        }
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }

    HANDLE thread_ = nullptr;
};

TEST_F(FreezeThreadTest, AThreadInItsOwnCodeIsFrozenAtOnce)
{
    ASSERT_NE(nullptr, Start(&Spin));
    while (spins == 0)
        Sleep(1);
    const ULONGLONG start = GetTickCount64();
    EXPECT_TRUE(FreezeInOwnCode(thread_, 60000));
    EXPECT_LT(GetTickCount64() - start, 30000u) << "not held for the patience";
    const long frozen = spins;
    Sleep(50);
    EXPECT_EQ(frozen, spins.load()) << "the thread no longer runs";
}

TEST_F(FreezeThreadTest, AThreadThatComesAndGoesFromTheSystemIsFrozenOutsideIt)
{
    ASSERT_NE(nullptr, Start(&SleepAndSpin));
    while (spins == 0)
        Sleep(1);
    EXPECT_TRUE(FreezeInOwnCode(thread_, 60000));
    const long frozen = spins;
    Sleep(50);
    EXPECT_EQ(frozen, spins.load());
}

TEST_F(FreezeThreadTest, AThreadWaitingInTheSystemIsFrozenThereOnlyAfterThePatience)
{
    HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(nullptr, Start(&WaitForEver, never));
    Sleep(50);
    const ULONGLONG start = GetTickCount64();
    EXPECT_TRUE(FreezeInOwnCode(thread_, kPatienceMillis));
    EXPECT_GE(GetTickCount64() - start, kPatienceMillis - 20);
    EXPECT_EQ(1u, SuspendThread(thread_)) << "suspended once, by the freeze";
    ResumeThread(thread_);
    SetEvent(never);
    TearDown();
    thread_ = nullptr;
    CloseHandle(never);
}

TEST_F(FreezeThreadTest, AThreadThatHasEndedIsNotFrozen)
{
    ASSERT_NE(nullptr, Start(&Spin));
    stop = true;
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread_, 10000));
    EXPECT_FALSE(FreezeInOwnCode(thread_, kPatienceMillis));
}

TEST_F(FreezeThreadTest, AThreadInItsOwnCodeIsEndedAtOnce)
{
    ASSERT_NE(nullptr, Start(&Spin));
    while (spins == 0)
        Sleep(1);
    const ULONGLONG start = GetTickCount64();
    EXPECT_TRUE(TerminateInOwnCode(thread_, 60000));
    EXPECT_LT(GetTickCount64() - start, 30000u) << "not held for the patience";
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread_, 10000)) << "the thread has ended";
    Forget();
}

TEST_F(FreezeThreadTest, AThreadWaitingInTheSystemIsEndedOnlyOnceOutOfIt)
{
    HANDLE timer = CreateWaitableTimerW(nullptr, TRUE, nullptr);
    ASSERT_NE(nullptr, timer);
    ASSERT_NE(nullptr, Start(&WaitThenSpin, timer));
    ASSERT_TRUE(testing_support::WaitUntil([this] { return testing_support::RunsSystemCode(thread_); }, 10000));
    LARGE_INTEGER due = {};
    due.QuadPart = -3 * 1000000LL;
    ASSERT_TRUE(SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE));
    EXPECT_TRUE(TerminateInOwnCode(thread_, 60000));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(timer, 0)) << "not ended before its wait was over";
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread_, 10000)) << "the thread has ended";
    Forget();
    CloseHandle(timer);
}

TEST_F(FreezeThreadTest, AThreadWaitingInTheSystemForEverIsEndedThereAfterThePatience)
{
    HANDLE never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(nullptr, Start(&WaitForEver, never));
    ASSERT_TRUE(testing_support::WaitUntil([this] { return testing_support::RunsSystemCode(thread_); }, 10000));
    const ULONGLONG start = GetTickCount64();
    EXPECT_TRUE(TerminateInOwnCode(thread_, kPatienceMillis));
    EXPECT_GE(GetTickCount64() - start, kPatienceMillis - 20);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread_, 10000)) << "the thread has ended";
    Forget();
    CloseHandle(never);
}

TEST_F(FreezeThreadTest, AThreadNoLongerLateIsLetRunOn)
{
    ASSERT_NE(nullptr, Start(&Spin));
    while (spins == 0)
        Sleep(1);
    EXPECT_FALSE(TerminateInOwnCode(thread_, 60000, &Never, nullptr));
    EXPECT_FALSE(FreezeInOwnCode(thread_, 60000, &Never, nullptr));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(thread_, 0)) << "the thread was not ended";
    const long seen = spins;
    EXPECT_TRUE(testing_support::WaitUntil([seen] { return spins > seen; }, 10000)) << "the thread runs";
}

} // namespace
