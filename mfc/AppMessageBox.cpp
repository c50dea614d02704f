#include "mfc/AppMessageBox.h"

#include <atomic>
#include <cwchar>

#include "core/base/ApplicationBox.h"
#include "core/thread/ObjLocker.h"

namespace {

const size_t kTitleCapacity = 256;

int SystemMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return ::MessageBoxW(owner, text, caption, type);
}

std::atomic<AfxMessageBoxHandler> boxHandler{&SystemMessageBox};

// The layers below show their boxes through the core, which cannot reach this one: it passes
// itself in wherever it is linked, so their boxes too go through the one replaceable handler.
struct PassedDown {
    PassedDown() { s::base::SetApplicationBox(&AfxShowMessageBox); }
} passedDown;

struct AppTitle {
    s::thread::ObjLocker locker;
    wchar_t text[kTitleCapacity] = {};
    bool set = false;
};

AppTitle& Title()
{
    static AppTitle title;
    return title;
}

// The executable's base name without its extension, as a framework names an untitled application.
void TakeModuleName(wchar_t* out, size_t capacity)
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        out[0] = L'\0';
        return;
    }
    const wchar_t* name = std::wcsrchr(path, L'\\');
    name = name ? name + 1 : path;
    wcsncpy_s(out, capacity, name, _TRUNCATE);
    wchar_t* dot = std::wcsrchr(out, L'.');
    if (dot)
        *dot = L'\0';
}

} // namespace

int AfxShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type)
{
    return boxHandler.load()(owner, text ? text : L"", caption ? caption : AfxGetAppName(), type);
}

int AfxMessageBox(const wchar_t* text, UINT type)
{
    return AfxShowMessageBox(nullptr, text, nullptr, type);
}

AfxMessageBoxHandler AfxSetMessageBoxHandler(AfxMessageBoxHandler handler)
{
    return boxHandler.exchange(handler ? handler : &SystemMessageBox);
}

const wchar_t* AfxGetAppName()
{
    AppTitle& title = Title();
    s::thread::ScopedLock hold(title.locker);
    if (!title.set) {
        TakeModuleName(title.text, kTitleCapacity);
        title.set = true;
    }
    return title.text;
}

void AfxSetAppName(const wchar_t* name)
{
    AppTitle& title = Title();
    s::thread::ScopedLock hold(title.locker);
    wcsncpy_s(title.text, kTitleCapacity, name ? name : L"", _TRUNCATE);
    title.set = true;
}
