#pragma once
#include <windows.h>
#include <shlobj.h>

#include <atomic>
#include <cstdint>

#include "core/base/IObject.h"
#include "core/col/ArrayP.h"
#include "core/str/StrArray.h"
#include "core/str/StrBuffer.h"
#include "core/thread/EasyPooler.h"
#include "core/thread/IPoolable.h"
#include "core/thread/ObjLocker.h"
#include "lists/IAsyncOperation.h"
#include "mfc/OleDataSource.h"

class COleDropSource;

namespace s {
namespace archive {
class IEntry;
class ProgressData;
} // namespace archive
namespace app {
class IAppWindowFactory;
}
namespace gui {
namespace events {
class IEventListener;
}
namespace dialogs {
class Progress;
}
namespace win {

// The data of a drag of a list's entries out to the shell as files that do not exist yet: a
// "FileGroupDescriptorW" names every file with its size, times and attributes, and each file's
// "FileContents" is written from its archive entry only when the drop target asks for it, with
// the progress dialog following the transfer. The source's lock is held for the whole drag.
//
// The drop target may not take the data in the background: after the drag loop has returned the
// entries may already belong to a list that was reset, and neither the lock nor the dialog would
// guard the transfer any more. The asynchronous interface still answers, with the mode off.
class ExplorerDropSource : public COleDataSource,
                           public IAsyncOperation,
                           public base::IObject,
                           public thread::IPoolable {
public:
    static constexpr const wchar_t* kClassName = L"s_gui_win_ExplorerDropSource";
    static constexpr int32_t kPoolCapacity = 1000;
    // The drag events told to the listener, with this source as their source: the drag goes on,
    // the drop was seen (from the drop source), the target began taking the files, the drag ended.
    static const int32_t kDragging = 1;
    static const int32_t kDropped = 2;
    static const int32_t kTransferStarted = 3;
    static const int32_t kEnded = 4;
    // Progress counted for each entry beyond its bytes.
    static const int64_t kEntryOverhead = 4096;

    // The system's drag loop, replaceable so that a test can play the drop target without a
    // mouse; returns the drop's effect.
    using DragLoop = DROPEFFECT (*)(ExplorerDropSource* source, COleDropSource* dropSource);

    ExplorerDropSource();
    ~ExplorerDropSource() override;

    static thread::EasyPooler* GetPool();
    static ExplorerDropSource* New();
    // The previous loop; null puts the system's back.
    static DragLoop SetDragLoop(DragLoop loop);
    static CLIPFORMAT GetDescriptorFormat();
    static CLIPFORMAT GetContentsFormat();

    const wchar_t* GetClassName() override;
    base::IObject* NewInstance() override;
    void ReleaseToPool() override;
    void Reset() override;

    // The application from which the progress dialog is made (none: no dialog), the dialog's
    // owner window or null, and its caption (null or empty: the dialog's own).
    void Configure(app::IAppWindowFactory* application, HWND dialogOwner, const wchar_t* caption);
    // Appends a copy of the path (relative, folders separated by backslashes) and the entry, which
    // stays the caller's.
    void AddEntry(const wchar_t* path, archive::IEntry* entry);
    void ClearEntries();
    uint32_t GetEntryCount() { return entries_.GetCount(); }
    archive::IEntry* GetEntryAt(uint32_t index);
    const wchar_t* GetPathAt(uint32_t index);
    // Sets the listener under the lock; false, changing nothing, while another thread holds it.
    bool LinkListener(events::IEventListener* listener);

    // Runs the drag of the entries until the drop target has taken them or the drag was
    // cancelled, on the thread of the window the drag started from. Nothing while a drag runs.
    void StartDrag();
    bool IsDragging() { return dragging_ != 0; }
    // The transfer's byte count as the progress counts it, known from the first contents request.
    int64_t GetTotalBytes() const { return totalBytes_; }
    // The progress dialog from the first contents request to the end of the drag; else null.
    dialogs::Progress* GetDialog() { return dialog_; }

    BOOL OnRenderData(LPFORMATETC format, LPSTGMEDIUM medium) override;
    BOOL OnRenderFileData(LPFORMATETC format, CFile* file) override;

    // IAsyncOperation. The counts never end this object.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE SetAsyncMode(WINBOOL async) override;
    HRESULT STDMETHODCALLTYPE GetAsyncMode(WINBOOL* async) override;
    HRESULT STDMETHODCALLTYPE StartOperation(IBindCtx* context) override;
    HRESULT STDMETHODCALLTYPE InOperation(WINBOOL* inOperation) override;
    HRESULT STDMETHODCALLTYPE EndOperation(HRESULT result, IBindCtx* context, DWORD effects) override;

protected:
    HRESULT QueryInterfaceHook(REFIID id, void** object) override;
    BOOL IsRenderIndexValid(LPFORMATETC format) override;

private:
    ExplorerDropSource(const ExplorerDropSource&) = delete;
    ExplorerDropSource& operator=(const ExplorerDropSource&) = delete;

    void Tell(int32_t code);
    bool IsEntryIndex(LONG index) { return index >= 0 && static_cast<uint32_t>(index) < entries_.GetCount(); }
    // The descriptor block of every entry; null when it cannot be had.
    HGLOBAL BuildDescriptors();
    void FillDescriptor(FILEDESCRIPTORW* descriptor, uint32_t index);
    int64_t ProgressOf(archive::IEntry* entry, bool withDialog);
    int64_t CountTotalBytes();
    void OpenDialog();
    void ShowCurrentEntry(uint32_t index);
    // Waits while the user holds the transfer paused, answering the calls sent to this thread.
    void WaitWhilePaused();
    void FollowBackgroundRequest();
    void LeaveBackgroundMode();
    void CloseDialog();
    archive::ProgressData* ProgressRecord();

    app::IAppWindowFactory* application_;
    HWND dialogOwner_;
    // Embedded, not pooled: a source destroyed with its pool at exit may outlive the text pool.
    str::strbuffer::StrBuffer caption_;
    dialogs::Progress* dialog_;
    thread::ObjLocker lock_;
    std::atomic<uint8_t> dragging_;
    int64_t totalBytes_;
    // Progress of the entries before the current one.
    int64_t doneBytes_;
    col::_array::ArrayP entries_;
    str::strarray::StrArray paths_;
    uint8_t firstRequest_;
    events::IEventListener* listener_;
    std::atomic<LONG> refCount_;
    int32_t asyncMode_;
    int32_t inOperation_;
};

} // namespace win
} // namespace gui
} // namespace s
