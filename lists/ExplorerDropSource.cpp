#include "lists/ExplorerDropSource.h"

#include <cwchar>

#include "lists/CFileOutputStream.h"
#include "lists/CMyDropSource.h"
#include "mfc/OleMessageFilter.h"
#include "storage/archive/IEntry.h"
#include "storage/archive/ProgressData.h"
#include "storage/events/IEventListener.h"
#include "windowing/WaitAnsweringSends.h"
#include "windowing/Window.h"
#include "windowing/dialogs/Progress.h"

using s::thread::ScopedLock;

namespace s {
namespace gui {
namespace win {

namespace {

static_assert(sizeof(FILEDESCRIPTORW) == 592, "a descriptor of the shell's layout");
static_assert(offsetof(FILEGROUPDESCRIPTORW, fgd) == 4, "descriptors follow the 32-bit count");

const DWORD kPauseStepMillis = 100;
// 100-nanosecond steps from 1601-01-01 to 1970-01-01, and per second.
const int64_t kEpochOffset = 116444736000000000LL;
const int64_t kTicksPerSecond = 10000000LL;
// Beyond this a time no longer fits a FILETIME; such a time is treated as unknown.
const int64_t kLatestSeconds = (INT64_MAX - kEpochOffset) / kTicksPerSecond;

DROPEFFECT SystemDragLoop(ExplorerDropSource* source, COleDropSource* dropSource)
{
    return source->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, dropSource);
}

std::atomic<ExplorerDropSource::DragLoop> dragLoop{&SystemDragLoop};

// The time as a FILETIME; false when it is not known.
bool ToFileTime(int64_t seconds, FILETIME* time)
{
    if (seconds <= 0 || seconds > kLatestSeconds) {
        *time = FILETIME{};
        return false;
    }
    const uint64_t ticks = static_cast<uint64_t>(kEpochOffset + seconds * kTicksPerSecond);
    time->dwLowDateTime = static_cast<DWORD>(ticks);
    time->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return true;
}

} // namespace

ExplorerDropSource::ExplorerDropSource()
    : application_(nullptr), dialogOwner_(nullptr), dialog_(nullptr), dragging_(0),
      totalBytes_(0), doneBytes_(0), firstRequest_(1), listener_(nullptr), refCount_(0), asyncMode_(0),
      inOperation_(0)
{
}

ExplorerDropSource::~ExplorerDropSource()
{
    ExplorerDropSource::Reset();
}

thread::EasyPooler* ExplorerDropSource::GetPool()
{
    return &thread::PoolOf<ExplorerDropSource, kPoolCapacity>();
}

ExplorerDropSource* ExplorerDropSource::New()
{
    return thread::TakeFromPool<ExplorerDropSource, kPoolCapacity>();
}

ExplorerDropSource::DragLoop ExplorerDropSource::SetDragLoop(DragLoop loop)
{
    return dragLoop.exchange(loop ? loop : &SystemDragLoop);
}

CLIPFORMAT ExplorerDropSource::GetDescriptorFormat()
{
    static const CLIPFORMAT format = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"FileGroupDescriptorW"));
    return format;
}

CLIPFORMAT ExplorerDropSource::GetContentsFormat()
{
    static const CLIPFORMAT format = static_cast<CLIPFORMAT>(RegisterClipboardFormatW(L"FileContents"));
    return format;
}

const wchar_t* ExplorerDropSource::GetClassName()
{
    return kClassName;
}

base::IObject* ExplorerDropSource::NewInstance()
{
    return New();
}

void ExplorerDropSource::ReleaseToPool()
{
    GetPool()->Give(this);
}

void ExplorerDropSource::Reset()
{
    CloseDialog();
    dragging_ = 0;
    firstRequest_ = 1;
    application_ = nullptr;
    dialogOwner_ = nullptr;
    totalBytes_ = 0;
    doneBytes_ = 0;
    listener_ = nullptr;
    caption_.Clear();
    ClearEntries();
    Empty();
}

void ExplorerDropSource::Configure(app::IAppWindowFactory* application, HWND dialogOwner, const wchar_t* caption)
{
    application_ = application;
    dialogOwner_ = dialogOwner;
    if (caption)
        caption_.Assign(caption);
}

