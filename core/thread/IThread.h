#pragma once
#include <cstdint>

#include "core/base/IObject.h"
#include "core/thread/ITask.h"

namespace s {
namespace thread {

// A worker that runs tasks on an operating-system thread of its own and waits, idle, for the next.
class IThread : public base::IObject {
public:
    typedef void (*RunFunction)(ITask* self);

    virtual uint32_t GetThreadId() = 0;
    // Run requests answer as Resume does: the previous suspend count of its last resume, or
    // 0xFFFFFFFF when that failed.
    virtual uint32_t RunOnce(ITask* task) = 0;
    virtual uint32_t RunTimes(ITask* task, int32_t n) = 0;
    virtual uint32_t RunTimesEvery(ITask* task, int32_t n, int32_t interval) = 0;
    virtual uint32_t RunTimesAtRate(ITask* task, int32_t n, int32_t interval) = 0;
    virtual uint32_t RunForever(ITask* task) = 0;
    virtual uint32_t RunForeverEvery(ITask* task, int32_t interval) = 0;
    virtual uint32_t RunForeverAtRate(ITask* task, int32_t interval) = 0;
    virtual bool IsIdle() = 0;
    virtual void WaitUntilIdle() = 0;
    virtual void ForceRestart(int32_t ms) = 0;
    virtual void StopRepeating() = 0;
    virtual void StopAndWait() = 0;
    virtual void WaitUntilFinished() = 0;
    virtual void RequestExit() = 0;
    virtual void Exit() = 0;
    virtual void SetDelay(int32_t ms) = 0;
    virtual uint32_t Resume() = 0;
    virtual uint32_t Suspend() = 0;
    virtual int32_t GetPriority() = 0;
    virtual bool SetPriority(int32_t priority) = 0;
    virtual void SetTag(RunFunction function) = 0;
};

} // namespace thread
} // namespace s
