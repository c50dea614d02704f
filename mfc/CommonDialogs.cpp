#include "mfc/CommonDialogs.h"

#include "core/thread/ObjLocker.h"

namespace {

AfxCommonDialogFunctions SystemFunctions()
{
    return AfxCommonDialogFunctions{&::ChooseColorW, &::GetOpenFileNameW, &::GetSaveFileNameW};
}

struct InstalledFunctions {
    s::thread::ObjLocker locker;
    AfxCommonDialogFunctions functions = SystemFunctions();
};

InstalledFunctions& Installed()
{
    static InstalledFunctions installed;
    return installed;
}

} // namespace

AfxCommonDialogFunctions AfxGetCommonDialogFunctions()
{
    InstalledFunctions& installed = Installed();
    s::thread::ScopedLock hold(installed.locker);
    return installed.functions;
}

AfxCommonDialogFunctions AfxSetCommonDialogFunctions(const AfxCommonDialogFunctions& functions)
{
    const AfxCommonDialogFunctions system = SystemFunctions();
    AfxCommonDialogFunctions chosen = functions;
    if (!chosen.chooseColor)
        chosen.chooseColor = system.chooseColor;
    if (!chosen.getOpenFileName)
        chosen.getOpenFileName = system.getOpenFileName;
    if (!chosen.getSaveFileName)
        chosen.getSaveFileName = system.getSaveFileName;
    InstalledFunctions& installed = Installed();
    s::thread::ScopedLock hold(installed.locker);
    const AfxCommonDialogFunctions previous = installed.functions;
    installed.functions = chosen;
    return previous;
}