void ExplorerDropSource::AddEntry(const wchar_t* path, archive::IEntry* entry)
{
    paths_.AddText(path ? path : L"");
    entries_.Append(entry);
}

void ExplorerDropSource::ClearEntries()
{
    paths_.Clear();
    entries_.Clear();
}

archive::IEntry* ExplorerDropSource::GetEntryAt(uint32_t index)
{
    return index < entries_.GetCount() ? static_cast<archive::IEntry*>(entries_.Get(index)) : nullptr;
}

const wchar_t* ExplorerDropSource::GetPathAt(uint32_t index)
{
    return index < paths_.GetCount() ? paths_.Get(index)->GetText() : nullptr;
}

bool ExplorerDropSource::LinkListener(events::IEventListener* listener)
{
    if (!TryEnterCriticalSection(&lock_.lock))
        return false;
    listener_ = listener;
    LeaveCriticalSection(&lock_.lock);
    return true;
}

void ExplorerDropSource::Tell(int32_t code)
{
    if (listener_)
        listener_->OnEvent(this, code);
}

void ExplorerDropSource::StartDrag()
{
    if (dragging_)
        return;
    ScopedLock hold(lock_);
    dragging_ = 1;
    // A target that takes long over the files must not make OLE ask the user about a busy program.
    COleMessageFilter* filter = AfxOleGetMessageFilter();
    filter->EnableBusyDialog(FALSE);
    filter->EnableNotRespondingDialog(FALSE);

    Empty();
    FORMATETC details = {0, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    if (HGLOBAL descriptors = BuildDescriptors())
        CacheGlobalData(GetDescriptorFormat(), descriptors, &details);
    // The target takes the files within the drag (see the class comment), whatever it asks for.
    SetAsyncMode(FALSE);
    details.tymed = TYMED_ISTREAM;
    DelayRenderData(GetContentsFormat(), &details);

    CMyDropSource dropSource(listener_, this);
    firstRequest_ = 1;
    doneBytes_ = 0;
    dragLoop.load()(this, &dropSource);

    CloseDialog();
    // A target that kept the data object finds nothing in it any more.
    Empty();
    Tell(kEnded);
    dragging_ = 0;
}

HGLOBAL ExplorerDropSource::BuildDescriptors()
{
    const uint32_t count = entries_.GetCount();
    const SIZE_T bytes = sizeof(UINT) + static_cast<SIZE_T>(count) * sizeof(FILEDESCRIPTORW);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, bytes);
    if (!block)
        return nullptr;
    // A block that cannot be locked is offered as it is: zero-filled, it names no file.
    FILEGROUPDESCRIPTORW* group = static_cast<FILEGROUPDESCRIPTORW*>(GlobalLock(block));
    if (!group)
        return block;
    group->cItems = count;
    for (uint32_t i = 0; i < count; ++i)
        FillDescriptor(&group->fgd[i], i);
    GlobalUnlock(block);
    return block;
}

void ExplorerDropSource::FillDescriptor(FILEDESCRIPTORW* descriptor, uint32_t index)
{
    archive::IEntry* entry = GetEntryAt(index);
    descriptor->dwFlags = FD_ATTRIBUTES | FD_FILESIZE;
    if (entry) {
        descriptor->dwFileAttributes = entry->GetAttributes();
        if (ToFileTime(entry->GetCreationTime(), &descriptor->ftCreationTime))
            descriptor->dwFlags |= FD_CREATETIME;
        if (ToFileTime(entry->GetAccessTime(), &descriptor->ftLastAccessTime))
            descriptor->dwFlags |= FD_ACCESSTIME;
        if (ToFileTime(entry->GetWriteTime(), &descriptor->ftLastWriteTime))
            descriptor->dwFlags |= FD_WRITESTIME;
        // A folder has no size of its own.
        const uint64_t size = entry->IsDirectory() ? 0 : entry->GetSize();
        descriptor->nFileSizeHigh = static_cast<DWORD>(size >> 32);
        descriptor->nFileSizeLow = static_cast<DWORD>(size);
    }
    const wchar_t* path = GetPathAt(index);
    wcsncpy_s(descriptor->cFileName, MAX_PATH, path ? path : L"", _TRUNCATE);
}

