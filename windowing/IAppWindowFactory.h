#pragma once
#include "windowing/IAppWindow.h"

namespace s {
namespace map {
class IMappedData;
}

namespace app {

// The application base as the toolkit sees it: a dialog of the toolkit that keeps settings of
// its own (the progress dialog) asks it for a settings holder; the application implements it.
class IAppWindowFactory {
public:
    virtual ~IAppWindowFactory() {}
    // A new holder set up with the program's defaults for the window of that name; null for a
    // name the program has not, or when none could be made. Given back with ReleaseAppWindow.
    virtual IAppWindow* CreateAppWindow(const wchar_t* name) = 0;
    virtual void ReleaseAppWindow(IAppWindow* holder) = 0;
    // The application's settings store; null when it has none.
    virtual map::IMappedData* GetSettings() = 0;
};

} // namespace app
} // namespace s
