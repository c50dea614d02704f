#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include "support/BoxRecorder.h"
#include "windowing/Window.h"
#include "windowing/box/Box.h"

namespace testing_support {

// One shown window for a whole suite (showing a window takes long under Wine); each test gets a
// fresh Box of the suite's layout kind filling the client area, removed with its children after
// the test.
class WidgetStage : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        window_ = s::gui::win::Window::New();
        ASSERT_NE(nullptr, window_);
        ASSERT_TRUE(window_->IsReady());
        window_->SetBounds(60, 60, 420, 300);
        window_->SetVisible(true);
    }
    static void TearDownTestSuite()
    {
        if (window_)
            window_->ReleaseToPool();
        window_ = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(nullptr, window_);
        BoxRecorder::Take();
        box_ = s::gui::win::Box::Create(LayoutKind(), 100, 100, 0, 0, 0, 0, 0, 0);
        ASSERT_NE(nullptr, box_);
        window_->AddChild(box_);
        ASSERT_NE(nullptr, box_->GetSafeHwnd());
    }
    void TearDown() override
    {
        if (box_)
            window_->RemoveChild(box_, true);
        box_ = nullptr;
    }

    virtual int32_t LayoutKind() { return s::gui::IBox::kRow; }

    // Runs on the window's thread: the Box creates the child there and lays out again.
    void Add(s::gui::IComponent* child) { box_->AddChild(child); }

    static inline s::gui::win::Window* window_ = nullptr;
    s::gui::win::Box* box_ = nullptr;
};

} // namespace testing_support
