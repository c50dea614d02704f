#pragma once
#include <atomic>

#include "mfc/WinThread.h"

namespace s {
namespace gui {
namespace win {

class Window;

// The user-interface thread of one Window: it sets up common controls, OLE and COM, makes the
// hidden owner window and the frame, then runs the frame's message loop. The Window deletes
// this object itself once the thread has ended.
class UIThread : public CWinThread {
public:
    UIThread();

    // Hands the Window over before the thread is resumed.
    void SetWindow(Window* window);
    // Set once start-up has run (also when the frame could not be made), cleared on exit.
    bool IsReady() const { return ready_; }

    BOOL InitInstance() override;
    // For a Window released on this very thread, from inside its own code: the loop gives it
    // back at its next message, when that code has returned.
    void RequestRelease();
    BOOL PreTranslateMessage(MSG* message) override;
    int ExitInstance() override;
    // For a Window torn down on this very thread: the thread lets go of it, ends on the quit
    // request and deletes itself.
    void LetGoOfWindow();

private:
    std::atomic<Window*> window_;
    std::atomic<bool> ready_;
    bool oleStarted_;
    bool releaseRequested_;
};

} // namespace win
} // namespace gui
} // namespace s
