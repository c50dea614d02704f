#include "storage/file/ShellServices.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <atomic>

#include "core/str/StrBuffer.h"
#include "core/thread/ObjLocker.h"
#include "measurement/win/OsVersion.h"
#include "storage/file/PathWin.h"

namespace s {
namespace system {
namespace win {

typedef str::strbuffer::StrBuffer StrBuffer;

namespace {

const wchar_t kBatchEnding[] = L".bat";
const wchar_t kFallbackDriveRoot[] = L"C:\\";
const uint32_t kShellPathChars = MAX_PATH;

// shell32 entry points that older headers do not declare, or that old systems export only by ordinal.
const WORD kOrdinalILFree = 155;
const WORD kOrdinalSHSimpleIDListFromPath = 162;
const WORD kOrdinalILCreateFromPathW = 190;
const WORD kOrdinalSHMultiFileProperties = 716;

typedef LPITEMIDLIST(WINAPI* ILCreateFromPathFn)(LPCWSTR);
typedef LPITEMIDLIST(WINAPI* SHSimpleIDListFromPathFn)(LPCWSTR);
typedef void(WINAPI* ILFreeFn)(LPITEMIDLIST);
typedef HRESULT(WINAPI* SHMultiFilePropertiesFn)(IDataObject*, DWORD);

// By name first: Wine, for one, does not export every one of them under its ordinal.
FARPROC ShellEntry(const char* name, WORD ordinal)
{
    HMODULE shell = GetModuleHandleW(L"shell32.dll");
    if (!shell)
        shell = LoadLibraryW(L"shell32.dll");
    if (!shell)
        return nullptr;
    FARPROC entry = GetProcAddress(shell, name);
    return entry ? entry : GetProcAddress(shell, MAKEINTRESOURCEA(ordinal));
}

template <class Fn>
Fn ShellFunction(const char* name, WORD ordinal)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(ShellEntry(name, ordinal)));
}

// Balances one CoInitialize for a scope.
class ComScope {
public:
    ComScope() : result_(CoInitialize(nullptr)) {}
    ~ComScope()
    {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }

private:
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    HRESULT result_;
};

// The ID list of one text, by the three ways the shell offers, or null.
LPITEMIDLIST ItemListOf(const wchar_t* text, ILCreateFromPathFn createFromPath, SHSimpleIDListFromPathFn simpleList)
{
    LPITEMIDLIST list = createFromPath ? createFromPath(text) : nullptr;
    if (!list && simpleList)
        list = simpleList(text);
    if (list)
        return list;
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop)) || !desktop)
        return nullptr;
    desktop->ParseDisplayName(nullptr, nullptr, const_cast<LPWSTR>(text), nullptr, &list, nullptr);
    ReleaseComObject(&desktop);
    return list;
}

// A process-wide folder text, filled on the first call that finds it; empty ones are asked again.
class CachedText {
public:
    typedef void (*Fill)(StrBuffer* target);

    const wchar_t* Get(Fill fill)
    {
        thread::ScopedLock hold(locker_);
        if (text_.GetLength() == 0)
            fill(&text_);
        return text_.GetText();
    }

private:
    thread::ObjLocker locker_;
    StrBuffer text_;
};

void AssignSpecialFolder(StrBuffer* target, int32_t csidl)
{
    StrBuffer* found = GetSpecialFolderText(csidl);
    if (found) {
        target->AssignStr(found);
        found->ReleaseToPool();
    }
}

void FillDesktop(StrBuffer* target)
{
    AssignSpecialFolder(target, kCsidlDesktop);
}

void FillSystem(StrBuffer* target)
{
    AssignSpecialFolder(target, kCsidlSystem);
}

void FillDriveRoot(StrBuffer* target)
{
    file::win::PathWin* windows = GetSpecialFolder(kCsidlWindows);
    if (windows) {
        if (windows->Exists())
            target->Assign(windows->GetRootText());
        windows->ReleaseToPool();
    }
    if (target->GetLength() == 0)
        target->Assign(kFallbackDriveRoot);
}

} // namespace

namespace {

bool SystemShellOpen(const wchar_t* target)
{
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.lpVerb = L"open";
    info.lpFile = target;
    info.lpParameters = L"";
    info.nShow = SW_SHOW;
    return ShellExecuteExW(&info) != FALSE;
}

std::atomic<ShellOpenHandler> shellOpenHandler{&SystemShellOpen};

} // namespace

bool ShellOpen(const wchar_t* target)
{
    return shellOpenHandler.load()(target);
}

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler)
{
    return shellOpenHandler.exchange(handler ? handler : &SystemShellOpen);
}

