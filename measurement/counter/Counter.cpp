#include "measurement/counter/Counter.h"

#include <cstdlib>
#include <cwchar>
#include <mutex>

#include "core/str/StrBuffer.h"
#include "measurement/counter/PdhLibrary.h"

namespace s {
namespace system {
namespace counter {
namespace win {

namespace {
const DWORD_PTR kQueryUserData = 1;
const DWORD kFormatLarge = PDH_FMT_LARGE;
const PDH_STATUS kPdhMoreData = static_cast<PDH_STATUS>(0x800007D2);
// The sampler sleeps in steps so that a stop request ends it soon.
const int32_t kSleepStepMs = 100;
const wchar_t kTotalInstance[] = L"_Total";
const size_t kTotalLength = 6;
// A wildcard expansion that keeps growing between the size question and the read is asked again
// this often before the list is left empty.
const int kExpandAttempts = 3;

// The one formatted value that every collection pass writes into, under its own lock.
struct FormatScratch {
    CRITICAL_SECTION lock;
    PDH_FMT_COUNTERVALUE value;
    FormatScratch() : value() { InitializeCriticalSection(&lock); }
    ~FormatScratch() { DeleteCriticalSection(&lock); }
};

FormatScratch& GetFormatScratch()
{
    static FormatScratch scratch;
    return scratch;
}

// The buffer of the wildcard expansions, grown as needed and kept, under its own lock.
struct ExpandScratch {
    CRITICAL_SECTION lock;
    wchar_t* buffer;
    DWORD capacity;
    ExpandScratch() : buffer(nullptr), capacity(0) { InitializeCriticalSection(&lock); }
    ~ExpandScratch()
    {
        std::free(buffer);
        DeleteCriticalSection(&lock);
    }
    // Room for length characters and a closing double NUL, all zero.
    bool Reserve(DWORD length)
    {
        const DWORD need = length + 2;
        if (need > capacity) {
            wchar_t* grown = static_cast<wchar_t*>(std::realloc(buffer, need * sizeof(wchar_t)));
            if (!grown)
                return false;
            buffer = grown;
            capacity = need;
        }
        std::wmemset(buffer, 0, capacity);
        return true;
    }
};

ExpandScratch& GetExpandScratch()
{
    static ExpandScratch scratch;
    return scratch;
}

bool IsTotal(const wchar_t* name, size_t length)
{
    return length == kTotalLength && _wcsnicmp(name, kTotalInstance, kTotalLength) == 0;
}

// Appends the instance of one expanded path unless it is the total.
void AppendInstance(const wchar_t* path, str::strarray::StrArray* list)
{
    const wchar_t* open = std::wcschr(path, L'(');
    if (!open)
        return;
    const wchar_t* close = std::wcschr(open + 1, L')');
    if (!close)
        return;
    const size_t length = static_cast<size_t>(close - open - 1);
    if (IsTotal(open + 1, length))
        return;
    str::strbuffer::StrBuffer* name = str::strbuffer::StrBuffer::New();
    if (!name)
        return;
    name->AppendChars(open + 1, static_cast<uint32_t>(length));
    list->Add(name);
}
} // namespace

Counter::Counter()
    : queryOpened_(false), query_(nullptr), sampler_(nullptr), stopRequest_(false), samplerStarted_(false)
{
    records_.SetCleaner(&recordCleaner_);
    if (!IsPdhBound()) {
        LoadPdh();
        SetPdhBound();
    }
    const PdhFunctions& pdh = GetPdhFunctions();
    if (pdh.openQuery && pdh.openQuery(nullptr, kQueryUserData, &query_) == ERROR_SUCCESS)
        queryOpened_ = true;
    sampler_ = thread::win::Thread::New();
    if (sampler_)
        sampler_->SetPriority(thread::win::Thread::kPriorityBelowNormal);
    Counter::Reset();
}

Counter::~Counter()
{
    Counter::Reset();
    if (queryOpened_) {
        const PdhFunctions& pdh = GetPdhFunctions();
        if (pdh.closeQuery)
            pdh.closeQuery(query_);
        queryOpened_ = false;
    }
    // Deleted, not given back: at exit the thread pool may be gone already.
    delete sampler_;
    sampler_ = nullptr;
}

const wchar_t* Counter::GetClassName()
{
    return L"s_system_counter_win_Counter";
}

base::IObject* Counter::NewInstance()
{
    return New();
}

void Counter::ReleaseToPool()
{
    GetPool()->Give(this);
}

thread::EasyPooler* Counter::GetPool()
{
    return &thread::PoolOf<Counter>();
}

Counter* Counter::New()
{
    return thread::TakeFromPool<Counter>();
}

void Counter::Reset()
{
    stopRequest_ = true;
    if (sampler_)
        sampler_->WaitUntilIdle();
    stopRequest_ = false;
    thread::ScopedLock hold(locker_);
    samplerStarted_ = false;
    records_.FreeAll();
    if (paths_.GetCount() != 0)
        paths_.Clear();
}

void Counter::Run()
{
    while (!stopRequest_) {
        {
            thread::ScopedLock hold(locker_);
            CollectAll();
        }
        for (int32_t slept = 0; slept < kSamplePeriodMs && !stopRequest_; slept += kSleepStepMs)
            Sleep(kSleepStepMs);
    }
}

int32_t Counter::AddCounter(const wchar_t* path)
{
    if (!path)
        return -1;
    str::strbuffer::StrBuffer* text = str::strbuffer::StrBuffer::FromText(path);
    if (!text)
        return -1;
    // Before the lock: the callers serialise their adds, and the sampler never changes the paths.
    const uint32_t known = paths_.GetCount();
    for (uint32_t i = 0; i < known; ++i) {
        if (paths_.Get(i)->Equals(text)) {
            text->ReleaseToPool();
            return static_cast<int32_t>(i);
        }
    }
    Record* record = static_cast<Record*>(std::calloc(1, sizeof(Record)));
    if (!record) {
        text->ReleaseToPool();
        return -1;
    }
    const PdhFunctions& pdh = GetPdhFunctions();
    thread::ScopedLock hold(locker_);
    if (!queryOpened_ || !pdh.addCounter ||
        pdh.addCounter(query_, text->GetText(), reinterpret_cast<DWORD_PTR>(record), &record->counter) !=
            ERROR_SUCCESS) {
        std::free(record);
        text->ReleaseToPool();
        return -1;
    }
    records_.Append(record);
    paths_.Add(text);
    if (!samplerStarted_ && sampler_) {
        sampler_->RunOnce(this);
        samplerStarted_ = true;
    }
    return static_cast<int32_t>(records_.GetCount()) - 1;
}

bool Counter::CollectAll()
{
    const PdhFunctions& pdh = GetPdhFunctions();
    if (queryOpened_ && pdh.collectQueryData)
        pdh.collectQueryData(query_);
    FormatScratch& scratch = GetFormatScratch();
    const uint32_t count = records_.GetCount();
    for (uint32_t i = 0; i < count; ++i) {
        Record* record = static_cast<Record*>(records_.Get(i));
        record->valid = 1;
        thread::ScopedLock hold(scratch.lock);
        if (!pdh.getFormattedCounterValue ||
            pdh.getFormattedCounterValue(record->counter, kFormatLarge, nullptr, &scratch.value) != ERROR_SUCCESS ||
            scratch.value.CStatus != 0) {
            record->valid = 0;
            record->value = 0;
        } else {
            record->value = scratch.value.largeValue;
        }
    }
    return true;
}

bool Counter::Read(int32_t index, int64_t* value)
{
    thread::ScopedLock hold(locker_);
    if (index < 0 || static_cast<uint32_t>(index) >= records_.GetCount()) {
        *value = 0;
        return false;
    }
    const Record* record = static_cast<const Record*>(records_.Get(static_cast<uint32_t>(index)));
    *value = record->value;
    return record->valid != 0;
}

int32_t Counter::GetCount()
{
    thread::ScopedLock hold(locker_);
    return static_cast<int32_t>(records_.GetCount());
}

bool Counter::IsSamplerStarted()
{
    thread::ScopedLock hold(locker_);
    return samplerStarted_;
}

void Counter::ExpandInstances(const wchar_t* path, str::strarray::StrArray* list)
{
    list->Clear();
    const PdhFunctions& pdh = GetPdhFunctions();
    if (!pdh.expandCounterPath || !path)
        return;
    ExpandScratch& scratch = GetExpandScratch();
    thread::ScopedLock hold(scratch.lock);
    for (int attempt = 0; attempt < kExpandAttempts; ++attempt) {
        DWORD length = 0;
        PDH_STATUS status = pdh.expandCounterPath(path, nullptr, &length);
        if (status == kPdhMoreData)
            ++length;
        else if (status != ERROR_SUCCESS || length == 0)
            return;
        if (!scratch.Reserve(length))
            return;
        DWORD given = length;
        status = pdh.expandCounterPath(path, scratch.buffer, &given);
        if (status == kPdhMoreData)
            continue;
        if (status != ERROR_SUCCESS)
            return;
        // The reserve keeps a double NUL after the given length whatever the library wrote.
        for (const wchar_t* entry = scratch.buffer; *entry; entry += std::wcslen(entry) + 1)
            AppendInstance(entry, list);
        return;
    }
}

Counter& SharedCounter()
{
    // The scratch objects exist before the shared counter, so they are destroyed after it at
    // exit, while its sampler may still be reading through them.
    GetFormatScratch();
    GetExpandScratch();
    static Counter shared;
    return shared;
}

} // namespace win
} // namespace counter
} // namespace system
} // namespace s
