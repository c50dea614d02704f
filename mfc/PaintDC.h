#pragma once
#include "mfc/DC.h"

class CWnd;

// The device context of one WM_PAINT: begun in the constructor, ended in the destructor,
// so that no early return leaves the window's update region unvalidated.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};
