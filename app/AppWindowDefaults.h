#pragma once
#include <cstdint>

namespace s {
namespace gui {
namespace drawer {
class Skinner;
}
} // namespace gui

namespace app {
namespace win {

class AppBase;
class AppWindow;

// What each of the program's windows passes to its settings holder.
struct AppWindowDefaults {
    const wchar_t* name;
    int32_t width;
    int32_t height;
    bool keepOnTop;
    const wchar_t* middleClickAction;
    // The window has a skin manager of its own, with this default skin.
    bool ownSkinner;
    const wchar_t* defaultSkinName;
    // The embedded skin set loaded into the own skin manager; a null type loads none.
    const wchar_t* skinSetType;
    uint32_t skinSetId;
};

extern const AppWindowDefaults kMainWindowDefaults;
extern const AppWindowDefaults kAboutWindowDefaults;
extern const AppWindowDefaults kCustomizerWindowDefaults;
extern const AppWindowDefaults kSkinCustomizerDefaults;
extern const AppWindowDefaults kProgressWindowDefaults;

// The defaults of the window of that name (ignoring case); null for a name the program has not.
const AppWindowDefaults* FindAppWindowDefaults(const wchar_t* name);

// A holder from the pool set up with the defaults and the skinner (the application's when the
// window has none of its own); null when none could be made. The caller gives it back.
AppWindow* CreateAppWindow(AppBase* app, const AppWindowDefaults& defaults, gui::drawer::Skinner* skinner);

} // namespace win
} // namespace app
} // namespace s
