// The field customizer of the monitor: its settings holder "CustomizerWindow", made on first use
// and kept; the dialog itself is given back after each showing once its window has closed.
#include "app/AppBase.h"
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

namespace {
// The holder without a skin manager: the dialog paints with the system's colours.
app::win::AppWindow* NewCustomizerHolder(app::win::AppBase* app)
{
    const app::win::AppWindowDefaults& defaults = app::win::kCustomizerWindowDefaults;
    app::win::AppWindow* holder = app::win::AppWindow::New();
    if (holder && !app::win::AppWindow::Create(holder, app, defaults.name, app->GetSoftwareType(), defaults.width,
                                               defaults.height, defaults.keepOnTop, defaults.middleClickAction,
                                               nullptr, nullptr, nullptr, 0)) {
        holder->ReleaseToPool();
        holder = nullptr;
    }
    return holder;
}
} // namespace

void Monitor::OpenCustomizer()
{
    if (!window_)
        return;
    if (!customizer_)
        customizer_ = Customizer::New();
    if (!customizer_)
        return;
    app::win::AppBase* app = GetApp();
    if (!customizerHolder_ && app)
        customizerHolder_ = NewCustomizerHolder(app);
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
    if (customizer_ && (!dialog || dialog->IsClosed())) {
        customizer_->ReleaseToPool();
        customizer_ = nullptr;
    }
}

void Monitor::ReleaseCustomizer()
{
    if (customizer_) {
        customizer_->ReleaseToPool();
        customizer_ = nullptr;
    }
    if (customizerHolder_) {
        customizerHolder_->ReleaseToPool();
        customizerHolder_ = nullptr;
    }
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
