#include "mfc/SliderCtrl.h"

#include <commctrl.h>

BOOL CSliderCtrl::Create(DWORD style, const RECT& rect, HWND parent, UINT id)
{
    return CWnd::Create(TRACKBAR_CLASSW, L"", style, rect, parent, id);
}

int CSliderCtrl::GetPos()
{
    return static_cast<int>(SendMessage(TBM_GETPOS));
}

void CSliderCtrl::SetPos(int position)
{
    SendMessage(TBM_SETPOS, TRUE, position);
}

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL redraw)
{
    SendMessage(TBM_SETRANGEMIN, FALSE, minimum);
    SendMessage(TBM_SETRANGEMAX, redraw, maximum);
}

void CSliderCtrl::SetTicFreq(int frequency)
{
    SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(frequency));
}

int CSliderCtrl::SetPageSize(int size)
{
    return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, size));
}

int CSliderCtrl::GetPageSize()
{
    return static_cast<int>(SendMessage(TBM_GETPAGESIZE));
}

int CSliderCtrl::SetLineSize(int size)
{
    return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, size));
}

void CSliderCtrl::SetThumbLength(int length)
{
    SendMessage(TBM_SETTHUMBLENGTH, static_cast<WPARAM>(length));
}

void CSliderCtrl::GetChannelRect(RECT* rect)
{
    if (!rect)
        return;
    *rect = RECT{0, 0, 0, 0};
    SendMessage(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(rect));
}
