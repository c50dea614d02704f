#pragma once
#include <windows.h>

#include <memory>

#include <gtest/gtest.h>

#include "support/BoxRecorder.h"
#include "windowing/Window.h"

namespace testing_support {

struct WindowReleaser {
    void operator()(s::gui::win::Window* window) const
    {
        if (window)
            window->ReleaseToPool();
    }
};
using WindowPtr = std::unique_ptr<s::gui::win::Window, WindowReleaser>;

// A window on its own thread at a place of the virtual display with a known size; hidden, since
// a shown window takes seconds to go under Wine: tests that need it shown call Show.
class ShownWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        BoxRecorder::Take();
        window_.reset(s::gui::win::Window::New());
        ASSERT_NE(nullptr, window_);
        ASSERT_TRUE(window_->IsReady());
        frame_ = window_->GetSafeHwnd();
        window_->SetBounds(40, 40, 420, 320);
    }

    void Show() { window_->SetVisible(true); }

    WindowPtr window_;
    HWND frame_ = nullptr;
};

} // namespace testing_support
