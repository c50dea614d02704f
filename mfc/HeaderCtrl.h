#pragma once
#include <windows.h>
#include <commctrl.h>

#include "mfc/Wnd.h"

// The system's header control bound to an object, usually by subclassing the header that a
// list-view made for itself. Everything else goes to the control as its HDM_ messages.
class CHeaderCtrl : public CWnd {
public:
    // The number of items; 0 without a control.
    int GetItemCount() const;
    BOOL GetItemRect(int index, RECT* rect) const;
    BOOL GetItem(int index, HDITEMW* item) const;
};
