#pragma once
#include <atomic>
#include <cstdint>

#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ITask.h"
#include "core/thread/ObjLocker.h"
#include "core/thread/Thread.h"
#include "measurement/network/IGipFinder.h"

namespace s {
namespace system {
namespace network {
namespace win {

// The page that answers with the caller's public address as plain text.
extern const wchar_t kAddressPageUrl[];

// What the finder calls, replaceable so that tests can script answers and shorten the waits.
struct GipFinderCalls {
    // The system has a connection that is not offline.
    bool (*isConnected)();
    // Downloads url into a file whose path is written into path; ends early, failing, once
    // cancel is set.
    bool (*download)(const wchar_t* url, wchar_t* path, uint32_t pathChars, const std::atomic<bool>* cancel);
    // The wait after an attempt without an address, and its steps.
    int32_t retryWaitMs;
    int32_t sleepStepMs;
};

GipFinderCalls& GetGipFinderCalls();
GipFinderCalls SystemGipFinderCalls();

// Asks the address page for the machine's public address on its own worker, at normal priority,
// every 60 s until a valid address is found.
class GipFinder : public IGipFinder, public thread::IPoolable, public thread::ITask {
public:
    // How long Stop waits for the worker.
    static constexpr int32_t kStopWaitMs = 2000;
    // The most of an answer that is read.
    static constexpr uint32_t kAnswerBytes = 100;
    static constexpr uint32_t kPathChars = 780;

    GipFinder();
    ~GipFinder() override;

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;

    void Start() override;
    // With wait, gives the worker 2,000 ms to end; a worker still inside a download is left to
    // end by itself, never terminated, so that no lock it holds stays taken.
    void Stop(bool wait) override;
    void ClearFound() override;
    bool IsFound() override;
    bool GetAddress(str::strbuffer::StrBuffer* out) override;

    void Run() override;

    void ReleaseToPool() override;
    void Reset() override;

    static thread::EasyPooler* GetPool();
    static GipFinder* New();

    // The address in an answer: its first 100 bytes, blanks around them trimmed, taken only when
    // they are a valid IPv4 or IPv6 text. False otherwise.
    static bool ReadAnswer(const char* bytes, uint32_t size, str::strbuffer::StrBuffer* address);

private:
    GipFinder(const GipFinder&) = delete;
    GipFinder& operator=(const GipFinder&) = delete;

    // One download and its answer; true when an address was found.
    bool TryOnce();
    bool IsBusy();

    thread::win::Thread* worker_;
    std::atomic<bool> running_;
    std::atomic<bool> cancel_;
    std::atomic<bool> found_;
    str::strbuffer::StrBuffer address_;
    thread::ObjLocker locker_;
};

// The one process-wide finder.
IGipFinder* GetGipFinder();

} // namespace win
} // namespace network
} // namespace system
} // namespace s
