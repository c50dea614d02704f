#include "mfc/ProgressCtrl.h"

#include <commctrl.h>

BOOL CProgressCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CWnd::Create(PROGRESS_CLASSW, L"", style, rect, parent, id);
}

void CProgressCtrl::SetRange32(int low, int high)
{
    SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(low), high);
}

int CProgressCtrl::SetPos(int position)
{
    return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position)));
}

int CProgressCtrl::GetPos()
{
    return static_cast<int>(SendMessage(PBM_GETPOS));
}