int64_t ExplorerDropSource::ProgressOf(archive::IEntry* entry, bool withDialog)
{
    if (!withDialog || !entry)
        return 0;
    if (entry->IsDirectory())
        return kEntryOverhead;
    return static_cast<int64_t>(entry->GetTransferSize()) + kEntryOverhead;
}

int64_t ExplorerDropSource::CountTotalBytes()
{
    int64_t total = 0;
    for (uint32_t i = 0; i < entries_.GetCount(); ++i) {
        archive::IEntry* entry = GetEntryAt(i);
        total += kEntryOverhead;
        if (entry && !entry->IsDirectory())
            total += static_cast<int64_t>(entry->GetTransferSize()) + kEntryOverhead;
    }
    return total;
}

archive::ProgressData* ExplorerDropSource::ProgressRecord()
{
    return dialog_ ? dialog_->GetProgressData() : nullptr;
}

void ExplorerDropSource::OpenDialog()
{
    if (!dialog_ && application_) {
        dialog_ = dialogs::CreateProgressWindow(application_);
        if (dialog_)
            dialog_->Build(dialogOwner_, caption_.GetLength() ? caption_.GetText() : nullptr);
    }
}

void ExplorerDropSource::ShowCurrentEntry(uint32_t index)
{
    archive::ProgressData* progress = ProgressRecord();
    if (!progress)
        return;
    progress->SetEntryName(GetPathAt(index));
    progress->SetEntryIndex(index, entries_.GetCount());
    // The shown entry starts with nothing done.
    progress->SetEntryProgress(ProgressOf(GetEntryAt(index), true), 0);
}

void ExplorerDropSource::WaitWhilePaused()
{
    archive::ProgressData* progress = ProgressRecord();
    if (!progress)
        return;
    // A closed dialog can no longer be resumed: waiting on it would hold the drag for ever.
    auto held = [this, progress] {
        gui::win::Window* window = dialog_->GetWindow();
        return progress->paused && !progress->cancelled && window && !window->IsClosed();
    };
    while (held())
        WaitAnsweringSends([&held] { return !held(); }, kPauseStepMillis);
}

void ExplorerDropSource::FollowBackgroundRequest()
{
    archive::ProgressData* progress = ProgressRecord();
    if (!progress)
        return;
    if (progress->minimized && !progress->backgroundMode) {
        SetPriorityClass(GetCurrentProcess(), PROCESS_MODE_BACKGROUND_BEGIN);
        progress->backgroundMode = 1;
    } else if (!progress->minimized && progress->backgroundMode) {
        LeaveBackgroundMode();
    }
}

void ExplorerDropSource::LeaveBackgroundMode()
{
    archive::ProgressData* progress = ProgressRecord();
    if (!progress || !progress->backgroundMode)
        return;
    SetPriorityClass(GetCurrentProcess(), PROCESS_MODE_BACKGROUND_END);
    progress->backgroundMode = 0;
}

void ExplorerDropSource::CloseDialog()
{
    if (!dialog_)
        return;
    archive::ProgressData* progress = dialog_->GetProgressData();
    progress->minimized = 0;
    gui::win::Window* window = dialog_->GetWindow();
    if (window && !window->IsClosed() && window->IsIconized())
        window->Restore();
    LeaveBackgroundMode();
    progress->finished = 1;
    WaitWhilePaused();
    dialogs::Progress* dialog = dialog_;
    dialog_ = nullptr;
    dialog->ReleaseToPool();
}

BOOL ExplorerDropSource::IsRenderIndexValid(LPFORMATETC format)
{
    // The index comes from another process: it must name one of the entries.
    if (format->cfFormat == GetContentsFormat())
        return IsEntryIndex(format->lindex);
    return TRUE;
}

