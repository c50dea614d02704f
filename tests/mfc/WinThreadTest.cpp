// Threads with their own message loop: start-up, the walk of PreTranslateMessage from a
// message's window up through its parents, and the end of the loop.
#include <windows.h>

#include <atomic>
#include <vector>

#include <gtest/gtest.h>

#include "mfc/WinThread.h"
#include "mfc/Wnd.h"
#include "support/TestWindowClass.h"

namespace {

const wchar_t kClass[] = L"PulsegridMfcThreadWindow";
const UINT kTaken = WM_APP + 0x200;   // the parent takes it before dispatch
const UINT kPassed = WM_APP + 0x201;  // nobody takes it: dispatched to the child
const DWORD kBoundMillis = 10000;

// Each object notes, in one shared list, which window was offered a message first.
struct Journal {
    std::vector<int> offered;
    std::vector<int> dispatched;
};

class JournalWnd : public CWnd {
public:
    JournalWnd(Journal* journal, int id, UINT takes) : journal_(journal), id_(id), takes_(takes) {}
    BOOL PreTranslateMessage(MSG* message) override
    {
        if (message->message != kTaken && message->message != kPassed)
            return FALSE;
        journal_->offered.push_back(id_);
        return message->message == takes_;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kTaken || message == kPassed)
            journal_->dispatched.push_back(id_);
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    Journal* journal_;
    int id_;
    UINT takes_;
};

// Makes a parent with a child on its own thread, posts both messages to the child and quits.
class LoopThread : public CWinThread {
public:
    LoopThread() : parent(&journal, 1, kTaken), child(&journal, 2, 0) { m_bAutoDelete = FALSE; }
    BOOL InitInstance() override
    {
        initialised = true;
        if (failStart)
            return FALSE;
        if (!parent.CreateEx(0, kClass, L"parent", WS_POPUP, 0, 0, 60, 60, nullptr, nullptr) ||
            !child.CreateEx(0, kClass, L"child", WS_CHILD, 0, 0, 20, 20, parent.m_hWnd, nullptr))
            return FALSE;
        m_pMainWnd = &parent;
        ::PostMessageW(child.m_hWnd, kTaken, 0, 0);
        ::PostMessageW(child.m_hWnd, kPassed, 0, 0);
        ::PostThreadMessageW(GetCurrentThreadId(), WM_QUIT, 0, 0);
        return TRUE;
    }
    int ExitInstance() override
    {
        exited = true;
        currentDuringExit = CWinThread::GetCurrent();
        parent.DestroyWindow();
        return failStart ? 3 : 5;
    }

    Journal journal;
    JournalWnd parent;
    JournalWnd child;
    bool failStart = false;
    std::atomic<bool> initialised{false};
    std::atomic<bool> exited{false};
    CWinThread* currentDuringExit = nullptr;
};

TEST(WinThread, LoopOffersEachMessageFromItsWindowUpThroughItsParents)
{
    ASSERT_TRUE(testing_support::RegisterTestWindowClass(kClass, &DefWindowProcW));
    LoopThread* thread = AfxBeginThread<LoopThread>(THREAD_PRIORITY_NORMAL, 0, 0);
    ASSERT_NE(nullptr, thread);
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread->m_hThread, kBoundMillis));

    // The taken message went child, parent and never reached a window procedure; the other
    // was offered to both and then dispatched to the child.
    EXPECT_EQ((std::vector<int>{2, 1, 2, 1}), thread->journal.offered);
    EXPECT_EQ((std::vector<int>{2}), thread->journal.dispatched);
    DWORD exitCode = 0;
    GetExitCodeThread(thread->m_hThread, &exitCode);
    EXPECT_EQ(5u, exitCode);
    EXPECT_EQ(thread, thread->currentDuringExit);
    EXPECT_EQ(nullptr, CWinThread::GetCurrent());
    delete thread;
}

TEST(WinThread, FailedStartSkipsTheLoopAndStillExits)
{
    LoopThread* thread = AfxBeginThread<LoopThread>(THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, thread);
    thread->failStart = true;
    EXPECT_EQ(THREAD_PRIORITY_NORMAL, GetThreadPriority(thread->m_hThread));
    thread->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread->m_hThread, kBoundMillis));
    EXPECT_TRUE(thread->initialised);
    EXPECT_TRUE(thread->exited);
    EXPECT_TRUE(thread->journal.offered.empty());
    DWORD exitCode = 0;
    GetExitCodeThread(thread->m_hThread, &exitCode);
    EXPECT_EQ(3u, exitCode);
    delete thread;
}

TEST(WinThread, PriorityIsSetBeforeTheThreadRuns)
{
    LoopThread* thread = AfxBeginThread<LoopThread>(THREAD_PRIORITY_BELOW_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, thread);
    EXPECT_EQ(THREAD_PRIORITY_BELOW_NORMAL, GetThreadPriority(thread->m_hThread));
    EXPECT_FALSE(thread->initialised);
    thread->failStart = true;
    thread->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread->m_hThread, kBoundMillis));
    delete thread;
}

} // namespace
