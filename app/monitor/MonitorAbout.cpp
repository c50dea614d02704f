// The version box of the monitor: its settings holder "AboutWindow" with a skin manager of its
// own, made on first use and kept with the controller.
#include "app/AppWindowDefaults.h"
#include "app/AppWindow.h"
#include "app/dialogs/About3.h"
#include "app/monitor/Monitor.h"
#include "skins/Skinner.h"
#include "windowing/Window.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {
namespace toolkit = ::s::gui;

const wchar_t kAboutDrawerType[] = L"ThinWindow";
} // namespace

void Monitor::OpenAbout()
{
    if (!window_)
        return;
    if (!about_) {
        about_ = toolkit::dialogs::About3::New();
        if (!about_)
            return;
        aboutSkinner_ = toolkit::drawer::Skinner::New();
        if (aboutSkinner_) {
            aboutSkinner_->SetDrawerType(kAboutDrawerType);
            aboutSkinner_->AddBuiltInSkins();
        }
        if (aboutSkinner_) {
            aboutHolder_ = NewDialogHolder(app::win::kAboutWindowDefaults, aboutSkinner_);
            // The holder gives its skin manager back with itself.
            if (aboutHolder_)
                aboutSkinner_ = nullptr;
        }
        if (aboutHolder_) {
            about_->SetAppWindow(aboutHolder_);
        } else {
            if (aboutSkinner_)
                aboutSkinner_->SelectSkinByName(app::win::kAboutWindowDefaults.defaultSkinName);
            about_->SetServices(localizer_, settings_, aboutSkinner_);
        }
    }
    about_->Build(window_);
}

void Monitor::ReleaseAbout()
{
    GiveBack(about_);
    GiveBack(aboutHolder_);
    GiveBack(aboutSkinner_);
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
