#include "mfc/PrintDialog.h"

#include "mfc/Printer.h"
#include "mfc/Wnd.h"

CPrintDialog::CPrintDialog(BOOL printSetupOnly, DWORD flags, CWnd* parent)
{
    ZeroMemory(&m_pd, sizeof(m_pd));
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = flags | (printSetupOnly ? PD_PRINTSETUP : 0);
    m_pd.hwndOwner = parent ? parent->GetSafeHwnd() : nullptr;
    port_[0] = L'\0';
}

CPrintDialog::~CPrintDialog()
{
    AfxFreePrinterDefaults(&m_pd);
}

INT_PTR CPrintDialog::DoModal()
{
    return AfxGetPrinterFunctions().printDlg(&m_pd) ? IDOK : IDCANCEL;
}

const wchar_t* CPrintDialog::GetPortName()
{
    AfxGetPortName(m_pd.hDevNames, port_, MAX_PATH);
    return port_;
}
