#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/IThread.h"
#include "core/thread/ITask.h"
#include "core/thread/ObjLocker.h"

namespace s {
namespace thread {
namespace win {

// A pooled operating-system thread that runs tasks once, n times or forever, back to back, with a
// pause after each run or at a fixed rate, and waits idle for the next request in between.
class Thread : public IThread, public IPoolable, public ITask {
public:
    // What the loop does between two runs of a series.
    enum Mode : int32_t {
        kBackToBack = 0,
        kPauseAfterRun = 1,
        kFixedRate = 2,
    };
    static constexpr int32_t kForever = -1;
    static constexpr int32_t kPriorityBelowNormal = THREAD_PRIORITY_BELOW_NORMAL;
    static constexpr int32_t kPriorityNormal = THREAD_PRIORITY_NORMAL;

    Thread();
    ~Thread() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    uint32_t GetThreadId() override;
    uint32_t RunOnce(ITask* task) override;
    uint32_t RunTimes(ITask* task, int32_t n) override;
    uint32_t RunTimesEvery(ITask* task, int32_t n, int32_t interval) override;
    uint32_t RunTimesAtRate(ITask* task, int32_t n, int32_t interval) override;
    uint32_t RunForever(ITask* task) override;
    uint32_t RunForeverEvery(ITask* task, int32_t interval) override;
    uint32_t RunForeverAtRate(ITask* task, int32_t interval) override;
    bool IsIdle() override;
    // Returns at once when the operating-system thread is gone or was never made: it would
    // never go idle.
    void WaitUntilIdle() override;
    // Gives a busy thread ms to go idle, then replaces it by a new one at the same priority. The
    // old one is ended once it runs the program's own code, or where it is after a patience.
    void ForceRestart(int32_t ms) override;
    void StopRepeating() override;
    void StopAndWait() override;
    void WaitUntilFinished() override;
    void RequestExit() override;
    void Exit() override;
    void SetDelay(int32_t ms) override;
    uint32_t Resume() override;
    uint32_t Suspend() override;
    int32_t GetPriority() override;
    bool SetPriority(int32_t priority) override;
    void SetTag(RunFunction function) override;

    // The thread's own task face: runs the function given to SetTag with this face.
    void Run() override;

    void ReleaseToPool() override;
    void Reset() override;

    static EasyPooler* GetPool();
    // A thread from the pool, idle; give it back with ReleaseToPool.
    static Thread* New();

private:
    // The state shared between the owner and the thread's loop. Written under the lock; idle and
    // finished are also polled without it.
    struct ControlBlock {
        ObjLocker* lock;
        HANDLE handle;
        int32_t delay;
        ITask* task;
        int32_t repeat;
        int32_t mode;
        int32_t interval;
        std::atomic<uint8_t> idle;
        uint8_t stop;
        std::atomic<uint8_t> finished;
        // The idle loop sleeps on it; every request that gives the loop something to do wakes it
        // while holding the lock, so no request can slip in between the loop's last look at the
        // block and its sleep.
        CONDITION_VARIABLE wake;

        void Clear();
    };

    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    static DWORD WINAPI ThreadMain(void* parameter);

    uint32_t Request(ITask* task, int32_t repeat, int32_t mode, int32_t interval);
    void Start();
    // A new loop on a cleared control block, for a thread whose old loop is gone.
    void StartAfresh();
    bool HasEnded();

    HANDLE handle_;
    uint32_t threadId_;
    ObjLocker locker_;
    ControlBlock block_;
    int32_t priority_;
    RunFunction run_;
};

} // namespace win
} // namespace thread
} // namespace s
