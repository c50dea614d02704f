#pragma once
#include <windows.h>
#include <commctrl.h>

#include "mfc/Wnd.h"

// The system's list-view control bound to an object. Everything beyond creation and columns goes
// to the control as its LVM_ messages.
class CListCtrl : public CWnd {
public:
    // A child list-view with a control id.
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    // Inserts a column at that place; its index, or -1 when the control refuses. A width of -1
    // lets the control choose.
    int InsertColumn(int column, const wchar_t* caption, int format = LVCFMT_LEFT, int width = -1,
                     int subItem = -1);
};
