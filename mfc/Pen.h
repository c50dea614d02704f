#pragma once
#include <windows.h>

// Holder of one GDI pen, deleted when replaced or destroyed. Select it out of every context
// before it goes.
class CPen {
public:
    CPen();
    virtual ~CPen();

    BOOL CreatePen(int style, int width, COLORREF color);
    BOOL DeleteObject();

    HPEN GetSafeHandle() const { return m_hObject; }
    operator HPEN() const { return m_hObject; }

    HPEN m_hObject;

private:
    CPen(const CPen&) = delete;
    CPen& operator=(const CPen&) = delete;
};
