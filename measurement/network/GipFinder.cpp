#include "measurement/network/GipFinder.h"

#include <windows.h>
#include <urlmon.h>
#include <wininet.h>

#include "measurement/network/AddressText.h"

namespace s {
namespace system {
namespace network {
namespace win {

const wchar_t kAddressPageUrl[] = L"http://checkip.amazonaws.com/";

namespace {
using str::strbuffer::StrBuffer;

const int32_t kRetryWaitMs = 60000;
const int32_t kSleepStepMs = 200;
const DWORD kOfflineFlag = 0x20;

bool IsConnected()
{
    DWORD flags = 0;
    return InternetGetConnectedState(&flags, 0) && flags != kOfflineFlag;
}

// Lets the download end early: every progress report asks whether the finder is being stopped.
class CancellingCallback : public IBindStatusCallback {
public:
    explicit CancellingCallback(const std::atomic<bool>* cancel) : cancel_(cancel) {}
    virtual ~CancellingCallback() {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IBindStatusCallback)) {
            *object = static_cast<IBindStatusCallback*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the download's stack for the whole download.
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return Verdict(); }
    HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnProgress(ULONG, ULONG, ULONG, LPCWSTR) override { return Verdict(); }
    HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO*) override
    {
        // The address may have changed since the page was last cached.
        *flags |= BINDF_GETNEWESTVERSION;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return Verdict(); }
    HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

private:
    HRESULT Verdict() const { return cancel_->load() ? E_ABORT : S_OK; }
    const std::atomic<bool>* cancel_;
};

bool Download(const wchar_t* url, wchar_t* path, uint32_t pathChars, const std::atomic<bool>* cancel)
{
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    CancellingCallback callback(cancel);
    const HRESULT result = URLDownloadToCacheFileW(nullptr, url, path, pathChars, 0, &callback);
    if (SUCCEEDED(com))
        CoUninitialize();
    return SUCCEEDED(result) && !cancel->load();
}

struct ProcessFinder {
    std::atomic<GipFinder*> finder{nullptr};
    thread::ObjLocker locker;
    ~ProcessFinder()
    {
        // Deleted, not given back: at exit the pools may be gone.
        delete finder.load();
    }
};
} // namespace

GipFinderCalls SystemGipFinderCalls()
{
    GipFinderCalls calls = {};
    calls.isConnected = IsConnected;
    calls.download = Download;
    calls.retryWaitMs = kRetryWaitMs;
    calls.sleepStepMs = kSleepStepMs;
    return calls;
}

GipFinderCalls& GetGipFinderCalls()
{
    static GipFinderCalls calls = SystemGipFinderCalls();
    return calls;
}

bool GipFinder::ReadAnswer(const char* bytes, uint32_t size, StrBuffer* address)
{
    if (size > kAnswerBytes)
        size = kAnswerBytes;
    uint32_t begin = 0;
    uint32_t end = size;
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0; };
    while (begin < end && blank(bytes[begin]))
        ++begin;
    while (end > begin && blank(bytes[end - 1]))
        --end;
    if (end == begin || end - begin > static_cast<uint32_t>(kMaxAddressChars))
        return false;
    wchar_t text[kMaxAddressChars + 1];
    for (uint32_t i = begin; i < end; ++i) {
        // A NUL inside would end the text early and hide what follows it.
        if (bytes[i] == 0)
            return false;
        text[i - begin] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]));
    }
    text[end - begin] = 0;
    if (!IsAddressText(text))
        return false;
    address->Assign(text);
    return true;
}

GipFinder::GipFinder() : worker_(thread::win::Thread::New()), running_(false), cancel_(false), found_(false) {}

GipFinder::~GipFinder()
{
    Stop(true);
    delete worker_;
}

const wchar_t* GipFinder::GetClassName()
{
    return L"s_system_network_win_GipFinder";
}

base::IObject* GipFinder::NewInstance()
{
    return New();
}

thread::EasyPooler* GipFinder::GetPool()
{
    return &thread::PoolOf<GipFinder>();
}

GipFinder* GipFinder::New()
{
    return thread::TakeFromPool<GipFinder>();
}

void GipFinder::ReleaseToPool()
{
    GetPool()->Give(this);
}

void GipFinder::Reset()
{
    Stop(true);
    found_ = false;
    thread::ScopedLock hold(locker_);
    address_.Assign(L"");
}

bool GipFinder::IsBusy()
{
    return running_ || (worker_ && !worker_->IsIdle());
}

void GipFinder::Start()
{
    if (found_ || !worker_)
        return;
    if (cancel_)
        Stop(true);
    thread::ScopedLock hold(locker_);
    if (IsBusy() || cancel_)
        return;
    running_ = true;
    worker_->RunOnce(this);
}

void GipFinder::Stop(bool wait)
{
    cancel_ = true;
    if (!wait || !worker_)
        return;
    const int32_t step = 10;
    for (int32_t waited = 0; waited < kStopWaitMs && IsBusy(); waited += step)
        Sleep(step);
    // A worker still inside a download keeps the cancel request and ends by itself.
    if (!IsBusy())
        cancel_ = false;
}

void GipFinder::ClearFound()
{
    found_ = false;
}

bool GipFinder::IsFound()
{
    return found_;
}

bool GipFinder::GetAddress(StrBuffer* out)
{
    thread::ScopedLock hold(locker_);
    if (!found_)
        return false;
    out->AssignStr(&address_);
    return true;
}

bool GipFinder::TryOnce()
{
    GipFinderCalls& calls = GetGipFinderCalls();
    wchar_t path[kPathChars] = {};
    if (!calls.isConnected() || !calls.download(kAddressPageUrl, path, kPathChars, &cancel_))
        return false;
    const HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    char bytes[kAnswerBytes];
    DWORD read = 0;
    bool ok = ReadFile(file, bytes, kAnswerBytes, &read, nullptr) && read > 0;
    CloseHandle(file);
    DeleteFileW(path);
    if (ok) {
        thread::ScopedLock hold(locker_);
        ok = ReadAnswer(bytes, read, &address_);
        if (ok)
            found_ = true;
    }
    return ok;
}

void GipFinder::Run()
{
    GipFinderCalls& calls = GetGipFinderCalls();
    while (!found_ && !cancel_) {
        if (TryOnce())
            break;
        // Anything but a valid address is no answer: asked again after the wait.
        for (int32_t slept = 0; slept < calls.retryWaitMs && !cancel_; slept += calls.sleepStepMs)
            Sleep(calls.sleepStepMs);
    }
    running_ = false;
}

IGipFinder* GetGipFinder()
{
    static ProcessFinder process;
    if (!process.finder) {
        thread::ScopedLock hold(process.locker);
        if (!process.finder)
            process.finder = GipFinder::New();
    }
    return process.finder;
}

} // namespace win
} // namespace network
} // namespace system
} // namespace s
