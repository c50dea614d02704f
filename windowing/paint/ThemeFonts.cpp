#include "windowing/paint/ThemeFonts.h"

#include <atomic>

#include "core/thread/ObjLocker.h"
#include "measurement/win/DllLocater.h"

namespace s {
namespace gui {
namespace win {

namespace {

typedef HANDLE(WINAPI* OpenThemeDataFn)(HWND window, LPCWSTR classList);
typedef HRESULT(WINAPI* CloseThemeDataFn)(HANDLE theme);
typedef HRESULT(WINAPI* GetThemeSysFontFn)(HANDLE theme, int fontId, LOGFONTW* font);

const int kFontCount = 6;

struct Loaded {
    std::atomic<bool> done{false};
    bool available = false;
    LOGFONTW fonts[kFontCount] = {};
    thread::ObjLocker locker;
};

Loaded& State()
{
    static Loaded state;
    return state;
}

// The library stays loaded until the process ends, when this holder frees it.
system::win::DllLocater& Library()
{
    static system::win::DllLocater library;
    return library;
}

template <class F>
F Entry(HMODULE module, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void Load(Loaded& state)
{
    HMODULE module = LoadLibraryW(L"UxTheme.dll");
    if (!module)
        return;
    Library().module = module;
    OpenThemeDataFn open = Entry<OpenThemeDataFn>(module, "OpenThemeData");
    CloseThemeDataFn close = Entry<CloseThemeDataFn>(module, "CloseThemeData");
    GetThemeSysFontFn getFont = Entry<GetThemeSysFontFn>(module, "GetThemeSysFont");
    if (!open || !close || !getFont)
        return;
    HANDLE theme = open(nullptr, L"WINDOW");
    if (!theme)
        return;
    HRESULT caption = E_FAIL;
    for (int i = 0; i < kFontCount; ++i) {
        const HRESULT result = getFont(theme, ThemeFonts::kCaption + i, &state.fonts[i]);
        if (i == 0)
            caption = result;
    }
    // A caption font the theme could not give would leave fonts without a face.
    state.available = SUCCEEDED(caption) && state.fonts[0].lfFaceName[0] != 0;
    close(theme);
}

} // namespace

bool ThemeFonts::GetFont(int id, LOGFONTW* font)
{
    Loaded& state = State();
    // Two window threads may make their first fonts at once: one loads, the other waits and
    // then reads the finished records.
    if (!state.done) {
        thread::ScopedLock hold(state.locker);
        if (!state.done) {
            Load(state);
            state.done = true;
        }
    }
    if (!state.available || id < kCaption || id >= kCaption + kFontCount || !font)
        return false;
    *font = state.fonts[id - kCaption];
    return true;
}

} // namespace win
} // namespace gui
} // namespace s
