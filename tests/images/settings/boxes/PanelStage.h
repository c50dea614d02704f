#pragma once
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "images/settings/EncodeSettingBase.h"
#include "images/settings/IEncodeSettingBox.h"
#include "support/BoxRecorder.h"
#include "support/Screenshot.h"
#include "windowing/Window.h"

namespace settings_test {

// One plain toolkit window shown for a whole suite; each test hosts one option panel in it and
// takes it out again with the panel and its setting.
class PanelStage : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        window_ = s::gui::win::Window::New();
        ASSERT_NE(nullptr, window_);
        ASSERT_TRUE(window_->IsReady());
        window_->SetBounds(40, 40, 560, 660);
        window_->SetVisible(true);
    }
    static void TearDownTestSuite()
    {
        if (window_)
            window_->ReleaseToPool();
        window_ = nullptr;
    }

    void SetUp() override { testing_support::BoxRecorder::Take(); }
    void TearDown() override
    {
        if (root_)
            window_->RemoveChild(root_, true);
        root_ = nullptr;
        if (panel_)
            dynamic_cast<s::thread::IPoolable*>(panel_)->ReleaseToPool();
        if (setting_)
            setting_->ReleaseToPool();
        panel_ = nullptr;
        setting_ = nullptr;
    }

    // The setting's panel built and placed in the window; the panel as its own class.
    template <class Panel>
    Panel* Host(s::image::EncodeSettingBase* setting)
    {
        setting_ = setting;
        panel_ = setting->CreateConfigBox();
        if (!panel_)
            return nullptr;
        panel_->SetWindow(window_);
        root_ = panel_->Build();
        if (!root_)
            return nullptr;
        window_->AddChild(root_);
        // Everything the window's thread was asked before has been done.
        SendMessageW(window_->GetSafeHwnd(), WM_NULL, 0, 0);
        return dynamic_cast<Panel*>(panel_);
    }
    // The same, the setting's background colour first becoming red, green, blue.
    template <class Panel>
    Panel* Host(s::image::EncodeSettingBase* setting, int32_t red, int32_t green, int32_t blue)
    {
        setting->BgRed = red;
        setting->BgGreen = green;
        setting->BgBlue = blue;
        return Host<Panel>(setting);
    }

    // Lets the window's thread handle what the test sent to the controls.
    static void Settle() { SendMessageW(window_->GetSafeHwnd(), WM_NULL, 0, 0); }

    // A screenshot of the window in the build's screenshot folder.
    static void Screenshot(const wchar_t* name)
    {
        Settle();
        RedrawWindow(window_->GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Sleep(200);
        testing_support::ScreenImage image;
        ASSERT_TRUE(testing_support::CaptureWindow(window_->GetSafeHwnd(), &image));
        EXPECT_FALSE(testing_support::SaveScreenshot(image, name).empty());
    }

    static inline s::gui::win::Window* window_ = nullptr;
    s::image::EncodeSettingBase* setting_ = nullptr;
    s::image::gui::IEncodeSettingBox* panel_ = nullptr;
    s::gui::IComponent* root_ = nullptr;
};

} // namespace settings_test
