// Controls whose native window cannot be made: told once, and they go on as stored state.
#include <windows.h>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "support/BoxRecorder.h"
#include "windowing/box/Box.h"
#include "windowing/widgets/CheckBox.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/ProgressBar.h"
#include "windowing/widgets/RadioButton.h"
#include "windowing/widgets/Slider.h"

namespace {

using s::gui::IComponent;
using testing_support::BoxRecorder;

TEST(ControlFailure, AControlThatCannotBeMadeIsToldOnceAndKeepsItsState)
{
    // A parent whose native window is gone.
    HWND gone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, gone);
    DestroyWindow(gone);
    s::gui::win::Box* deadParent = s::gui::win::Box::Create(0, -1, -1, 0, 0, 0, 0, 0, 0);
    ASSERT_NE(nullptr, deadParent);
    ASSERT_TRUE(deadParent->Attach(gone));

    struct Case {
        const char* name;
        std::function<IComponent*()> make;
        // Changes the control and says whether it kept the change.
        std::function<bool(IComponent*)> keeps;
    };
    const Case cases[] = {
        {"progress bar", [] { return s::gui::win::ProgressBar::New(); },
         [](IComponent* c) {
             auto* bar = static_cast<s::gui::win::ProgressBar*>(c);
             bar->SetRange(0, 10);
             bar->SetPosition(7);
             return bar->GetPosition() == 7 && bar->GetRangeHigh() == 10;
         }},
        {"slider", [] { return s::gui::win::Slider::Create(100, -1); },
         [](IComponent* c) {
             auto* slider = static_cast<s::gui::win::Slider*>(c);
             slider->SetPosition(30);
             return slider->GetPosition() == 30;
         }},
        {"radio button", [] { return s::gui::win::RadioButton::New(); },
         [](IComponent* c) {
             auto* radio = static_cast<s::gui::win::RadioButton*>(c);
             radio->SetChecked(true, true);
             radio->SetCaption(L"kept");
             return radio->IsChecked() && radio->GetMinWidth() == 0;
         }},
        {"check box", [] { return s::gui::win::CheckBox::New(); },
         [](IComponent* c) {
             auto* box = static_cast<s::gui::win::CheckBox*>(c);
             box->SetChecked(true);
             return box->IsChecked();
         }},
        {"group box", [] { return s::gui::win::GroupBox::CreateWithBox(L"kept", -1, 1, 0, 0); },
         [](IComponent* c) {
             auto* group = static_cast<s::gui::win::GroupBox*>(c);
             group->SetCaption(L"still");
             return group->GetDroppedFiles() && group->GetChildCount() == 1;
         }},
    };
    for (const Case& c : cases) {
        IComponent* control = c.make();
        ASSERT_NE(nullptr, control) << c.name;
        BoxRecorder::Take();
        EXPECT_FALSE(control->CreateWindowIn(deadParent)) << c.name;
        const std::vector<testing_support::RecordedBox> boxes = BoxRecorder::Take();
        ASSERT_EQ(1u, boxes.size()) << c.name;
        EXPECT_EQ(L"Window Creation Failed!", boxes[0].text) << c.name;
        EXPECT_EQ(L"Error!", boxes[0].caption) << c.name;
        EXPECT_EQ(nullptr, control->GetParent()) << c.name;
        EXPECT_TRUE(c.keeps(control)) << c.name;
        EXPECT_TRUE(control->CreateWindowIn(nullptr)) << c.name;
        EXPECT_TRUE(BoxRecorder::Take().empty()) << c.name;
        dynamic_cast<s::thread::IPoolable*>(control)->ReleaseToPool();
    }
    deadParent->Detach();
    deadParent->ReleaseToPool();
}

} // namespace
