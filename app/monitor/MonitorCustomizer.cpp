// The field customizer of the monitor: its settings holder "CustomizerWindow", made on first use
// and kept; the dialog itself is given back after each showing once its window has closed.
#include "app/AppWindow.h"
#include "app/AppWindowDefaults.h"
#include "app/dialogs/Customizer.h"
#include "app/monitor/Monitor.h"
#include "windowing/Window.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

void Monitor::OpenCustomizer()
{
    if (!window_)
        return;
    if (!customizer_)
        customizer_ = Customizer::New();
    if (!customizer_)
        return;
    // The holder without a skin manager: the dialog paints with the system's colours.
    if (!customizerHolder_)
        customizerHolder_ = NewDialogHolder(app::win::kCustomizerWindowDefaults, nullptr);
    customizer_->SetAppWindow(customizerHolder_);
    customizer_->SetLocalizer(customizerHolder_ ? customizerHolder_->GetLangPack() : localizer_);
    customizer_->SetFields(&displayOrder_, &creationOrder_);
    customizer_->Show(window_);
}

void Monitor::CloseCustomizer()
{
    ::s::gui::win::Window* dialog = customizer_ ? customizer_->GetWindow() : nullptr;
    if (dialog && !dialog->IsClosed())
        dialog->Close();
}

void Monitor::ReturnClosedCustomizer()
{
    ::s::gui::win::Window* dialog = customizer_ ? customizer_->GetWindow() : nullptr;
    if (!dialog || dialog->IsClosed())
        GiveBack(customizer_);
}

void Monitor::ReleaseCustomizer()
{
    GiveBack(customizer_);
    GiveBack(customizerHolder_);
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
