#pragma once
#include "mfc/Wnd.h"

// The system's progress-bar control bound to an object; its state goes through PBM_ messages.
class CProgressCtrl : public CWnd {
public:
    // A child progress bar with a control id.
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    void SetRange32(int low, int high);
    int SetPos(int position);
    int GetPos();
};
