#pragma once
#include "mfc/DC.h"

class CWnd;

// The client-area device context of a window, taken in the constructor and given back in the
// destructor. Without a window it holds no context.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
