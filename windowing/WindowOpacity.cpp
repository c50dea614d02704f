// The window's opacity: a layered window with one alpha for the whole window, translucent all
// the time or only while it is kept on top.
#include <algorithm>
#include <mutex>

#include "measurement/win/DllLocater.h"
#include "windowing/Window.h"

namespace s {
namespace gui {
namespace win {

namespace {

typedef BOOL(WINAPI* SetLayeredAttributesFunction)(HWND window, COLORREF key, BYTE alpha, DWORD flags);

const wchar_t kUser32[] = L"user32.dll";
const char kSetLayeredAttributes[] = "SetLayeredWindowAttributes";
// The name the failure box has always given it.
const wchar_t kUser32Shown[] = L"user32Dll.dll";
const int32_t kOpaque = 100;

SetLayeredAttributesFunction gSetLayeredAttributes = nullptr;

// Held until process exit, so the entry point stays valid for every window.
system::win::DllLocater& User32Module()
{
    static system::win::DllLocater holder;
    return holder;
}

void LoadOnce()
{
    system::win::DllLocater& holder = User32Module();
    if (!holder.LoadOrTell(kUser32, kUser32Shown))
        return;
    gSetLayeredAttributes = reinterpret_cast<SetLayeredAttributesFunction>(
        reinterpret_cast<void*>(GetProcAddress(holder.module, kSetLayeredAttributes)));
}

SetLayeredAttributesFunction SetLayeredAttributes()
{
    static std::once_flag once;
    std::call_once(once, &LoadOnce);
    return gSetLayeredAttributes;
}

} // namespace

void Window::SetOpacity(int32_t percent, bool onlyWhileTopMost)
{
    RunOnOwnThread([=] {
        targetOpacity_ = std::min(std::max(percent, 0), kOpaque);
        opacityOnlyWhileTopMost_ = onlyWhileTopMost;
        ApplyOpacity(EffectiveOpacity());
    });
}

int32_t Window::EffectiveOpacity()
{
    return opacityOnlyWhileTopMost_ && !topMost_ ? kOpaque : targetOpacity_;
}

void Window::ApplyOpacity(int32_t percent)
{
    percent = std::min(std::max(percent, 0), kOpaque);
    if (percent == currentOpacity_ || !m_hWnd)
        return;
    SetLayeredAttributesFunction setAttributes = SetLayeredAttributes();
    if (!setAttributes)
        return;
    if (percent < kOpaque) {
        ChangeStyleBits(GWL_EXSTYLE, 0, WS_EX_LAYERED, false);
        setAttributes(m_hWnd, 0, static_cast<BYTE>(percent * 255 / 100), LWA_ALPHA);
    } else {
        ChangeStyleBits(GWL_EXSTYLE, WS_EX_LAYERED, 0, false);
    }
    currentOpacity_ = percent;
}

} // namespace win
} // namespace gui
} // namespace s
