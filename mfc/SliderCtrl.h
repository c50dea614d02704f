#pragma once
#include "mfc/Wnd.h"

// The system's trackbar control bound to an object; its state goes through TBM_ messages.
class CSliderCtrl : public CWnd {
public:
    // A child trackbar with a control id.
    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);

    int GetPos();
    void SetPos(int position);
    void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
    void SetTicFreq(int frequency);
    int SetPageSize(int size);
    int GetPageSize();
    int SetLineSize(int size);
    void SetThumbLength(int length);
    // The channel the thumb slides in, in client coordinates.
    void GetChannelRect(RECT* rect);
};
