#pragma once
#include "mfc/Wnd.h"

// The system's push-button control bound to an object; its state goes through BM_ messages.
class CButton : public CWnd {
public:
    // A child button with a caption and a control id.
    BOOL Create(const wchar_t* caption, DWORD style, const RECT& rect, HWND parent, UINT id);

    int GetCheck();
    void SetCheck(int check);
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);
    // The size the control wants for its caption (common controls 6); false when it has no answer.
    BOOL GetIdealSize(SIZE* size);
};
