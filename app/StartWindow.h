#pragma once
#include <windows.h>

#include <cstdint>

#include "storage/events/IEventListener.h"

namespace s {
namespace gui {
namespace win {
class Window;
}
} // namespace gui

namespace app {
namespace win {

class AppWindow;

// The program's window until the monitor controller takes its place: a toolkit window bound to
// the main window's settings holder, captioned with the program's title, shown where the holder
// last saw it, and remembering its place when it closes.
class StartWindow : public gui::events::IEventListener {
public:
    StartWindow();
    ~StartWindow() override;

    // Takes a window from the toolkit and shows it; false when no native window could be made
    // (the toolkit has told the user).
    bool Open(AppWindow* holder);
    // Blocks until the user has closed the window; at once when it was never opened.
    void WaitUntilClosed();
    // Gives the window back to the toolkit; the holder is no longer used.
    void Release();

    gui::win::Window* GetWindow() { return window_; }

    // The window's close: its place goes to the holder.
    void OnEvent(base::IObject* source, int32_t code) override;

private:
    StartWindow(const StartWindow&) = delete;
    StartWindow& operator=(const StartWindow&) = delete;

    // The program's icons from its own icon group, until the window takes them from the holder.
    void SetProgramIcons();
    void AddTitleLabel(AppWindow* holder);

    gui::win::Window* window_;
    AppWindow* holder_;
    HICON smallIcon_;
    HICON bigIcon_;
};

} // namespace win
} // namespace app
} // namespace s
