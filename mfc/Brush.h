#pragma once
#include <windows.h>

// Holder of one GDI brush. A brush it made itself is deleted when replaced or destroyed; a stock
// brush it was given is only forgotten.
class CBrush {
public:
    CBrush();
    virtual ~CBrush();

    BOOL CreateSolidBrush(COLORREF color);
    // Holds a stock object (GetStockObject), which is never deleted.
    BOOL CreateStockObject(int index);
    BOOL DeleteObject();

    HBRUSH GetSafeHandle() const { return m_hObject; }
    operator HBRUSH() const { return m_hObject; }

    HBRUSH m_hObject;

private:
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;

    bool owned_;
};