BOOL ExplorerDropSource::OnRenderData(LPFORMATETC format, LPSTGMEDIUM medium)
{
    if (format->cfFormat == GetContentsFormat() && IsEntryIndex(format->lindex)) {
        archive::IEntry* entry = GetEntryAt(static_cast<uint32_t>(format->lindex));
        if (entry && entry->IsDirectory())
            return TRUE;
    }
    // The contents always travel as a stream.
    const DWORD asked = format->tymed;
    if (asked & TYMED_ISTREAM)
        format->tymed = TYMED_ISTREAM;
    const BOOL rendered = COleDataSource::OnRenderData(format, medium);
    format->tymed = asked;
    return rendered;
}

BOOL ExplorerDropSource::OnRenderFileData(LPFORMATETC format, CFile* file)
{
    if (format->cfFormat != GetContentsFormat())
        return COleDataSource::OnRenderFileData(format, file);
    if (!IsEntryIndex(format->lindex))
        return FALSE;
    const uint32_t index = static_cast<uint32_t>(format->lindex);
    if (firstRequest_) {
        OpenDialog();
        totalBytes_ = CountTotalBytes();
        doneBytes_ = 0;
        if (archive::ProgressData* progress = ProgressRecord())
            progress->SetTotalProgress(totalBytes_, 0);
        Tell(kTransferStarted);
        firstRequest_ = 0;
    } else {
        WaitWhilePaused();
        if (ProgressRecord() && ProgressRecord()->cancelled)
            return FALSE;
    }
    archive::ProgressData* progress = ProgressRecord();
    if (progress && index == 0)
        ShowCurrentEntry(0);

    archive::IEntry* entry = GetEntryAt(index);
    if (!entry)
        return FALSE;
    const int64_t done = ProgressOf(entry, progress != nullptr);
    if (!entry->IsDirectory()) {
        file::win::CFileOutputStream* stream = file::win::CFileOutputStream::New();
        if (!stream)
            return FALSE;
        bool written = stream->Attach(file, false, false) && entry->WriteTo(stream, progress);
        // Disposing writes out what is still buffered: a failure there loses bytes as well.
        written = stream->DisposeReporting() && written;
        // The shell must not take a short file for the whole one.
        if (!written)
            return FALSE;
    }
    if (!progress)
        return TRUE;

    progress->SetEntryProgress(done, done);
    if (progress->cancelled)
        return FALSE;
    if (index + 1 == entries_.GetCount()) {
        progress->SetTotalProgress(totalBytes_, totalBytes_ - done);
        progress->finished = 1;
        WaitWhilePaused();
        LeaveBackgroundMode();
        return TRUE;
    }
    ShowCurrentEntry(index + 1);
    doneBytes_ += done;
    progress->SetTotalProgress(totalBytes_, doneBytes_);
    FollowBackgroundRequest();
    return TRUE;
}

HRESULT ExplorerDropSource::QueryInterfaceHook(REFIID id, void** object)
{
    if (IsEqualIID(id, __uuidof(IAsyncOperation)))
        return QueryInterface(id, object);
    return COleDataSource::QueryInterfaceHook(id, object);
}

HRESULT STDMETHODCALLTYPE ExplorerDropSource::QueryInterface(REFIID id, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, __uuidof(IAsyncOperation))) {
        *object = static_cast<IAsyncOperation*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE ExplorerDropSource::AddRef()
{
    return static_cast<ULONG>(++refCount_);
}

ULONG STDMETHODCALLTYPE ExplorerDropSource::Release()
{
    return static_cast<ULONG>(--refCount_);
}

HRESULT STDMETHODCALLTYPE ExplorerDropSource::SetAsyncMode(WINBOOL async)
{
    asyncMode_ = async ? 1 : 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ExplorerDropSource::GetAsyncMode(WINBOOL* async)
{
    if (!async)
        return E_POINTER;
    *async = asyncMode_ ? TRUE : FALSE;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ExplorerDropSource::StartOperation(IBindCtx*)
{
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ExplorerDropSource::InOperation(WINBOOL* inOperation)
{
    if (!inOperation)
        return E_POINTER;
    *inOperation = inOperation_ ? TRUE : FALSE;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ExplorerDropSource::EndOperation(HRESULT, IBindCtx*, DWORD)
{
    return S_OK;
}

} // namespace win
} // namespace gui
} // namespace s
