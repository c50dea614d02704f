#include "mfc/Button.h"

#include <commctrl.h>

BOOL CButton::Create(const wchar_t* caption, DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CWnd::Create(L"BUTTON", caption, style, rect, parent, id);
}

int CButton::GetCheck()
{
    return static_cast<int>(SendMessage(BM_GETCHECK));
}

void CButton::SetCheck(int check)
{
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
}

void CButton::SetButtonStyle(UINT style, BOOL redraw)
{
    SendMessage(BM_SETSTYLE, style, MAKELPARAM(redraw, 0));
}

BOOL CButton::GetIdealSize(SIZE* size)
{
    if (!size)
        return FALSE;
    size->cx = 0;
    size->cy = 0;
    return SendMessage(BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(size)) ? TRUE : FALSE;
}
