// One paint of a skinned panel of the dialog controls (buttons, check box, group box with radio
// buttons, slider, progress bar) against one BitBlt of an image of the panel's size, in the same
// run. On a display (xvfb-run).
#include "BenchClock.h"
#include "BenchWindow.h"

#include <cstdint>
#include <cstdio>

#include "windowing/box/Box.h"
#include "windowing/widgets/Button.h"
#include "windowing/widgets/CheckBox.h"
#include "windowing/widgets/GroupBox.h"
#include "windowing/widgets/ProgressBar.h"
#include "windowing/widgets/RadioButton.h"
#include "windowing/widgets/Slider.h"

using namespace s::gui;

namespace {

const int32_t kPaints = 200;

} // namespace

int main()
{
    drawer::Skinner* skinner = NewBenchSkinner();
    if (!skinner) {
        std::printf("no skin\n");
        return 1;
    }
    win::Window* window = NewShownWindow(40, 40, 360, 320, skinner);
    if (!window)
        return 1;

    win::Box* panel = win::Box::Create(IBox::kColumn, 100, 100, 0, 0, 0, 0, 0, 0);
    panel->SetMargins(8);
    panel->SetVGap(6);
    window->AddChild(panel);
    win::Button* apply = win::Button::New();
    apply->SetCaption(L"Apply");
    panel->AddChild(apply);
    win::CheckBox* check = win::CheckBox::New();
    check->SetCaption(L"Keep on top");
    check->SetChecked(true);
    panel->AddChild(check);
    win::GroupBox* group = win::GroupBox::CreateWithBox(L"Refresh", 100, IBox::kColumn, 0, 2);
    panel->AddChild(group);
    const wchar_t* choices[] = {L"Every second", L"Every 5 seconds", L"Every minute"};
    for (const wchar_t* choice : choices) {
        win::RadioButton* radio = win::RadioButton::New();
        radio->SetCaption(choice);
        group->AddChild(radio);
    }
    win::Slider* slider = win::Slider::Create(100, -1);
    slider->SetPosition(70);
    panel->AddChild(slider);
    win::ProgressBar* progress = win::ProgressBar::New();
    progress->SetWidthPercent(100);
    progress->SetFixedHeight(16);
    progress->SetPosition(40);
    panel->AddChild(progress);

    HWND area = panel->GetSafeHwnd();
    const double paint = Best([&] {
        for (int32_t i = 0; i < kPaints; ++i)
            RedrawWindow(area, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    });
    const double blit = BlitSeconds(area, kPaints);
    RECT client;
    GetClientRect(area, &client);
    std::printf("skinned panel paint (%ld x %ld, 8 controls): %.1f us, one BitBlt of its size: %.1f us, ratio %.1f\n",
                client.right, client.bottom, paint / kPaints * 1e6, blit / kPaints * 1e6, paint / blit);
    window->ReleaseToPool();
    skinner->ReleaseToPool();
    return 0;
}
