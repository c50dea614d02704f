#include "windowing/UIThread.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "mfc/Ole.h"
#include "windowing/Messages.h"
#include "windowing/ToolkitWindowClass.h"
#include "windowing/Window.h"

namespace s {
namespace gui {
namespace win {

namespace {

// Every class of the common controls that a window may hold.
const DWORD kAllControlClasses = 0xFF;

void SetUpComSecurity()
{
    // Only the first call in a process takes effect; later threads get RPC_E_TOO_LATE.
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                         EOAC_NONE, nullptr);
}

} // namespace

UIThread::UIThread() : window_(nullptr), ready_(false), oleStarted_(false), releaseRequested_(false)
{
    m_bAutoDelete = FALSE;
}

void UIThread::SetWindow(Window* window)
{
    window_ = window;
}

BOOL UIThread::InitInstance()
{
    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof(controls);
    controls.dwICC = kAllControlClasses;
    InitCommonControlsEx(&controls);
    oleStarted_ = AfxOleInit();
    SetUpComSecurity();

    Window* window = window_;
    if (!window || !RegisterToolkitWindowClass(window->GetInvisibleWindow()))
        return FALSE;
    window->GetInvisibleWindow()->ShowWindow(SW_HIDE);
    window->GetInvisibleWindow()->UpdateWindow();
    if (window->CreateNativeWindow()) {
        window->ShowWindow(SW_HIDE);
        window->UpdateWindow();
        m_pMainWnd = window;
    }
    ready_ = true;
    return TRUE;
}

void UIThread::RequestRelease()
{
    releaseRequested_ = true;
    // Makes sure the loop gets a next message; a modal loop drops it, and the flag waits for the
    // first message after.
    PostThreadMessage(msg::kReleaseOnOwnThread, 0, 0);
}

BOOL UIThread::PreTranslateMessage(MSG* message)
{
    if (releaseRequested_) {
        releaseRequested_ = false;
        Window* window = window_.exchange(nullptr);
        if (window)
            Window::GetPool()->Give(window);
    }
    if (!message->hwnd && message->message == msg::kReleaseOnOwnThread)
        return TRUE;
    return CWinThread::PreTranslateMessage(message);
}

void UIThread::LetGoOfWindow()
{
    window_ = nullptr;
    m_pMainWnd = nullptr;
    m_bAutoDelete = TRUE;
}

int UIThread::ExitInstance()
{
    ready_ = false;
    m_pMainWnd = nullptr;
    if (oleStarted_) {
        AfxOleTerm();
        oleStarted_ = false;
    }
    return CWinThread::ExitInstance();
}

} // namespace win
} // namespace gui
} // namespace s
