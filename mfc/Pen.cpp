#include "mfc/Pen.h"

CPen::CPen() : m_hObject(nullptr) {}

CPen::~CPen()
{
    DeleteObject();
}

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    DeleteObject();
    m_hObject = ::CreatePen(style, width, color);
    return m_hObject != nullptr;
}

BOOL CPen::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    const BOOL deleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return deleted;
}
