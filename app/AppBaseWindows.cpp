// The settings holders the base makes for the toolkit's own dialogs.
#include "app/AppBase.h"
#include "app/AppWindow.h"
#include "app/AppWindowDefaults.h"

namespace s {
namespace app {
namespace win {

IAppWindow* AppBase::CreateAppWindow(const wchar_t* name)
{
    const AppWindowDefaults* defaults = FindAppWindowDefaults(name);
    // A window with a skin manager of its own gets it from its controller, not from here.
    if (!defaults || defaults->ownSkinner)
        return nullptr;
    return win::CreateAppWindow(this, *defaults, nullptr);
}

void AppBase::ReleaseAppWindow(IAppWindow* holder)
{
    AppWindow* own = dynamic_cast<AppWindow*>(holder);
    if (own)
        own->ReleaseToPool();
}

} // namespace win
} // namespace app
} // namespace s
