#pragma once
#include <windows.h>

#include <commdlg.h>

class CWnd;

// The standard print dialog over PRINTDLGW, shown through the application's printer functions
// (mfc/Printer.h). What the dialog hands back (device names, mode, context) is freed with it.
class CPrintDialog {
public:
    CPrintDialog(BOOL printSetupOnly, DWORD flags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                                    PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                 CWnd* parent = nullptr);
    ~CPrintDialog();

    // IDOK when the user confirmed, else IDCANCEL.
    INT_PTR DoModal();
    // The port of the chosen printer; empty before a confirmed dialog.
    const wchar_t* GetPortName();

    PRINTDLGW m_pd;

private:
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;

    wchar_t port_[MAX_PATH];
};
