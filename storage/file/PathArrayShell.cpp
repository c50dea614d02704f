// The operations of a path list that go through the Windows shell.
#include "storage/file/PathArray.h"

#include <shlobj.h>

#include <vector>

#include "core/col/Arrays.h"
#include "core/str/StrBuffer.h"
#include "storage/file/PathListShell.h"
#include "storage/file/PathWin.h"
#include "storage/file/Pooled.h"

namespace s {
namespace file {
namespace win {

namespace {

typedef str::strbuffer::StrBuffer StrBuffer;

const int32_t kNotDone = 0;
const int32_t kDoneInPart = 1;
const int32_t kDoneCompletely = 2;

const UINT kChangeFlags = SHCNF_PATHW | SHCNF_FLUSH;
const FILEOP_FLAGS kTransferFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMMKDIR;
const FILEOP_FLAGS kInteractiveDeleteFlags = FOF_ALLOWUNDO;
const FILEOP_FLAGS kQuietDeleteFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT;
const wchar_t kPropertiesVerb[] = L"properties";

// The folder the operations go into: a folder shortcut stands for the folder it leads to. Null
// when the text gives no path.
PathWin* ResolveDestination(const wchar_t* folder)
{
    PathWin* destination = PathWin::CreateFromText(folder);
    if (destination && destination->IsFolderShortcut()) {
        PathWin* target = destination->GetFolderShortcutTarget();
        destination->ReleaseToPool();
        destination = target;
    }
    if (destination && !destination->IsSet()) {
        destination->ReleaseToPool();
        destination = nullptr;
    }
    return destination;
}

// The shell's result with its aborted flag as one of the three results.
int32_t TransferResult(bool succeeded, bool aborted)
{
    if (!succeeded)
        return kNotDone;
    return aborted ? kDoneInPart : kDoneCompletely;
}

} // namespace

void PathArray::NotifyEach(bool created)
{
    if (!directoryFlags_ || paths_.GetCount() == 0)
        return;
    const PathListShell& shell = GetPathListShell();
    for (uint32_t i = 0; i < paths_.GetCount(); ++i) {
        PathWin* path = GetAt(i);
        LONG event = 0;
        if (created && path->Exists())
            event = WasDirectory(i) ? SHCNE_MKDIR : SHCNE_CREATE;
        else if (!created && path->IsSet() && !path->Exists())
            event = WasDirectory(i) ? SHCNE_RMDIR : SHCNE_DELETE;
        if (event != 0)
            shell.changeNotify(event, kChangeFlags, path->GetText(), nullptr);
    }
}

void PathArray::NotifyCreated()
{
    NotifyEach(true);
}

void PathArray::NotifyDeleted()
{
    NotifyEach(false);
}

int32_t PathArray::ShellCopyTo(const wchar_t* folder, bool notify, bool perform, HWND owner)
{
    return ShellTransferTo(folder, notify, perform, owner, FO_COPY);
}

int32_t PathArray::ShellMoveTo(const wchar_t* folder, bool notify, bool perform, HWND owner)
{
    return ShellTransferTo(folder, notify, perform, owner, FO_MOVE);
}

int32_t PathArray::ShellTransferTo(const wchar_t* folder, bool notify, bool perform, HWND owner, UINT function)
{
    Pooled<PathWin> destination(ResolveDestination(folder));
    if (!destination || paths_.GetCount() == 0)
        return kNotDone;
    // The paths the items will have there, with the flags recorded here, for the notifications.
    if (notify)
        RecordDirectoryFlags();
    Pooled<PathArray> relocated(notify ? RelocateTo(destination->GetText()) : nullptr);
    if (!perform)
        return kNotDone;

    // One path may get a new name in the folder; several keep theirs. The shell reads the target
    // as a list, so it ends in two NULs.
    Pooled<StrBuffer> target(destination->GetFullPathSlashStr(nullptr, false));
    if (!target)
        return kNotDone;
    if (paths_.GetCount() == 1)
        target->Append(GetAt(0)->GetFileNameText());
    target->AppendChar(0);
    target->AppendChar(0);

    SHFILEOPSTRUCTW operation = {};
    operation.hwnd = owner;
    operation.wFunc = function;
    operation.pFrom = GetNulSeparated();
    operation.pTo = target->GetBuffer();
    operation.fFlags = kTransferFlags;
    operation.fAnyOperationsAborted = FALSE;
    operation.hNameMappings = nullptr;
    operation.lpszProgressTitle = L"";
    const bool succeeded = GetPathListShell().fileOperation(&operation) == 0;
    if (succeeded && relocated) {
        // The sources are gone before the copies are announced, as Explorer would see it.
        if (function == FO_MOVE)
            NotifyDeleted();
        relocated->NotifyCreated();
    }
    return TransferResult(succeeded, operation.fAnyOperationsAborted != FALSE);
}

int32_t PathArray::CreateShortcutsIn(const wchar_t* folder, bool overwrite, bool uniqueNames, bool notify,
                                     bool listOnly, PathArray** out)
{
    if (out)
        *out = nullptr;
    Pooled<PathWin> destination(ResolveDestination(folder));
    if (!destination || paths_.GetCount() == 0)
        return kNotDone;
    Pooled<PathArray> links(GetShortcutPathsIn(destination->GetText()));
    if (!links)
        return kNotDone;
    uint32_t made = 0;
    uint32_t failed = 0;
    if (!listOnly) {
        if (uniqueNames)
            links->MakeNamesUnique();
        for (uint32_t i = 0; i < paths_.GetCount(); ++i) {
            PathWin* source = GetAt(i);
            // Each source has its link at the same index.
            const bool created = i < links->GetCount() && source->Exists() &&
                                 source->CreateShortcut(links->GetAt(i)->GetText(), uniqueNames ? false : overwrite,
                                                        nullptr);
            if (created)
                ++made;
            else
                ++failed;
        }
        if (notify && made != 0)
            links->NotifyCreated();
    }
    if (out)
        *out = links.release();
    if (listOnly || made == 0)
        return kNotDone;
    return failed != 0 ? kDoneInPart : kDoneCompletely;
}

bool PathArray::ShellDelete(bool notify, bool interactive, HWND owner)
{
    if (paths_.GetCount() == 0)
        return false;
    SHFILEOPSTRUCTW operation = {};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = GetNulSeparated();
    operation.pTo = nullptr;
    operation.fFlags = interactive ? kInteractiveDeleteFlags : kQuietDeleteFlags;
    operation.fAnyOperationsAborted = FALSE;
    operation.hNameMappings = nullptr;
    operation.lpszProgressTitle = nullptr;
    const bool deleted =
        GetPathListShell().fileOperation(&operation) == 0 && operation.fAnyOperationsAborted == FALSE;
    if (deleted && notify)
        NotifyDeleted();
    return deleted;
}

bool PathArray::ShowProperties()
{
    const uint32_t count = paths_.GetCount();
    if (count == 0)
        return false;
    if (count > 1) {
        std::vector<const wchar_t*> texts(count);
        for (uint32_t i = 0; i < count; ++i)
            texts[i] = GetAt(i)->GetText();
        return GetPathListShell().showProperties(count, texts.data());
    }
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.hwnd = nullptr;
    info.lpVerb = kPropertiesVerb;
    info.lpFile = GetAt(0)->GetText();
    info.lpParameters = L"";
    info.lpDirectory = nullptr;
    info.nShow = SW_SHOW;
    // The dialog's own answer: a path the shell cannot show is no success.
    return GetPathListShell().executeEx(&info) != FALSE;
}

} // namespace win
} // namespace file
} // namespace s
