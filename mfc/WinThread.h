#pragma once
#include <windows.h>

#include <new>

class CWnd;

// A thread with its own message loop. InitInstance runs first on the new thread; when it
// succeeds Run pumps messages until WM_QUIT, offering each one to PreTranslateMessage before
// it is dispatched; ExitInstance runs last and gives the thread's exit code.
class CWinThread {
public:
    CWinThread();
    virtual ~CWinThread();

    // Starts the thread (suspended with CREATE_SUSPENDED); false when the system refused.
    BOOL CreateThread(DWORD createFlags = 0, UINT stackSize = 0);
    DWORD ResumeThread();
    BOOL SetThreadPriority(int priority);
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam);

    virtual BOOL InitInstance();
    virtual int Run();
    // Walks the message's window and its parents (up to the main window); true keeps the
    // message from being dispatched.
    virtual BOOL PreTranslateMessage(MSG* message);
    virtual int ExitInstance();

    // The thread object of the calling thread, or null on a thread not started here.
    static CWinThread* GetCurrent();

    HANDLE m_hThread;
    DWORD m_nThreadID;
    // When set the object deletes itself as its thread ends, and its handle with it.
    BOOL m_bAutoDelete;
    CWnd* m_pMainWnd;

private:
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;

    static DWORD WINAPI ThreadEntry(void* self);
};

// Creates a thread object of class T and starts it with the given priority, stack size and
// creation flags; null when the thread could not be started.
template <class T>
T* AfxBeginThread(int priority = THREAD_PRIORITY_NORMAL, UINT stackSize = 0, DWORD createFlags = 0)
{
    T* thread = new (std::nothrow) T();
    if (!thread)
        return nullptr;
    if (!thread->CreateThread(createFlags | CREATE_SUSPENDED, stackSize)) {
        delete thread;
        return nullptr;
    }
    thread->SetThreadPriority(priority);
    if (!(createFlags & CREATE_SUSPENDED))
        thread->ResumeThread();
    return thread;
}
