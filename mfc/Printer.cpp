#include "mfc/Printer.h"

#include <cwchar>

#include "core/thread/ObjLocker.h"

namespace {

AfxPrinterFunctions SystemFunctions()
{
    return AfxPrinterFunctions{&::PrintDlgW, &::CreateDCW, &::StartDocW, &::StartPage, &::EndPage, &::EndDoc};
}

struct InstalledFunctions {
    s::thread::ObjLocker locker;
    AfxPrinterFunctions functions = SystemFunctions();
};

InstalledFunctions& Installed()
{
    static InstalledFunctions installed;
    return installed;
}

// Reads the three names of a DEVNAMES block; false when it cannot be locked.
class DevNames {
public:
    explicit DevNames(HGLOBAL handle)
        : handle_(handle), names_(handle ? static_cast<DEVNAMES*>(GlobalLock(handle)) : nullptr)
    {
    }
    ~DevNames()
    {
        if (names_)
            GlobalUnlock(handle_);
    }
    bool IsSet() const { return names_ != nullptr; }
    const wchar_t* At(WORD offset) const { return reinterpret_cast<const wchar_t*>(names_) + offset; }
    const wchar_t* Driver() const { return At(names_->wDriverOffset); }
    const wchar_t* Device() const { return At(names_->wDeviceOffset); }
    const wchar_t* Output() const { return At(names_->wOutputOffset); }

private:
    DevNames(const DevNames&) = delete;
    DevNames& operator=(const DevNames&) = delete;
    HGLOBAL handle_;
    DEVNAMES* names_;
};

} // namespace

AfxPrinterFunctions AfxGetPrinterFunctions()
{
    InstalledFunctions& installed = Installed();
    s::thread::ScopedLock hold(installed.locker);
    return installed.functions;
}

AfxPrinterFunctions AfxSetPrinterFunctions(const AfxPrinterFunctions& functions)
{
    const AfxPrinterFunctions system = SystemFunctions();
    AfxPrinterFunctions chosen = functions;
    if (!chosen.printDlg)
        chosen.printDlg = system.printDlg;
    if (!chosen.createDC)
        chosen.createDC = system.createDC;
    if (!chosen.startDoc)
        chosen.startDoc = system.startDoc;
    if (!chosen.startPage)
        chosen.startPage = system.startPage;
    if (!chosen.endPage)
        chosen.endPage = system.endPage;
    if (!chosen.endDoc)
        chosen.endDoc = system.endDoc;
    InstalledFunctions& installed = Installed();
    s::thread::ScopedLock hold(installed.locker);
    const AfxPrinterFunctions previous = installed.functions;
    installed.functions = chosen;
    return previous;
}

BOOL AfxGetPrinterDeviceDefaults(PRINTDLGW* defaults)
{
    if (!defaults)
        return FALSE;
    ZeroMemory(defaults, sizeof(*defaults));
    defaults->lStructSize = sizeof(*defaults);
    defaults->Flags = PD_RETURNDEFAULT;
    if (AfxGetPrinterFunctions().printDlg(defaults) && defaults->hDevNames)
        return TRUE;
    AfxFreePrinterDefaults(defaults);
    return FALSE;
}

void AfxFreePrinterDefaults(PRINTDLGW* defaults)
{
    if (!defaults)
        return;
    if (defaults->hDC)
        DeleteDC(defaults->hDC);
    if (defaults->hDevMode)
        GlobalFree(defaults->hDevMode);
    if (defaults->hDevNames)
        GlobalFree(defaults->hDevNames);
    defaults->hDC = nullptr;
    defaults->hDevMode = nullptr;
    defaults->hDevNames = nullptr;
}

HDC AfxCreateDC(HGLOBAL devNames, HGLOBAL devMode)
{
    DevNames names(devNames);
    if (!names.IsSet())
        return nullptr;
    const DEVMODEW* mode = devMode ? static_cast<const DEVMODEW*>(GlobalLock(devMode)) : nullptr;
    HDC dc = AfxGetPrinterFunctions().createDC(names.Driver(), names.Device(), names.Output(), mode);
    if (mode)
        GlobalUnlock(devMode);
    return dc;
}

void AfxGetPortName(HGLOBAL devNames, wchar_t* port, size_t capacity)
{
    if (!port || capacity == 0)
        return;
    port[0] = L'\0';
    DevNames names(devNames);
    if (names.IsSet())
        wcsncpy_s(port, capacity, names.Output(), _TRUNCATE);
}
