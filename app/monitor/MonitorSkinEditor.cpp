// The monitor's side of the skin colour editor: its settings holder "SkinCustomizer" without a
// skin manager of its own (the editor's controls keep their look while it edits the monitor's
// skins), the editor made on first use and kept, and its steps of the monitor's close.
#include "app/AppBase.h"
#include "app/AppWindow.h"
#include "app/AppWindowDefaults.h"
#include "app/dialogs/SkinCustomizer.h"
#include "app/monitor/Monitor.h"
#include "app/monitor/MonitorSettingKeys.h"
#include "skins/Skinner.h"
#include "storage/settings/IMappedData.h"
#include "windowing/Window.h"

namespace s {
namespace system {
namespace gui {
namespace dialogs {
namespace monitor {

namespace {
namespace toolkit = ::s::gui;
} // namespace

void Monitor::SetSkinTools(bool on)
{
    skinTools_ = on;
    if (on)
        menus_.AddSkinTools();
}

void Monitor::OpenSkinCustomizer()
{
    if (!window_ || !skinner_)
        return;
    if (!skinEditor_) {
        skinEditor_ = toolkit::dialogs::SkinCustomizer::New();
        if (!skinEditor_)
            return;
        // The application's skin manager, as every holder without one of its own gets it.
        if (app::win::AppBase* app = GetApp())
            skinEditorHolder_ = NewDialogHolder(app::win::kSkinCustomizerDefaults, app->GetSkinner());
        if (skinEditorHolder_)
            skinEditor_->SetAppWindow(skinEditorHolder_);
        skinEditor_->SetServices(localizer_, settings_);
        skinEditor_->SetSkinner(skinner_);
    }
    skinEditor_->Show(window_);
}

void Monitor::CloseSkinCustomizer()
{
    toolkit::win::Window* editorWindow = skinEditor_ ? skinEditor_->GetWindow() : nullptr;
    if (editorWindow && !editorWindow->IsClosed())
        skinEditor_->CloseUnasked();
}

// The skins the user edited outlive the program, also when nobody saved them.
void Monitor::StoreEditedSkinSet()
{
    if (skinEditor_)
        StoreSkinSet();
}

// Hundreds of values, written to the file once rather than once each.
void Monitor::StoreSkinSet()
{
    if (!skinner_ || !settings_)
        return;
    const bool autoSave = settings_->GetAutoSave();
    settings_->SetAutoSave(false);
    skinner_->SaveSkinSet(settings_, SectionPath(key::kGroupSkinSet).c_str());
    if (autoSave)
        settings_->Save();
    settings_->SetAutoSave(autoSave);
}

void Monitor::ReleaseSkinCustomizer()
{
    GiveBack(skinEditor_);
    GiveBack(skinEditorHolder_);
}

} // namespace monitor
} // namespace dialogs
} // namespace gui
} // namespace system
} // namespace s
