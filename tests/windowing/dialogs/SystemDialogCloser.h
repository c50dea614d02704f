#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

#include "mfc/CommonDialogs.h"
#include "support/Wait.h"

namespace testing_support {

// The system's own colour, open and save dialogs for the life of the object, in place of the
// test programs' declining stand-ins.
class SystemDialogs {
public:
    SystemDialogs() : previous_(AfxSetCommonDialogFunctions(AfxCommonDialogFunctions{})) {}
    ~SystemDialogs() { AfxSetCommonDialogFunctions(previous_); }

private:
    SystemDialogs(const SystemDialogs&) = delete;
    SystemDialogs& operator=(const SystemDialogs&) = delete;
    AfxCommonDialogFunctions previous_;
};

// Plays the person at a system dialog: a second thread waits for a shown dialog box ("#32770")
// of the given thread, hands it to the action and says whether it found one. The dialog then
// closes on the thread that runs it, which is blocked in the dialog meanwhile.
class SystemDialogCloser {
public:
    SystemDialogCloser(DWORD dialogThread, std::function<void(HWND dialog)> action)
        : thread_([this, dialogThread, action]() {
              HWND dialog = nullptr;
              if (WaitUntil([&]() { return (dialog = FindDialog(dialogThread)) != nullptr; }, kBoundMillis)) {
                  action(dialog);
                  found_ = true;
              }
          })
    {
    }
    ~SystemDialogCloser() { Join(); }

    void Join()
    {
        if (thread_.joinable())
            thread_.join();
    }
    bool Found()
    {
        Join();
        return found_;
    }

    // The buttons' commands as the dialog gets them from a click.
    static void Press(HWND dialog, int button) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }

private:
    // Generous: a first system dialog loads its libraries under Wine.
    static const DWORD kBoundMillis = 30000;

    static HWND FindDialog(DWORD thread)
    {
        HWND found = nullptr;
        EnumThreadWindows(
            thread,
            [](HWND window, LPARAM result) -> BOOL {
                wchar_t name[16] = {};
                GetClassNameW(window, name, 16);
                if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window))
                    return TRUE;
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }

    std::atomic<bool> found_{false};
    std::thread thread_;
};

} // namespace testing_support
