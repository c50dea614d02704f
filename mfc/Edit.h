#pragma once
#include "mfc/Wnd.h"

// The system's edit control bound to an object.
class CEdit : public CWnd {
public:
    // A child edit control with a control id.
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    BOOL SetReadOnly(BOOL readOnly = TRUE);
    // 0 shows the characters again.
    void SetPasswordChar(wchar_t character);
    // -1 as end selects to the end of the text.
    void SetSel(int start, int end);
};