bool ShellRun(const wchar_t* file, const wchar_t* parameters, bool wait, bool elevate)
{
    if (!file)
        return false;
    bool hidden = false;
    const size_t length = wcslen(file);
    const size_t endingLength = wcslen(kBatchEnding);
    if (length >= endingLength && CompareStringOrdinal(file + length - endingLength, -1, kBatchEnding, -1, TRUE) ==
                                      CSTR_EQUAL) {
        file::win::PathWin* path = file::win::PathWin::CreateFromText(file);
        if (path) {
            hidden = path->Exists() && path->IsFile();
            path->ReleaseToPool();
        }
    }
    OsVersionInfo& os = GetOsVersion();
    if (!os.done)
        LoadOsVersion();
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = wait ? SEE_MASK_NOCLOSEPROCESS : 0;
    info.lpVerb = elevate && os.isVistaOrLater ? L"runas" : nullptr;
    info.lpFile = file;
    info.lpParameters = parameters ? parameters : L"";
    info.nShow = hidden ? SW_HIDE : SW_SHOW;
    const bool started = ShellExecuteExW(&info) != FALSE;
    if (!wait || !info.hProcess)
        return started;
    WaitForSingleObject(info.hProcess, INFINITE);
    return CloseHandle(info.hProcess) != FALSE;
}

bool ShowFileProperties(uint32_t count, const wchar_t* const* texts)
{
    if (count == 0 || !texts)
        return false;
    ComScope com;
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop)) || !desktop)
        return false;
    LPITEMIDLIST* lists = static_cast<LPITEMIDLIST*>(calloc(count, sizeof(LPITEMIDLIST)));
    if (!lists) {
        ReleaseComObject(&desktop);
        return false;
    }
    const ILCreateFromPathFn createFromPath =
        ShellFunction<ILCreateFromPathFn>("ILCreateFromPathW", kOrdinalILCreateFromPathW);
    const SHSimpleIDListFromPathFn simpleList =
        ShellFunction<SHSimpleIDListFromPathFn>("SHSimpleIDListFromPath", kOrdinalSHSimpleIDListFromPath);
    const ILFreeFn freeList = ShellFunction<ILFreeFn>("ILFree", kOrdinalILFree);
    uint32_t obtained = 0;
    for (uint32_t i = 0; i < count; ++i) {
        if (!texts[i] || !texts[i][0])
            continue;
        LPITEMIDLIST list = ItemListOf(texts[i], createFromPath, simpleList);
        if (list)
            lists[obtained++] = list;
    }
    IDataObject* data = nullptr;
    bool shown = false;
    if (obtained != 0 &&
        SUCCEEDED(desktop->GetUIObjectOf(nullptr, obtained, const_cast<LPCITEMIDLIST*>(lists), IID_IDataObject,
                                         nullptr, reinterpret_cast<void**>(&data))) &&
        data) {
        const SHMultiFilePropertiesFn properties =
            ShellFunction<SHMultiFilePropertiesFn>("SHMultiFileProperties", kOrdinalSHMultiFileProperties);
        shown = properties && SUCCEEDED(properties(data, 0));
    }
    for (uint32_t i = 0; i < obtained; ++i) {
        if (freeList)
            freeList(lists[i]);
        else
            CoTaskMemFree(lists[i]);
    }
    free(lists);
    ReleaseComObject(&data);
    ReleaseComObject(&desktop);
    return shown;
}

StrBuffer* GetSpecialFolderText(int32_t csidl)
{
    StrBuffer* text = StrBuffer::New();
    if (!text)
        return nullptr;
    LPITEMIDLIST list = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) && list) {
        wchar_t buffer[kShellPathChars + 1] = {};
        if (SHGetPathFromIDListW(list, buffer))
            text->Assign(buffer);
        IMalloc* allocator = nullptr;
        if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator) {
            allocator->Free(list);
            ReleaseComObject(&allocator);
        }
    }
    return text;
}

file::win::PathWin* GetSpecialFolder(int32_t csidl)
{
    file::win::PathWin* path = file::win::PathWin::New();
    StrBuffer* text = GetSpecialFolderText(csidl);
    if (path && text)
        path->SetFromStr(text);
    if (text)
        text->ReleaseToPool();
    return path;
}

const wchar_t* GetCachedSpecialFolder()
{
    static CachedText desktop;
    return desktop.Get(&FillDesktop);
}

const wchar_t* GetSystemFolder()
{
    static CachedText system;
    return system.Get(&FillSystem);
}

const wchar_t* GetSystemDriveRoot()
{
    static CachedText root;
    return root.Get(&FillDriveRoot);
}

} // namespace win
} // namespace system
} // namespace s
