#include "core/thread/Thread.h"

#include "core/thread/FreezeThread.h"

namespace s {
namespace thread {
namespace win {

namespace {
const DWORD kSuspendFailed = static_cast<DWORD>(-1);
// Steps of the polling waits.
const DWORD kIdlePollMs = 20;
const DWORD kFinishPollMs = 100;
const int32_t kRestartPollMs = 20;
// How long a killed thread may take to be gone before its control block is given up for good.
const DWORD kTerminateWaitMs = 5000;
// How long a late thread inside the system is let run to get out of it before it is ended there.
const DWORD kTerminatePatienceMs = 5000;

bool StillBusy(void* block)
{
    return static_cast<const std::atomic<uint8_t>*>(block)->load() == 0;
}

// A monotonic millisecond clock for the fixed-rate series; wall-clock changes must not move it.
int64_t MonotonicMillis()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<int64_t>(now.QuadPart / frequency.QuadPart * 1000 +
                                now.QuadPart % frequency.QuadPart * 1000 / frequency.QuadPart);
}
} // namespace

void Thread::ControlBlock::Clear()
{
    lock = nullptr;
    handle = nullptr;
    delay = 0;
    task = nullptr;
    repeat = 0;
    mode = kBackToBack;
    interval = 0;
    idle = 0;
    stop = 0;
    finished = 0;
    InitializeConditionVariable(&wake);
}

Thread::Thread() : handle_(nullptr), threadId_(0), priority_(kPriorityNormal), run_(nullptr)
{
    block_.Clear();
    block_.idle = 1;
    block_.lock = &locker_;
    Start();
}

Thread::~Thread()
{
    if (handle_) {
        Exit();
        CloseHandle(handle_);
        handle_ = nullptr;
    }
}

void Thread::Start()
{
    DWORD id = 0;
    handle_ = CreateThread(nullptr, 0, &Thread::ThreadMain, &block_, CREATE_SUSPENDED, &id);
    threadId_ = handle_ ? id : 0;
    if (handle_) {
        block_.handle = handle_;
        SetPriority(priority_);
    }
}

const wchar_t* Thread::GetClassName()
{
    return L"s_thread_win_Thread";
}

base::IObject* Thread::NewInstance()
{
    return New();
}

EasyPooler* Thread::GetPool()
{
    return &PoolOf<Thread>();
}

Thread* Thread::New()
{
    return TakeFromPool<Thread>();
}

void Thread::ReleaseToPool()
{
    GetPool()->Give(this);
}

void Thread::Reset()
{
    if (block_.stop) {
        // A loop told to end never runs again; the next taker gets a new one.
        Exit();
        if (handle_)
            CloseHandle(handle_);
        handle_ = nullptr;
        threadId_ = 0;
        StartAfresh();
    } else if (!block_.idle) {
        StopAndWait();
    }
    SetPriority(kPriorityNormal);
    ScopedLock hold(*block_.lock);
    Suspend();
    block_.idle = 1;
    run_ = nullptr;
}

DWORD WINAPI Thread::ThreadMain(void* parameter)
{
    ControlBlock* block = static_cast<ControlBlock*>(parameter);
    CRITICAL_SECTION* lock = &block->lock->lock;
    EnterCriticalSection(lock);
    while (!block->stop) {
        if (block->delay != 0) {
            const int32_t delay = block->delay;
            block->delay = 0;
            LeaveCriticalSection(lock);
            Sleep(delay > 0 ? static_cast<DWORD>(delay) : 0);
            EnterCriticalSection(lock);
        } else if (block->repeat == 0) {
            block->idle = 1;
        } else {
            if (block->repeat != kForever)
                --block->repeat;
            ITask* task = block->task;
            const int32_t remaining = block->repeat;
            const int32_t mode = block->mode;
            const int32_t interval = block->interval;
            LeaveCriticalSection(lock);
            const int64_t t0 = MonotonicMillis();
            if (task) {
                task->Run();
                if (mode != kBackToBack && remaining != 0) {
                    if (mode == kPauseAfterRun) {
                        Sleep(interval > 0 ? static_cast<DWORD>(interval) : 0);
                    } else {
                        const int64_t t = MonotonicMillis();
                        if (t < t0 + interval)
                            Sleep(static_cast<DWORD>(t0 + interval - t));
                    }
                }
            }
            EnterCriticalSection(lock);
            // A finished run goes straight on to the next look at the block.
            if (task)
                continue;
        }
        // The look at the block and the sleep are one step under the lock: a request can only
        // come before it (and is seen) or after it (and wakes the sleeper).
        while (block->idle && !block->stop && block->delay == 0)
            SleepConditionVariableCS(&block->wake, lock, INFINITE);
    }
    LeaveCriticalSection(lock);
    block->finished = 1;
    return 0;
}

uint32_t Thread::Request(ITask* task, int32_t repeat, int32_t mode, int32_t interval)
{
    {
        ScopedLock hold(*block_.lock);
        block_.delay = 0;
        block_.task = task;
        block_.repeat = repeat;
        block_.mode = mode;
        block_.interval = interval;
        block_.idle = 0;
        block_.finished = 0;
        WakeAllConditionVariable(&block_.wake);
    }
    return Resume();
}

uint32_t Thread::GetThreadId()
{
    return threadId_;
}

uint32_t Thread::RunOnce(ITask* task)
{
    return Request(task, 1, kBackToBack, 0);
}

uint32_t Thread::RunTimes(ITask* task, int32_t n)
{
    return Request(task, n, kBackToBack, 0);
}

uint32_t Thread::RunTimesEvery(ITask* task, int32_t n, int32_t interval)
{
    return Request(task, n, kPauseAfterRun, interval);
}

uint32_t Thread::RunTimesAtRate(ITask* task, int32_t n, int32_t interval)
{
    return Request(task, n, kFixedRate, interval);
}

uint32_t Thread::RunForever(ITask* task)
{
    return Request(task, kForever, kBackToBack, 0);
}

uint32_t Thread::RunForeverEvery(ITask* task, int32_t interval)
{
    return Request(task, kForever, kPauseAfterRun, interval);
}

uint32_t Thread::RunForeverAtRate(ITask* task, int32_t interval)
{
    return Request(task, kForever, kFixedRate, interval);
}

bool Thread::IsIdle()
{
    return block_.idle != 0;
}

bool Thread::HasEnded()
{
    return !handle_ || WaitForSingleObject(handle_, 0) == WAIT_OBJECT_0;
}

void Thread::WaitUntilIdle()
{
    while (!block_.idle && !HasEnded())
        Sleep(kIdlePollMs);
}

void Thread::StopRepeating()
{
    {
        ScopedLock hold(*block_.lock);
        block_.repeat = 0;
    }
    Resume();
}

void Thread::StopAndWait()
{
    StopRepeating();
    WaitUntilIdle();
}

void Thread::RequestExit()
{
    {
        ScopedLock hold(*block_.lock);
        block_.stop = 1;
        WakeAllConditionVariable(&block_.wake);
    }
    Resume();
}

void Thread::WaitUntilFinished()
{
    while (!block_.finished) {
        if (!handle_) {
            // No thread was ever made, so there is nothing to wait for.
            block_.finished = 1;
            return;
        }
        Resume();
        // A run request clears the flag even after the loop has ended; the thread's own end
        // settles it.
        if (WaitForSingleObject(handle_, kFinishPollMs) == WAIT_OBJECT_0)
            block_.finished = 1;
    }
}

void Thread::Exit()
{
    RequestExit();
    WaitUntilFinished();
}

void Thread::SetDelay(int32_t ms)
{
    ScopedLock hold(*block_.lock);
    block_.delay = ms;
}

uint32_t Thread::Resume()
{
    {
        ScopedLock hold(*block_.lock);
        WakeAllConditionVariable(&block_.wake);
    }
    // Undo every suspension, whoever made it, so the thread ends up running.
    DWORD previous;
    do {
        previous = ResumeThread(handle_);
    } while (previous != kSuspendFailed && previous > 1);
    return previous;
}

uint32_t Thread::Suspend()
{
    ScopedLock hold(*block_.lock);
    return SuspendThread(handle_);
}

int32_t Thread::GetPriority()
{
    return GetThreadPriority(handle_);
}

bool Thread::SetPriority(int32_t priority)
{
    priority_ = priority;
    return SetThreadPriority(handle_, priority) != FALSE;
}

void Thread::SetTag(RunFunction function)
{
    run_ = function;
}

void Thread::Run()
{
    if (run_)
        run_(static_cast<ITask*>(this));
}

void Thread::ForceRestart(int32_t ms)
{
    while (ms > 0) {
        if (block_.idle)
            return;
        Sleep(kRestartPollMs);
        ms -= kRestartPollMs;
    }
    if (block_.idle)
        return;

    const int32_t remembered = priority_;
    bool gone = true;
    if (handle_) {
        // Only while it runs the program's own code: ended inside the system, it could leave one of
        // the system's locks held, and every other thread of the process would wait on it for ever.
        const bool ended = TerminateInOwnCode(handle_, kTerminatePatienceMs, &StillBusy, &block_.idle);
        // Gone idle while it was let run out of the system: nothing to restart.
        if (!ended && block_.idle && !HasEnded())
            return;
        gone = WaitForSingleObject(handle_, kTerminateWaitMs) == WAIT_OBJECT_0;
        CloseHandle(handle_);
    }
    handle_ = nullptr;
    threadId_ = 0;
    if (!gone) {
        // The old loop may still touch its block and lock; leave both to it and run nothing more.
        return;
    }

    // The killed loop may have died holding the lock or queued on it, so the lock starts afresh.
    DeleteCriticalSection(&locker_.lock);
    InitializeCriticalSection(&locker_.lock);
    priority_ = kPriorityNormal;
    StartAfresh();
    SetPriority(remembered);
}

void Thread::StartAfresh()
{
    block_.Clear();
    block_.idle = 1;
    block_.lock = &locker_;
    Start();
}

} // namespace win
} // namespace thread
} // namespace s
