#include "mfc/WinThread.h"

#include "mfc/Wnd.h"

namespace {

thread_local CWinThread* currentThread = nullptr;

} // namespace

CWinThread::CWinThread() : m_hThread(nullptr), m_nThreadID(0), m_bAutoDelete(TRUE), m_pMainWnd(nullptr) {}

CWinThread::~CWinThread()
{
    if (m_hThread)
        CloseHandle(m_hThread);
}

BOOL CWinThread::CreateThread(DWORD createFlags, UINT stackSize)
{
    if (m_hThread)
        return FALSE;
    m_hThread = ::CreateThread(nullptr, stackSize, &CWinThread::ThreadEntry, this, createFlags, &m_nThreadID);
    return m_hThread != nullptr;
}

DWORD CWinThread::ResumeThread()
{
    return ::ResumeThread(m_hThread);
}

BOOL CWinThread::SetThreadPriority(int priority)
{
    return ::SetThreadPriority(m_hThread, priority);
}

BOOL CWinThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostThreadMessageW(m_nThreadID, message, wParam, lParam);
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::Run()
{
    MSG message;
    for (;;) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        if (!PreTranslateMessage(&message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return ExitInstance();
}

BOOL CWinThread::PreTranslateMessage(MSG* message)
{
    if (!message->hwnd)
        return FALSE;
    return CWnd::WalkPreTranslateTree(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, message);
}

int CWinThread::ExitInstance()
{
    return 0;
}

CWinThread* CWinThread::GetCurrent()
{
    return currentThread;
}

DWORD WINAPI CWinThread::ThreadEntry(void* self)
{
    CWinThread* thread = static_cast<CWinThread*>(self);
    currentThread = thread;
    int exitCode;
    if (thread->InitInstance())
        exitCode = thread->Run();
    else
        exitCode = thread->ExitInstance();
    currentThread = nullptr;
    if (thread->m_bAutoDelete)
        delete thread;
    return static_cast<DWORD>(exitCode);
}
