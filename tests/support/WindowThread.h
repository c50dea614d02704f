#pragma once
#include <windows.h>

#include <functional>

#include "windowing/Messages.h"
#include "windowing/ProcessKey.h"

namespace testing_support {

// Runs the work on the thread of the toolkit's window and returns when it has run.
inline void RunOnWindowThread(HWND window, const std::function<void()>& work)
{
    SendMessageW(window, s::gui::msg::kRunOnOwnThread, reinterpret_cast<WPARAM>(&work), s::gui::win::ProcessKey());
}

} // namespace testing_support
