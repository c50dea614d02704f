#include "app/AppWindowDefaults.h"

#include "app/AppBase.h"
#include "app/AppWindow.h"
#include "core/str/AsciiFold.h"
#include "windowing/MiddleClickActions.h"

namespace s {
namespace app {
namespace win {

namespace {

const uint32_t kSkinSetResourceId = 150;

} // namespace

const AppWindowDefaults kMainWindowDefaults = {
    L"MainWindow", 31, 160, false, gui::win::kMiddleClickIconize, true, L"Black Black", AppBase::kXmlResourceType,
    kSkinSetResourceId};
const AppWindowDefaults kAboutWindowDefaults = {
    L"AboutWindow", 340, 285, true, gui::win::kMiddleClickClose, true, L"Classic LG", nullptr, 0};
const AppWindowDefaults kCustomizerWindowDefaults = {
    L"CustomizerWindow", 320, 450, true, gui::win::kMiddleClickClose, false, nullptr, nullptr, 0};
const AppWindowDefaults kSkinCustomizerDefaults = {
    L"SkinCustomizer", 500, 500, false, gui::win::kMiddleClickClose, false, nullptr, nullptr, 0};
const AppWindowDefaults kProgressWindowDefaults = {
    L"ProgressWindow", 300, 250, true, gui::win::kMiddleClickClose, false, nullptr, nullptr, 0};

const AppWindowDefaults* FindAppWindowDefaults(const wchar_t* name)
{
    static const AppWindowDefaults* const kAll[] = {&kMainWindowDefaults, &kAboutWindowDefaults,
                                                    &kCustomizerWindowDefaults, &kSkinCustomizerDefaults,
                                                    &kProgressWindowDefaults};
    if (!name)
        return nullptr;
    for (const AppWindowDefaults* defaults : kAll) {
        if (str::EqualsIgnoreCaseAscii(defaults->name, name))
            return defaults;
    }
    return nullptr;
}

AppWindow* CreateAppWindow(AppBase* app, const AppWindowDefaults& defaults, gui::drawer::Skinner* skinner)
{
    AppWindow* holder = AppWindow::New();
    if (!holder)
        return nullptr;
    if (!defaults.ownSkinner && app)
        skinner = app->GetSkinner();
    if (!AppWindow::Create(holder, app, defaults.name, app ? app->GetSoftwareType() : nullptr, defaults.width,
                           defaults.height, defaults.keepOnTop, defaults.middleClickAction, skinner,
                           defaults.defaultSkinName, defaults.skinSetType, defaults.skinSetId)) {
        holder->ReleaseToPool();
        return nullptr;
    }
    return holder;
}

} // namespace win
} // namespace app
} // namespace s
