#include "mfc/ColorDialog.h"

#include "mfc/CommonDialogs.h"
#include "mfc/Wnd.h"

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent)
{
    ZeroMemory(&m_cc, sizeof(m_cc));
    for (COLORREF& color : customColors_)
        color = RGB(255, 255, 255);
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.hwndOwner = parent ? parent->GetSafeHwnd() : nullptr;
    m_cc.rgbResult = initial;
    m_cc.lpCustColors = customColors_;
    // Without CC_RGBINIT the dialog would open on black whatever the initial colour.
    m_cc.Flags = flags | CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    return AfxGetCommonDialogFunctions().chooseColor(&m_cc) ? IDOK : IDCANCEL;
}
